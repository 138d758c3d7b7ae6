#pragma once
// Opening a document, a folder, a web page or an e-mail message with the
// desktop's program for it, from a window: when no program can open it,
// the user is told which address or file it was, to copy it and open it by
// hand, instead of waiting for a window that never comes.
#include <QString>

class QWidget;

namespace Desktop {

// The command as TMisc::Open takes it, possibly in double quotes.
void open(QWidget* parent, const QString& command);

// The message shown when the command cannot be opened.
QString failureMessage(const QString& command);

}  // namespace Desktop
