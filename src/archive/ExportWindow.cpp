#include "archive/ExportWindow.h"

#include <QDir>
#include <algorithm>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "archive/ArchivioSchede.h"
#include "archive/LeftOut.h"
#include "archive/SpreadsheetExport.h"
#include "platform/Formats.h"
#include "platform/ProgramFolder.h"
#include "ui/Controls.h"
#include "ui/Grid.h"
#include "ui/Help.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"
#include "ui/StatusLine.h"
#include "ui/Desktop.h"

namespace {

constexpr int kWidth = 862;
constexpr int kHeight = 560;

}  // namespace

TExportWindow::TExportWindow(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("TExportWindow"));
    setStyleSheet(QStringLiteral("TExportWindow { background: #eef4f9; }"));
    setFixedBorder(kWidth, kHeight);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 6);
    outer->setSpacing(6);

    grid_ = new TGrid(this);
    grid_->setObjectName(QStringLiteral("grdRecords"));
    grid_->setAccessibleName(QStringLiteral("Schede da esportare"));
    grid_->setStyleSheet(QStringLiteral(
        "QTableView { background: white; alternate-background-color: #f3f7fb; gridline-color: #c9d6e3; "
        "selection-background-color: #2f6f9f; selection-color: white; }"
        "QHeaderView::section { background: #dce7f1; color: #1f3f5f; font-weight: bold; padding: 3px 6px; "
        "border: none; border-right: 1px solid #c9d6e3; border-bottom: 1px solid #b5c7d8; }"));
    outer->addWidget(grid_, 1);
    lblEscluse_ = Controls::noteLine(QStringLiteral("lblEscluse"), this);
    outer->addWidget(lblEscluse_);

    panComandi_ = new QWidget(this);
    panComandi_->setObjectName(QStringLiteral("panComandi"));
    auto* bar = new QHBoxLayout(panComandi_);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(6);
    bar->addStretch(1);
    buttonBar_ = new QHBoxLayout;
    buttonBar_->setSpacing(4);
    bar->addLayout(buttonBar_);
    outer->addWidget(panComandi_);

    panInfo_ = new TStatusLine(QString(), this);
    outer->addWidget(panInfo_);

    connect(makeButton(QStringLiteral("cmdEsporta"), QStringLiteral(":/img/btn/excel.svg"),
                       QStringLiteral("Esporta"), QStringLiteral("Esporta in Excel"), kHintEsporta),
            &QAbstractButton::clicked, this, &TExportWindow::cmdEsportaClick);
    connect(makeButton(QStringLiteral("cmdGuida"), QStringLiteral(":/img/btn/guida.svg"), QStringLiteral("Guida"),
                       QStringLiteral("Guida"), kHintGuida),
            &QAbstractButton::clicked, this, &TExportWindow::cmdGuidaClick);
    connect(makeButton(QStringLiteral("cmdEsci"), QStringLiteral(":/img/btn/esci.svg"), QStringLiteral("Esci"),
                       QStringLiteral("Esci"), kHintEsci),
            &QAbstractButton::clicked, this, &TExportWindow::cmdEsciClick);
}

TPictureButton* TExportWindow::makeButton(const QString& name, const QString& picture, const QString& caption,
                                          const QString& accessibleName, const QString& hint) {
    TPictureButton* b = TPictureButton::captioned(name, picture, caption, accessibleName, hint, panComandi_);
    buttonBar_->addWidget(b);
    return b;
}

void TExportWindow::addPanelAbove(QWidget* panel) {
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, panel);
}

void TExportWindow::FormCreate(const ExportWindowDescription& desc) {
    desc_ = desc;
    Formats::apply();  // the rows hold dates and amounts
    setWindowTitle(desc_.caption);
    panInfo_->setText(desc_.infoText);
    panInfo_->bind();

    QStringList headers, names;
    for (const Column& c : desc_.table.columns()) {
        headers << c.header;
        names << c.name;
    }
    grid_->gridModel()->setColumns(headers, names);
    grid_->setColumnWidth(0, 48);
    fitColumns();
}

void TExportWindow::fitColumns() {
    // Columns without a set width fit their header and the first rows' texts,
    // within reason: a long note is read by widening the column.
    constexpr int kSampleRows = 500, kMaxWidth = 360;
    QFont bold = grid_->horizontalHeader()->font();
    bold.setBold(true);
    const QFontMetrics headerMetrics(bold), cellMetrics(grid_->font());
    const std::vector<Column>& columns = desc_.table.columns();
    for (size_t i = 0; i < columns.size(); ++i) {
        const int column = int(i) + 1;
        const Column& c = columns[i];
        if (c.gridWidth > 0) {
            grid_->setColumnWidth(column, c.gridWidth);
            continue;
        }
        int content = 0;
        const TGridModel* model = grid_->gridModel();
        for (int r = 0; r < qMin(model->rows(), kSampleRows); ++r)
            content = qMax(content, cellMetrics.horizontalAdvance(model->cell(r, int(i))) + 16);
        const int header = headerMetrics.horizontalAdvance(c.header) + 24;
        grid_->setColumnWidth(column, qMax(qMax(90, header), qMin(content, kMaxWidth)));
    }
}

void TExportWindow::FormShow() { refill(); }

namespace {

// Reads the cards a description selects and hands over each with its number
// in reading order. May throw: what was handed over stays.
void readRows(const ExportWindowDescription& d, LeftOut& leftOut, const std::function<void(const Record&, int)>& add) {
    const RecordFilter takes = d.filter ? d.filter() : RecordFilter();
    int number = 0;
    if (!d.orderKey) {
        Archive::forEach(d.archive, *d.layout, [&](const Record& r, qint64 position) {
            if (leftOut.takes(takes, r, position)) add(r, ++number);
        });
        return;
    }
    struct Keyed {
        QString key;
        Record card;
        int number;
    };
    std::vector<Keyed> cards;
    auto handOver = [&] {
        std::stable_sort(cards.begin(), cards.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
        for (const Keyed& k : cards) add(k.card, k.number);
    };
    try {
        Archive::forEach(d.archive, *d.layout, [&](const Record& r, qint64 position) {
            if (leftOut.takes(takes, r, position)) cards.push_back({d.orderKey(r), r, ++number});
        });
    } catch (...) {
        handOver();
        throw;
    }
    handOver();
}

}  // namespace

bool TExportWindow::refill() {
    {
        WaitCursor wait;
        TGridModel* model = grid_->gridModel();
        model->clearRows();
        complete_ = true;
        LeftOut leftOut;
        try {
            readRows(desc_, leftOut,
                     [&](const Record& r, int number) { model->addRow(number, desc_.table.cells(r)); });
        } catch (...) {
            complete_ = false;  // the grid keeps what was read
        }
        leftOut.showIn(lblEscluse_);
        grid_->setUpdatesEnabled(false);
        model->show();
        fitColumns();
        grid_->setUpdatesEnabled(true);
    }
    if (!complete_) Msg::plain(this, Archive::kMsgAccesso);
    return complete_;
}

void TExportWindow::showNoRows() {
    grid_->gridModel()->clearRows();
    grid_->gridModel()->show();
    LeftOut().showIn(lblEscluse_);
    complete_ = true;
}

std::vector<QStringList> TExportWindow::rows() const {
    const TGridModel* model = grid_->gridModel();
    std::vector<QStringList> out;
    out.reserve(size_t(model->rows()));
    for (int r = 0; r < model->rows(); ++r) out.push_back(desc_.table.sheetCells(model->cells(r)));
    return out;
}

void TExportWindow::cmdEsportaClick() {
    if (!complete_) {
        // Part of the archive was never read: the earlier file stays.
        Msg::plain(this, Archive::kMsgAccesso);
        return;
    }
    if (Msg::confirm(this, kMsgDomanda) == MsgAnswer::No) return;
    try {
        // Row by row to the file, so a large archive never needs the whole
        // text in memory at once.
        SpreadsheetExport::Writer sheet(desc_.fileName, desc_.sheetName, desc_.table.sheetColumns());
        const TGridModel* model = grid_->gridModel();
        for (int r = 0; r < model->rows(); ++r) sheet.addRow(desc_.table.sheetCells(model->cells(r)));
        sheet.commit();
        if (Msg::confirm(this, kMsgEsportate) != MsgAnswer::No)
            Desktop::open(this, QLatin1Char('"') + QDir::toNativeSeparators(ProgramFolder::file(desc_.fileName)) +
                        QLatin1Char('"'));
    } catch (...) {
        Msg::plain(this, kMsgErrore);
    }
}

void TExportWindow::cmdGuidaClick() { Help::open(this, desc_.helpTitle); }

void TExportWindow::cmdEsciClick() { close(); }
