#include "platform/Shell.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "platform/Text.h"

namespace {

Shell::Opener& opener() {
    static Shell::Opener o;
    return o;
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// The desktop's opener tells by its exit code whether a program took the
// address; Qt only tells whether the opener started. It ends at once when
// it hands the address over, or runs as long as the program when the
// desktop keeps it in front: an exit after this long is the user's closing.
constexpr qint64 kGivesUpWithinMs = 10000;

bool openWithXdg(const QUrl& url, const std::function<void()>& failed) {
    const QString xdg = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdg.isEmpty()) return QDesktopServices::openUrl(url);
    // Not owned by anything: a program the opener runs in front must outlive
    // this one, and a running QProcess is killed when it is destroyed.
    auto* p = new QProcess;
    p->setProgram(xdg);
    p->setArguments({url.isLocalFile() ? url.toLocalFile() : QString::fromUtf8(url.toEncoded())});
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setStandardErrorFile(QProcess::nullDevice());
    auto* since = new QElapsedTimer;
    since->start();
    QObject::connect(p, &QProcess::finished, [p, since, failed](int code, QProcess::ExitStatus status) {
        if ((status != QProcess::NormalExit || code != 0) && since->elapsed() < kGivesUpWithinMs && failed) failed();
        delete since;
        p->deleteLater();
    });
    p->start();
    if (p->waitForStarted(5000)) return true;
    delete since;
    p->deleteLater();
    return false;
}
#endif

}  // namespace

void TMisc::Open(const QString& command, const std::function<void()>& failed) {
    bool started = false;
    if (opener()) {
        started = opener()(command);
    } else {
        const QUrl url = Shell::urlFor(command);
        if (url.isValid()) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
            started = openWithXdg(url, failed);
#else
            started = QDesktopServices::openUrl(url);  // the shell's verdict, at once
#endif
        }
    }
    if (!started && failed) failed();
}

namespace Shell {

QString unquoted(const QString& command) {
    const QString t = Text::trim(command);
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"'))) return t.mid(1, t.size() - 2);
    return t;
}

QUrl urlFor(const QString& command) {
    QString t = unquoted(command);
    static const QRegularExpression scheme(QStringLiteral("^(mailto:|https?://|www\\.)"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (scheme.match(t).hasMatch()) {
        if (t.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) t.prepend(QLatin1String("http://"));
        return QUrl(t, QUrl::TolerantMode);
    }
    return QUrl::fromLocalFile(QFileInfo(t).absoluteFilePath());
}

void setOpener(Opener o) { opener() = std::move(o); }
void resetOpener() { opener() = nullptr; }

}  // namespace Shell
