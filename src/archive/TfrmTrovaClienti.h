#pragma once
// The client find window. Besides the client window it serves every window
// that imports a client's data (calls, cases, appointments, revenue), so it
// lives with the shared windows rather than in the client app.
#include "archive/FindWindow.h"

class TfrmTrovaClienti : public TFindWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaClienti(QWidget* owner = nullptr);

    static const FindWindowDescription& description();

    // Creates the window for one use owned by the asking window, in the mode
    // the asking window names ("clienti", "chiamate", "pratica", "scadenze",
    // "riepilogo"), shows it modally and frees it. In "clienti" the client chosen
    // is loaded into the client window; the others copy the fields they
    // import from the client returned.
    static std::optional<FoundRecord> open(QWidget* owner, const QString& mode);
};
