#include "ui/StatusLine.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "ui/PictureButton.h"

namespace {
bool isControl(const QObject* o) {
    return qobject_cast<const QAbstractButton*>(o) || qobject_cast<const QLineEdit*>(o) ||
           qobject_cast<const QComboBox*>(o) || qobject_cast<const QAbstractScrollArea*>(o) ||
           qobject_cast<const QAbstractSpinBox*>(o);
}
}  // namespace

TStatusLine::TStatusLine(const QString& designText, QWidget* window) : QLabel(designText, window), window_(window) {
    setObjectName(QStringLiteral("panInfo"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setMinimumHeight(22);
}

void TStatusLine::setHint(QWidget* control, const QString& hint) {
    if (auto* b = qobject_cast<TPictureButton*>(control)) {
        b->setHint(hint);
        return;
    }
    control->setToolTip(hint);
    control->setMouseTracking(true);
    control->installEventFilter(this);
    hints_[control] = hint;
}

bool TStatusLine::isBackground(const QWidget* w) const {
    if (w == this) return false;
    for (const QWidget* p = w; p && p != window_; p = p->parentWidget())
        if (isControl(p) || hints_.contains(const_cast<QWidget*>(p))) return false;
    return true;
}

void TStatusLine::bind() {
    QList<QWidget*> widgets = window_->findChildren<QWidget*>();
    widgets.prepend(window_);
    for (QWidget* w : widgets) {
        if (bound_.contains(w)) continue;
        if (auto* b = qobject_cast<TPictureButton*>(w)) {
            connect(b, &TPictureButton::hovered, this, &QLabel::setText);
        } else if (isBackground(w)) {
            w->setMouseTracking(true);
            w->installEventFilter(this);
        } else {
            continue;
        }
        bound_.insert(w);
    }
}

bool TStatusLine::eventFilter(QObject* watched, QEvent* event) {
    const bool move = event->type() == QEvent::MouseMove;
    if ((move || event->type() == QEvent::Enter) && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (hints_.contains(watched)) {
            setText(hints_.value(watched));
        } else if (move) {
            // A move the control under the mouse did not take reaches its
            // parents too: only the background itself empties the line.
            const QWidget* under = w->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (!under || isBackground(under)) clear();
        }
    }
    return QLabel::eventFilter(watched, event);
}
