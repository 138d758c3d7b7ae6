#pragma once
// The focus mark of an edit control: a yellow rectangle 4 pixels larger than
// the control on every side, with a border fading from yellow to white,
// shown behind the control only while it has the focus.
#include <QString>
#include <QWidget>

class TFocusMark : public QWidget {
    Q_OBJECT
public:
    // Creates the mark beside the control, in the control's parent, named
    // "eff" + the control's name after its three-letter kind ("txtCliente"
    // gets "effCliente").
    static TFocusMark* attach(QWidget* control);

    QWidget* control() const { return control_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TFocusMark(QWidget* control, const QString& objectName);
    void follow();

    QWidget* control_;
};

// The other focus mark, which some windows use instead: the edit field paints
// its own background, yellow while it has the focus and alice blue otherwise,
// inside a sky-blue border.
namespace FocusMark {

// The style sheet of that look for every edit field of a panel.
QString backgroundSheet();
// Gives one field that look.
void onBackground(QWidget* control);

}  // namespace FocusMark
