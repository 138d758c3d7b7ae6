#pragma once
// A client archive of office size in a folder of its own, built once per
// size and run: the cards every benchmark reads, and the file grep reads.
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <memory>

#include "archive/ClientFields.h"
#include "archive/RecordLayout.h"
#include "support/Folders.h"

namespace BenchArchive {

inline const char* kSurnames[] = {"Rossi", "Bianchi", "Russo", "Ferrari", "Esposito", "Romano", "Colombo", "Ricci"};
inline const char* kTowns[] = {"Roma", "Milano", "Napoli", "Torino", "Bologna", "Firenze", "Forlì", "Bari"};
inline const char* kJobs[] = {"Avvocato", "Geometra", "Medico", "Commerciante", "Insegnante", "Architetto"};

// The folder holding "Contatti.pro" with that many cards.
inline QString clientFolder(int cards) {
    return folderOnce("Contatti.pro", cards, [&](const QDir& dir) {
        CardWriter f(dir.filePath("Contatti.pro"));
        Record r(ClientFields::get().layout());
        for (int i = 0; i < cards; ++i) {
            r.set("Cliente", QStringLiteral("%1 Cliente %2").arg(kSurnames[i % 8]).arg(i));
            r.set("ComuneRes", QString::fromUtf8(kTowns[i % 8]));
            r.set("Occupazione", QString::fromUtf8(kJobs[i % 6]));
            r.set("Recapito", QStringLiteral("06 %1").arg(1000000 + i));
            r.set("TelCel", QStringLiteral("333%1").arg(1000000 + i));
            r.set("CodFisc", QStringLiteral("RSSMRA85T10A%1").arg(i % 1000, 3, 10, QLatin1Char('0')));
            r.set("Note", QStringLiteral("Cliente dal %1, preferisce il contatto telefonico.").arg(1990 + i % 30));
            f.add(r);
        }
    });
}

}  // namespace BenchArchive
