// Runs one piece of the program as its own process, for the figures that
// only a fresh process shows: its time and its peak resident memory.
//   plenaro_probe startup --cartella DIR   the program, ended once the password window is shown;
//                                           prints the peak memory in KiB
//   plenaro_probe qt                        a bare window, ended once shown; prints the peak memory
//   plenaro_probe export DIR                the client export window on DIR's archive, painted, then
//                                           written: prints "grid_ms file_ms peak_KiB"
//   plenaro_probe expapp DIR                the same for the export of the whole appointment archive
//   plenaro_probe expprot DIR FILE          the same for the protocol export of FILE
//   plenaro_probe list DIR                  the client find listing every card: prints "ms peak_KiB lines"
//   plenaro_probe archive KIND N DIR        writes the benchmarks' archive of N cards in DIR (KIND:
//                                           clients, appointments, protocol), to profile by hand
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

#include <QFile>

#include "app/Startup.h"
#include "appuntamenti/TfrmExpScadenzario.h"
#include "archive/TfrmTrovaClienti.h"
#include "clienti/TfrmExpClienti.h"
#include "platform/ProgramFolder.h"
#include "protocollo/TfrmExpProtocollo.h"
#include "support/AppointmentArchive.h"
#include "support/ClientArchive.h"
#include "support/ProtocolArchive.h"
#include "ui/Messages.h"
#include "ui/RecordList.h"

namespace {

long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double msSince(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

// Opened, painted, then written: the grid's time, the file's time, the peak.
template <class Make>
int exportWindow(Make make) {
    int asked = 0;
    // Yes to exporting, No to opening the file.
    Msg::setHandler([&](const MessageRequest&) { return (asked++ % 2 == 0) ? MsgAnswer::Yes : MsgAnswer::No; });
    double gridMs = 0, fileMs = 0;
    {
        QElapsedTimer t;
        t.start();
        auto w = make();
        w->show();
        w->grab();
        gridMs = msSince(t);
        t.restart();
        w->cmdEsportaClick();
        fileMs = msSince(t);
    }
    std::printf("%.3f %.3f %ld\n", gridMs, fileMs, peakKiB());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    if (std::strcmp(argv[1], "startup") == 0) {
        // The program's own start, with its arguments after the mode.
        argv[1] = argv[0];
        const int code = Startup::run(argc - 1, argv + 1, [] { QCoreApplication::exit(0); });
        std::printf("%ld\n", peakKiB());
        return code;
    }
    QApplication app(argc, argv);
    if (std::strcmp(argv[1], "qt") == 0) {
        int code = 0;
        {
            QWidget w;
            w.resize(400, 300);
            w.show();
            QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
            code = app.exec();
        }
        std::printf("%ld\n", peakKiB());
        return code;
    }
    if (std::strcmp(argv[1], "archive") == 0 && argc > 4) {
        const int n = std::atoi(argv[3]);
        const QString dir = QString::fromLocal8Bit(argv[4]);
        const std::string kind = argv[2];
        const QString folder = kind == "clients"        ? BenchArchive::clientFolder(n)
                               : kind == "appointments" ? BenchArchive::appointmentFolder(n)
                                                        : BenchArchive::protocolFolder(n);
        const QString name = kind == "clients"        ? QStringLiteral("Contatti.pro")
                             : kind == "appointments" ? QStringLiteral("Archivio_Appuntamenti.pro")
                                                      : BenchArchive::kProtocolFile;
        return QFile::copy(folder + "/" + name, dir + "/" + name) ? 0 : 1;
    }
    if (argc < 3) return 2;
    ProgramFolder::set(QString::fromLocal8Bit(argv[2]));
    if (std::strcmp(argv[1], "export") == 0) return exportWindow([] { return std::make_unique<TfrmExpClienti>(); });
    if (std::strcmp(argv[1], "expapp") == 0) return exportWindow([] { return std::make_unique<TfrmExpScadenzario>(); });
    if (std::strcmp(argv[1], "expprot") == 0 && argc > 3) {
        const QString file = QString::fromLocal8Bit(argv[3]);
        return exportWindow([&] { return std::make_unique<TfrmExpProtocollo>(nullptr, file); });
    }
    if (std::strcmp(argv[1], "list") == 0) {
        QElapsedTimer t;
        t.start();
        TfrmTrovaClienti w;
        w.btnCercaClick();
        const double ms = msSince(t);
        std::printf("%.3f %ld %d\n", ms, peakKiB(), w.findChild<TRecordList*>("lstRecords")->count());
        return 0;
    }
    return 2;
}
