#pragma once
// The record files of the program folder. Each card's record type is its
// catalogue's layout, in its app (or here in src/archive where two apps read
// the card).
#include <QString>

namespace ArchiveFiles {
inline const QString Clienti = QStringLiteral("Contatti.pro");
inline const QString Chiamate = QStringLiteral("Registro_Chiamate.pro");
inline const QString Appuntamenti = QStringLiteral("Archivio_Appuntamenti.pro");
inline const QString Pratiche = QStringLiteral("Pratiche.pro");

// Per-owner files, named after the owner's position (no leading zeros).
QString servizi(int clientPosition);           // Servizi_Cliente_12.pro
QString protocollo(int year);                  // 2025.prt
QString cartellaPratica(qint64 casePosition);  // Pratica_7, the folder of a case
}  // namespace ArchiveFiles
