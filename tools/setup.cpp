// Lays out the program folder as the installation delivers it: the password
// store with the initial password, the alert sound. Files already there are
// left alone, so a rebuild never resets a changed password.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "app/Crypt.h"
#include "platform/IniFile.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "uso: plenaro_setup CARTELLA AVVISO.mp3\n");
        return 2;
    }
    const QString folder = QDir(args[1]).absolutePath() + QLatin1Char('/');
    QDir().mkpath(folder);

    const QString store = folder + QStringLiteral("unins000.dll");
    if (!QFile::exists(store))
        IniFile::writeString(store, QStringLiteral("Accesso"), QStringLiteral("Valore"),
                             Crypt::Encode(QStringLiteral("PLENARO")));

    const QString sound = folder + QStringLiteral("Avviso.mp3");
    if (!QFile::exists(sound) && QFile::exists(args[2])) QFile::copy(args[2], sound);
    return 0;
}
