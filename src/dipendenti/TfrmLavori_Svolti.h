#pragma once
// The work done by an employee: the register of activities in a file of its
// own, named after the employee's position in the employee archive, listed
// with their count; an entry panel adds or changes one activity.
#include "archive/EntriesWindow.h"

class TfrmLavori_Svolti : public TEntriesWindow {
    Q_OBJECT
public:
    // employeeName: for the titles; employeePosition: names the work file.
    // The employee window opens one for each use; the one the program
    // creates at start-up is never shown.
    explicit TfrmLavori_Svolti(const QString& employeeName = QString(), int employeePosition = 0,
                               QWidget* owner = nullptr);

    static EntriesWindowDescription description(const QString& employeeName, int employeePosition);
};
