#pragma once
// The employee window: the office's staff, one card at a time over
// "Archivio_Dipendenti.pro", each card with its photo kept under its
// position in "Anagrafica", and the register of the work each employee did.
#include <QSize>
#include <QString>

#include "archive/PhotoCardWindow.h"

class TfrmDipendenti : public TPhotoCardWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("App Anagrafica Dipendenti");
    static constexpr QSize kPhotoSize{307, 394};
    // The photos: "Anagrafica/Scheda_Dipendente_12.jpg".
    static const PhotoStore& photos();

    explicit TfrmDipendenti(QWidget* owner = nullptr);

public slots:
    void btnWebcamClick();
    void btnLavoriClick();
    void cmdSlideshowClick() override;
    void cmdTrovaClick() override;
    void cmdStampaClick() override;
    void cmdAnteprimaClick() override;

private:
    void buildSections();
    void buildPhotoColumn();
};
