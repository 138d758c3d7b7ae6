#include "dipendenti/TfrmDipendenti.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/PhotoStore.h"
#include "dipendenti/EmployeeFields.h"
#include "dipendenti/TfrmLavori_Svolti.h"
#include "dipendenti/TfrmSlideshow_Dipendenti.h"
#include "dipendenti/TfrmStampaDipendenti.h"
#include "dipendenti/TfrmTrovaDipendenti.h"
#include "dipendenti/TfrmWebCam.h"
#include "ui/FieldEditor.h"
#include "ui/Messages.h"
#include "ui/PhotoBox.h"
#include "ui/PictureButton.h"

const PhotoStore& TfrmDipendenti::photos() {
    static const PhotoStore store(QStringLiteral("Anagrafica"), QStringLiteral("Scheda_Dipendente_"),
                                  QStringLiteral(":/img/foto/dipendente.svg"));
    return store;
}

TfrmDipendenti::TfrmDipendenti(QWidget* owner)
    : TPhotoCardWindow(EmployeeFields::get(),
                       {
                           .store = &photos(),
                           .photoSize = kPhotoSize,
                           .photoName = QStringLiteral("Foto"),
                           .fileName = EmployeeFields::kArchive,
                           .helpTitle = kHelpTitle,
                           .attachKeyword = QStringLiteral("dipendenti"),
                           .slideshowHint = QStringLiteral("Esegui lo slide show."),
                           .slideshowName = QStringLiteral("Slide show delle foto"),
                           .guidaHint = QStringLiteral("Visualizza la guida."),
                       },
                       owner) {
    setObjectName(QStringLiteral("frmDipendenti"));
    setWindowTitle(QStringLiteral(" Plenaro - Anagrafica Dipendenti"));
    buildSections();
    buildPhotoColumn();
    createCard();
}

void TfrmDipendenti::buildSections() {
    auto section = [&](const char* name, const char* picture, const QString& title) {
        return addSection(QLatin1String(name), QLatin1String(picture), title, 8);
    };
    auto bottom = [](QGridLayout* g, QWidget* w, int row, int col) {
        g->addWidget(w, row, col, 1, 1, Qt::AlignBottom | Qt::AlignLeft);
    };
    const EmployeeFields& f = EmployeeFields::get();

    // The fields in the order of the card: the Enter ring and the tab order.
    QGridLayout* g = section("sezAnagrafica", "anagrafica", QStringLiteral("Dati anagrafici e residenza"));
    placeField(g, 0, 0, 4, f.Dipendente);
    placeField(g, 0, 4, 1, f.Sesso);
    placeField(g, 0, 5, 1, f.DataNasc);
    placeField(g, 0, 6, 2, f.Cittadinanza);
    placeField(g, 1, 0, 3, f.LuogoNasc);
    placeField(g, 1, 3, 5, f.Indirizzo);
    placeField(g, 2, 0, 3, f.Citta);
    placeField(g, 2, 3, 1, f.Cap);
    placeField(g, 2, 4, 4, f.Nazione);

    g = section("sezFiscale", "fiscale", QStringLiteral("Dati fiscali, studi e recapiti"));
    placeField(g, 0, 0, 2, f.CodFisc);
    bottom(g, checkButton(IdentityCheck::CodiceFiscale, f.CodFisc), 0, 2);
    placeField(g, 0, 3, 2, f.Civile);
    placeField(g, 0, 5, 2, f.PartitaIva);
    bottom(g, checkButton(IdentityCheck::PartitaIva, f.PartitaIva), 0, 7);
    placeField(g, 1, 0, 4, f.Studio);
    placeField(g, 1, 4, 4, f.Lingue);
    placeField(g, 2, 0, 3, f.Email);
    bottom(g, emailButton(f.Email, QStringLiteral("al dipendente")), 2, 3);
    placeField(g, 2, 4, 2, f.Tel);
    placeField(g, 2, 6, 2, f.Cel);

    g = section("sezLavoro", "profilo", QStringLiteral("Lavoro e retribuzione"));
    placeField(g, 0, 0, 3, f.Qualifica);
    placeField(g, 0, 3, 2, f.Reparto);
    placeField(g, 0, 5, 3, f.Disponibilita);
    placeField(g, 1, 0, 8, f.Mansioni);
    placeField(g, 2, 0, 3, f.Iban);
    bottom(g, checkButton(IdentityCheck::Iban, f.Iban), 2, 3);
    placeField(g, 2, 4, 1, f.DataAss);
    placeField(g, 2, 5, 3, f.Retribuzione);

    // The notes' section is titled with their caption.
    g = section("sezNote", "note", f.Note.caption().chopped(1));
    placeField(g, 0, 0, 8, f.Note);
    fieldsLayout()->addStretch();

    addAttachmentFields();
}

void TfrmDipendenti::buildPhotoColumn() {
    TPhotoButtons* buttons = addPhotoColumn();
    auto* webcam = new TPictureButton(QStringLiteral("btnWebcam"), QStringLiteral(":/img/foto/webcam.svg"),
                                      QStringLiteral("Cattura foto con la webcam"),
                                      QStringLiteral("Cattura la foto con una webcam."), buttons, QSize(40, 40));
    connect(webcam, &QAbstractButton::clicked, this, &TfrmDipendenti::btnWebcamClick);
    buttons->add(webcam);

    auto* lavori =
        new TPictureButton(QStringLiteral("btnLavori"), QStringLiteral(":/img/btn/lavori.svg"),
                           QStringLiteral("Lavori svolti dal dipendente"),
                           QStringLiteral("Registra i lavori svolti dal dipendente."), fieldsArea(), QSize(307, 40));
    lavori->setText(QStringLiteral("Lavori svolti"));
    lavori->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    lavori->setIconSize(QSize(28, 28));
    connect(lavori, &QAbstractButton::clicked, this, &TfrmDipendenti::btnLavoriClick);

    sideColumn()->addWidget(lavori);
    sideColumn()->addStretch();
}

void TfrmDipendenti::btnWebcamClick() { TfrmWebCam::capture(this, photoBox()); }

void TfrmDipendenti::btnLavoriClick() {
    if (!needsSavedCard(QStringLiteral("Attenzione: la registrazione dei lavori svolti pu\u00F2 avvenire soltanto dopo "
                                       "aver salvato la scheda del dipendente.")))
        return;
    const CardField& name = EmployeeFields::get().Dipendente;
    if (fieldText(name).isEmpty()) {
        Msg::warning(this, QStringLiteral("Attenzione: per registrare i lavori svolti \u00E8 necessario indicare il "
                                          "nome del dipendente."));
        fieldControl(name)->setFocus();
        return;
    }
    TfrmLavori_Svolti work(fieldText(name), int(position()), this);
    work.showModal();
}

void TfrmDipendenti::cmdSlideshowClick() {
    TfrmSlideshow_Dipendenti show(this);
    show.showModal();
}

void TfrmDipendenti::cmdTrovaClick() { showRecord(TfrmTrovaDipendenti(this).choose()); }

void TfrmDipendenti::cmdStampaClick() {
    TfrmStampaDipendenti w(this);
    w.showModal();
}

void TfrmDipendenti::cmdAnteprimaClick() {
    TfrmAnteprimaDipendenti w(this);
    w.showModal();
}
