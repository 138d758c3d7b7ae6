#pragma once
// The status line of a window (panInfo): while the mouse is over a picture
// button or another control with a hint, the line shows that hint; moving
// over the window's background (the window, its panels, sections and labels)
// empties it. The hint stays until the mouse reaches another control or the
// background.
#include <QLabel>
#include <QMap>
#include <QSet>

class TStatusLine : public QLabel {
    Q_OBJECT
public:
    TStatusLine(const QString& designText, QWidget* window);

    // A hint for a control that is not a picture button (a check box).
    void setHint(QWidget* control, const QString& hint);

    // Binds every picture button of the window and marks its background;
    // call once the window's controls exist (again after adding more).
    void bind();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isBackground(const QWidget* w) const;

    QWidget* window_;
    QMap<QObject*, QString> hints_;
    QSet<QObject*> bound_;
};
