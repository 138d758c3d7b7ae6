#pragma once
// The find window of the protocol: the documents of the year's archive
// matching every filled criterion, one line each in text order; the line
// double-clicked is loaded into the protocol window.
#include "archive/FindWindow.h"

class TfrmTrovaProtocollo : public TFindWindow {
    Q_OBJECT
public:
    // Created for one use by the protocol window on the archive it shows,
    // which sets the mode "protocollo" before showing it.
    explicit TfrmTrovaProtocollo(QWidget* owner = nullptr, const QString& archiveFile = {});

    static FindWindowDescription description(const QString& archiveFile);
};
