#include "appuntamenti/CommitmentSummaries.h"

#include <optional>

#include "appuntamenti/AppointmentFields.h"
#include "archive/Layouts.h"
#include "archive/TestoCorto.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"

namespace {

// Whether the commitment is done, when the flag says it: a flag neither "Sì"
// nor "No" (a hand-edited file) leaves the card out of the three summaries,
// counted.
std::optional<bool> doneOf(const Record& card) {
    const QString flag = Text::trim(card.get(AppointmentFields::get().Ottemperata));
    if (flag == Flag::Si) return true;
    if (flag == Flag::No) return false;
    return std::nullopt;
}

}  // namespace

namespace AppointmentLines {

const std::vector<LinePart>& parts() {
    static const std::vector<LinePart> p = [] {
        const AppointmentFields& f = AppointmentFields::get();
        return std::vector<LinePart>{{"Data: ", f.Data, 10}, {"  Ora: ", f.Ora, 5},
                                     {"  ", f.Causale, 42},  {"  Cliente: ", f.Contatto, 30},
                                     {"  Cel. ", f.Cel, 14}, {"  Importo: \u20AC ", f.Importo, -1}};
    }();
    return p;
}

}  // namespace AppointmentLines

TCommitmentSummary::TCommitmentSummary(QWidget* owner, const QString& objectName, const QString& caption,
                                       const QString& printTitle)
    : TSummaryList(owner, {objectName, caption, printTitle, ArchiveFiles::Appuntamenti,
                           &AppointmentFields::get().layout(), AppointmentLines::parts(), QSize(1300, 600)}) {}

TfrmConfermati::TfrmConfermati(QWidget* owner)
    : TCommitmentSummary(owner, QStringLiteral("frmConfermati"), QStringLiteral(" Riepilogo impegni da assolvere"),
                         QStringLiteral("Riepilogo impegni da assolvere")) {}

RecordFilter TfrmConfermati::selection() const {
    return [](const Record& card) -> Pick {
        const std::optional<bool> done = doneOf(card);
        return done ? Pick(!*done) : Pick::unreadableState();
    };
}

TfrmScaduti::TfrmScaduti(QWidget* owner)
    : TCommitmentSummary(owner, QStringLiteral("frmScaduti"),
                         QStringLiteral(" Riepilogo impegni scaduti e non assolti"),
                         QStringLiteral("Riepilogo impegni scaduti e non assolti")) {}

RecordFilter TfrmScaduti::selection() const {
    // Whole days: an appointment of today is not overdue yet. A card whose
    // date cannot be read is passed over, counted, and hides no later card.
    return [today = Clock::today()](const Record& card) -> Pick {
        const std::optional<bool> done = doneOf(card);
        if (!done) return Pick::unreadableState();
        if (*done) return false;
        const QDate date = Formats::parseDate(card.get(AppointmentFields::get().Data));
        if (!date.isValid()) return Pick::unreadableDate();
        return date < today;
    };
}

TfrmAssolti::TfrmAssolti(QWidget* owner)
    : TCommitmentSummary(owner, QStringLiteral("frmAssolti"), QStringLiteral(" Riepilogo impegni assolti"),
                         QStringLiteral("Riepilogo impegni assolti")) {}

RecordFilter TfrmAssolti::selection() const {
    return [](const Record& card) -> Pick {
        const std::optional<bool> done = doneOf(card);
        return done ? Pick(*done) : Pick::unreadableState();
    };
}
