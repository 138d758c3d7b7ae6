#include "libri/TfrmCodici_Dewey.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "libri/DeweyTable.h"
#include "platform/Formats.h"
#include "platform/Timer.h"
#include "report/ListReport.h"
#include "ui/Controls.h"
#include "ui/RecordList.h"
#include "ui/Resources.h"

namespace {

// The search of the table is remembered from one opening of the window to
// the next, for as long as the program runs.
QString g_ricerca;

}  // namespace

QString TfrmCodici_Dewey::keyword(Mode mode) {
    switch (mode) {
    case Mode::Libri: return QStringLiteral("libri");
    }
    return {};
}

TfrmCodici_Dewey::TfrmCodici_Dewey(QWidget* owner, Mode mode) : TForm(owner), mode_(mode) {
    setObjectName(QStringLiteral("frmCodici_Dewey"));
    setWindowTitle(QStringLiteral(" Tabella Codici Dewey"));
    Formats::apply();

    auto* outer = new QVBoxLayout(this);
    panel_ = new TListPanel(QStringLiteral("panContainer"), QStringLiteral("Tabella dei codici Dewey"),
                            QStringLiteral("Per importare un codice Dewey dall'elenco, selezionarlo con un doppio "
                                           "clic"),
                            false, this);
    lstRecords_ = panel_->list();
    // Each line as wide as the longest of the table, so that none is cut.
    const QFontMetrics metrics = lstRecords_->fontMetrics();
    lstRecords_->lineModel()->setLineSize(
        QSize(std::max(760, metrics.horizontalAdvance(DeweyTable::longest()) + 12), metrics.height() + 2));
    txtTrova_ = panel_->findText();
    panel_->quickFind()->keepIn(&g_ricerca);
    outer->addWidget(panel_, 1);

    // Over the list while it is empty, until the timer fills it.
    panDewey_ = new QLabel(lstRecords_);
    panDewey_->setObjectName(QStringLiteral("panDewey"));
    panDewey_->setPixmap(svgPixmap(QStringLiteral(":/img/foto/caricamento.svg"), QSize(200, 140), devicePixelRatioF()));
    panDewey_->setAlignment(Qt::AlignCenter);
    panDewey_->setAutoFillBackground(true);
    panDewey_->setStyleSheet(QStringLiteral("background: #eef4f9;"));
    panDewey_->setAccessibleName(QStringLiteral("Caricamento della tabella in corso"));
    lstRecords_->installEventFilter(this);

    lblAttendere_ = Controls::waitNotice(QStringLiteral("Stampa in corso. Attendere..."), panel_->printButton(), this);
    outer->addWidget(lblAttendere_);
    lblMemory_ = Controls::hiddenLabel(QStringLiteral("lblMemory"), this);
    lblMemory_->setText(keyword(mode_));

    timCarica_ = new TTimer(QStringLiteral("timCarica"), kCarica, this);
    timCarica_->setSingleShot(true);
    connect(timCarica_, &TTimer::timeout, this, &TfrmCodici_Dewey::timCaricaTimer);

    connect(lstRecords_, &TRecordList::lineChosen, this, &TfrmCodici_Dewey::lstRecordsDblClick);
    connect(panel_->printButton(), &QPushButton::clicked, this, &TfrmCodici_Dewey::btnStampaClick);
    connect(panel_->closeButton(), &QPushButton::clicked, this, &QDialog::reject);

    setFixedBorder(900, 600);
    centreOnScreen();
}

std::optional<QString> TfrmCodici_Dewey::choose() {
    chosen_.reset();
    showModal();
    return chosen_;
}

void TfrmCodici_Dewey::FormShow() {
    txtTrova_->clear();
    lstRecords_->clear();
    panDewey_->setGeometry(lstRecords_->rect());
    panDewey_->show();
    panDewey_->raise();
    timCarica_->start();
    txtTrova_->setFocus(Qt::OtherFocusReason);
}

void TfrmCodici_Dewey::FormClose() {
    timCarica_->stop();
    lblAttendere_->hide();
}

void TfrmCodici_Dewey::timCaricaTimer() {
    timCarica_->stop();
    const QStringList& table = DeweyTable::lines();
    std::vector<RecordLine> lines;
    lines.reserve(size_t(table.size()));
    for (qsizetype i = 0; i < table.size(); ++i) lines.push_back({table[i], i + 1});
    lstRecords_->setLines(std::move(lines));
    panDewey_->hide();
}

void TfrmCodici_Dewey::lstRecordsDblClick(int row) {
    // No line (the list not filled yet, or a click below its lines): the
    // window closes without a word and nothing is chosen.
    if (row >= 0 && row < lstRecords_->count()) chosen_ = DeweyTable::classOf(lstRecords_->line(row));
    accept();
}

void TfrmCodici_Dewey::btnStampaClick() {
    lblAttendere_->show();
    ListReport::printList(this, QStringLiteral("Tabella Codici Dewey"), lstRecords_->lines());
    lblAttendere_->hide();
}

bool TfrmCodici_Dewey::eventFilter(QObject* watched, QEvent* event) {
    // The loading picture covers the whole list whatever its size.
    if (watched == lstRecords_ && event->type() == QEvent::Resize) panDewey_->setGeometry(lstRecords_->rect());
    return TForm::eventFilter(watched, event);
}
