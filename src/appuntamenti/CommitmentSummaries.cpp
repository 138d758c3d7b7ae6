#include "appuntamenti/CommitmentSummaries.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"
#include "archive/TestoCorto.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "report/ListReport.h"
#include "ui/RecordList.h"

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
    : TForm(owner), printTitle_(printTitle) {
    setObjectName(objectName);
    setWindowTitle(caption);
    auto* v = new QVBoxLayout(this);
    auto* panel = new TListPanel(QStringLiteral("panContainer"),
                                 QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"),
                                 false, this);
    v->addWidget(panel);
    list_ = panel->list();
    quickFind_ = panel->quickFind();
    connect(panel->printButton(), &QPushButton::clicked, this, &TCommitmentSummary::btnStampaClick);
    connect(panel->closeButton(), &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &TRecordList::lineChosen, this, &TCommitmentSummary::lstRecordsDblClick);
    resize(1300, 600);
}

std::optional<FoundRecord> TCommitmentSummary::choose() {
    chosen_.reset();
    showModal();
    return chosen_;
}

void TCommitmentSummary::FormShow() {
    quickFind_->reset();
    list_->clear();
    std::vector<RecordLine> lines;
    try {
        WaitCursor wait;
        RecordLines::read(lines, ArchiveFiles::Appuntamenti, Layouts::TSchedaAppuntamento(),
                          AppointmentLines::parts(), selection());
    } catch (const std::exception&) {
        // The list shows what could be read.
    }
    list_->setLines(std::move(lines));
    findChild<QLineEdit*>(QStringLiteral("txtTrova"))->setFocus(Qt::OtherFocusReason);
}

void TCommitmentSummary::FormClose() { list_->clear(); }

void TCommitmentSummary::lstRecordsDblClick(int row) {
    // Also without a line or after an error the list closes, without a word.
    try {
        chosen_ = RecordLines::recordOf(*list_, row, ArchiveFiles::Appuntamenti, Layouts::TSchedaAppuntamento());
    } catch (const std::exception&) {
    }
    accept();
}

void TCommitmentSummary::btnStampaClick() { ListReport::printList(this, printTitle_, list_->lines()); }

TfrmConfermati::TfrmConfermati(QWidget* owner)
    : TCommitmentSummary(owner, QStringLiteral("frmConfermati"), QStringLiteral(" Riepilogo impegni da assolvere"),
                         QStringLiteral("Riepilogo impegni da assolvere")) {}

TCommitmentSummary::Selection TfrmConfermati::selection() const {
    return [](const Record& card) { return flagOf(card) == Flag::No; };
}

TfrmScaduti::TfrmScaduti(QWidget* owner)
    : TCommitmentSummary(owner, QStringLiteral("frmScaduti"),
                         QStringLiteral(" Riepilogo impegni scaduti e non assolti"),
                         QStringLiteral("Riepilogo impegni scaduti e non assolti")) {}

TCommitmentSummary::Selection TfrmScaduti::selection() const {
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

TCommitmentSummary::Selection TfrmAssolti::selection() const {
    return [](const Record& card) { return flagOf(card) == Flag::Si; };
}
