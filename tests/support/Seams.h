#pragma once
// Test doubles for every seam of the program: message boxes answered from a
// script, file dialogs that pick the next file, modal windows driven by the
// test, a recorder in place of the desktop's opener, a fixed clock and a
// temporary program folder. One Seams object per test.
//
// A scripted answer, file pick or modal driver that the test leaves unused
// fails it, naming where it was scripted: a test whose checks sit inside a
// driver must not pass because the window it drives never opened.
#include <QDateTime>
#include <QDialog>
#include <QPixmap>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <source_location>
#include <vector>

#include "archive/RecordLayout.h"
#include "report/ReportOutput.h"
#include "support/FakeCamera.h"
#include "ui/FileDialogs.h"
#include "ui/Messages.h"
#include "ui/Progress.h"

struct ShownMessage {
    MsgKind kind;
    QString text;
    MsgButtons buttons;
    QString parentName;  // objectName of the box's parent window
};

struct ShownModal {
    QString className;
    QString objectName;
    QString title;
};

class Seams {
public:
    // The clock is fixed at 5 March 2025, 10:15:30 unless a test moves it.
    // Timers run only when the test moves their time on (Timers::advance).
    Seams();
    ~Seams();

    QString folder() const;                   // the program folder, ending with "/"
    QString file(const QString& name) const;  // folder() + name

    void setNow(const QDateTime& moment);

    // Message boxes: each is recorded; the next scripted answer is used,
    // otherwise OK (or Yes for a question).
    std::vector<ShownMessage> messages;
    void answer(MsgAnswer a, std::source_location where = std::source_location::current()) {
        answers_.push_back({a, where});
    }
    const ShownMessage& lastMessage() const;
    QStringList messageTexts() const;

    // The desktop's opener: each command exactly as passed, and whether the
    // desktop has a program to open it.
    QStringList opened;
    bool shellOpens = true;

    // How many times the program was asked to end.
    int quitRequests = 0;

    // Help windows asked for, by topic title.
    QStringList helpRequests;

    // Sounds: the file of each play request, in order, and how many times
    // the sound was asked to stop. Nothing reaches the speakers.
    QStringList soundsPlayed;
    int soundStops = 0;

    // The webcam: a fake, unplugged unless the test plugs it in; no test
    // reaches a real device.
    FakeCamera::Script camera;

    // Full-screen photos asked for, each picture as passed.
    std::vector<QPixmap> zooms;

    // Reports sent to the printer or the preview: each request recorded with
    // its prepared pages, answered with reportResult.
    std::vector<ReportOutput::Request> reports;
    OutputResult reportResult = OutputResult::Done;

    // File dialogs: each request recorded, the next scripted path answered
    // (empty, as a cancel, when none is scripted).
    std::vector<FileDialogRequest> fileRequests;
    void pickFile(const QString& path, std::source_location where = std::source_location::current()) {
        files_.push_back({path, where});
    }

    // Progress windows: each step of long work once its window would be
    // open, recorded; the work goes on unless onProgress answers false, as
    // "Annulla" does. Work takes no time unless the test makes each look at
    // the steady clock take some (Clock::setTick).
    std::vector<ProgressRequest> progress;
    std::function<bool(const ProgressRequest&)> onProgress;

    // Modal windows: each is shown without blocking, handed to the next
    // scripted driver, then closed if the driver left it open.
    std::vector<ShownModal> modals;
    using Driver = std::function<void(QDialog*)>;
    void onModal(Driver driver, std::source_location where = std::source_location::current()) {
        drivers_.push_back({std::move(driver), where});
    }

    // Fails the test for each scripted answer, file pick or driver still
    // unused, and forgets them. SeamsTest runs it before its teardown; the
    // destructor runs it for a Seams of a test's own.
    void expectScriptsUsed();

private:
    template <class T>
    struct Scripted {
        T value;
        std::source_location where;
    };
    QTemporaryDir dir_;
    std::deque<Scripted<MsgAnswer>> answers_;
    std::deque<Scripted<QString>> files_;
    std::deque<Scripted<Driver>> drivers_;
};

// Readable test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// A test with its own seams. A fixture that has its own TearDown calls this one.
class SeamsTest : public ::testing::Test {
protected:
    Seams seams;
    void TearDown() override { seams.expectScriptsUsed(); }
};

// The named child of a window, or a test failure.
template <class T>
T* child(QObject* parent, const QString& name) {
    T* c = parent->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << "no " << name.toStdString() << " in " << parent->objectName().toStdString();
    return c;
}

class TRecordList;
// A double click with the mouse on a line of the list, or on the empty part
// below its lines (row -1).
void doubleClickLine(TRecordList* list, int row);

// Types the text into the widget as a user would, key by key; characters
// beyond ASCII arrive as keys carrying that text.
void typeText(QWidget* widget, const QString& text);

// While it lives no file can grow past maxSize bytes (by default not at all),
// as on a full disk: a write crossing the limit is cut short there; root is
// refused too.
class FullDisk {
public:
    explicit FullDisk(qint64 maxSize = 0);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    unsigned long long oldLimit_ = 0;
    void (*oldHandler_)(int) = nullptr;
};

// The lines a memo printed over every page of a prepared report, in order.
QStringList printedLines(const PreparedReport& report, const QString& memo);

// The bytes of a file of the program folder (empty when missing).
QByteArray fileBytes(const QString& path);
// A file made by hand: these bytes as its whole content.
void writeFile(const QString& path, const QByteArray& bytes);
// Records added at the end of a record file, as another program would.
void appendRecords(const QString& path, const std::vector<Record>& records);
// A stored text field written by hand, as the file holds it: the length
// byte, the bytes given (Windows-1252), zeros up to the capacity.
QByteArray field(int capacity, const QByteArray& text);
