#pragma once
// The record types of every archive of the program, one table each. They fix
// the byte format of the office's files: a field's place and capacity never
// change.
#include "archive/RecordLayout.h"

namespace Layouts {

const RecordLayout& TSchedaAppuntamento();  // "Archivio_Appuntamenti.pro", 1265 bytes

}  // namespace Layouts

// The record files of the program folder.
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
