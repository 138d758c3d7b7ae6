#pragma once
// The numbering settings of the protocol: the number the numbering starts
// from and whether the calendar year follows the progressive number.
#include "ui/Form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmNumerazione : public TForm {
    Q_OBJECT
public:
    explicit TfrmNumerazione(QWidget* owner = nullptr);

    // The window that opens it names itself here ("protocollo").
    void setMode(const QString& mode);
    QString mode() const;

public slots:
    void txtInizioExit();
    void btnApplicaClick();
    void btnAnnullaClick();

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* txtInizio_;
    QCheckBox* chkTipo_;
    QPushButton* btnApplica_;
    QLabel* lblMemory_;
};
