#include "ui/KeyFilters.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "ui/PictureButton.h"

namespace {

bool isEnter(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

class EnterChain : public QObject {
public:
    EnterChain(const QList<QWidget*>& chain, QObject* owner) : QObject(owner) {
        for (QWidget* w : chain) chain_.append(w);
        for (QWidget* w : chain) w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent*>(event))) return false;
        for (int i = 0; i < chain_.size(); ++i) {
            if (chain_[i] != watched) continue;
            for (int step = 1; step <= chain_.size(); ++step) {
                QWidget* next = chain_[(i + step) % chain_.size()];
                if (next && next->isEnabled() && next->isVisible()) {
                    next->setFocus(Qt::TabFocusReason);
                    if (auto* e = qobject_cast<QLineEdit*>(next)) e->selectAll();
                    break;
                }
            }
            return true;
        }
        return false;
    }

private:
    QList<QPointer<QWidget>> chain_;
};

class EnterTo : public QObject {
public:
    EnterTo(QWidget* control, QWidget* target) : QObject(control), target_(target) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event)) && target_) {
            target_->setFocus(Qt::TabFocusReason);
            return true;
        }
        return false;
    }

private:
    QPointer<QWidget> target_;
};

// Sees every key of the application before the focused control does, so
// that no button, window or key rule in between decides otherwise.
class ButtonEnter : public QObject {
public:
    explicit ButtonEnter(QObject* owner) : QObject(owner) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<QKeyEvent*>(event);
        if (!isEnter(k) || (k->modifiers() & ~Qt::KeypadModifier)) return false;
        QAbstractButton* button = qobject_cast<QPushButton*>(watched);
        if (!button) button = qobject_cast<TPictureButton*>(watched);
        if (!button || !button->isEnabled() || !button->isVisible()) return false;
        // A held key presses once, as Space does.
        if (!k->isAutoRepeat()) button->click();
        return true;
    }
};

class CharsOnly : public QObject {
public:
    CharsOnly(QWidget* control, const QString& allowed) : QObject(control), allowed_(allowed) {
        control->installEventFilter(this);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            // A paste brings whole texts: keep their allowed characters.
            QObject::connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
                QString kept;
                for (QChar c : text)
                    if (accepts(c)) kept += c;
                if (kept != text) {
                    const int at = edit->cursorPosition() - int(text.size() - kept.size());
                    edit->setText(kept);
                    edit->setCursorPosition(qMax(0, at));
                }
            });
        }
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<QKeyEvent*>(event);
        switch (k->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:  // the window's own Esc
            return false;
        default: break;
        }
        const QString t = k->text();
        const bool ok = t.size() == 1 && accepts(t.at(0)) &&
                        !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        return !ok;  // swallow every other key
    }

private:
    bool accepts(QChar c) const { return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || allowed_.contains(c); }
    QString allowed_;
};

}  // namespace

namespace KeyFilters {

void enterChain(const QList<QWidget*>& chain) {
    if (chain.isEmpty()) return;
    new EnterChain(chain, chain.first());
}

void digitsOnly(QWidget* control) { new CharsOnly(control, QString()); }
void charsOnly(QWidget* control, const QString& allowed) { new CharsOnly(control, allowed); }
void enterTo(QWidget* control, QWidget* target) { new EnterTo(control, target); }

void pressButtonsOnEnter() {
    static QPointer<ButtonEnter> installed;  // gone with the application that owns it
    if (installed || !qApp) return;
    installed = new ButtonEnter(qApp);
    qApp->installEventFilter(installed);
}

}  // namespace KeyFilters
