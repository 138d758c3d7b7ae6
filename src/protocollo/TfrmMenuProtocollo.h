#pragma once
#include <functional>
// The year menu of the protocol: the user names the year whose archive the
// protocol window opens. Closing it after "Apri" shows the protocol window;
// closing it any other way goes back to the launcher.
#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TfrmProtocollo;

class TfrmMenuProtocollo : public TAppWindow {
    Q_OBJECT
public:
    explicit TfrmMenuProtocollo(QWidget* owner = nullptr);

    // The protocol window "Apri" opens; set once at start-up.
    // The window "Apri" opens, given when first needed.
    using WindowSource = std::function<TfrmProtocollo*()>;
    void setProtocolWindow(WindowSource source) { protocollo_ = std::move(source); }
    void setProtocolWindow(TfrmProtocollo* window) {
        protocollo_ = [window] { return window; };
    }

public slots:
    void btnApriPreventiviClick();
    void imgGuidaClick();
    void imgEsciClick();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    WindowSource protocollo_;
    QLineEdit* txtAnno_;
    QLabel* lblMemory_;
    bool opened_ = false;  // "Apri" succeeded since the menu was shown
};
