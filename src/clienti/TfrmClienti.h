#pragma once
// The client window: the office's address book of clients, one card at a
// time over "Contatti.pro".
#include "archive/RecordWindow.h"

class QComboBox;
class QLineEdit;

class TfrmClienti : public TRecordWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("App Clienti e Servizi");

    explicit TfrmClienti(QWidget* owner = nullptr);

public slots:
    void btnEmailClick();
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnIbanClick();
    void btnCartaClick();
    void btnChiamateClick();
    void btnProveClick();
    void cmdRicontattaClick();
    void cmdFileClick();
    void cmdTrovaClick() override;
    void cmdEsportaClick() override;

private:
    QLineEdit* edit(const QString& field, const QString& objectName = {});
    QComboBox* provinceList(const QString& objectName);
    void buildSections();
};
