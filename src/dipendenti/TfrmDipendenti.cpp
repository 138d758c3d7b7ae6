#include "dipendenti/TfrmDipendenti.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/Attachments.h"
#include "archive/Layouts.h"
#include "archive/PhotoStore.h"
#include "archive/Slideshow.h"
#include "dipendenti/TfrmLavori_Svolti.h"
#include "dipendenti/TfrmStampaDipendenti.h"
#include "dipendenti/TfrmTrovaDipendenti.h"
#include "dipendenti/TfrmWebCam.h"
#include "ui/FieldEditor.h"
#include "ui/Messages.h"
#include "ui/PhotoBox.h"
#include "ui/PictureButton.h"

namespace {

QString needs(const char* what) { return CardRules::needs(QString::fromUtf8(what)); }

}  // namespace

TfrmDipendenti::TfrmDipendenti(QWidget* owner) : TRecordWindow(owner) {
    setObjectName(QStringLiteral("frmDipendenti"));
    setWindowTitle(QStringLiteral(" Plenaro - Anagrafica Dipendenti"));
    buildSections();
    buildPhotoColumn();

    RecordWindowDescription desc = photoCardDescription({
        .slideshowHint = QStringLiteral("Esegui lo slide show."),
        .slideshowName = QStringLiteral("Slide show delle foto"),
        .guidaHint = QStringLiteral("Visualizza la guida."),
        .slideshow = [this] { cmdSlideshowClick(); },
        .attach = [this] { cmdFileClick(); },
    });
    desc.layout = &Layouts::TSchedaDipendente();
    desc.fileName = ArchiveFiles::Dipendenti;
    desc.helpTitle = kHelpTitle;
    FormCreate(desc);
}

void TfrmDipendenti::buildSections() {
    auto section = [&](const char* name, const char* picture, const QString& title) {
        return addSection(QLatin1String(name), QLatin1String(picture), title, 8);
    };
    auto bottom = [](QGridLayout* g, QWidget* w, int row, int col) {
        g->addWidget(w, row, col, 1, 1, Qt::AlignBottom | Qt::AlignLeft);
    };
    using FieldKinds::DigitsOnly;
    using FieldKinds::Trimmed;
    using FieldKinds::TrimmedUpper;

    // The rows in the order of the card: the Enter ring, the tab order and
    // the order of the required fields.
    QGridLayout* g = section("sezAnagrafica", "anagrafica", QStringLiteral("Dati anagrafici e residenza"));
    placeField(
        g, 0, 0, 4,
        {.field = "Dipendente", .label = "Cognome e nome:", .required = needs("cognome e nome del dipendente.")});
    placeField(g, 0, 4, 1,
               {.field = "Sesso",
                .label = "Sesso:",
                .rules = TrimmedUpper,
                .required = needs("il sesso del dipendente (M o F).")});
    placeField(g, 0, 5, 1, {.field = "DataNasc", .label = "Data nascita:"});
    placeField(g, 0, 6, 2, {.field = "Cittadinanza", .label = "Cittadinanza:"});
    placeField(g, 1, 0, 3, {.field = "LuogoNasc", .label = "Luogo nascita:"});
    placeField(g, 1, 3, 5, {.field = "Indirizzo", .label = "Indirizzo residenza:"});
    placeField(g, 2, 0, 3, {.field = "Citta", .label = "Citt\u00E0:"});
    placeField(g, 2, 3, 1, {.field = "Cap", .label = "CAP:"});
    placeField(g, 2, 4, 4, {.field = "Nazione", .label = "Nazione:"});

    g = section("sezFiscale", "fiscale", QStringLiteral("Dati fiscali, studi e recapiti"));
    placeField(g, 0, 0, 2, {.field = "CodFisc", .label = "Codice fiscale:", .rules = TrimmedUpper});
    bottom(g, checkButton(IdentityCheck::CodiceFiscale, "CodFisc"), 0, 2);
    placeField(g, 0, 3, 2, {.field = "Civile", .label = "Stato civile:"});
    placeField(g, 0, 5, 2, {.field = "PartitaIva", .label = "Partita IVA:", .rules = DigitsOnly});
    bottom(g, checkButton(IdentityCheck::PartitaIva, "PartitaIva"), 0, 7);
    placeField(g, 1, 0, 4, {.field = "Studio", .label = "Titolo di studio:"});
    placeField(g, 1, 4, 4, {.field = "Lingue", .label = "Lingue conosciute:"});
    placeField(g, 2, 0, 3, {.field = "Email", .label = "E-mail:", .rules = Trimmed});
    bottom(g, emailButton("Email"), 2, 3);
    placeField(g, 2, 4, 2, {.field = "Tel", .label = "Tel. casa:"});
    placeField(g, 2, 6, 2,
               {.field = "Cel",
                .label = "Tel. cellulare:",
                .rules = DigitsOnly,
                .required = needs("il numero di cellulare dal dipendente.")});

    g = section("sezLavoro", "profilo", QStringLiteral("Lavoro e retribuzione"));
    placeField(g, 0, 0, 3,
               {.field = "Qualifica", .label = "Qualifica:", .required = needs("la qualifica dal dipendente.")});
    placeField(g, 0, 3, 2, {.field = "Reparto", .label = "Reparto:", .required = needs("il reparto del dipendente.")});
    placeField(g, 0, 5, 3, {.field = "Disponibilita", .label = "Disponibilit\u00E0:"});
    placeField(g, 1, 0, 8, {.field = "Mansioni", .label = "Mansioni:"});
    placeField(g, 2, 0, 3, {.field = "Iban", .label = "IBAN:", .rules = TrimmedUpper});
    bottom(g, checkButton(IdentityCheck::Iban, "Iban"), 2, 3);
    placeField(g, 2, 4, 1, {.field = "DataAss", .label = "Data assunzione:"});
    placeField(g, 2, 5, 3, {.field = "Retribuzione", .label = "Retribuzione:"});

    g = section("sezNote", "note", QStringLiteral("Note"));
    placeField(g, 0, 0, 8, {.field = "Note", .label = "Note:"});
    fieldsLayout()->addStretch();

    addAttachmentFields();
}

void TfrmDipendenti::buildPhotoColumn() {
    TPhotoButtons* buttons = addPhotoColumn(PhotoStore::dipendenti(), QSize(307, 394), QStringLiteral("Foto"));
    auto* webcam = new TPictureButton(QStringLiteral("btnWebcam"), QStringLiteral(":/img/foto/webcam.svg"),
                                      QStringLiteral("Cattura foto con la webcam"),
                                      QStringLiteral("Cattura la foto con una webcam."), buttons, QSize(40, 40));
    connect(webcam, &QAbstractButton::clicked, this, &TfrmDipendenti::btnWebcamClick);
    auto* row = static_cast<QHBoxLayout*>(buttons->layout());
    row->insertWidget(row->count() - 1, webcam);

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
    if (fieldText(QStringLiteral("Dipendente")).isEmpty()) {
        Msg::warning(this, QStringLiteral("Attenzione: per registrare i lavori svolti \u00E8 necessario indicare il "
                                          "nome del dipendente."));
        fieldControl(QStringLiteral("Dipendente"))->setFocus();
        return;
    }
    TfrmLavori_Svolti work(fieldText(QStringLiteral("Dipendente")), int(position()), this);
    work.showModal();
}

void TfrmDipendenti::cmdFileClick() { Attachments::editOn(*this, QStringLiteral("dipendenti")); }

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
