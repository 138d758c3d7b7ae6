#pragma once
// Messages that several tests check, spelt out as the user reads them, so
// that a misspelt message in the program fails its tests.
#include <QString>

namespace Said {

inline const QString accesso = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

inline const QString esportaDomanda = QStringLiteral(
    "L'esportazione dei dati in Excel pu\u00F2 richiedere diversi minuti a seconda del numero di schede presenti in "
    "archivio.\r\n\r\nSi vuole esportare i dati adesso?");
inline const QString esportate =
    QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
inline const QString esportaErrore = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia gi\u00E0 "
    "aperto.");

inline const QString inserita = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
inline const QString salvata =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

}  // namespace Said
