// A second copy of the program working on a shared record file, for tests:
//   archive_appender FOLDER FILE NAME COUNT  appends COUNT client cards
//   archive_appender FOLDER FILE hold        holds the file until stdin ends
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

#include "archive/ArchivioSchede.h"
#include "archive/ClientFields.h"
#include "platform/ProgramFolder.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 4) return 2;
    ProgramFolder::set(a[1]);
    try {
        if (a[3] == QLatin1String("hold")) {
            TArchivioSchede file;
            file.open(a[2], ClientFields::get().layout());
            std::printf("held\n");
            std::fflush(stdout);
            std::string line;
            while (std::getline(std::cin, line)) {}
            return 0;
        }
        const int count = a.value(4).toInt();
        Record r(ClientFields::get().layout());
        for (int i = 0; i < count; ++i) {
            TArchivioSchede file;
            file.open(a[2], ClientFields::get().layout());
            r.set("Cliente", QStringLiteral("%1 %2").arg(a[3]).arg(i));
            r.set("Note", QString(200, QLatin1Char('n')));
            file.seek(file.count());
            file.write(r);
            file.close();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
