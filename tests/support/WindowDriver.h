#pragma once
// Drives a window's controls by their names, as a user would reach them:
// what the tests of every record window share.
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>
#include <vector>

#include "support/Seams.h"

class QComboBox;
class QWidget;
class RecordLayout;
class TRecordWindow;

// Clicks a window's button, found by its name.
void press(QWidget* window, const char* button);
// A text cut or padded with blanks to width, as a column of a list line.
QString fit(const QString& text, int width);

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
    // From the first control of the ring, Enter moves the focus to each next
    // one in turn, and from the last back to the first given again.
    void expectEnterRing(const QStringList& ring) const;
    // Empties the line edit and types the text into it key by key.
    void type(const char* name, const QString& text) const;

    // Puts the value in the control (none when control is null) while the
    // focus is elsewhere, as a card read from the file would, presses Salva
    // and expects the save refused with that one warning and the focus on
    // the named control.
    void expectSaveRefused(Seams& seams, const char* control, const char* value, const char* what,
                           const char* focus) const;

    // The fields of a card window, as its layout lists them, and the
    // position it shows ("lblPosizione").
    QMap<QString, QString> screen(const RecordLayout& layout) const;
    // The client import through its button: the client archive holds one
    // client, "Verdi Giuseppe", every other field "C" and the start of its
    // name (where clientFields do not say otherwise); the client finder
    // opens in the mode named by keyword, finds "verdi" and the client's
    // line is double-clicked. The window's fields before and after.
    struct Import {
        QMap<QString, QString> before, after;
    };
    Import importVerdi(Seams& seams, const RecordLayout& layout, const char* button, const char* keyword,
                       std::initializer_list<std::pair<const char*, const char*>> clientFields = {}) const;

    // Shows the window and waits until it is the active one.
    static void showActive(QWidget* window);

private:
    QWidget* window_;
};

// On a 1366×768 screen (740 pixels below the title bar) every field of the
// layout that the user sees lies inside the window, and the unseen ones are
// hidden.
void expectFieldsFitTheScreen(TRecordWindow& window, const RecordLayout& layout, const QStringList& unseen);

// A card window of an app, shown and active over a temporary program folder,
// with the clock at a fixed moment: what the tests of every card window share.
template <class Window>
class CardWindowTest : public SeamsTest, protected WindowDriver {
protected:
    Window w;

    CardWindowTest() : WindowDriver(&w) {}

    // The moment the window is shown at; by default the seams' own.
    virtual QDateTime moment() const { return QDateTime(); }

    void SetUp() override {
        if (moment().isValid()) seams.setNow(moment());
        showActive(&w);
    }

    // The window's archive: cards put there before the test, and its bytes.
    void archive(const std::vector<Record>& records) { appendRecords(seams.file(w.archiveFile()), records); }
    QByteArray bytes() const { return fileBytes(seams.file(w.archiveFile())); }
};
