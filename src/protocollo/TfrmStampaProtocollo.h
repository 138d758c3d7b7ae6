#pragma once
// Prints the card shown in the protocol window, its owner, which hands over
// the card's rows as they stand.
#include <vector>

#include "report/CardReport.h"
#include "ui/Form.h"

class TfrmStampaProtocollo : public TForm {
    Q_OBJECT
public:
    explicit TfrmStampaProtocollo(QWidget* owner = nullptr, std::vector<CardRow> rows = {});

public slots:
    // Lays the card out from its rows, prints it, closes.
    void btnStampaClick();
    void btnAnnullaClick();

protected:
    void FormShow() override;

private:
    std::vector<CardRow> rows_;
};
