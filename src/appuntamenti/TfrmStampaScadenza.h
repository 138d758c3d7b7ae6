#pragma once
// The print and the print preview of the appointment card shown in the card
// window, which hands them the card's rows as they stand.
#include <vector>

#include "report/CardPrintWindow.h"
#include "report/CardReport.h"

class TfrmStampaScadenza : public TCardPrintWindow {
    Q_OBJECT
public:
    // Created for one use by the card window, its owner, with the card's rows.
    explicit TfrmStampaScadenza(QWidget* owner = nullptr, std::vector<CardRow> rows = {});
};

class TfrmStartup : public TCardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStartup(QWidget* owner = nullptr, std::vector<CardRow> rows = {});
};
