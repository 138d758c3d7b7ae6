#pragma once
// The employee window: the office's staff, one card at a time over
// "Archivio_Dipendenti.pro", each card with its photo kept under its
// position in "Anagrafica", and the register of the work each employee did.
#include "archive/RecordWindow.h"

class TPhotoBox;

class TfrmDipendenti : public TRecordWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("App Anagrafica Dipendenti");

    explicit TfrmDipendenti(QWidget* owner = nullptr);

    TPhotoBox* imgFoto() const { return photoBox(); }

public slots:
    void btnWebcamClick();
    void btnLavoriClick();
    void cmdFileClick();
    void cmdSlideshowClick();
    void cmdTrovaClick() override;
    void cmdStampaClick() override;
    void cmdAnteprimaClick() override;

private:
    void buildSections();
    void buildPhotoColumn();
};
