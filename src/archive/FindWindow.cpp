#include "archive/FindWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/ArchivioSchede.h"
#include "report/ListReport.h"
#include "archive/RecordWindow.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/FocusMark.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"
#include "ui/RecordList.h"

QString buildLine(const std::vector<LinePart>& parts, const Record& record) {
    QString line;
    for (const LinePart& p : parts) {
        line += p.literal;
        if (p.field.isEmpty()) continue;
        const QString value = record.get(p.field);
        line += p.width < 0 ? value : Text::fixed(value, p.width);
    }
    return line;
}

void forEachRecordOfLine(const QString& fileName, const RecordLayout& layout, const std::vector<LinePart>& parts,
                         const QString& entry, const std::function<void(const Record&, int)>& visit) {
    const QString wanted = Text::trim(entry);
    std::vector<std::pair<Record, int>> hits;
    Archive::forEach(fileName, layout, [&](const Record& r, int position) {
        if (Text::trim(buildLine(parts, r)) == wanted) hits.emplace_back(r, position);
    });
    for (const auto& [r, position] : hits) visit(r, position);
}

TFindWindow::TFindWindow(const FindWindowSpec& spec, QWidget* owner) : TForm(owner), spec_(spec) {
    setWindowTitle(spec_.caption);
    if (!spec_.foundText)
        spec_.foundText = [](int n) { return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(n); };
    auto* outer = new QVBoxLayout(this);

    // Criteria panel.
    panAvvio_ = new QWidget(this);
    panAvvio_->setObjectName(QStringLiteral("panAvvio"));
    auto* criteria = new QVBoxLayout(panAvvio_);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(6);
    QList<QWidget*> chain;
    int row = 0;
    for (const FindField& f : spec_.fields) {
        auto* label = new QLabel(f.label, panAvvio_);
        auto* edit = new QLineEdit(panAvvio_);
        edit->setObjectName(f.control);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
        searchFields_.push_back(edit);
        chain << edit;
    }
    grid->setColumnStretch(1, 1);
    criteria->addLayout(grid);
    lblAttendere_ = new QLabel(kAttendere, panAvvio_);
    lblAttendere_->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere_->setStyleSheet(QStringLiteral("color: #b04000; font-weight: bold;"));
    // Its room is kept while hidden: showing it on the press of "Cerca" must
    // not move the button from under the mouse before the release.
    QSizePolicy keep = lblAttendere_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    lblAttendere_->setSizePolicy(keep);
    lblAttendere_->hide();
    criteria->addWidget(lblAttendere_);
    auto* criteriaButtons = new QHBoxLayout;
    criteriaButtons->addStretch();
    auto* cerca = new QPushButton(QStringLiteral("Cerca"), panAvvio_);
    cerca->setObjectName(QStringLiteral("btnCerca"));
    cerca->setDefault(false);
    cerca->setAutoDefault(false);
    auto* annulla = new QPushButton(QStringLiteral("Chiudi"), panAvvio_);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    annulla->setAutoDefault(false);
    criteriaButtons->addWidget(cerca);
    criteriaButtons->addWidget(annulla);
    criteria->addLayout(criteriaButtons);
    outer->addWidget(panAvvio_);
    KeyFilters::enterChain(chain);
    for (QLineEdit* e : searchFields_) TFocusMark::attach(e, QStringLiteral("eff") + e->objectName().mid(3));

    // Results panel, hidden until a search.
    panContainer_ = new QWidget(this);
    panContainer_->setObjectName(QStringLiteral("panContainer"));
    auto* results = new QVBoxLayout(panContainer_);
    auto* instruction = new QLabel(spec_.instruction, panContainer_);
    instruction->setObjectName(QStringLiteral("lblIstruzioni"));
    results->addWidget(instruction);
    list_ = new TRecordList(panContainer_);
    list_->setSortingEnabled(spec_.sorted);
    results->addWidget(list_, 1);
    lblTrovate_ = new QLabel(panContainer_);
    lblTrovate_->setObjectName(QStringLiteral("lblTrovate"));
    results->addWidget(lblTrovate_);
    auto* bottom = new QHBoxLayout;
    txtTrova_ = new QLineEdit(panContainer_);
    txtTrova_->setObjectName(QStringLiteral("txtTrova"));
    txtTrova_->setAccessibleName(QStringLiteral("Testo da cercare nell'elenco"));
    auto* trova = new QPushButton(QStringLiteral("Trova"), panContainer_);
    trova->setObjectName(QStringLiteral("btnTrova"));
    trova->setAutoDefault(false);
    auto* stampa = new QPushButton(QStringLiteral("Stampa"), panContainer_);
    stampa->setObjectName(QStringLiteral("btnStampa"));
    stampa->setAutoDefault(false);
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), panContainer_);
    chiudi->setObjectName(QStringLiteral("btnChiudi"));
    chiudi->setAutoDefault(false);
    bottom->addWidget(txtTrova_, 1);
    bottom->addWidget(trova);
    bottom->addSpacing(20);
    bottom->addWidget(stampa);
    bottom->addWidget(chiudi);
    results->addLayout(bottom);
    panContainer_->hide();
    outer->addWidget(panContainer_, 1);
    quickFind_ = new TQuickFind(list_, txtTrova_, trova);

    lblConta_ = new QLabel(this);
    lblConta_->setObjectName(QStringLiteral("lblConta"));
    lblConta_->hide();
    lblMemory_ = new QLabel(this);
    lblMemory_->setObjectName(QStringLiteral("lblMemory"));
    lblMemory_->hide();

    connect(cerca, &QPushButton::pressed, lblAttendere_, &QWidget::show);
    connect(cerca, &QPushButton::clicked, this, &TFindWindow::btnCercaClick);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(stampa, &QPushButton::clicked, this, &TFindWindow::btnStampaClick);
    connect(list_, &QListWidget::itemDoubleClicked, this, &TFindWindow::lstRecordsDblClick);
    resize(1000, 620);
}

void TFindWindow::setMode(const QString& mode) { lblMemory_->setText(mode); }
QString TFindWindow::mode() const { return lblMemory_->text(); }

void TFindWindow::FormShow() {
    quickFind_->reset();
    if (list_->count() > 0) list_->setCurrentRow(0);
    if (!searchFields_.empty()) searchFields_.front()->setFocus(Qt::OtherFocusReason);
}

void TFindWindow::FormClose() {
    list_->clear();
    lblAttendere_->hide();
}

bool TFindWindow::matches(const Record& record) const {
    int score = 0, wanted = 0;
    for (size_t i = 0; i < spec_.fields.size(); ++i) {
        const QString typed = searchFields_[i]->text();
        // Only a filled field takes part: a field of blanks alone would
        // otherwise count as found wherever the record holds blanks.
        if (Text::trim(typed).isEmpty()) continue;
        ++wanted;
        if (Text::lowerAZ(record.get(spec_.fields[i].field)).contains(Text::lowerAZ(typed))) ++score;
    }
    return score >= wanted;
}

void TFindWindow::btnCercaClick() {
    int wanted = 0;
    for (QLineEdit* e : searchFields_)
        if (!Text::trim(e->text()).isEmpty()) ++wanted;
    lblConta_->setText(QString::number(wanted));

    QStringList lines;
    const bool ok = Archive::guard(
        this,
        [&] {
            WaitCursor wait;
            list_->clear();
            Archive::forEach(spec_.fileName, *spec_.layout, [&](const Record& r, int) {
                if (matches(r)) lines << buildLine(spec_.line, r);
            });
        },
        Archive::AccessBox::Plain);
    if (!ok) return;
    list_->setUpdatesEnabled(false);
    for (const QString& l : lines) list_->addLine(l);
    list_->setUpdatesEnabled(true);
    lblTrovate_->setText(spec_.foundText(list_->count()));
    panAvvio_->hide();
    panContainer_->show();
    txtTrova_->clear();
    txtTrova_->setFocus(Qt::OtherFocusReason);
}

void TFindWindow::copyInto(const Record& record, int position) {
    QWidget* asker = parentWidget();
    if (!asker) return;
    const FindMode m = spec_.modes.value(mode());
    if (m.loadsCard) {
        if (auto* card = qobject_cast<TRecordWindow*>(asker)) card->showRecord(record, position);
        return;
    }
    for (const auto& [field, control] : m.copies)
        if (QWidget* c = asker->findChild<QWidget*>(control)) Controls::setText(c, record.get(field));
}

void TFindWindow::lstRecordsDblClick() {
    // Every record whose line equals the chosen one is copied in turn: with
    // identical lines the last record in file order stays.
    try {
        const QString chosen = list_->selectedLine();
        if (chosen.isNull()) throw ArchiveError("no entry selected");
        forEachRecordOfLine(spec_.fileName, *spec_.layout, spec_.line, chosen,
                            [&](const Record& r, int position) { copyInto(r, position); });
    } catch (const std::exception&) {
    }
    accept();
}

void TFindWindow::btnStampaClick() { ListReport::printList(this, spec_.printTitle, list_->lines()); }
