#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>

#include "platform/Text.h"

namespace {

Shell::Opener& opener() {
    static Shell::Opener o;
    return o;
}

}  // namespace

void TMisc::Open(const QString& command) {
    if (opener()) {
        opener()(command);
        return;
    }
    const QUrl url = Shell::urlFor(command);
    if (url.isValid()) QDesktopServices::openUrl(url);
}

namespace Shell {

QUrl urlFor(const QString& command) {
    QString t = Text::trim(command);
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"'))) t = t.mid(1, t.size() - 2);
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
