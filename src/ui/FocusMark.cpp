#include "ui/FocusMark.h"

#include <QEvent>
#include <QPainter>

TFocusMark* TFocusMark::attach(QWidget* control) {
    return new TFocusMark(control, QStringLiteral("eff") + control->objectName().mid(3));
}

TFocusMark::TFocusMark(QWidget* control, const QString& objectName)
    : QWidget(control->parentWidget()), control_(control) {
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    follow();
    hide();
    control->installEventFilter(this);
}

void TFocusMark::follow() {
    setGeometry(control_->geometry().adjusted(-4, -4, 4, 4));
    stackUnder(control_);
}

bool TFocusMark::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control_) {
        switch (event->type()) {
        case QEvent::FocusIn:
            follow();
            show();
            break;
        case QEvent::FocusOut: hide(); break;
        case QEvent::Move:
        case QEvent::Resize: follow(); break;
        case QEvent::Hide: hide(); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFocusMark::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Yellow inside, the border fading to white outwards.
    for (int i = 0; i < 4; ++i) {
        const int fade = 255 - (i + 1) * 255 / 5;  // blue channel: white (255) to yellow (0)
        p.setPen(QColor(255, 255, fade));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(i, i, -i - 1, -i - 1));
    }
    p.fillRect(rect().adjusted(4, 4, -4, -4), QColor(255, 255, 0));
}

namespace FocusMark {

QString backgroundSheet() {
    return QStringLiteral(
        "QLineEdit { background: #F0F8FF; border: 1px solid #87CEEB; padding: 2px; }"
        "QLineEdit:focus { background: #FFFF00; }");
}

void onBackground(QWidget* control) { control->setStyleSheet(backgroundSheet()); }

}  // namespace FocusMark
