#include "appuntamenti/AppointmentSummary.h"

#include <algorithm>

#include "appuntamenti/AgendaRules.h"
#include "appuntamenti/AppointmentColumns.h"
#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"

TAppointmentSummary::TAppointmentSummary(QWidget* owner, const QString& caption, const QString& fileName,
                                         const QString& sheetName, const QString& helpTitle, Order order)
    : TExportWindow(owner), order_(order) {
    ExportWindowDescription desc;
    desc.caption = caption;
    desc.fileName = fileName;
    desc.sheetName = sheetName;
    desc.helpTitle = helpTitle;
    desc.table = AppointmentColumns::table(order == Order::Key);
    FormCreate(desc);
}

void TAppointmentSummary::forEachRecord(const RecordSink& add) {
    const Selection selects = selection();
    if (order_ == Order::File) {
        Archive::forEach(ArchiveFiles::Appuntamenti, Layouts::TSchedaAppuntamento(), [&](const Record& card, qint64) {
            if (selects(card)) add(card);
        });
        return;
    }
    // Cards with the same key keep their file order, so the same archive
    // always gives the same rows.
    struct Keyed {
        QString key;
        Record card;
        int number;  // in reading order, kept with its row
    };
    std::vector<Keyed> cards;
    auto handOver = [&] {
        std::stable_sort(cards.begin(), cards.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
        for (const Keyed& k : cards) add(k.card, k.number);
    };
    try {
        Archive::forEach(ArchiveFiles::Appuntamenti, Layouts::TSchedaAppuntamento(), [&](const Record& card, qint64) {
            if (selects(card)) cards.push_back({AgendaRules::key(card), AppointmentColumns::keyed(card), int(cards.size()) + 1});
        });
    } catch (...) {
        handOver();  // what was read stays shown
        throw;
    }
    handOver();
}
