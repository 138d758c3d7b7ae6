#pragma once
// The find window of the employees: the cards matching every filled
// criterion, one line each in file order; the line double-clicked is loaded,
// with its photo, into the employee window.
#include "archive/FindWindow.h"

class TfrmTrovaDipendenti : public TFindWindow {
    Q_OBJECT
public:
    // Created for one use by the employee window (mode "dipendenti").
    explicit TfrmTrovaDipendenti(QWidget* owner = nullptr);

    static FindWindowDescription description();
};
