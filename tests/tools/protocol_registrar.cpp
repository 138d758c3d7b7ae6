// A copy of the program registering mail in a shared folder as fast as it
// can, through the real protocol window, for the two-copies test:
//   protocol_registrar FOLDER NAME COUNT [SECONDS [FILL_US]]
// registers COUNT documents (or as many as fit in SECONDS, when not 0), each
// with the subject "NAME n": Nuovo, the required fields, FILL_US
// microseconds of typing, Salva, and Salva again after each re-proposal.
// Prints two lines:
//   registrations=N saved=S reproposals=R most=M unsaved=U
//   refused=A,B,...
// with M the most re-proposals one registration needed and the refused
// numbers in the order they were re-proposed away.
#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>

#include "platform/FileLock.h"
#include "platform/Formats.h"
#include "platform/ProgramFolder.h"
#include "protocollo/TfrmProtocollo.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/Resources.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    Formats::apply();
    initPlenaroResources();
    const QStringList a = app.arguments();
    if (a.size() < 4) return 2;
    const QString name = a[2];
    const int count = a[3].toInt();
    const qint64 budgetMs = a.size() > 4 && a[4].toLongLong() > 0 ? a[4].toLongLong() * 1000 : -1;
    const unsigned long fillUs = a.size() > 5 ? a[5].toULong() : 0;

    Seams seams;
    ProgramFolder::set(a[1]);
    FileLock::setDefaultTimeoutMs(20000);  // the other copy never holds the file that long
    TfrmProtocollo w;
    w.openYear(QStringLiteral("2025"));
    w.show();
    WindowDriver d(&w);

    const QString kSaved = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
    int registrations = 0, saved = 0, reproposals = 0, most = 0, unsaved = 0;
    QStringList refused;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count && (budgetMs < 0 || clock.elapsed() < budgetMs); ++i) {
        ++registrations;
        seams.messages.clear();
        d.click("cmdNuovo");
        if (!seams.messages.empty()) {  // the archive could not be counted: nothing to register on
            ++unsaved;
            std::fprintf(stderr, "Nuovo refused after %lld ms: %s\n", qint64(clock.elapsed()),
                         qPrintable(seams.lastMessage().text));
            continue;
        }
        d.put("txtCategoria", QStringLiteral("Posta"));
        d.put("txtOggetto", QStringLiteral("%1 %2").arg(name).arg(i));
        d.click("optEntrata");
        if (fillUs > 0) QThread::usleep(fillUs);
        int again = 0;
        for (;;) {
            const QString number = d.text("txtNumero");
            seams.messages.clear();
            d.click("cmdSalva");
            if (!seams.messages.empty() && seams.lastMessage().text == kSaved) {
                ++saved;
                break;
            }
            // A re-proposal: the warning, a new number in the field.
            if (seams.messages.empty() || seams.lastMessage().kind != MsgKind::Warning || ++again > 20) {
                ++unsaved;
                std::fprintf(stderr, "unsaved after %lld ms: %s\n", qint64(clock.elapsed()),
                             seams.messages.empty() ? "no message" : qPrintable(seams.lastMessage().text));
                break;
            }
            ++reproposals;
            refused << number;
        }
        most = qMax(most, again);
    }
    std::printf("registrations=%d saved=%d reproposals=%d most=%d unsaved=%d\nrefused=%s\n", registrations, saved,
                reproposals, most, unsaved, qPrintable(refused.join(QLatin1Char(','))));
    return 0;
}
