#pragma once
// A protocol register of office size in a folder of its own, built once per
// size and run: the letters of one year, in and out, as the protocol window
// registers them.
#include <QDate>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <memory>

#include "archive/RecordLayout.h"
#include "protocollo/ProtocolFields.h"
#include "support/ClientArchive.h"
#include "support/Folders.h"

namespace BenchArchive {

inline const QString kProtocolFile = QStringLiteral("2025.prt");

// The folder holding "2025.prt" with that many letters.
inline QString protocolFolder(int letters) {
    static const char* kKinds[] = {"Posta in arrivo", "Posta in partenza", "Posta interna"};
    static const char* kSubjects[] = {"Richiesta documenti", "Sollecito di pagamento", "Convocazione assemblea",
                                      "Trasmissione contratto", "Comunicazione di variazione"};
    return folderOnce(kProtocolFile, letters, [&](const QDir& dir) {
        CardWriter f(dir.filePath(kProtocolFile));
        Record r(ProtocolFields::get().layout());
        const QDate first(2025, 1, 1);
        for (int i = 0; i < letters; ++i) {
            const QString day = first.addDays(i % 365).toString(QStringLiteral("dd/MM/yyyy"));
            r.set("Numero", QString::number(i + 1));
            r.set("Tipo", QString::fromLatin1(kKinds[i % 3]));
            r.set("DataReg", day);
            r.set("Ufficio", QStringLiteral("Segreteria"));
            r.set("Operatore", QStringLiteral("Bianchi Anna"));
            r.set("Categoria", QStringLiteral("Amministrazione"));
            r.set("Collocazione", QStringLiteral("Faldone %1").arg(i / 200 + 1));
            r.set("Oggetto", QStringLiteral("%1 n. %2").arg(kSubjects[i % 5]).arg(i));
            r.set(i % 3 == 1 ? "DataSpe" : "DataRic", day);
            r.set("Formato", QStringLiteral("Cartaceo"));
            r.set("Pagine", QString::number(1 + i % 12));
            r.set("Mittente", QStringLiteral("%1 Cliente %2").arg(kSurnames[i % 8]).arg(i % 5000));
            r.set("RecapitoMit", QStringLiteral("Via Roma %1, Forl\u00EC").arg(1 + i % 200));
            r.set("Destinatario", QStringLiteral("Studio Associato"));
            r.set("Note", QStringLiteral("Registrata dal protocollo generale"));
            f.add(r);
        }
    });
}

}  // namespace BenchArchive
