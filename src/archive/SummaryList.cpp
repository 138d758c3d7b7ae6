#include "archive/SummaryList.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/ArchivioSchede.h"
#include "report/ListReport.h"
#include "ui/Messages.h"
#include "ui/Progress.h"
#include "ui/RecordList.h"

TSummaryList::TSummaryList(QWidget* owner, SummaryListDescription desc) : TForm(owner), desc_(std::move(desc)) {
    setObjectName(desc_.objectName);
    setWindowTitle(desc_.caption);
    auto* v = new QVBoxLayout(this);
    // The list is named as its printout is titled.
    auto* panel =
        new TListPanel(QStringLiteral("panContainer"), desc_.printTitle,
                       QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"), false, this);
    v->addWidget(panel);
    list_ = panel->list();
    quickFind_ = panel->quickFind();
    txtTrova_ = panel->findText();
    lblEscluse_ = panel->noteLine();
    connect(panel->printButton(), &QPushButton::clicked, this, &TSummaryList::btnStampaClick);
    connect(panel->closeButton(), &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &TRecordList::lineChosen, this, &TSummaryList::lstRecordsDblClick);
    resize(desc_.size);
    fitListWindow(this, list_, LineBuilder(desc_.line, *desc_.layout).longest(), desc_.size.height());
}

std::optional<FoundRecord> TSummaryList::choose() {
    chosen_.reset();
    showModal();
    return chosen_;
}

void TSummaryList::FormShow() {
    quickFind_->reset();
    chosen_.reset();
    list_->clear();
    ListLines lines;
    LeftOut leftOut;
    bool complete = true;
    try {
        ProgressWork work(this, kLavoroLettura);
        if (!RecordLines::read(lines, desc_.fileName, *desc_.layout, desc_.line, selection(), leftOut, &work)) {
            // Closed once the show is over, with nothing chosen.
            QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
            return;
        }
    } catch (const std::exception&) {
        complete = false;  // the list shows what could be read
    }
    list_->setLines(std::move(lines));
    leftOut.showIn(lblEscluse_);
    txtTrova_->setFocus(Qt::OtherFocusReason);
    // An empty or short list must not read as "nothing to do".
    if (!complete) Msg::plain(this, Archive::kMsgAccesso);
}

void TSummaryList::FormClose() { list_->clear(); }

void TSummaryList::lstRecordsDblClick(int row) {
    // Also without a line or after an error the list closes, without a word.
    try {
        chosen_ = RecordLines::recordOf(*list_, row, desc_.fileName, *desc_.layout);
    } catch (const std::exception&) {}
    accept();
}

void TSummaryList::btnStampaClick() { ListReport::printList(this, desc_.printTitle, list_->lines()); }
