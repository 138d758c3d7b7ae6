#pragma once
// The services provided to a client: their list with the total of the
// amounts, an entry panel to add or modify one, the quick find and the
// print. Each client has a file of its own, named after the client's
// position in the client archive.
#include "archive/EntriesWindow.h"

class TfrmAllegaExcel : public TEntriesWindow {
    Q_OBJECT
public:
    // clientName: for the titles; clientPosition: the client's place in the
    // client archive, which names the services file. The client window
    // opens one for each use; the one the program creates at start-up is
    // never shown.
    explicit TfrmAllegaExcel(const QString& clientName = QString(), int clientPosition = 0, QWidget* owner = nullptr);

    static EntriesWindowDescription description(const QString& clientName, int clientPosition);

protected:
    QString emptyTotal() const override;
    void startTotal() override;
    void addToTotal(const Record& entry) override;
    QString totalText(bool complete) const override;

private:
    double total_ = 0;
    bool any_ = false;
};
