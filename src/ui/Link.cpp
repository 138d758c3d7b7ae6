#include "ui/Link.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>

TLink::TLink(const QString& objectName, const QString& text, QWidget* parent) : QLabel(text, parent) {
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(text);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setPressed(false);
}

void TLink::addPicture(QAbstractButton* picture) {
    picture->installEventFilter(this);
    connect(picture, &QAbstractButton::clicked, this, [this] {
        setPressed(false);
        emit clicked();
    });
}

void TLink::setPressed(bool pressed) {
    pressed_ = pressed;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, pressed ? pressedColour() : normalColour());
    setPalette(p);
}

void TLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setPressed(true);
    event->accept();
}

void TLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool inside = rect().contains(event->position().toPoint());
    setPressed(false);
    if (inside) emit clicked();
}

void TLink::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: emit clicked(); break;
    default: QLabel::keyPressEvent(event);
    }
}

bool TLink::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        setPressed(true);
    else if (event->type() == QEvent::MouseButtonRelease)
        setPressed(false);
    return QLabel::eventFilter(watched, event);
}
