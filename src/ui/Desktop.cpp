#include "ui/Desktop.h"

#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QWidget>

#include "platform/Shell.h"
#include "ui/Messages.h"

namespace {

const QString kMsgIndirizzo = QStringLiteral(
    "Attenzione: il sistema non \u00E8 riuscito ad aprire l'indirizzo\r\n\r\n%1\r\n\r\n"
    "Accertarsi che nel computer sia installato un programma in grado di aprirlo, oppure copiare l'indirizzo e "
    "aprirlo a mano.");
const QString kMsgEmail = QStringLiteral(
    "Attenzione: il sistema non \u00E8 riuscito a preparare il messaggio per l'indirizzo e-mail\r\n\r\n%1\r\n\r\n"
    "Accertarsi che nel computer sia installato un programma di posta elettronica, oppure copiare l'indirizzo e "
    "scrivere il messaggio a mano.");
const QString kMsgFile = QStringLiteral(
    "Attenzione: il sistema non \u00E8 riuscito ad aprire il file\r\n\r\n%1\r\n\r\n"
    "Accertarsi che nel computer sia installato un programma in grado di aprirlo, oppure copiare il percorso e "
    "aprire il file a mano.");
const QString kMsgCartella = QStringLiteral(
    "Attenzione: il sistema non \u00E8 riuscito ad aprire la cartella\r\n\r\n%1\r\n\r\n"
    "\u00C8 possibile copiare il percorso e aprirla a mano.");

}  // namespace

namespace Desktop {

QString failureMessage(const QString& command) {
    const QString t = Shell::unquoted(command);
    if (t.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) {
        // The address alone, the part a user pastes into another mail program.
        return kMsgEmail.arg(t.mid(7).section(QLatin1Char('?'), 0, 0));
    }
    static const QRegularExpression web(QStringLiteral("^(https?://|www\\.)"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (web.match(t).hasMatch()) return kMsgIndirizzo.arg(t);
    return (QFileInfo(t).isDir() ? kMsgCartella : kMsgFile).arg(t);
}

void open(QWidget* parent, const QString& command) {
    QPointer<QWidget> owner(parent);
    TMisc::Open(command, [owner, command] { Msg::plain(owner.data(), failureMessage(command)); });
}

}  // namespace Desktop
