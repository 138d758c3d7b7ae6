#include "ui/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Text.h"

namespace {

QLineEdit* lineEditOf(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e;
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->lineEdit();
    return nullptr;
}

// Applies a rule to a line edit's text, keeping the cursor where the user was.
void rewrite(QLineEdit* e, const TypingRules::Transform& t) {
    const QString before = e->text();
    const QString after = t(before);
    if (after == before) return;
    int cursor = e->cursorPosition();
    int lead = 0;
    while (lead < before.size() && before.at(lead).unicode() <= 32) ++lead;
    if (after.size() < before.size()) cursor = qMax(0, cursor - qMin(lead, int(before.size() - after.size())));
    e->setText(after);
    e->setCursorPosition(qMin(cursor, int(after.size())));
}

class EventRule : public QObject {
public:
    EventRule(QWidget* control, QEvent::Type type, TypingRules::Transform t)
        : QObject(control), control_(control), type_(type), t_(std::move(t)) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_)
            if (QLineEdit* e = lineEditOf(control_)) rewrite(e, t_);
        return false;
    }

private:
    QWidget* control_;
    QEvent::Type type_;
    TypingRules::Transform t_;
};
}  // namespace

namespace Controls {

QVBoxLayout* labeled(const QString& label, QWidget* control) {
    auto* cell = new QVBoxLayout;
    cell->setSpacing(4);  // room for the focus mark around the control
    auto* l = new QLabel(label);
    l->setBuddy(control);
    cell->addWidget(l);
    cell->addWidget(control);
    return cell;
}

QHBoxLayout* withButton(QVBoxLayout* labeledControl, QWidget* button) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addLayout(labeledControl, 1);
    row->addWidget(button, 0, Qt::AlignBottom);
    return row;
}

void addLabeled(QGridLayout* grid, int row, int column, int span, const QString& label, QWidget* control) {
    grid->addLayout(labeled(label, control), row, column, 1, span);
}

QLabel* hiddenLabel(const QString& objectName, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(objectName);
    l->hide();
    return l;
}

QLabel* noteLine(const QString& objectName, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(objectName);
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("color: #8b1a1a;"));
    l->hide();
    return l;
}

QPushButton* pushButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    return b;
}

QLabel* waitNotice(const QString& text, QAbstractButton* shownBy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("lblAttendere"));
    l->setStyleSheet(QStringLiteral("color: #b04000; font-weight: bold;"));
    QSizePolicy keep = l->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    l->setSizePolicy(keep);
    l->hide();
    QObject::connect(shownBy, &QAbstractButton::pressed, l, &QWidget::show);
    return l;
}

}  // namespace Controls

namespace TypingRules {

void onChange(QWidget* control, Transform t) {
    QLineEdit* e = lineEditOf(control);
    if (!e) return;
    QObject::connect(e, &QLineEdit::textChanged, e, [e, t] { rewrite(e, t); });
}

void onKeyRelease(QWidget* control, Transform t) { new EventRule(control, QEvent::KeyRelease, std::move(t)); }
void onExit(QWidget* control, Transform t) { new EventRule(control, QEvent::FocusOut, std::move(t)); }

QString upper(const QString& s) { return Text::upperAZ(s); }
QString trimUpper(const QString& s) { return Text::upperAZ(Text::trim(s)); }
QString trim(const QString& s) { return Text::trim(s); }

}  // namespace TypingRules

namespace {

// Entering and leaving a field, as the user does it: a popup list opening or
// another window coming forward is neither.
bool isFieldFocus(QEvent* event, QEvent::Type type) {
    if (event->type() != type) return false;
    const Qt::FocusReason r = static_cast<QFocusEvent*>(event)->reason();
    return r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason;
}

void clearList(QComboBox* list) {
    list->setCurrentIndex(-1);
    list->clearEditText();
}

int entryOf(const QComboBox* list, const QString& text) {
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i) == text) return i;
    return -1;
}

class ClearChoice : public QObject {
public:
    explicit ClearChoice(QComboBox* list) : QObject(list) { list->installEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (isFieldFocus(e, QEvent::FocusIn)) {
            auto* list = static_cast<QComboBox*>(o);
            const QString t = list->currentText();
            list->setCurrentIndex(-1);
            list->setEditText(t);
        }
        return false;
    }
};

class PickOnly : public QObject {
public:
    explicit PickOnly(QComboBox* list) : QObject(list) { list->installEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* list = static_cast<QComboBox*>(o);
        if (isFieldFocus(e, QEvent::FocusOut)) {
            if (entryOf(list, Text::trim(list->currentText())) < 0) clearList(list);
            return false;
        }
        if (e->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Escape: return false;
        case Qt::Key_Backspace:
        case Qt::Key_Delete: clearList(list); return true;
        case Qt::Key_F4:
        case Qt::Key_Down:
            // The value changes only in the open list, where the user sees it.
            showFromCurrent(list);
            list->showPopup();
            return true;
        default:
            // Up and the page keys would change the value of a closed list unseen.
            return true;
        }
    }

private:
    // The open list highlights the entry shown.
    static void showFromCurrent(QComboBox* list) {
        const int at = entryOf(list, Text::trim(list->currentText()));
        if (at >= 0 && list->currentIndex() != at) list->setCurrentIndex(at);
    }
};

}  // namespace

namespace ListRules {

void clearChoiceOnEnter(QComboBox* list) { new ClearChoice(list); }

void pickOnly(QComboBox* list) {
    new PickOnly(list);
    if (QLineEdit* e = list->lineEdit()) {
        // Nor is a text dropped or pasted with the mouse kept.
        e->setContextMenuPolicy(Qt::NoContextMenu);
        e->setAcceptDrops(false);
    }
}

}  // namespace ListRules
