#pragma once
// The two small windows that print or preview the call shown in the call
// window, their owner, which hands them the card's rows as they stand.
#include <vector>

#include "report/CardPrintWindow.h"
#include "report/CardReport.h"

class TfrmStampaChiamata : public TCardPrintWindow {
    Q_OBJECT
public:
    // Created for one use by the call window, its owner, with the card's rows.
    explicit TfrmStampaChiamata(QWidget* owner = nullptr, std::vector<CardRow> rows = {});
};

class TfrmAnteprimaChiamata : public TCardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaChiamata(QWidget* owner = nullptr, std::vector<CardRow> rows = {});
};
