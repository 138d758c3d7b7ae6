// Lays out the program folder as the installation delivers it: the password
// store with the initial password, the guide, the alert sound. The store and
// the sound are written only when missing, so a rebuild never resets a
// changed password; the guide is written every time, so it always holds the
// current help texts.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "app/Crypt.h"
#include "app/GuidePdf.h"
#include "platform/IniFile.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
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

    if (!GuidePdf::write(folder + QStringLiteral("Guida.pdf"))) {
        std::fprintf(stderr, "plenaro_setup: non riesco a scrivere Guida.pdf\n");
        return 1;
    }

    const QString sound = folder + QStringLiteral("Avviso.mp3");
    if (!QFile::exists(sound) && QFile::exists(args[2])) QFile::copy(args[2], sound);
    return 0;
}
