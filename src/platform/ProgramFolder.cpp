#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString g_folder;
}

namespace ProgramFolder {

void init(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--cartella"));
    if (at >= 0 && at + 1 < arguments.size()) {
        set(arguments.at(at + 1));
        return;
    }
    if (!arguments.isEmpty()) set(QFileInfo(arguments.first()).absolutePath());
}

void set(const QString& folder) {
    QString f = QDir::fromNativeSeparators(QFileInfo(folder).absoluteFilePath());
    if (!f.endsWith(QLatin1Char('/'))) f += QLatin1Char('/');
    g_folder = f;
}

QString path() {
    if (g_folder.isEmpty()) set(QDir::currentPath());
    return g_folder;
}

QString file(const QString& name) { return path() + name; }

}  // namespace ProgramFolder
