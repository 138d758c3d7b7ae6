#pragma once
// The book window: the office's library, one card per volume over
// "Archivio_Libri.pro", each card with its cover kept under its position in
// "Copertine_Libri", its class picked from the Dewey table or typed.
#include "archive/RecordWindow.h"

class TPhotoBox;

class TfrmLibri : public TRecordWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("App Schedario Libri");

    explicit TfrmLibri(QWidget* owner = nullptr);

    TPhotoBox* imgFoto() const { return photoBox(); }

public slots:
    void btnDeweyClick();
    void cmdFileClick();
    void cmdSlideshowClick();
    void cmdTrovaClick() override;
    void cmdStampaClick() override;
    void cmdAnteprimaClick() override;

private:
    void buildSections();
    void buildCoverColumn();
};
