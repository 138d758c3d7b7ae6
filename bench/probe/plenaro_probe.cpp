// Runs one piece of the program as its own process, for the figures that
// only a fresh process shows: the start-up to the password window, a bare
// Qt window for comparison, and the peak memory of a client export.
//   plenaro_probe startup --cartella DIR   the program, ended once the password window is shown
//   plenaro_probe qt                        a bare window, ended once shown
//   plenaro_probe export DIR                the client export window on DIR's archive, painted and
//                                           written; prints the peak resident memory in KiB
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

#include "app/Startup.h"
#include "clienti/TfrmExpClienti.h"
#include "platform/ProgramFolder.h"
#include "ui/Messages.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    if (std::strcmp(argv[1], "startup") == 0) {
        // The program's own start, with its arguments after the mode.
        argv[1] = argv[0];
        return Startup::run(argc - 1, argv + 1, [] { QCoreApplication::exit(0); });
    }
    QApplication app(argc, argv);
    if (std::strcmp(argv[1], "qt") == 0) {
        QWidget w;
        w.resize(400, 300);
        w.show();
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
        return app.exec();
    }
    if (std::strcmp(argv[1], "export") == 0 && argc > 2) {
        ProgramFolder::set(QString::fromLocal8Bit(argv[2]));
        int asked = 0;
        // Yes to exporting, No to opening the file.
        Msg::setHandler([&](const MessageRequest&) { return (asked++ % 2 == 0) ? MsgAnswer::Yes : MsgAnswer::No; });
        {
            TfrmExpClienti w;
            w.show();
            w.grab();
            w.cmdEsportaClick();
        }
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%ld\n", usage.ru_maxrss);
        return 0;
    }
    return 2;
}
