#pragma once
// The appointment find window: the cards matching every filled criterion,
// one line each; the card double-clicked is shown in the card window.
#include "archive/FindWindow.h"

class TfrmTrovaScadenze : public TFindWindow {
    Q_OBJECT
public:
    // Created for one use by the card window, which sets the mode
    // "scadenze" before showing it.
    explicit TfrmTrovaScadenze(QWidget* owner = nullptr);

    static const FindWindowDescription& description();
};
