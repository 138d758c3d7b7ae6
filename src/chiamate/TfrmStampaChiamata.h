#pragma once
// The two small windows that print or preview the call shown in the call
// window, their owner. Each carries its own copy of the card template.
#include <memory>

#include "ui/Form.h"

class TReport;

class TCallPrintWindow : public TForm {
    Q_OBJECT
public:
    ~TCallPrintWindow() override;

    TReport& report() const { return *repDocumento_; }

public slots:
    // Fills the card from the call window, prints or previews it, closes.
    void btnStampaClick();
    void btnAnnullaClick();

protected:
    enum class Output { Print, Preview };
    TCallPrintWindow(QWidget* owner, const QString& objectName, const QString& caption, const QString& button,
                     const QString& picture, const QString& prompt, Output output);

    void FormShow() override;

private:
    Output output_;
    std::unique_ptr<TReport> repDocumento_;
};

class TfrmStampaChiamata : public TCallPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaChiamata(QWidget* owner = nullptr);
};

class TfrmAnteprimaChiamata : public TCallPrintWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaChiamata(QWidget* owner = nullptr);
};
