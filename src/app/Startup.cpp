#include "app/Startup.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include "app/TfrmPassword.h"
#include "app/WindowSet.h"
#include "platform/Formats.h"
#include "platform/ProgramFolder.h"
#include "ui/Resources.h"

namespace Startup {

void prepare(QApplication& app) {
    initPlenaroResources();
    app.setApplicationName(QStringLiteral("Plenaro"));
    app.setWindowIcon(QIcon(QStringLiteral(":/img/icona.svg")));
    app.setQuitOnLastWindowClosed(false);  // the program ends only when the launcher or the password window closes
    ProgramFolder::init(app.arguments());

    // Qt's own buttons and dialogs speak Italian. A portable folder carries
    // them beside the program, where Qt looks only when it finds the folder's
    // qt.conf (see run).
    static QTranslator qtBase;
    for (const QString& dir : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               ProgramFolder::besideProgram(QStringLiteral("translations"))}) {
        if (!dir.isEmpty() && qtBase.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                                          QStringLiteral("_"), dir)) {
            app.installTranslator(&qtBase);
            break;
        }
    }

    Formats::apply();
}

int run(int argc, char** argv, const std::function<void()>& whenShown) {
    // Started through the system's loader ("ld-linux… plenaro", from a drive
    // that gives no run permission), the program seems to Qt to be the
    // loader, so Qt misses the qt.conf of a portable folder: its plugins are
    // named here, before the application needs its window system.
    if (argc > 0) {
        const QString plugins = QFileInfo(QFile::decodeName(argv[0])).absolutePath() + QStringLiteral("/plugins");
        if (QFileInfo(plugins).isDir()) QCoreApplication::addLibraryPath(plugins);
    }
    QApplication app(argc, argv);
    prepare(app);
    WindowSet set;
    set.frmPassword->show();
    if (whenShown) QTimer::singleShot(0, &app, whenShown);
    // The other windows are built in their order while the user types the
    // password, one per turn of the event loop so that typing never waits.
    QTimer builder;
    builder.setInterval(0);
    QObject::connect(&builder, &QTimer::timeout, &app, [&] {
        if (!set.buildNext()) builder.stop();
    });
    // Started on the loop's first turn, so that the first build waits until
    // the password window has been shown.
    QTimer::singleShot(0, &app, [&builder] { builder.start(); });
    return app.exec();
}

}  // namespace Startup
