#pragma once
// The clients marked "Da ricontattare": their list, the quick find, the print
// and the double click that opens a client in the client window.
#include "ui/Form.h"

class TQuickFind;
class TRecordList;

class TfrmRicontatta : public TForm {
    Q_OBJECT
public:
    static inline const QString kTitolo = QStringLiteral("Riepilogo clienti da ricontattare");

    // owner: the client window, where a double-clicked client opens.
    explicit TfrmRicontatta(QWidget* owner = nullptr);

public slots:
    void lstRecordsDblClick();
    void btnStampaClick();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    TRecordList* list_;
    TQuickFind* quickFind_;
};
