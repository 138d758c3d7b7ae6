#pragma once
// The small window that prints or previews one card: a picture, a line that
// says what will happen, the action button and "Annulla". The record window
// that opens it hands over the card already laid out and filled, so what is
// printed is the card as it stood when the button was pressed.
#include <functional>
#include <memory>

#include "report/Report.h"
#include "ui/Form.h"

class QPushButton;

class TCardPrintWindow : public TForm {
    Q_OBJECT
public:
    enum class Output { Print, Preview };
    // Makes the card's report, ready to prepare; null makes nothing.
    using Builder = std::function<std::unique_ptr<TReport>()>;

    struct Texts {
        QString objectName;
        QString caption;
        QString button;   // "Stampa", "Mostra anteprima"
        QString picture;  // a resource path
        QString prompt;
        // When set, a print or preview that fails shows this warning in place
        // of the engine's own message (the cards with a photo).
        QString failure = {};
    };

    TCardPrintWindow(QWidget* owner, const Texts& texts, Output output, Builder builder);

    void setBuilder(Builder builder) { builder_ = std::move(builder); }

public slots:
    // Prepares the card, prints or previews it, and closes.
    void btnStampaClick();
    void btnAnnullaClick();

protected:
    void FormShow() override;

private:
    QPushButton* go_ = nullptr;
    Output output_;
    Builder builder_;
    QString failure_;
};
