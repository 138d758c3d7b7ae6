#pragma once
// The call find window: calls matching every filled criterion, one line
// each; the call double-clicked is loaded into the call window.
#include "archive/FindWindow.h"

class TfrmTrovaChiamate : public TFindWindow {
    Q_OBJECT
public:
    // Created for one use by the call window, which sets the mode
    // "chiamate" before showing it.
    explicit TfrmTrovaChiamate(QWidget* owner = nullptr);

    static const FindWindowDescription& description();
};
