#include "archive/RecordWindow.h"

#include <stdexcept>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "archive/ArchivioSchede.h"
#include "archive/FieldControls.h"
#include "archive/PhotoStore.h"
#include "archive/checks/Checks.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/Desktop.h"
#include "ui/FieldEditor.h"
#include "ui/FocusMark.h"
#include "ui/Help.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"
#include "ui/PhotoBox.h"
#include "ui/PictureButton.h"
#include "ui/Section.h"
#include "ui/StatusLine.h"

namespace {

// The standard buttons: name, picture, caption, hint, what a screen reader
// says (what the button does, in full) and the handler.
struct StandardButton {
    const char* name;
    const char* picture;
    const char* caption;
    const char* hint;
    const char* accessibleName;
    void (TRecordWindow::*handler)();
};

const StandardButton kStandard[] = {
    {"cmdPrimo", "primo", "Prima", "Visualizza la prima scheda in archivio.", "Prima scheda",
     &TRecordWindow::cmdPrimoClick},
    {"cmdIndietro", "indietro", "Precedente", "Visualizza la scheda precedente in archivio.", "Scheda precedente",
     &TRecordWindow::cmdIndietroClick},
    {"cmdAvanti", "avanti", "Successiva", "Visualizza la scheda successiva in archivio.", "Scheda successiva",
     &TRecordWindow::cmdAvantiClick},
    {"cmdUltimo", "ultimo", "Ultima", "Visualizza l'ultima scheda in archivio.", "Ultima scheda",
     &TRecordWindow::cmdUltimoClick},
    {"cmdNuovo", "nuovo", "Nuova", "Prepara la schermata per la registrazione di una nuova scheda.", "Nuova scheda",
     &TRecordWindow::cmdNuovoClick},
    {"cmdSalva", "salva", "Salva", "Salva la scheda corrente in archivio.", "Salva la scheda",
     &TRecordWindow::cmdSalvaClick},
    {"cmdDuplica", "duplica", "Duplica",
     "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.", "Duplica la scheda",
     &TRecordWindow::cmdDuplicaClick},
    {"cmdTrova", "trova", "Trova", "Trova una scheda in archivio.", "Trova schede", &TRecordWindow::cmdTrovaClick},
    {"cmdStampa", "stampa", "Stampa", "Stampa la scheda corrente.", "Stampa la scheda", &TRecordWindow::cmdStampaClick},
    {"cmdAnteprima", "anteprima", "Anteprima", "Visualizza l'anteprima di stampa.", "Anteprima di stampa",
     &TRecordWindow::cmdAnteprimaClick},
    {"cmdEsporta", "esporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel.",
     "Esporta in Excel", &TRecordWindow::cmdEsportaClick},
    {"cmdGuida", "guida", "Guida", "Visualizza la guida in linea.", "Guida", &TRecordWindow::cmdGuidaClick},
    {"cmdEsci", "esci", "Esci", "Esci dalla schermata di lavoro corrente.", "Esci", &TRecordWindow::cmdEsciClick},
    {"cmdPDF", "pdf", "PDF", "Esporta la scheda in formato PDF.", "Esporta in PDF", nullptr},
    {"cmdFile", "file", "Allegati", "Allega file alla scheda corrente.", "Allega file", nullptr},
};

QString positionName(qint64 position) {
    return position == 0 ? QStringLiteral("Scheda n.: nuova scheda, non ancora in archivio")
                         : QStringLiteral("Scheda n. %1 in archivio").arg(position);
}

// Typed fields take part in the Enter chain; flags only in the tab order.
bool chained(FieldKind kind) {
    return kind != FieldKind::Flag && kind != FieldKind::Hidden && kind != FieldKind::Derived &&
           kind != FieldKind::Choice;
}

}  // namespace

struct TRecordWindow::Bound {
    FieldRow row;
    QWidget* control;
    TFieldEditor* editor;
};

TRecordWindow::TRecordWindow(const CardCatalogue& card, QWidget* owner) : TAppWindow(owner), card_(&card) {
    setObjectName(QStringLiteral("TRecordWindow"));
    setStyleSheet(QStringLiteral("TRecordWindow { background: #eef4f9; }"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 6, 8, 4);
    outer->setSpacing(4);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);
    fieldsArea_ = new QWidget(this);
    fieldsArea_->setObjectName(QStringLiteral("panContainer"));
    auto* areaRow = new QHBoxLayout(fieldsArea_);
    areaRow->setContentsMargins(0, 0, 0, 0);
    areaRow->setSpacing(8);
    fieldsLayout_ = new QVBoxLayout;
    fieldsLayout_->setSpacing(4);
    areaRow->addLayout(fieldsLayout_, 1);
    sideLayout_ = new QVBoxLayout;  // empty, and so without room, unless a window uses it
    sideLayout_->setSpacing(6);
    areaRow->addLayout(sideLayout_);
    middle->addWidget(fieldsArea_, 1);

    buttonPanel_ = new QWidget(this);
    buttonPanel_->setObjectName(QStringLiteral("panPulsanti"));
    auto* panelLayout = new QVBoxLayout(buttonPanel_);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    buttonGrid_ = new QGridLayout;
    buttonGrid_->setSpacing(2);
    panelLayout->addLayout(buttonGrid_);
    panelLayout->addStretch();

    auto* positionBox = new QHBoxLayout;
    auto* positionCaption = new QLabel(QStringLiteral("Scheda n."), buttonPanel_);
    positionCaption->setObjectName(QStringLiteral("lblPosizioneTitolo"));
    lblPosizione_ = new QLabel(buttonPanel_);
    lblPosizione_->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione_->setMinimumWidth(60);
    lblPosizione_->setStyleSheet(QStringLiteral("font-weight: bold; color: #2f6f9f;"));
    lblPosizione_->setAccessibleName(positionName(0));
    positionBox->addWidget(positionCaption);
    positionBox->addWidget(lblPosizione_, 1);
    panelLayout->addLayout(positionBox);
    middle->addWidget(buttonPanel_);
    outer->addLayout(middle, 1);

    panInfo_ = new TStatusLine(QString(), this);
    outer->addWidget(panInfo_);

    // Where the focus goes before saving, so that the field being typed runs
    // its leaving rules; never seen, out of the Tab order, and named for a
    // screen reader that walks the window's objects.
    auto* focus = new QPushButton(this);
    focus->setObjectName(QStringLiteral("btnFocus"));
    focus->setFixedSize(0, 0);
    focus->setFocusPolicy(Qt::ClickFocus);
    focus->setAccessibleName(QStringLiteral("Conferma del campo in corso"));
    btnFocus_ = focus;
}

TRecordWindow::~TRecordWindow() = default;

const TRecordWindow::Bound* TRecordWindow::boundOf(const CardField& field) const {
    const QString& name = field.name();
    for (const Bound& b : fields_)
        if (b.row.name == name) return &b;
    return nullptr;
}

QWidget* TRecordWindow::fieldControl(const CardField& field) const {
    const Bound* b = boundOf(field);
    return b ? b->control : nullptr;
}

QString TRecordWindow::fieldText(const CardField& field) const {
    const Bound* b = boundOf(field);
    return b ? Text::trim(b->editor->text()) : QString();
}

void TRecordWindow::setFieldText(const CardField& field, const QString& text) {
    if (const Bound* b = boundOf(field)) b->editor->setText(text);
}

CardValues TRecordWindow::values() const {
    CardValues v;
    for (const Bound& b : fields_) v.set(b.row.name, b.editor->text());
    return v;
}

WindowButton TRecordWindow::standardButton(const QString& name, const QString& hint, std::function<void()> handler) {
    for (const StandardButton& s : kStandard) {
        if (name != QLatin1String(s.name)) continue;
        WindowButton b{name,
                       QStringLiteral(":/img/btn/%1.svg").arg(QLatin1String(s.picture)),
                       QString::fromUtf8(s.caption),
                       hint.isEmpty() ? QString::fromUtf8(s.hint) : hint,
                       QString::fromUtf8(s.accessibleName),
                       std::move(handler)};
        if (!b.handler && s.handler) b.handler = [this, h = s.handler] { (this->*h)(); };
        return b;
    }
    qFatal("no standard button %s", qPrintable(name));
}

void TRecordWindow::addStandardButtons(RecordWindowDescription& desc, std::initializer_list<const char*> names) {
    for (const char* name : names) desc.buttons.push_back(standardButton(QLatin1String(name)));
}

void TRecordWindow::addButton(const WindowButton& button) {
    TPictureButton* b = TPictureButton::captioned(button.name, button.picture, button.caption, button.caption,
                                                  button.hint, buttonPanel_);
    if (!button.accessibleName.isEmpty()) b->setAccessibleName(button.accessibleName);
    if (button.handler) connect(b, &QAbstractButton::clicked, this, button.handler);
    buttonGrid_->addWidget(b, buttonCount_ / 2, buttonCount_ % 2);
    ++buttonCount_;
}

QGridLayout* TRecordWindow::addSection(const QString& name, const QString& picture, const QString& title, int columns) {
    auto* s = new TSection(name, QStringLiteral(":/img/sez/%1.svg").arg(picture), title, fieldsArea_);
    for (int c = 0; c < columns; ++c) s->grid()->setColumnStretch(c, 1);
    fieldsLayout_->addWidget(s);
    return s->grid();
}

QWidget* TRecordWindow::makeControl(const FieldRow& row) {
    QWidget* c = FieldControls::make(row, fieldsArea_);
    if (!c) qFatal("%s: the window makes the options of %s", qPrintable(objectName()), qPrintable(row.name));
    return c;
}

QWidget* TRecordWindow::bind(const FieldRow& row, QWidget* control) {
    TFieldEditor* editor = TFieldEditor::of(control);
    // A control that carries a field but was not made as one of the field
    // kinds would silently never be saved: a fault of the window's code.
    if (!editor)
        qFatal("%s: control %s of field %s is no field editor", qPrintable(objectName()),
               qPrintable(control->objectName()), qPrintable(row.name));
    fields_.push_back({row, control, editor});
    if (row.kind != FieldKind::Hidden && row.kind != FieldKind::Derived) tabOrder_.push_back(control);
    return control;
}

QWidget* TRecordWindow::place(QGridLayout* grid, int r, int column, int span, const FieldRow& row) {
    if (row.kind == FieldKind::Flag) {
        QWidget* c = bind(row, makeControl(row));
        grid->addWidget(c, r, column, 1, span, Qt::AlignBottom | Qt::AlignLeft);
        return c;
    }
    QWidget* c = bind(row, makeControl(row));
    grid->addLayout(Controls::labeled(row.caption, c), r, column, 1, span, Qt::AlignBottom);
    return c;
}

QWidget* TRecordWindow::addField(const CardField& field) { return bind(field.row(), makeControl(field.row())); }

QWidget* TRecordWindow::addField(const CardField& field, QWidget* control) { return bind(field.row(), control); }

QVBoxLayout* TRecordWindow::labeledField(const CardField& field) {
    return Controls::labeled(field.caption(), addField(field));
}

QWidget* TRecordWindow::placeField(QGridLayout* grid, int r, int column, int span, const CardField& field) {
    return place(grid, r, column, span, field.row());
}

void TRecordWindow::addAttachmentFields() {
    const AttachmentFields* a = card_->attachments();
    if (!a) throw std::logic_error("attachments asked for on a card without them");
    for (const CardField& f : a->files) addField(f);
    for (const CardField& f : a->descriptions) addField(f);
}

TPictureButton* TRecordWindow::todayButton(const QString& name, const CardField& field, std::function<void()> handler) {
    if (!handler) handler = [this, field] { setFieldText(field, Formats::date(Clock::today())); };
    auto* b = TPictureButton::today(name, fieldsArea_);
    placeAfter(b, field, std::move(handler));
    return b;
}

void TRecordWindow::placeAfter(TPictureButton* b, const CardField& field, std::function<void()> handler) {
    connect(b, &QAbstractButton::clicked, this, std::move(handler));
    // Tab reaches the button right after its field.
    const auto at = std::find(tabOrder_.begin(), tabOrder_.end(), fieldControl(field));
    tabOrder_.insert(at == tabOrder_.end() ? at : at + 1, b);
}

TPictureButton* TRecordWindow::fieldButton(const QString& name, const QString& picture, const QString& accessibleName,
                                           const QString& hint, const CardField& afterField,
                                           std::function<void()> handler) {
    auto* b = TPictureButton::fieldButton(name, picture, accessibleName, hint, fieldsArea_);
    placeAfter(b, afterField, std::move(handler));
    return b;
}

TPictureButton* TRecordWindow::emailButton(const CardField& field, const QString& recipient) {
    return fieldButton(QStringLiteral("btnEmail"), QStringLiteral(":/img/btn/email.svg"),
                       QStringLiteral("Invia una e-mail ") + recipient,
                       QStringLiteral("Invia una e-mail all'indirizzo indicato."), field, [this, field] {
                           Desktop::open(this, QStringLiteral("\"mailto:") + fieldText(field) + QLatin1Char('"'));
                       });
}

TPictureButton* TRecordWindow::checkButton(IdentityCheck check, const CardField& field) {
    struct Button {
        IdentityCheck check;
        const char* name;
        const char* accessibleName;
        const char* hint;
    };
    static const Button kButtons[] = {
        {IdentityCheck::CodiceFiscale, "btnCodFisc", "Controlla il codice fiscale", "Controlla il codice fiscale."},
        {IdentityCheck::PartitaIva, "btnPartitaIva", "Controlla la partita IVA", "Controlla il numero di partita IVA."},
        {IdentityCheck::Iban, "btnIban", "Controlla l'IBAN", "Controlla l'IBAN."},
        {IdentityCheck::Carta, "btnCarta", "Controlla la carta di credito", "Controlla il numero di carta di credito."},
    };
    const Button& b =
        *std::find_if(std::begin(kButtons), std::end(kButtons), [check](const Button& k) { return k.check == check; });
    return fieldButton(QLatin1String(b.name), QStringLiteral(":/img/btn/controlla.svg"),
                       QString::fromUtf8(b.accessibleName), QString::fromUtf8(b.hint), field, [this, field, check] {
                           const QString text = fieldText(field);
                           switch (check) {
                           case IdentityCheck::CodiceFiscale: Checks::openCodiceFiscale(this, text); break;
                           case IdentityCheck::PartitaIva: Checks::openPartitaIva(this, text); break;
                           case IdentityCheck::Iban: Checks::openIban(this, text); break;
                           case IdentityCheck::Carta: Checks::openCarta(this, text); break;
                           }
                       });
}

bool TRecordWindow::importClient(const QString& keyword, std::initializer_list<std::pair<CardField, CardField>> pairs) {
    const std::optional<FoundRecord> client = TfrmTrovaClienti::open(this, keyword);
    if (!client) return false;
    for (const auto& [from, to] : pairs) setFieldText(to, Text::trim(client->record.get(from)));
    return true;
}

bool TRecordWindow::needsSavedCard(const QString& warning) {
    if (!isNewCard()) return true;
    Msg::warning(this, warning);
    return false;
}

void TRecordWindow::FormCreate(const RecordWindowDescription& desc) {
    desc_ = desc;
    desc_.layout = &card_->layout();
    if (desc_.firstField.isEmpty() && !fields_.empty()) desc_.firstField = fields_.front().row.name;
    if (desc_.duplicateFocus.isEmpty()) desc_.duplicateFocus = desc_.firstField;
    nav_ = std::make_unique<RecordNavigator>(desc_.fileName, *desc_.layout);
    Formats::apply();
    for (const WindowButton& b : desc_.buttons) addButton(b);
    panInfo_->setText(desc_.infoText);

    byLayoutIndex_.assign(size_t(desc_.layout->fieldCount()), -1);
    QList<QWidget*> chain;
    for (size_t i = 0; i < fields_.size(); ++i) {
        const Bound& b = fields_[i];
        const int index = desc_.layout->indexOf(b.row.name);
        if (index < 0)
            qFatal("%s: no field %s in %s", qPrintable(objectName()), qPrintable(b.row.name),
                   qPrintable(desc_.layout->typeName()));
        byLayoutIndex_[size_t(index)] = int(i);
        if (b.row.limited) b.editor->setMaxLength(desc_.layout->capacity(index));
        if (b.editor->typed()) {
            if (desc_.focusOnBackground)
                FocusMark::onBackground(b.control);
            else
                TFocusMark::attach(b.control);
        }
        if (chained(b.row.kind)) chain << b.control;
        if (!b.row.hint.isEmpty()) panInfo_->setHint(b.control, b.row.hint);
    }
    KeyFilters::enterChain(chain);
    for (const Bound& b : fields_) b.editor->keysBeforeChain();
    for (size_t i = 1; i < tabOrder_.size(); ++i) setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    panInfo_->bind();
}

void TRecordWindow::FormShow() { newCard(); }

void TRecordWindow::setArchiveFile(const QString& fileName) {
    desc_.fileName = fileName;
    nav_ = std::make_unique<RecordNavigator>(fileName, *desc_.layout);
    showPosition();
}

void TRecordWindow::showPosition() {
    lblPosizione_->setText(isNewCard() ? QString() : QString::number(position()));
    // A screen reader reads the accessible name, not the text: it carries the number.
    lblPosizione_->setAccessibleName(positionName(position()));
}

void TRecordWindow::focusField(const CardField& field) {
    if (QWidget* c = fieldControl(field)) c->setFocus(Qt::OtherFocusReason);
}

void TRecordWindow::keepPhoto(TPhotoBox* box, const PhotoStore& store) {
    photoBox_ = box;
    photoStore_ = &store;
}

void TRecordWindow::showPhoto() {
    if (!photoBox_) return;
    if (isNewCard())
        photoBox_->clear();
    else
        photoStore_->show(position(), photoBox_);
}

void TRecordWindow::newCard() {
    for (const Bound& b : fields_) b.editor->clear();
    nav_->startNew();
    showPosition();
    showPhoto();
    focusField(desc_.firstField);
}

void TRecordWindow::loadRecord(const Record& record) {
    const TypingRules::StoredTexts asStored;
    for (int i = 0; i < desc_.layout->fieldCount(); ++i)
        if (const int b = byLayoutIndex_[size_t(i)]; b >= 0) fields_[size_t(b)].editor->setText(record.get(i));
}

void TRecordWindow::showRecord(const Record& record, qint64 position) {
    loadRecord(record);
    nav_->setPosition(position);
    showPosition();
    showPhoto();
}

void TRecordWindow::showRecord(const std::optional<FoundRecord>& found) {
    if (found) showRecord(found->record, found->position);
}

void TRecordWindow::fillRecord(Record& record) const {
    record.clear();
    for (int i = 0; i < desc_.layout->fieldCount(); ++i)
        if (const int b = byLayoutIndex_[size_t(i)]; b >= 0) record.set(i, fields_[size_t(b)].editor->text());
}

void TRecordWindow::browse(Browse step) {
    Record r(*desc_.layout);
    RecordNavigator::Step got = RecordNavigator::Step::Nothing;
    const bool ok = Archive::guard(this, [&] { got = ((*nav_).*step)(r); });
    if (!ok) return;
    switch (got) {
    case RecordNavigator::Step::Loaded: loadRecord(r); break;
    case RecordNavigator::Step::Empty:
        Msg::information(this, QStringLiteral("L'archivio non contiene nessuna scheda."));
        break;
    case RecordNavigator::Step::Nothing: break;
    }
    showPosition();
    if (got == RecordNavigator::Step::Loaded) showPhoto();
}

void TRecordWindow::cmdPrimoClick() { browse(&RecordNavigator::first); }
void TRecordWindow::cmdUltimoClick() { browse(&RecordNavigator::last); }
void TRecordWindow::cmdAvantiClick() { browse(&RecordNavigator::next); }
void TRecordWindow::cmdIndietroClick() { browse(&RecordNavigator::previous); }

void TRecordWindow::refuse(const Refusal& refusal) {
    Msg::of(this, refusal.kind, refusal.text);
    focusField(refusal.field);
}

void TRecordWindow::cmdSalvaClick() {
    if (desc_.focusAwayBeforeSave) btnFocus_->setFocus(Qt::OtherFocusReason);
    tidyBeforeSave();
    std::vector<CardRule> rules = CardRules::requiredOf(*card_);
    rules.insert(rules.end(), desc_.rules.begin(), desc_.rules.end());
    if (const std::optional<Refusal> r = CardRules::check(rules, values())) {
        refuse(*r);
        return;
    }
    if (!validate()) return;
    deriveFields();

    const bool isNew = isNewCard();
    bool written = false;
    const bool ok = Archive::guard(this, [&] {
        Record r(*desc_.layout);
        fillRecord(r);
        written = nav_->save(r, [&](TArchivioSchede& archive) { return checkBeforeWrite(archive, r); });
    });
    showPosition();
    if (!ok) return;
    if (!written) {
        writeStopped();
        return;
    }
    if (photoBox_) photoStore_->store(this, position(), photoBox_);
    Msg::information(this, isNew ? desc_.appendMessage : desc_.overwriteMessage);
}

std::vector<CardField> TRecordWindow::duplicateClears() const {
    if (desc_.duplicateClears) return *desc_.duplicateClears;
    std::vector<CardField> out;
    if (const AttachmentFields* a = card_->attachments()) {
        out.assign(a->files.begin(), a->files.end());
        out.insert(out.end(), a->descriptions.begin(), a->descriptions.end());
    }
    return out;
}

void TRecordWindow::cmdDuplicaClick() {
    if (isNewCard()) {
        Msg::warning(this, QStringLiteral("Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo "
                                          "che questa \u00E8 stata inserita in archivio."));
        return;
    }
    for (const CardField& field : duplicateClears())
        if (const Bound* b = boundOf(field)) b->editor->clear();
    nav_->startNew();
    showPosition();
    showPhoto();
    afterDuplicate();
    if (desc_.duplicateOpensArchive && !Archive::guard(this, [&] { nav_->check(); })) return;
    focusField(desc_.duplicateFocus);
    Msg::information(this,
                     QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                    "Al termine premere Salva per inserire la scheda in archivio."));
}

void TRecordWindow::cmdGuidaClick() { Help::open(this, desc_.helpTitle); }

void TRecordWindow::cmdEsciClick() { close(); }

void TRecordWindow::cmdNuovoClick() { newCard(); }
