#pragma once
// Prints the card shown in the protocol window, its owner, which hands over
// the card's rows as they stand.
#include <vector>

#include "report/CardPrintWindow.h"
#include "report/CardReport.h"

class TfrmStampaProtocollo : public TCardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaProtocollo(QWidget* owner = nullptr, std::vector<CardRow> rows = {});
};
