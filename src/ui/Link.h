#pragma once
// A link of the small windows: dark blue underlined text that turns orange
// while the mouse button is held on it or on its picture, and runs its
// action on a click of either. Space or Enter runs it from the keyboard.
#include <QColor>
#include <QLabel>

class QAbstractButton;

class TLink : public QLabel {
    Q_OBJECT
public:
    TLink(const QString& objectName, const QString& text, QWidget* parent = nullptr);

    // The picture beside the text: pressing it colours the text, clicking
    // it clicks the link.
    void addPicture(QAbstractButton* picture);

    bool isPressed() const { return pressed_; }

    static QColor normalColour() { return QColor(0xFF00008BU); }   // dark blue
    static QColor pressedColour() { return QColor(0xFFFFA500U); }  // orange

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setPressed(bool pressed);
    bool pressed_ = false;
};
