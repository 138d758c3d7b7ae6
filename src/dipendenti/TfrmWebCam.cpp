#include "dipendenti/TfrmWebCam.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Camera.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/PhotoBox.h"

namespace {

const QString kNessunaWebcam = QStringLiteral(
    "Attenzione: non \u00E8 stata trovata nessuna webcam collegata al computer.\n\r\n\r"
    "Collegare una webcam e premere di nuovo Accendi webcam.");
const QString kWebcamNonDisponibile = QStringLiteral(
    "Attenzione: non \u00E8 stato possibile accendere la webcam.\n\r\n\r"
    "Accertarsi che non sia gi\u00E0 in uso da un altro programma e premere di nuovo Accendi webcam.");

QWidget* framed(const QString& name, const QString& title, TPhotoBox* view, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(title, panel);
    caption->setStyleSheet(QStringLiteral("font-weight: bold; color: #2f6f9f;"));
    v->addWidget(caption);
    view->setParent(panel);
    view->setStyleSheet(QStringLiteral("background: #20262b;"));
    v->addWidget(view);
    return panel;
}

}  // namespace

TfrmWebCam::TfrmWebCam(QWidget* owner) : TForm(owner), camera_(Camera::open()) {
    setObjectName(QStringLiteral("frmWebCam"));
    setWindowTitle(QStringLiteral(" Cattura foto con webcam"));
    // It closes only through its own buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);

    imgCamera_ =
        new TPhotoBox(QStringLiteral("imgCamera"), QStringLiteral(":/img/foto/webcam_spenta.svg"), QSize(366, 274));
    imgCamera_->setAccessibleName(QStringLiteral("Immagine della webcam"));
    imgTarget_ =
        new TPhotoBox(QStringLiteral("imgTarget"), QStringLiteral(":/img/foto/dipendente.svg"), QSize(366, 274));
    imgTarget_->setAccessibleName(QStringLiteral("Foto catturata"));
    lblMemory_ = Controls::hiddenLabel(QStringLiteral("lblMemory"), this);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, 12, 14, 12);
    grid->setHorizontalSpacing(14);
    grid->addWidget(framed(QStringLiteral("panCamera"), QStringLiteral("Webcam"), imgCamera_, this), 0, 0);
    grid->addWidget(framed(QStringLiteral("panTarget"), QStringLiteral("Foto catturata"), imgTarget_, this), 0, 1);

    auto button = [this](const char* name, const QString& caption, void (TfrmWebCam::*handler)()) {
        auto* b = Controls::pushButton(QLatin1String(name), caption, this);
        b->setMinimumHeight(30);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    auto* left = new QHBoxLayout;
    left->addWidget(button("btnAccendi", QStringLiteral("Accendi webcam"), &TfrmWebCam::btnAccendiClick));
    left->addWidget(button("btnSpegni", QStringLiteral("Spegni webcam"), &TfrmWebCam::btnSpegniClick));
    left->addWidget(button("btnCattura", QStringLiteral("Cattura foto"), &TfrmWebCam::btnCatturaClick));
    grid->addLayout(left, 1, 0);
    auto* right = new QHBoxLayout;
    right->addWidget(
        button("btnSalvaFotogramma", QStringLiteral("Salva foto su disco"), &TfrmWebCam::btnSalvaFotogrammaClick));
    right->addWidget(
        button("btnImportaFoto", QStringLiteral("Importa foto in scheda"), &TfrmWebCam::btnImportaFotoClick));
    right->addWidget(button("btnClose", QStringLiteral("Annulla"), &TfrmWebCam::btnCloseClick));
    grid->addLayout(right, 1, 1);

    connect(camera_.get(), &TCamera::frame, imgCamera_, &TPhotoBox::setPicture);
    connect(camera_.get(), &TCamera::failed, this, &TfrmWebCam::cameraFailed);
    setFixedSize(grid->sizeHint());
}

TfrmWebCam::~TfrmWebCam() {
    if (camera_) camera_->stop();
}

void TfrmWebCam::capture(QWidget* owner, TPhotoBox* photo) {
    TfrmWebCam w(owner);
    w.photo_ = photo;
    w.lblMemory_->setText(kContestoDipendenti);  // shown only: the box given decides the import
    w.showModal();
}

void TfrmWebCam::btnAccendiClick() {
    switch (camera_->start()) {
    case TCamera::Start::Started: break;
    case TCamera::Start::NoCamera: Msg::warning(this, kNessunaWebcam); break;
    case TCamera::Start::Failed: Msg::warning(this, kWebcamNonDisponibile); break;
    }
}

void TfrmWebCam::cameraFailed() {
    imgCamera_->clear();
    Msg::warning(this, kWebcamNonDisponibile);
}

void TfrmWebCam::btnSpegniClick() { camera_->stop(); }

void TfrmWebCam::btnCatturaClick() {
    imgTarget_->setPicture(imgCamera_->hasPhoto() ? imgCamera_->picture() : QImage());
}

void TfrmWebCam::btnSalvaFotogrammaClick() { imgTarget_->saveAs(); }

void TfrmWebCam::btnImportaFotoClick() {
    camera_->stop();
    if (!photo_) return;  // opened for no card: it stays open
    photo_->setPicture(imgTarget_->hasPhoto() ? imgTarget_->picture() : QImage());
    accept();
}

void TfrmWebCam::btnCloseClick() {
    camera_->stop();
    reject();
}

void TfrmWebCam::FormClose() { camera_->stop(); }
