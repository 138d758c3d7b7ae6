#include "archive/EntriesWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/ArchivioSchede.h"
#include "archive/FieldControls.h"
#include "archive/TestoCorto.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"
#include "report/ListReport.h"
#include "ui/Controls.h"
#include "ui/FieldEditor.h"
#include "ui/FocusMark.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"
#include "ui/Progress.h"
#include "ui/RecordList.h"

namespace {

const QString kZero = QStringLiteral("0,00");

TPictureButton* fillButton(const EntryField& f, QWidget* parent) {
    if (f.fill == EntryField::Fill::Today) return TPictureButton::today(f.fillButton, parent);
    return TPictureButton::fieldButton(f.fillButton, QStringLiteral(":/img/btn/ora.svg"), QStringLiteral("Ora attuale"),
                                       QStringLiteral("Inserisci l'ora corrente."), parent);
}

}  // namespace

TEntriesWindow::TEntriesWindow(const EntriesWindowDescription& desc, QWidget* owner) : TForm(owner), desc_(desc) {
    setObjectName(desc_.objectName);
    setWindowTitle(desc_.caption);
    Formats::apply();
    auto* outer = new QVBoxLayout(this);

    // The list of entries.
    panContainer_ = new QWidget(this);
    panContainer_->setObjectName(QStringLiteral("panContainer"));
    auto* lv = new QVBoxLayout(panContainer_);
    lblTitolo_ = new QLabel(panContainer_);
    lblTitolo_->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo_->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 11pt; color: #2f6f9f;"));
    lv->addWidget(lblTitolo_);
    lv->addWidget(
        new QLabel(QStringLiteral("Immettere una o pi\u00F9 parole consecutive presenti nella scheda in elenco "
                                  "da cercare e premere il pulsante Trova."),
                   panContainer_));
    auto* findRow = new QHBoxLayout;
    txtTrova_ = new QLineEdit(panContainer_);
    txtTrova_->setObjectName(QStringLiteral("txtTrova"));
    txtTrova_->setAccessibleName(QStringLiteral("Testo da cercare nell'elenco"));
    auto* btnTrova = Controls::pushButton(QStringLiteral("btnTrova"), QStringLiteral("Trova"), panContainer_);
    findRow->addWidget(txtTrova_, 1);
    findRow->addWidget(btnTrova);
    lv->addLayout(findRow);
    list_ = new TRecordList(panContainer_);
    list_->setAccessibleName(desc_.title);  // what the title above it says
    lv->addWidget(list_, 1);
    quickFind_ = new TQuickFind(list_, txtTrova_, btnTrova);
    lv->addWidget(new QLabel(desc_.modifyInstruction, panContainer_));
    auto* listButtons = new QHBoxLayout;
    lblTotale_ = new QLabel(panContainer_);
    lblTotale_->setObjectName(QStringLiteral("lblTotale"));
    lblTotale_->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 11pt;"));
    listButtons->addWidget(new QLabel(desc_.totalCaption, panContainer_));
    listButtons->addWidget(lblTotale_);
    listButtons->addStretch();
    auto* aggiungi = Controls::pushButton(QStringLiteral("btnAggiungi"), desc_.addText, panContainer_);
    auto* modifica = Controls::pushButton(QStringLiteral("btnModifica"), desc_.modifyText, panContainer_);
    auto* stampa = Controls::pushButton(QStringLiteral("btnStampa"), desc_.printText, panContainer_);
    auto* chiudi = Controls::pushButton(QStringLiteral("btnChiudi"), desc_.closeText, panContainer_);
    for (QPushButton* b : {aggiungi, modifica, stampa, chiudi}) listButtons->addWidget(b);
    lv->addLayout(listButtons);
    outer->addWidget(panContainer_, 1);

    // One entry.
    panCosti_ = new QWidget(this);
    panCosti_->setObjectName(QStringLiteral("panCosti"));
    panCosti_->setStyleSheet(FocusMark::backgroundSheet());
    auto* ev = new QVBoxLayout(panCosti_);
    ev->addWidget(new QLabel(QStringLiteral("Immettere i dati nei campi sottostanti e premere Salva."), panCosti_));
    auto* grid = new QGridLayout;
    QList<QWidget*> chain;
    int row = 0;
    for (const EntryField& f : desc_.fields) {
        const FieldRow& r = f.field.row();
        QWidget* control = FieldControls::make(r, panCosti_);
        TFieldEditor* editor = TFieldEditor::of(control);
        editor->setMaxLength(r.capacity);
        auto* label = new QLabel(r.caption, panCosti_);
        label->setBuddy(control);
        grid->addWidget(label, row, 0);
        auto* h = new QHBoxLayout;
        h->addWidget(control);
        if (f.fill != EntryField::Fill::None) {
            TPictureButton* b = fillButton(f, panCosti_);
            h->addWidget(b);
            const bool today = f.fill == EntryField::Fill::Today;
            connect(b, &QAbstractButton::clicked, editor, [editor, today] {
                editor->setText(today ? Formats::date(Clock::today()) : Formats::time(Clock::time()));
            });
        }
        if (r.width > 0) h->addStretch();
        grid->addLayout(h, row++, 1);
        editors_.push_back(editor);
        chain << control;
    }
    grid->setColumnStretch(1, 1);
    ev->addLayout(grid);
    ev->addStretch();
    lblPosizione_ = Controls::hiddenLabel(QStringLiteral("lblPosizione"), panCosti_);
    lblFile_ = Controls::hiddenLabel(QStringLiteral("lblFile"), panCosti_);
    auto* entryButtons = new QHBoxLayout;
    entryButtons->addStretch();
    auto* salva = Controls::pushButton(QStringLiteral("btnSalva"), QStringLiteral("Salva"), panCosti_);
    auto* close = Controls::pushButton(QStringLiteral("cmdClose"), desc_.closeText, panCosti_);
    entryButtons->addWidget(salva);
    entryButtons->addWidget(close);
    ev->addLayout(entryButtons);
    panCosti_->hide();
    outer->addWidget(panCosti_, 1);
    KeyFilters::enterChain(chain);

    connect(aggiungi, &QPushButton::clicked, this, &TEntriesWindow::btnAggiungiClick);
    connect(modifica, &QPushButton::clicked, this, &TEntriesWindow::btnModificaClick);
    connect(stampa, &QPushButton::clicked, this, &TEntriesWindow::btnStampaClick);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(salva, &QPushButton::clicked, this, &TEntriesWindow::btnSalvaClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // A double click or Enter on a line modifies it, as "Modifica" would.
    connect(list_, &TRecordList::lineChosen, this, [this](int r) {
        if (r >= 0) btnModificaClick();
    });
    resize(1000, 600);
}

QString TEntriesWindow::totalText(bool) const { return QString::number(listed_); }

void TEntriesWindow::FormShow() {
    quickFind_->reset();
    if (list_->count() > 0) list_->setCurrentRow(0);
    setTotal(emptyTotal());
    lblTitolo_->setText(desc_.title);
    const QString path = QDir::isAbsolutePath(desc_.fileName) ? desc_.fileName : ProgramFolder::file(desc_.fileName);
    file_ = path;
    lblFile_->setText(path);

    list_->clear();
    ListLines lines;
    listed_ = 0;
    startTotal();
    bool complete = true;
    const RecordLayout& layout = desc_.card->layout();
    try {
        const LineBuilder shape(desc_.line, layout);
        const int listed = desc_.listedField.isEmpty() ? -1 : layout.indexOf(desc_.listedField);
        ProgressWork work(this, kLavoroLettura);
        // A file may lie in a folder of its own, made when missing.
        QDir().mkpath(QFileInfo(path).absolutePath());
        const bool whole = Archive::forEach(
            path, layout,
            [&](const Record& r, qint64 position) {
                // Read from the stored bytes: no text is made for an entry only to be looked at.
                if (listed >= 0 &&
                    TTestoCorto::stored(r.bytes().constData() + layout.offset(listed), layout.capacity(listed))
                        .isEmpty())
                    return;
                shape.append(r, lines, position);
                ++listed_;
                addToTotal(r);
            },
            &work);
        if (!whole) {
            // Closed once the show is over, as before it was opened.
            QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
            return;
        }
    } catch (const std::exception&) {
        // The filling stops where it failed, silently.
        complete = false;
    }
    list_->setLines(std::move(lines));
    setTotal(totalText(complete));
    if (list_->count() > 0) list_->setCurrentRow(0);
    txtTrova_->setFocus(Qt::OtherFocusReason);
}

void TEntriesWindow::FormClose() { list_->clear(); }

void TEntriesWindow::setPosition(qint64 position) {
    position_ = position;
    lblPosizione_->setText(position > 0 ? QString::number(position) : QString());
}

void TEntriesWindow::setTotal(const QString& total) {
    total_ = total;
    lblTotale_->setText(total);
}

CardValues TEntriesWindow::values() const {
    CardValues v;
    for (size_t i = 0; i < editors_.size(); ++i) v.set(desc_.fields[i].field, editors_[i]->text());
    return v;
}

void TEntriesWindow::showEntryPanel() {
    panContainer_->hide();
    panCosti_->show();
    editors_.front()->control()->setFocus(Qt::OtherFocusReason);
}

void TEntriesWindow::btnAggiungiClick() {
    for (size_t i = 0; i < editors_.size(); ++i)
        editors_[i]->setText(desc_.fields[i].field.row().kind == FieldKind::Amount ? kZero : QString());
    setPosition(0);
    showEntryPanel();
}

void TEntriesWindow::btnModificaClick() {
    if (list_->count() == 0) {
        Msg::information(this, kMsgModificaVuota);
        return;
    }
    const int row = list_->selectedRow();
    if (row < 0) {
        Msg::warning(this, kMsgSelezionare);
        return;
    }
    try {
        // The line's entry read fresh; with identical lines, the last one in file order.
        const FoundRecord entry = RecordLines::recordOf(*list_, row, file_, desc_.card->layout());
        for (size_t i = 0; i < editors_.size(); ++i) editors_[i]->setText(entry.record.get(desc_.fields[i].field));
        setPosition(entry.position);
    } catch (const std::exception&) {
        reject();
        return;
    }
    showEntryPanel();
}

void TEntriesWindow::btnSalvaClick() {
    if (const std::optional<Refusal> r = CardRules::check(CardRules::requiredOf(*desc_.card), values())) {
        Msg::of(this, r->kind, r->text);
        for (size_t i = 0; i < editors_.size(); ++i)
            if (desc_.fields[i].field == r->field) editors_[i]->control()->setFocus(Qt::OtherFocusReason);
        return;
    }
    const qint64 position = position_;
    const bool ok = Archive::guard(
        this,
        [&] {
            Record r(desc_.card->layout());
            for (size_t i = 0; i < editors_.size(); ++i) r.set(desc_.fields[i].field, editors_[i]->text());
            setPosition(Archive::saveAt(file_, desc_.card->layout(), r, position));
        },
        Archive::AccessBox::Warning);
    if (ok) Msg::information(this, position > 0 ? kMsgSalvata : kMsgInserita);
}

void TEntriesWindow::btnStampaClick() {
    QStringList lines = list_->lines();
    lines << QStringLiteral("--------------------------") << desc_.printTotal + Text::trim(total_);
    ListReport::printList(this, desc_.printTitle, lines);
}
