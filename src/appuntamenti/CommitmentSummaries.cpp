#include "appuntamenti/CommitmentSummaries.h"

#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"
#include "archive/TestoCorto.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"

namespace {

QString flagOf(const Record& card) { return Text::trim(card.get(QStringLiteral("Ottemperata"))); }

}  // namespace

namespace AppointmentLines {

const std::vector<LinePart>& parts() {
    static const std::vector<LinePart> p = {{"Data: ", "Data", 10},         {"  Ora: ", "Ora", 5},
                                            {"  ", "Causale", 42},          {"  Cliente: ", "Contatto", 30},
                                            {"  Cel. ", "Cel", 14},         {"  Importo: \u20AC ", "Importo", -1}};
    return p;
}

}  // namespace AppointmentLines

TCommitmentSummary::TCommitmentSummary(QWidget* owner, const QString& objectName, const QString& caption,
                                       const QString& printTitle)
    : TSummaryList(owner, {objectName, caption, printTitle, ArchiveFiles::Appuntamenti,
                           &Layouts::TSchedaAppuntamento(), AppointmentLines::parts(), QSize(1300, 600)}) {}

TfrmConfermati::TfrmConfermati(QWidget* owner)
    : TCommitmentSummary(owner, QStringLiteral("frmConfermati"), QStringLiteral(" Riepilogo impegni da assolvere"),
                         QStringLiteral("Riepilogo impegni da assolvere")) {}

RecordFilter TfrmConfermati::selection() const {
    return [](const Record& card) { return flagOf(card) == Flag::No; };
}

TfrmScaduti::TfrmScaduti(QWidget* owner)
    : TCommitmentSummary(owner, QStringLiteral("frmScaduti"),
                         QStringLiteral(" Riepilogo impegni scaduti e non assolti"),
                         QStringLiteral("Riepilogo impegni scaduti e non assolti")) {}

RecordFilter TfrmScaduti::selection() const {
    // Whole days: an appointment of today is not overdue yet. A card whose
    // date cannot be read is passed over, so that it hides no later card.
    return [today = Clock::today()](const Record& card) {
        if (flagOf(card) != Flag::No) return false;
        const QDate date = Formats::parseDate(card.get(QStringLiteral("Data")));
        return date.isValid() && date < today;
    };
}

TfrmAssolti::TfrmAssolti(QWidget* owner)
    : TCommitmentSummary(owner, QStringLiteral("frmAssolti"), QStringLiteral(" Riepilogo impegni assolti"),
                         QStringLiteral("Riepilogo impegni assolti")) {}

RecordFilter TfrmAssolti::selection() const {
    return [](const Record& card) { return flagOf(card) == Flag::Si; };
}
