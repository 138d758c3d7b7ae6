#include "support/Seams.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <QWidget>
#include <csignal>
#include <sys/resource.h>

#include "platform/Clock.h"
#include "platform/FileLock.h"
#include "platform/ProgramFolder.h"
#include "platform/Shell.h"
#include "platform/Timer.h"
#include "report/PreparedReport.h"
#include "ui/Camera.h"
#include "ui/Form.h"
#include "ui/Help.h"
#include "ui/Modal.h"
#include "ui/PhotoZoom.h"
#include "ui/RecordList.h"
#include "ui/Sound.h"

Seams::Seams() {
    EXPECT_TRUE(dir_.isValid());
    ProgramFolder::init({});  // no installed program's folder from an earlier test
    ProgramFolder::set(dir_.path());
    Clock::setFixed(QDateTime(QDate(2025, 3, 5), QTime(10, 15, 30)));
    FileLock::setDefaultTimeoutMs(300);
    Timers::setManual(true);

    Msg::setHandler([this](const MessageRequest& r) {
        ShownMessage m{r.kind, r.text, r.buttons, r.parent ? r.parent->window()->objectName() : QString()};
        messages.push_back(m);
        if (!answers_.empty()) {
            const MsgAnswer a = answers_.front().value;
            answers_.pop_front();
            return a;
        }
        return r.buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    });
    Shell::setOpener([this](const QString& command) {
        opened << command;
        return shellOpens;
    });
    ReportOutput::setHandler([this](const ReportOutput::Request& r) {
        reports.push_back(r);
        return reportResult;
    });
    AppShell::setQuitter([this] { ++quitRequests; });
    Help::setOpener([this](QWidget*, const QString& title) { helpRequests << title; });
    PhotoZoom::setOpener([this](QWidget*, const QPixmap& picture) { zooms.push_back(picture); });
    Sound::setHandler([this](const Sound::Request& r) {
        if (r.kind == Sound::Request::Kind::Play)
            soundsPlayed << r.path;
        else
            ++soundStops;
    });
    Camera::setFactory([this] { return std::make_unique<FakeCamera>(camera); });
    FileDialogs::setHandler([this](const FileDialogRequest& r) {
        fileRequests.push_back(r);
        if (files_.empty()) return QString();
        const QString f = files_.front().value;
        files_.pop_front();
        return f;
    });
    Progress::setHandler([this](const ProgressRequest& r) {
        progress.push_back(r);
        return onProgress ? onProgress(r) : true;
    });
    Modal::setHandler([this](QDialog* w) {
        modals.push_back({QString::fromLatin1(w->metaObject()->className()), w->objectName(), w->windowTitle()});
        w->setResult(0);
        w->show();
        QCoreApplication::processEvents();
        if (!drivers_.empty()) {
            Driver d = std::move(drivers_.front().value);
            drivers_.pop_front();
            d(w);
        }
        if (w->isVisible()) w->reject();
        return w->result();
    });
}

Seams::~Seams() {
    expectScriptsUsed();
    Msg::resetHandler();
    Shell::resetOpener();
    ReportOutput::resetHandler();
    AppShell::resetQuitter();
    Help::setOpener(nullptr);
    PhotoZoom::setOpener(nullptr);
    Sound::resetHandler();
    Camera::resetFactory();
    FileDialogs::resetHandler();
    Modal::resetHandler();
    Progress::resetHandler();
    Clock::reset();
    FileLock::setDefaultTimeoutMs(5000);
    Timers::setManual(false);
}

namespace {

const char* answerName(MsgAnswer a) {
    switch (a) {
    case MsgAnswer::Ok: return "Ok";
    case MsgAnswer::Cancel: return "Cancel";
    case MsgAnswer::Yes: return "Yes";
    case MsgAnswer::No: return "No";
    }
    return "?";
}

}  // namespace

// Each failure points at the line that scripted what was left.
void Seams::expectScriptsUsed() {
    for (const auto& a : answers_)
        ADD_FAILURE_AT(a.where.file_name(), int(a.where.line()))
            << "scripted answer MsgAnswer::" << answerName(a.value) << " left unused: no message box was shown for it";
    for (const auto& f : files_)
        ADD_FAILURE_AT(f.where.file_name(), int(f.where.line()))
            << "scripted file pick \"" << f.value.toStdString() << "\" left unused: no file dialog asked for it";
    for (const auto& d : drivers_)
        ADD_FAILURE_AT(d.where.file_name(), int(d.where.line()))
            << "scripted modal driver left unused: no modal window opened for it";
    answers_.clear();
    files_.clear();
    drivers_.clear();
}

QString Seams::folder() const { return ProgramFolder::path(); }
QString Seams::file(const QString& name) const { return ProgramFolder::file(name); }
void Seams::setNow(const QDateTime& moment) { Clock::setFixed(moment); }

const ShownMessage& Seams::lastMessage() const {
    static const ShownMessage none{MsgKind::Plain, QString(), MsgButtons::Ok, QString()};
    EXPECT_FALSE(messages.empty()) << "no message box was shown";
    return messages.empty() ? none : messages.back();
}

QStringList Seams::messageTexts() const {
    QStringList out;
    for (const ShownMessage& m : messages) out << m.text;
    return out;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

void appendRecords(const QString& path, const std::vector<Record>& records) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Append)) << path.toStdString();
    for (const Record& r : records) f.write(r.bytes());
}

QByteArray field(int capacity, const QByteArray& text) {
    EXPECT_LE(text.size(), qMin(capacity, 255)) << "a field of capacity " << capacity << " cannot hold " << text.size();
    QByteArray f(1, char(text.size()));
    f += text;
    f += QByteArray(capacity - text.size(), '\0');
    return f;
}

void doubleClickLine(TRecordList* list, int row) {
    QPoint at;
    if (row >= 0) {
        const QModelIndex line = list->model()->index(row, 0);
        list->scrollTo(line);
        const QRect r = list->visualRect(line);
        at = QPoint(r.left() + 10, r.center().y());
    } else {
        at = QPoint(10, list->viewport()->height() - 3);
        EXPECT_FALSE(list->indexAt(at).isValid()) << "no empty part below the lines";
    }
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

FullDisk::FullDisk(qint64 maxSize) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    oldLimit_ = limit.rlim_cur;
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // a refused write fails instead of ending the test
    limit.rlim_cur = rlim_t(maxSize);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FullDisk::~FullDisk() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(oldLimit_);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler_);
}

QStringList printedLines(const PreparedReport& report, const QString& memo) {
    QStringList out;
    for (const PreparedPage& page : report.pages)
        for (const auto& object : page.objects)
            if (auto* m = dynamic_cast<const TMemo*>(object.get());
                m && m->name().compare(memo, Qt::CaseInsensitive) == 0)
                out += m->lines();
    return out;
}
