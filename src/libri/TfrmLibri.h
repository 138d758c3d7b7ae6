#pragma once
// The book window: the office's library, one card per volume over
// "Archivio_Libri.pro", each card with its cover kept under its position in
// "Copertine_Libri", its class picked from the Dewey table or typed.
#include <QSize>
#include <QString>

#include "archive/PhotoCardWindow.h"

class TfrmLibri : public TPhotoCardWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("App Schedario Libri");
    static constexpr QSize kPhotoSize{307, 409};
    // The covers: "Copertine_Libri/Foto_7.jpg".
    static const PhotoStore& photos();

    explicit TfrmLibri(QWidget* owner = nullptr);

public slots:
    void btnDeweyClick();
    void cmdSlideshowClick() override;
    void cmdTrovaClick() override;
    void cmdStampaClick() override;
    void cmdAnteprimaClick() override;

private:
    void buildSections();
};
