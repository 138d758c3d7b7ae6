#pragma once
// Hands a document, a folder, a web address or an e-mail message to the
// desktop, which opens it with the program the user has chosen for it.
#include <QString>
#include <QUrl>
#include <functional>

class TMisc {
public:
    // The command as the windows build it, possibly in double quotes. When
    // no program can open it, failed runs: at once when the desktop refuses
    // it, or a moment later when the desktop's opener gives up within a few
    // seconds. The windows go through Desktop::open, which tells the user.
    static void Open(const QString& command, const std::function<void()>& failed = {});
};

namespace Shell {

// The address the desktop receives: wrapping quotes removed, "mailto:" and
// web addresses percent-encoded, anything else a local file.
QUrl urlFor(const QString& command);

// The command without its wrapping quotes, as a user would type it.
QString unquoted(const QString& command);

// Tests replace the desktop with a recorder of the exact command text; it
// returns whether the desktop opened it.
using Opener = std::function<bool(const QString& command)>;
void setOpener(Opener opener);
void resetOpener();

}  // namespace Shell
