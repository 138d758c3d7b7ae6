#pragma once
// The client find window. Besides the client window it serves every window
// that imports a client's data (calls, cases, appointments, revenue), so it
// lives with the shared windows rather than in the client app.
#include "archive/FindWindow.h"

class TfrmTrovaClienti : public TFindWindow {
    Q_OBJECT
public:
    // keyword: the asking window's ("clienti", "chiamate", …), which
    // lblMemory shows; the client window loads the client chosen, the others
    // copy the fields they import from it.
    explicit TfrmTrovaClienti(QWidget* owner = nullptr, const QString& keyword = QStringLiteral("clienti"));

    static const FindWindowDescription& description();

    // Creates the window for one use owned by the asking window, shows it
    // modally and frees it: the client chosen, or nothing.
    static std::optional<FoundRecord> open(QWidget* owner, const QString& keyword);
};
