#pragma once
// Taking an employee's photo with the webcam: the live view beside the
// captured picture; the picture is saved to a file or imported into the
// card's photo box. The camera runs from "Accendi webcam" until "Spegni
// webcam", "Importa foto in scheda" or "Annulla", and is stopped whenever
// the window closes.
#include <memory>

#include "ui/Form.h"

class QLabel;
class TCamera;
class TPhotoBox;

class TfrmWebCam : public TForm {
    Q_OBJECT
public:
    static inline const QString kContestoDipendenti = QStringLiteral("euro_01");

    // The window the program creates at start-up is never shown.
    explicit TfrmWebCam(QWidget* owner = nullptr);
    ~TfrmWebCam() override;

    // Opens the window for one use over the employee window's photo box.
    static void capture(QWidget* owner, TPhotoBox* photo);

    TCamera* camera() const { return camera_.get(); }

public slots:
    void btnAccendiClick();
    void btnSpegniClick();
    void btnCatturaClick();
    void btnSalvaFotogrammaClick();
    void btnImportaFotoClick();
    void btnCloseClick();

protected:
    void FormClose() override;

private:
    void cameraFailed();

    std::unique_ptr<TCamera> camera_;
    TPhotoBox* imgCamera_ = nullptr;
    TPhotoBox* imgTarget_ = nullptr;
    QLabel* lblMemory_ = nullptr;
    TPhotoBox* photo_ = nullptr;  // the card's photo box; null when opened for no card
};
