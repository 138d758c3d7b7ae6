#pragma once
// The documents of the year's protocol registered between two dates, both
// included, in a grid exported to "Protocollo.xls". The grid stays empty
// until the first interval is shown.
#include <QDate>
#include <optional>

#include "archive/ExportWindow.h"

class QLineEdit;

class TfrmRiepProtocollo : public TExportWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("Riepilogo protocollo per intervallo di tempo");

    // Created for one use by the protocol window, on the archive it shows.
    explicit TfrmRiepProtocollo(QWidget* owner = nullptr, const QString& archiveFile = {});

public slots:
    // Checks the two dates and fills the grid with the interval.
    void cmdTrovaClick();

protected:
    void FormShow() override;

private:
    QLineEdit* txtDataInizio_ = nullptr;
    QLineEdit* txtDataFine_ = nullptr;
    struct Interval {
        QDate start, end;
    };
    std::optional<Interval> interval_;
};
