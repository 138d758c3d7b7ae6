#include "ui/PictureButton.h"

#include <QIcon>

TPictureButton::TPictureButton(const QString& objectName, const QString& picture, const QString& accessibleName,
                               const QString& hint, QWidget* parent, QSize size)
    : QToolButton(parent) {
    setObjectName(objectName);
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setFixedSize(size);
    setIconSize(size - QSize(6, 6));
    setAccessibleName(accessibleName);
    setPicture(picture);
    setHint(hint);
    setMouseTracking(true);
}

TPictureButton* TPictureButton::captioned(const QString& objectName, const QString& picture, const QString& caption,
                                          const QString& accessibleName, const QString& hint, QWidget* parent) {
    auto* b = new TPictureButton(objectName, picture, accessibleName, hint, parent, QSize(96, 56));
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setIconSize(QSize(30, 30));
    return b;
}

TPictureButton* TPictureButton::today(const QString& objectName, QWidget* parent) {
    return fieldButton(objectName, QStringLiteral(":/img/btn/data.svg"), QStringLiteral("Data di oggi"),
                       QStringLiteral("Inserisci la data corrente."), parent);
}

TPictureButton* TPictureButton::fieldButton(const QString& objectName, const QString& picture,
                                            const QString& accessibleName, const QString& hint, QWidget* parent) {
    auto* b = new TPictureButton(objectName, picture, accessibleName, hint, parent, QSize(30, 30));
    b->setIconSize(QSize(24, 24));
    return b;
}

void TPictureButton::setHint(const QString& hint) {
    hint_ = hint;
    setToolTip(hint.isEmpty() ? accessibleName() : hint);
    setAccessibleDescription(hint);
}

void TPictureButton::setPicture(const QString& picture) { setIcon(QIcon(picture)); }

void TPictureButton::enterEvent(QEnterEvent* event) {
    QToolButton::enterEvent(event);
    emit hovered(hint_);
}

void TPictureButton::mouseMoveEvent(QMouseEvent* event) {
    QToolButton::mouseMoveEvent(event);
    emit hovered(hint_);
}
