#pragma once
// Every message box of the program passes through here, so that the texts,
// kinds and buttons are one matter, and tests can answer the boxes.
#include <QString>
#include <functional>

class QWidget;

enum class MsgKind { Warning, Error, Information, Confirmation, Plain };
enum class MsgButtons { OkCancel, YesNo, Ok };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QWidget* parent = nullptr;
    MsgKind kind = MsgKind::Plain;
    QString text;
    MsgButtons buttons = MsgButtons::Ok;
};

namespace Msg {

// Warnings, errors and information carry OK and Cancel; the choice changes
// nothing. Confirmations carry Yes and No. A plain box has OK only.
MsgAnswer warning(QWidget* parent, const QString& text);
MsgAnswer error(QWidget* parent, const QString& text);
MsgAnswer information(QWidget* parent, const QString& text);
MsgAnswer confirm(QWidget* parent, const QString& text);
MsgAnswer plain(QWidget* parent, const QString& text);
// A box of the given kind, with that kind's buttons.
MsgAnswer of(QWidget* parent, MsgKind kind, const QString& text);

MsgAnswer show(const MessageRequest& request);

// The text as a box shows it: the program's "\n\r\n\r" and "\r\n\r\n"
// paragraph breaks become empty lines.
QString displayText(const QString& text);

// Tests replace the real boxes with a script.
using Handler = std::function<MsgAnswer(const MessageRequest&)>;
void setHandler(Handler handler);
void resetHandler();

}  // namespace Msg
