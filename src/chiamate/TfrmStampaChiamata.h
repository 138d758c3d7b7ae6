#pragma once
// The two small windows that print or preview the call shown in the call
// window, their owner, which hands them the card's rows as they stand.
#include <vector>

#include "report/CardReport.h"
#include "ui/Form.h"

class TCallPrintWindow : public TForm {
    Q_OBJECT
public slots:
    // Lays the card out from its rows, prints or previews it, closes.
    void btnStampaClick();
    void btnAnnullaClick();

protected:
    enum class Output { Print, Preview };
    TCallPrintWindow(QWidget* owner, std::vector<CardRow> rows, const QString& objectName, const QString& caption,
                     const QString& button, const QString& picture, const QString& prompt, Output output);

    void FormShow() override;

private:
    Output output_;
    std::vector<CardRow> rows_;
};

class TfrmStampaChiamata : public TCallPrintWindow {
    Q_OBJECT
public:
    // Created for one use by the call window, its owner, with the card's rows.
    explicit TfrmStampaChiamata(QWidget* owner = nullptr, std::vector<CardRow> rows = {});
};

class TfrmAnteprimaChiamata : public TCallPrintWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaChiamata(QWidget* owner = nullptr, std::vector<CardRow> rows = {});
};
