#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString g_folder;
QString g_installed;  // the executable's folder, ending with '/'; empty when unknown
}  // namespace

namespace ProgramFolder {

void init(const QStringList& arguments) {
    g_installed.clear();
    if (!arguments.isEmpty())
        g_installed = QDir::fromNativeSeparators(QFileInfo(arguments.first()).absolutePath()) + QLatin1Char('/');
    const qsizetype at = arguments.indexOf(QStringLiteral("--cartella"));
    if (at >= 0 && at + 1 < arguments.size()) {
        set(arguments.at(at + 1));
        return;
    }
    if (!arguments.isEmpty()) set(g_installed);
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

QString besideProgram(const QString& name) { return g_installed.isEmpty() ? QString() : g_installed + name; }

QString delivered(const QString& name) {
    const QString own = file(name);
    if (QFileInfo::exists(own) || g_installed.isEmpty()) return own;
    const QString beside = besideProgram(name);
    return QFileInfo::exists(beside) ? beside : own;
}

}  // namespace ProgramFolder
