#pragma once
// The services provided to a client: their list with the total, an entry
// panel to add or modify one, the quick find and the print. Each client has a
// file of its own, named after the client's position in the client archive.
#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TQuickFind;
class TRecordList;

class TfrmAllegaExcel : public TForm {
    Q_OBJECT
public:
    // owner: the client window, whose txtCliente and lblPosizione it reads.
    explicit TfrmAllegaExcel(QWidget* owner = nullptr);

public slots:
    void btnAggiungiClick();
    void btnModificaClick();
    void btnSalvaClick();
    void btnStampaClick();
    void impDataClick();
    void impOraClick();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    QString ownerText(const QString& control) const;
    QString entryLine(const class Record& r) const;
    void showEntryPanel();

    QWidget* panContainer_;
    QWidget* panCosti_;
    QLabel* lblTitolo_;
    QLabel* lblTotale_;
    QLabel* lblPosizione_;
    QLabel* lblFile_;
    TRecordList* list_;
    TQuickFind* quickFind_;
    QLineEdit* txtData_;
    QLineEdit* txtOra_;
    QLineEdit* txtServizi_;
    QLineEdit* txtAgente_;
    QLineEdit* txtImporto_;
};
