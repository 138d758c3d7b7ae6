#pragma once
// Hands a document, a web address or an e-mail message to the desktop, which
// opens it with the program the user has chosen for it.
#include <QString>
#include <QUrl>
#include <functional>

class TMisc {
public:
    // The command as the windows build it, possibly in double quotes. The
    // result is not examined: what cannot be opened fails silently.
    static void Open(const QString& command);
};

namespace Shell {

// The address the desktop receives: wrapping quotes removed, "mailto:" and
// web addresses percent-encoded, anything else a local file.
QUrl urlFor(const QString& command);

// Tests replace the desktop with a recorder of the exact command text.
using Opener = std::function<void(const QString& command)>;
void setOpener(Opener opener);
void resetOpener();

}  // namespace Shell
