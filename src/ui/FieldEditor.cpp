#include "ui/FieldEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "platform/Formats.h"
#include "ui/Controls.h"
#include "ui/DateField.h"
#include "ui/KeyFilters.h"

namespace {

const char* const kEditorName = "fieldEditor";
const QString kSi = QStringLiteral("S\u00EC");
const QString kNo = QStringLiteral("No");

class TextEditor : public TFieldEditor {
public:
    explicit TextEditor(QLineEdit* e) : TFieldEditor(e), e_(e) {}
    QString text() const override { return e_->text(); }
    void setText(const QString& t) override {
        e_->setText(t);
        e_->setCursorPosition(0);  // a long value shows its beginning
    }
    void setMaxLength(int n) override { e_->setMaxLength(n); }

private:
    QLineEdit* e_;
};

class DateEditor : public TextEditor {
public:
    DateEditor(QLineEdit* e, const QString& keyword) : TextEditor(e), e_(e), keyword_(keyword) {}
    void keysBeforeChain() override {
        if (attached_) return;
        attached_ = true;
        DateField::attach(e_, keyword_);
    }

private:
    QLineEdit* e_;
    QString keyword_;
    bool attached_ = false;
};

class FlagEditor : public TFieldEditor {
public:
    explicit FlagEditor(QCheckBox* b) : TFieldEditor(b), b_(b) {}
    QString text() const override { return b_->isChecked() ? kSi : kNo; }
    void setText(const QString& t) override {
        if (t == kSi)
            b_->setChecked(true);
        else if (t == kNo)
            b_->setChecked(false);
    }
    void clear() override { b_->setChecked(false); }
    bool typed() const override { return false; }

private:
    QCheckBox* b_;
};

class ListEditor : public TFieldEditor {
public:
    explicit ListEditor(QComboBox* c) : TFieldEditor(c), c_(c) {}
    QString text() const override { return c_->currentText(); }
    // The text is shown with no list choice selected.
    void setText(const QString& t) override {
        c_->setCurrentIndex(-1);
        c_->setEditText(t);
    }
    void clear() override {
        c_->setCurrentIndex(-1);
        c_->clearEditText();
    }
    void setMaxLength(int n) override {
        if (QLineEdit* e = c_->lineEdit()) e->setMaxLength(n);
    }

private:
    QComboBox* c_;
};

class HiddenEditor : public TFieldEditor {
public:
    HiddenEditor(QLabel* l, bool keptOnNewCard) : TFieldEditor(l), l_(l), kept_(keptOnNewCard) {}
    QString text() const override { return l_->text(); }
    void setText(const QString& t) override { l_->setText(t); }
    void clear() override {
        if (!kept_) l_->clear();
    }
    bool typed() const override { return false; }

private:
    QLabel* l_;
    bool kept_;
};

QComboBox* list(QWidget* parent, const QString& objectName, const QStringList& entries, int width) {
    auto* c = new QComboBox(parent);
    c->setObjectName(objectName);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(entries);
    c->setCurrentIndex(-1);
    if (width > 0) c->setFixedWidth(width);  // otherwise as wide as its cell
    new ListEditor(c);
    return c;
}

}  // namespace

TFieldEditor::TFieldEditor(QWidget* control) : QObject(control), control_(control) {
    setObjectName(QLatin1String(kEditorName));
}

TFieldEditor* TFieldEditor::of(const QWidget* control) {
    return control ? control->findChild<TFieldEditor*>(QLatin1String(kEditorName), Qt::FindDirectChildrenOnly)
                   : nullptr;
}

namespace FieldKinds {

QLineEdit* text(QWidget* parent, const QString& objectName, unsigned rules) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(objectName);
    new TextEditor(e);
    if (rules & Upper) TypingRules::onChange(e, TypingRules::upper);
    if (rules & UpperOnRelease) TypingRules::onKeyRelease(e, TypingRules::upper);
    if (rules & TrimmedUpper) TypingRules::onChange(e, TypingRules::trimUpper);
    if (rules & Trimmed) TypingRules::onChange(e, TypingRules::trim);
    if (rules & TrimmedOnExit) TypingRules::onExit(e, TypingRules::trim);
    if (rules & DigitsOnly) KeyFilters::digitsOnly(e);
    return e;
}

QCheckBox* flag(QWidget* parent, const QString& objectName, const QString& caption) {
    auto* b = new QCheckBox(caption, parent);
    b->setObjectName(objectName);
    new FlagEditor(b);
    return b;
}

QComboBox* pickList(QWidget* parent, const QString& objectName, const QStringList& entries, int width) {
    QComboBox* c = list(parent, objectName, entries, width);
    c->setMaxVisibleItems(12);
    c->setCompleter(nullptr);
    ListRules::pickOnly(c);
    ListRules::clearChoiceOnEnter(c);
    return c;
}

QComboBox* typedList(QWidget* parent, const QString& objectName, const QStringList& entries, int width) {
    QComboBox* c = list(parent, objectName, entries, width);
    c->setMaxVisibleItems(16);
    ListRules::clearChoiceOnEnter(c);
    return c;
}

QComboBox* upperList(QWidget* parent, const QString& objectName, const QStringList& entries, int width) {
    QComboBox* c = typedList(parent, objectName, entries, width);
    TypingRules::onChange(c, TypingRules::trimUpper);
    TypingRules::onExit(c, TypingRules::trimUpper);
    return c;
}

QLineEdit* amount(QWidget* parent, const QString& objectName) {
    QLineEdit* e = text(parent, objectName);
    KeyFilters::charsOnly(e, QStringLiteral(","));
    TypingRules::onExit(e, Formats::amountText);
    return e;
}

QLineEdit* date(QWidget* parent, const QString& objectName, const QString& keyword) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(objectName);
    new DateEditor(e, keyword);
    return e;
}

QLabel* hidden(QWidget* parent, const QString& objectName) {
    QLabel* l = Controls::hiddenLabel(objectName, parent);
    new HiddenEditor(l, false);
    return l;
}

QLabel* derived(QWidget* parent, const QString& objectName) {
    QLabel* l = Controls::hiddenLabel(objectName, parent);
    new HiddenEditor(l, true);
    return l;
}

}  // namespace FieldKinds
