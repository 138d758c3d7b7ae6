#pragma once
// The case find window: cases matching every filled criterion, one case
// line each; the case double-clicked is loaded into the case window.
#include "archive/FindWindow.h"

class TfrmTrovaPratica : public TFindWindow {
    Q_OBJECT
public:
    // Created for one use by the case window, in its mode "pratica".
    explicit TfrmTrovaPratica(QWidget* owner = nullptr);

    static const FindWindowDescription& description();
};
