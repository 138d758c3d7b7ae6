#include "archive/RecordWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/ArchivioSchede.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/FieldEditor.h"
#include "ui/FocusMark.h"
#include "ui/Help.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"
#include "ui/Section.h"
#include "ui/StatusLine.h"
#include "ui/Desktop.h"

namespace {

struct StandardButton {
    const char* name;
    const char* picture;
    const char* caption;
    const char* hint;
    void (TRecordWindow::*handler)();
};

const StandardButton kStandard[] = {
    {"cmdPrimo", "primo", "Prima", "Visualizza la prima scheda in archivio.", &TRecordWindow::cmdPrimoClick},
    {"cmdIndietro", "indietro", "Precedente", "Visualizza la scheda precedente in archivio.",
     &TRecordWindow::cmdIndietroClick},
    {"cmdAvanti", "avanti", "Successiva", "Visualizza la scheda successiva in archivio.",
     &TRecordWindow::cmdAvantiClick},
    {"cmdUltimo", "ultimo", "Ultima", "Visualizza l'ultima scheda in archivio.", &TRecordWindow::cmdUltimoClick},
    {"cmdNuovo", "nuovo", "Nuova", "Prepara la schermata per la registrazione di una nuova scheda.",
     &TRecordWindow::cmdNuovoClick},
    {"cmdSalva", "salva", "Salva", "Salva la scheda corrente in archivio.", &TRecordWindow::cmdSalvaClick},
    {"cmdDuplica", "duplica", "Duplica",
     "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.",
     &TRecordWindow::cmdDuplicaClick},
    {"cmdTrova", "trova", "Trova", "Trova una scheda in archivio.", &TRecordWindow::cmdTrovaClick},
    {"cmdStampa", "stampa", "Stampa", "Stampa la scheda corrente.", &TRecordWindow::cmdStampaClick},
    {"cmdAnteprima", "anteprima", "Anteprima", "Visualizza l'anteprima di stampa.",
     &TRecordWindow::cmdAnteprimaClick},
    {"cmdEsporta", "esporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel.",
     &TRecordWindow::cmdEsportaClick},
    {"cmdGuida", "guida", "Guida", "Visualizza la guida in linea.", &TRecordWindow::cmdGuidaClick},
    {"cmdEsci", "esci", "Esci", "Esci dalla schermata di lavoro corrente.", &TRecordWindow::cmdEsciClick},
    {"cmdPDF", "pdf", "PDF", "Esporta la scheda in formato PDF.", nullptr},
    {"cmdFile", "file", "Allegati", "Allega file alla scheda corrente.", nullptr},
};

// Accessible names say what a button does, in full.
QString accessibleOf(const QString& name, const QString& caption) {
    static const QMap<QString, QString> full = {
        {"cmdPrimo", "Prima scheda"},         {"cmdIndietro", "Scheda precedente"},
        {"cmdAvanti", "Scheda successiva"},   {"cmdUltimo", "Ultima scheda"},
        {"cmdNuovo", "Nuova scheda"},         {"cmdSalva", "Salva la scheda"},
        {"cmdDuplica", "Duplica la scheda"},  {"cmdTrova", "Trova schede"},
        {"cmdStampa", "Stampa la scheda"},    {"cmdAnteprima", "Anteprima di stampa"},
        {"cmdEsporta", "Esporta in Excel"},   {"cmdGuida", "Guida"},
        {"cmdEsci", "Esci"},                  {"cmdPDF", "Esporta in PDF"},
        {"cmdFile", "Allega file"},
    };
    return full.value(name, caption);
}


QString positionName(qint64 position) {
    return position == 0 ? QStringLiteral("Scheda n.: nuova scheda, non ancora in archivio")
                         : QStringLiteral("Scheda n. %1 in archivio").arg(position);
}

}  // namespace

TRecordWindow::TRecordWindow(QWidget* owner) : TAppWindow(owner) {
    setObjectName(QStringLiteral("TRecordWindow"));
    setStyleSheet(QStringLiteral("TRecordWindow { background: #eef4f9; }"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 6, 8, 4);
    outer->setSpacing(4);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);
    fieldsArea_ = new QWidget(this);
    fieldsArea_->setObjectName(QStringLiteral("panContainer"));
    fieldsLayout_ = new QVBoxLayout(fieldsArea_);
    fieldsLayout_->setContentsMargins(0, 0, 0, 0);
    fieldsLayout_->setSpacing(4);
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
    // its leaving rules; never seen.
    auto* focus = new QPushButton(this);
    focus->setObjectName(QStringLiteral("btnFocus"));
    focus->setFixedSize(0, 0);
    focus->setFocusPolicy(Qt::StrongFocus);
    btnFocus_ = focus;
}

QWidget* TRecordWindow::control(const QString& name) const { return findChild<QWidget*>(name); }

QWidget* TRecordWindow::fieldControl(const QString& field) const {
    const int i = desc_.layout ? desc_.layout->indexOf(field) : -1;
    return i < 0 || !bound_[size_t(i)] ? nullptr : bound_[size_t(i)]->control();
}

QString TRecordWindow::fieldText(const QString& field) const {
    const int i = desc_.layout ? desc_.layout->indexOf(field) : -1;
    return i < 0 || !bound_[size_t(i)] ? QString() : Text::trim(bound_[size_t(i)]->text());
}

void TRecordWindow::setFieldText(const QString& field, const QString& text) {
    const int i = desc_.layout ? desc_.layout->indexOf(field) : -1;
    if (i >= 0 && bound_[size_t(i)]) bound_[size_t(i)]->setText(text);
}

WindowButton TRecordWindow::standardButton(const QString& name, const QString& hint, std::function<void()> handler) {
    for (const StandardButton& s : kStandard) {
        if (name != QLatin1String(s.name)) continue;
        WindowButton b{name,
                       QStringLiteral(":/img/btn/%1.svg").arg(QLatin1String(s.picture)),
                       QString::fromUtf8(s.caption),
                       hint.isEmpty() ? QString::fromUtf8(s.hint) : hint,
                       accessibleOf(name, QString::fromUtf8(s.caption)),
                       std::move(handler)};
        if (!b.handler && s.handler) b.handler = [this, h = s.handler] { (this->*h)(); };
        return b;
    }
    qFatal("no standard button %s", qPrintable(name));
}

void TRecordWindow::addButton(const WindowButton& button) {
    TPictureButton* b =
        TPictureButton::captioned(button.name, button.picture, button.caption, button.caption, button.hint, buttonPanel_);
    if (!button.accessibleName.isEmpty()) b->setAccessibleName(button.accessibleName);
    if (button.handler) connect(b, &QAbstractButton::clicked, this, button.handler);
    buttonGrid_->addWidget(b, buttonCount_ / 2, buttonCount_ % 2);
    ++buttonCount_;
}

void TRecordWindow::setHint(const QString& name, const QString& hint) {
    if (QWidget* w = control(name)) panInfo_->setHint(w, hint);
}

QLabel* TRecordWindow::statusLine() const { return panInfo_; }

QGridLayout* TRecordWindow::addSection(const QString& name, const QString& picture, const QString& title,
                                       int columns) {
    auto* s = new TSection(name, QStringLiteral(":/img/sez/%1.svg").arg(picture), title, fieldsArea_);
    for (int c = 0; c < columns; ++c) s->grid()->setColumnStretch(c, 1);
    fieldsLayout_->addWidget(s);
    return s->grid();
}

QLineEdit* TRecordWindow::addEdit(const QString& field, unsigned rules) {
    return FieldKinds::text(fieldsArea_, QStringLiteral("txt") + field, rules);
}

void TRecordWindow::addHiddenFields(const QStringList& fields) {
    for (const QString& field : fields) FieldKinds::hidden(fieldsArea_, QStringLiteral("lbl") + field);
}

void TRecordWindow::openMail(const QString& field) {
    Desktop::open(this, QStringLiteral("\"mailto:") + fieldText(field) + QLatin1Char('"'));
}

void TRecordWindow::bindFields() {
    bound_.assign(size_t(desc_.layout->fieldCount()), nullptr);
    for (int i = 0; i < desc_.layout->fieldCount(); ++i) {
        const QString field = desc_.layout->fields()[size_t(i)].name;
        QWidget* c = nullptr;
        if (desc_.controlOf.contains(field)) {
            c = control(desc_.controlOf.value(field));
        } else {
            for (const char* prefix : {"txt", "chk", "lbl"})
                if ((c = control(QLatin1String(prefix) + field))) break;
        }
        if (!c) continue;
        TFieldEditor* editor = TFieldEditor::of(c);
        // A control that carries a field but was not made as one of the field
        // kinds would silently never be saved: a fault of the window's code.
        if (!editor) qFatal("%s: control %s of field %s is no field editor", qPrintable(objectName()),
                            qPrintable(c->objectName()), qPrintable(field));
        bound_[size_t(i)] = editor;
        if (!desc_.noMaxLength.contains(c->objectName())) editor->setMaxLength(desc_.layout->capacity(i));
        if (editor->typed()) TFocusMark::attach(c, QStringLiteral("eff") + c->objectName().mid(3));
    }
}

void TRecordWindow::FormCreate(const RecordWindowDescription& desc) {
    desc_ = desc;
    nav_ = std::make_unique<RecordNavigator>(desc_.fileName, *desc_.layout);
    Formats::apply();
    for (const WindowButton& b : desc_.buttons) addButton(b);
    panInfo_->setText(desc_.infoText);
    bindFields();
    QList<QWidget*> chain;
    for (const QString& name : desc_.enterChain)
        if (QWidget* w = control(name)) chain << w;
    KeyFilters::enterChain(chain);
    for (TFieldEditor* e : bound_)
        if (e) e->keysBeforeChain();
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

void TRecordWindow::newCard() {
    for (TFieldEditor* e : bound_)
        if (e) e->clear();
    nav_->startNew();
    showPosition();
    if (QWidget* first = control(desc_.firstField)) first->setFocus(Qt::OtherFocusReason);
}

void TRecordWindow::loadRecord(const Record& record) {
    for (int i = 0; i < desc_.layout->fieldCount(); ++i)
        if (TFieldEditor* e = bound_[size_t(i)]) e->setText(record.get(i));
}

void TRecordWindow::showRecord(const Record& record, qint64 position) {
    loadRecord(record);
    nav_->setPosition(position);
    showPosition();
}

void TRecordWindow::fillRecord(Record& record) const {
    record.clear();
    for (int i = 0; i < desc_.layout->fieldCount(); ++i)
        if (TFieldEditor* e = bound_[size_t(i)]) record.set(i, e->text());
    completeRecord(record);
}

void TRecordWindow::browse(Browse step) {
    Record r(*desc_.layout);
    RecordNavigator::Step got = RecordNavigator::Step::Nothing;
    const bool ok = Archive::guard(this, [&] { got = ((*nav_).*step)(r); });
    if (!ok) return;
    switch (got) {
    case RecordNavigator::Step::Loaded: loadRecord(r); break;
    case RecordNavigator::Step::Empty: Msg::information(this, kMsgVuoto); break;
    case RecordNavigator::Step::Nothing: break;
    }
    showPosition();
}

void TRecordWindow::cmdPrimoClick() { browse(&RecordNavigator::first); }
void TRecordWindow::cmdUltimoClick() { browse(&RecordNavigator::last); }
void TRecordWindow::cmdAvantiClick() { browse(&RecordNavigator::next); }
void TRecordWindow::cmdIndietroClick() { browse(&RecordNavigator::previous); }

void TRecordWindow::cmdSalvaClick() {
    if (desc_.focusAwayBeforeSave) btnFocus_->setFocus(Qt::OtherFocusReason);
    for (const RequiredField& r : desc_.required) {
        QWidget* c = control(r.control);
        TFieldEditor* e = TFieldEditor::of(c);
        if (e && Text::trim(e->text()).isEmpty()) {
            Msg::warning(this, r.warning);
            c->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (!validate()) return;

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
    Msg::information(this, isNew ? desc_.appendMessage : desc_.overwriteMessage);
}

QWidget* TRecordWindow::duplicateFocus() const { return control(desc_.firstField); }

void TRecordWindow::cmdDuplicaClick() {
    if (isNewCard()) {
        Msg::warning(this, kMsgDuplicaNuova);
        return;
    }
    for (const QString& field : desc_.duplicateClears)
        if (TFieldEditor* e = TFieldEditor::of(fieldControl(field))) e->clear();
    nav_->startNew();
    showPosition();
    afterDuplicate();
    if (desc_.duplicateOpensArchive && !Archive::guard(this, [&] { nav_->check(); })) return;
    if (QWidget* f = duplicateFocus()) f->setFocus(Qt::OtherFocusReason);
    Msg::information(this, kMsgDuplicata);
}

void TRecordWindow::cmdGuidaClick() { Help::open(this, desc_.helpTitle); }

void TRecordWindow::cmdEsciClick() { close(); }

void TRecordWindow::cmdNuovoClick() { newCard(); }
