#include "clienti/TfrmRicontatta.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"
#include "report/ListReport.h"
#include "archive/TestoCorto.h"
#include "ui/RecordList.h"

namespace {
const std::vector<LinePart>& lineParts() {
    static const std::vector<LinePart> parts = {{"", "Cliente", 26},     {"  Tel. ", "Recapito", 15},
                                                {"  ", "Occupazione", 25}, {"  Prod. ", "Prodotti", 30},
                                                {"  ", "Questioni", -1}};
    return parts;
}
}  // namespace

TfrmRicontatta::TfrmRicontatta(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmRicontatta"));
    setWindowTitle(QStringLiteral(" Riepilogo clienti da ricontattare"));
    auto* v = new QVBoxLayout(this);
    auto* panel = new TListPanel(QStringLiteral("panContainer"),
                                 QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"),
                                 false, this);
    v->addWidget(panel);
    list_ = panel->list();
    quickFind_ = panel->quickFind();
    connect(panel->printButton(), &QPushButton::clicked, this, &TfrmRicontatta::btnStampaClick);
    connect(panel->closeButton(), &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &TRecordList::lineChosen, this, &TfrmRicontatta::lstRecordsDblClick);
    resize(1000, 560);
}

void TfrmRicontatta::FormShow() {
    quickFind_->reset();
    chosen_.reset();
    list_->clear();
    std::vector<RecordLine> lines;
    try {
        WaitCursor wait;
        RecordLines::read(lines, ArchiveFiles::Clienti, Layouts::TSchedaCliente(), lineParts(),
                          [](const Record& r) { return r.get("Ricontatta") == Flag::Si; });
    } catch (const std::exception&) {
        // The list shows what could be read.
    }
    list_->setLines(std::move(lines));
    findChild<QLineEdit*>(QStringLiteral("txtTrova"))->setFocus(Qt::OtherFocusReason);
}

void TfrmRicontatta::FormClose() { list_->clear(); }

void TfrmRicontatta::lstRecordsDblClick(int row) {
    // Also without a line or after an error the list closes, without a word.
    try {
        chosen_ = RecordLines::recordOf(*list_, row, ArchiveFiles::Clienti, Layouts::TSchedaCliente());
    } catch (const std::exception&) {
    }
    accept();
}

void TfrmRicontatta::btnStampaClick() { ListReport::printList(this, kTitolo, list_->lines()); }
