#pragma once
// The picture buttons of every window: a crisp SVG picture that reacts to a
// click, with a hand cursor, a tooltip, an Italian accessible name, and a
// hint for the window's status line while the mouse is over it.
#include <QToolButton>

class TPictureButton : public QToolButton {
    Q_OBJECT
public:
    // picture: a resource path (":/img/btn/salva.svg"); hint: the status
    // line text, also the tooltip; accessibleName: what a screen reader says.
    TPictureButton(const QString& objectName, const QString& picture, const QString& accessibleName,
                   const QString& hint, QWidget* parent = nullptr, QSize size = QSize(48, 48));

    // A button of a window's button panel: picture with its caption below.
    static TPictureButton* captioned(const QString& objectName, const QString& picture, const QString& caption,
                                     const QString& accessibleName, const QString& hint, QWidget* parent);
    // A small button beside a field (check, today's date, e-mail).
    static TPictureButton* fieldButton(const QString& objectName, const QString& picture, const QString& accessibleName,
                                       const QString& hint, QWidget* parent);
    // The small button beside a date that writes today's date into it.
    static TPictureButton* today(const QString& objectName, QWidget* parent);

    const QString& hint() const { return hint_; }
    void setHint(const QString& hint);
    void setPicture(const QString& picture);

signals:
    // The mouse moved over the button (its MouseMove handler).
    void hovered(const QString& hint);

protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString hint_;
};
