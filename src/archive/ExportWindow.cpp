#include "archive/ExportWindow.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "archive/ArchivioSchede.h"
#include "archive/LeftOut.h"
#include "archive/SpreadsheetExport.h"
#include "platform/Formats.h"
#include "platform/ProgramFolder.h"
#include "ui/Controls.h"
#include "ui/Desktop.h"
#include "ui/Grid.h"
#include "ui/Help.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"
#include "ui/Progress.h"
#include "ui/StatusLine.h"

namespace {

constexpr int kWidth = 862;
constexpr int kHeight = 560;

}  // namespace

TExportWindow::TExportWindow(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("TExportWindow"));
    setStyleSheet(QStringLiteral("TExportWindow { background: #eef4f9; }"));
    setFixedBorder(kWidth, kHeight);

    auto* outer = outer_ = new QVBoxLayout(this);
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

    connect(makeButton(QStringLiteral("cmdEsporta"), QStringLiteral(":/img/btn/excel.svg"), QStringLiteral("Esporta"),
                       QStringLiteral("Esporta in Excel"), kHintEsporta),
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

void TExportWindow::addPanelAbove(QWidget* panel) { outer_->insertWidget(0, panel); }

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
    // within reason: a long note is read by widening the column. Row by row,
    // so that the rows are read once each.
    constexpr int kSampleRows = 500, kMaxWidth = 360;
    QFont bold = grid_->horizontalHeader()->font();
    bold.setBold(true);
    const QFontMetrics headerMetrics(bold), cellMetrics(grid_->font());
    const std::vector<Column>& columns = desc_.table.columns();
    const TGridModel* model = grid_->gridModel();
    std::vector<int> content(columns.size(), 0);
    for (int r = 0; r < qMin(model->rows(), kSampleRows); ++r)
        for (size_t i = 0; i < columns.size(); ++i)
            if (columns[i].gridWidth <= 0)
                content[i] = qMax(content[i], cellMetrics.horizontalAdvance(model->cell(r, int(i))) + 16);
    for (size_t i = 0; i < columns.size(); ++i) {
        const int column = int(i) + 1;
        const Column& c = columns[i];
        if (c.gridWidth > 0) {
            grid_->setColumnWidth(column, c.gridWidth);
            continue;
        }
        const int header = headerMetrics.horizontalAdvance(c.header) + 24;
        grid_->setColumnWidth(column, qMax(qMax(90, header), qMin(content[i], kMaxWidth)));
    }
}

void TExportWindow::FormShow() {
    // Closed once the show is over, so that no event of the show reaches a
    // closed window.
    if (fill() == Filling::Cancelled) QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

// The dialog's base hides the grid after the rows are gone, and the grid asks
// its rows for their count as it hides: it lets them go first.
TExportWindow::~TExportWindow() { grid_->gridModel()->setSource(nullptr); }

bool TExportWindow::refill() { return fill() == Filling::Whole; }

TExportWindow::Filling TExportWindow::fill() {
    Filling filling = Filling::Whole;
    {
        ProgressWork work(this, kLavoroLettura);
        TGridModel* model = grid_->gridModel();
        model->clearRows();
        complete_ = true;
        LeftOut leftOut;
        try {
            if (!rows_.fill(leftOut, &work)) filling = Filling::Cancelled;
        } catch (...) {
            complete_ = false;  // the grid keeps what was read
            filling = Filling::Failed;
        }
        if (filling == Filling::Cancelled) {
            rows_.clear();
            leftOut.clear();
        }
        leftOut.showIn(lblEscluse_);
        grid_->setUpdatesEnabled(false);
        model->setSource(&rows_);
        model->show();
        fitColumns();
        grid_->setUpdatesEnabled(true);
    }
    if (filling == Filling::Failed) Msg::plain(this, Archive::kMsgAccesso);
    return filling;
}

void TExportWindow::showNoRows() {
    rows_.clear();
    grid_->gridModel()->clearRows();
    grid_->gridModel()->setSource(&rows_);
    grid_->gridModel()->show();
    LeftOut().showIn(lblEscluse_);
    complete_ = true;
}

std::vector<QStringList> TExportWindow::rows() const { return rows_.sheetRows(); }

void TExportWindow::cmdEsportaClick() {
    if (!complete_) {
        // Part of the archive was never read: the earlier file stays.
        Msg::plain(this, Archive::kMsgAccesso);
        return;
    }
    if (Msg::confirm(this, kMsgDomanda) == MsgAnswer::No) return;
    try {
        {
            // Row by row to the file, read afresh from the archive, so a large
            // archive never needs its text in memory at once. Cancelled, the
            // new file is dropped and the earlier one stays as it was.
            ProgressWork work(this, kLavoroEsportazione);
            SpreadsheetExport::Writer sheet(desc_.fileName, desc_.sheetName, desc_.table.sheetColumns());
            if (!rows_.write(sheet, &work)) return;
            sheet.commit();
        }
        if (Msg::confirm(this, kMsgEsportate) != MsgAnswer::No)
            Desktop::open(this, QLatin1Char('"') + QDir::toNativeSeparators(ProgramFolder::file(desc_.fileName)) +
                                    QLatin1Char('"'));
    } catch (const ArchiveError&) {
        // The cards are no longer those the grid shows: the earlier file stays.
        Msg::plain(this, Archive::kMsgAccesso);
    } catch (...) {
        Msg::plain(this, kMsgErrore);
    }
}

void TExportWindow::cmdGuidaClick() { Help::open(this, desc_.helpTitle); }

void TExportWindow::cmdEsciClick() { close(); }
