#pragma once
// Drives a window's controls by their names, as a user would reach them:
// what the tests of every record window share.
#include <QString>

class QComboBox;
class QWidget;
class Seams;

// The warning of a required field left empty, spelled out here rather than
// taken from the program, so that a wrong text fails.
QString requiredWarning(const char* what);

class WindowDriver {
public:
    explicit WindowDriver(QWidget* window = nullptr) : window_(window) {}
    void drive(QWidget* window) { window_ = window; }

    QWidget* ctl(const char* name) const;
    QComboBox* list(const char* name) const;
    // A field's text through its editor, or a label's text.
    QString text(const char* name) const;
    // A value as a record read from the file puts it, whatever the control.
    void put(const char* name, const QString& value) const;
    QString pos() const { return text("lblPosizione"); }
    void click(const char* button) const;
    // Empties the line edit and types the text into it key by key.
    void type(const char* name, const QString& text) const;

    // Puts the value in the control (none when control is null) while the
    // focus is elsewhere, as a card read from the file would, presses Salva
    // and expects the save refused with that one warning and the focus on
    // the named control.
    void expectSaveRefused(Seams& seams, const char* control, const char* value, const char* what,
                           const char* focus) const;

    // Shows the window and waits until it is the active one.
    static void showActive(QWidget* window);

private:
    QWidget* window_;
};
