#include "ui/DateField.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

#include "platform/Formats.h"
#include "ui/Controls.h"
#include "ui/TfrmCalendario.h"

namespace {

// Keys that do not ask for a date: moving on, holding a modifier for the
// next key, closing the window, copying the date shown.
bool passes(const QKeyEvent* k) {
    switch (k->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Escape: return true;
    default: return k->matches(QKeySequence::Copy);
    }
}

class PickedDate : public QObject {
public:
    PickedDate(QLineEdit* field, const QString& keyword) : QObject(field), field_(field), keyword_(keyword) {
        field->setReadOnly(true);
        field->setAcceptDrops(false);
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<QKeyEvent*>(event);
        if (passes(k)) return false;
        if (k->key() == Qt::Key_Backspace || k->key() == Qt::Key_Delete) {
            field_->clear();
            return true;
        }
        if (const std::optional<QDate> d = TfrmCalendario::pick(field_->window(), keyword_))
            field_->setText(Formats::date(*d));
        return true;
    }

private:
    QLineEdit* field_;
    QString keyword_;
};

}  // namespace

namespace DateField {

void attach(QLineEdit* field, const QString& keyword) { new PickedDate(field, keyword); }

}  // namespace DateField
