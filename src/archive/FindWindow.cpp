#include "archive/FindWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/ArchivioSchede.h"
#include "archive/CardCatalogue.h"
#include "archive/FieldCriteria.h"
#include "platform/Text.h"
#include "report/ListReport.h"
#include "ui/Controls.h"
#include "ui/FocusMark.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"
#include "ui/Progress.h"
#include "ui/RecordList.h"

FindField::FindField(const CardField& f)
    : control(QStringLiteral("txt") + (f.row().control.isEmpty() ? f.name() : f.row().control.mid(3))),
      label(f.findCaption()),
      field(f) {}

TFindWindow::TFindWindow(const FindWindowDescription& desc, QWidget* owner) : TForm(owner), desc_(desc) {
    setWindowTitle(desc_.caption);
    if (!desc_.foundText)
        desc_.foundText = [](int n) { return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(n); };
    auto* outer = new QVBoxLayout(this);

    // Criteria panel.
    panAvvio_ = new QWidget(this);
    panAvvio_->setObjectName(QStringLiteral("panAvvio"));
    auto* criteria = new QVBoxLayout(panAvvio_);
    auto* heading = new QLabel(QStringLiteral("Compilare uno o pi\u00F9 campi e premere Cerca: sono elencate le schede "
                                              "che contengono tutti i testi indicati."),
                               panAvvio_);
    heading->setObjectName(QStringLiteral("lblIstruzioniRicerca"));
    heading->setWordWrap(true);
    criteria->addWidget(heading);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(6);
    QList<QWidget*> chain;
    int row = 0;
    for (const FindField& f : desc_.fields) {
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
    QPushButton* cerca = Controls::pushButton(QStringLiteral("btnCerca"), QStringLiteral("Cerca"), panAvvio_);
    lblAttendere_ = Controls::waitNotice(kAttendere, cerca, panAvvio_);
    criteria->addWidget(lblAttendere_);
    auto* criteriaButtons = new QHBoxLayout;
    criteriaButtons->addStretch();
    QPushButton* annulla = Controls::pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"), panAvvio_);
    criteriaButtons->addWidget(cerca);
    criteriaButtons->addWidget(annulla);
    criteria->addLayout(criteriaButtons);
    criteria->addStretch();
    outer->addWidget(panAvvio_, 1);
    KeyFilters::enterChain(chain);
    for (QLineEdit* e : searchFields_) TFocusMark::attach(e);

    // Results panel, hidden until a search.
    auto* results = new TListPanel(QStringLiteral("panContainer"), QStringLiteral("Risultati della ricerca"),
                                   desc_.instruction, true, this);
    panContainer_ = results;
    list_ = results->list();
    list_->setSorted(desc_.sorted);
    lblTrovate_ = results->countLabel();
    txtTrova_ = results->findText();
    quickFind_ = results->quickFind();
    panContainer_->hide();
    outer->addWidget(panContainer_, 1);

    lblConta_ = Controls::hiddenLabel(QStringLiteral("lblConta"), this);
    lblMemory_ = Controls::hiddenLabel(QStringLiteral("lblMemory"), this);
    showMode(desc_.mode);

    connect(cerca, &QPushButton::clicked, this, &TFindWindow::btnCercaClick);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(results->closeButton(), &QPushButton::clicked, this, &QDialog::reject);
    connect(results->printButton(), &QPushButton::clicked, this, &TFindWindow::btnStampaClick);
    connect(list_, &TRecordList::lineChosen, this, &TFindWindow::lstRecordsDblClick);
    resize(1000, 620);
    fitListWindow(this, list_, LineBuilder(desc_.line, *desc_.layout).longest(), 620);
}

void TFindWindow::showMode(const QString& keyword) { lblMemory_->setText(keyword); }

std::optional<FoundRecord> TFindWindow::choose() {
    chosen_.reset();
    showModal();
    return chosen_;
}

void TFindWindow::FormShow() {
    quickFind_->reset();
    if (list_->count() > 0) list_->setCurrentRow(0);
    if (!searchFields_.empty()) searchFields_.front()->setFocus(Qt::OtherFocusReason);
}

void TFindWindow::FormClose() {
    list_->clear();
    lblAttendere_->hide();
}

void TFindWindow::btnCercaClick() {
    FieldCriteria criteria(*desc_.layout);
    for (size_t i = 0; i < desc_.fields.size(); ++i) criteria.add(desc_.fields[i].field, searchFields_[i]->text());
    lblConta_->setText(QString::number(criteria.size()));

    ListLines lines;
    bool cancelled = false;
    const bool ok = Archive::guard(
        this,
        [&] {
            ProgressWork work(this, kLavoroRicerca);
            list_->clear();
            LeftOut none;  // the criteria read only texts: nothing to leave out
            cancelled = !RecordLines::read(
                lines, desc_.fileName, *desc_.layout, desc_.line,
                [&criteria](const Record& r) { return criteria.matches(r); }, none, &work);
        },
        Archive::AccessBox::Plain);
    if (!ok) return;
    if (cancelled) {
        // Back to the criteria, as before the search.
        lblAttendere_->hide();
        return;
    }
    list_->setLines(std::move(lines));
    lblTrovate_->setText(desc_.foundText(list_->count()));
    panAvvio_->hide();
    panContainer_->show();
    txtTrova_->clear();
    txtTrova_->setFocus(Qt::OtherFocusReason);
}

void TFindWindow::lstRecordsDblClick(int row) {
    // No line chosen, or an archive that cannot be read: the window closes
    // without a word.
    try {
        chosen_ = RecordLines::recordOf(*list_, row, desc_.fileName, *desc_.layout);
    } catch (const std::exception&) {}
    accept();
}

void TFindWindow::btnStampaClick() { ListReport::printList(this, desc_.printTitle, list_->lines()); }
