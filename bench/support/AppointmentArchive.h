#pragma once
// An appointment archive of office size in a folder of its own, built once
// per size and run: the appointments of one year, spread over its days, as
// the card window saves them.
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <memory>

#include "appuntamenti/AppointmentFields.h"
#include "archive/Layouts.h"
#include "archive/RecordLayout.h"
#include "support/ClientArchive.h"
#include "support/Folders.h"

namespace BenchArchive {

inline const char* kServices[] = {"Consulenza fiscale", "Dichiarazione dei redditi",
                                  "Visura catastale",   "Contratto di locazione",
                                  "Successione",        "Perizia tecnica"};

// The folder holding "Archivio_Appuntamenti.pro" with that many
// appointments, all of 2025; one client in eight is a Rossi.
inline QString appointmentFolder(int cards) {
    return folderOnce("Archivio_Appuntamenti.pro", cards, [&](const QDir& dir) {
        CardWriter f(dir.filePath("Archivio_Appuntamenti.pro"));
        Record r(AppointmentFields::get().layout());
        const QDate first(2025, 1, 1);
        for (int i = 0; i < cards; ++i) {
            const QDate d = first.addDays((i * 7919) % 365);
            const QString hour = QStringLiteral("%1").arg(8 + i % 11, 2, 10, QLatin1Char('0'));
            const QString minute = QStringLiteral("%1").arg((i * 5) % 60, 2, 10, QLatin1Char('0'));
            r.set("Data", d.toString(QStringLiteral("dd/MM/yyyy")));
            r.set("OreApp", hour);
            r.set("MinutiApp", minute);
            r.set("Ora", hour + QLatin1Char(':') + minute);
            r.set("Avviso", QString::number(i % 4));
            r.set("Tipologia", QStringLiteral("Bianchi Anna"));
            r.set("Causale", QString::fromUtf8(kServices[i % 6]));
            r.set("Dettagli", QStringLiteral("Pratica n. %1").arg(i));
            r.set("Contatto", QStringLiteral("%1 Cliente %2").arg(kSurnames[i % 8]).arg(i % 5000));
            r.set("Tel", QStringLiteral("06 %1").arg(1000000 + i));
            r.set("Cel", QStringLiteral("333%1").arg(1000000 + i));
            r.set("Luogo", QStringLiteral("Bonifico bancario"));
            r.set("Importo", QStringLiteral("%1,%2").arg(20 + i % 480).arg(i % 100, 2, 10, QLatin1Char('0')));
            r.set("Ottemperata", i % 3 ? QStringLiteral("S\u00EC") : QStringLiteral("No"));
            f.add(r);
        }
    });
}

}  // namespace BenchArchive
