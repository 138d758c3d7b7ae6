#pragma once
// The record types of every archive of the program, one table each. They fix
// the byte format of the office's files: a field's place and capacity never
// change.
#include "archive/RecordLayout.h"

namespace Layouts {

const RecordLayout& TSchedaCliente();     // "Contatti.pro", 3372 bytes
const RecordLayout& TSchedaChiamata();    // "Registro_Chiamate.pro", 1291 bytes
const RecordLayout& TSchedaProtocollo();  // "<year>.prt", 3403 bytes
const RecordLayout& TSchedaDipendente();  // "Archivio_Dipendenti.pro", 3356 bytes
const RecordLayout& TSchedaLibro();       // "Archivio_Libri.pro", 3150 bytes

}  // namespace Layouts

// The record files of the program folder.
namespace ArchiveFiles {
inline const QString Clienti = QStringLiteral("Contatti.pro");
inline const QString Chiamate = QStringLiteral("Registro_Chiamate.pro");
inline const QString Appuntamenti = QStringLiteral("Archivio_Appuntamenti.pro");
inline const QString Pratiche = QStringLiteral("Pratiche.pro");
inline const QString Dipendenti = QStringLiteral("Archivio_Dipendenti.pro");
inline const QString Libri = QStringLiteral("Archivio_Libri.pro");
inline const QString CartellaLavori = QStringLiteral("Archivio_Lavori");

// Per-owner files, named after the owner's position (no leading zeros).
QString servizi(int clientPosition);           // Servizi_Cliente_12.pro
QString lavori(int employeePosition);          // Archivio_Lavori/Lavori_Dipendente_3.pro
QString protocollo(int year);                  // 2025.prt
QString cartellaPratica(qint64 casePosition);  // Pratica_7, the folder of a case
}  // namespace ArchiveFiles
