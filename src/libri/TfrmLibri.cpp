#include "libri/TfrmLibri.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "archive/PhotoStore.h"
#include "libri/BookFields.h"
#include "libri/TfrmCodici_Dewey.h"
#include "libri/TfrmSlideshow_Libri.h"
#include "libri/TfrmStampaLibri.h"
#include "libri/TfrmTrovaLibri.h"
#include "ui/Controls.h"
#include "ui/PictureButton.h"
#include "ui/Resources.h"

namespace {

// A small picture that stands for a field's label.
QLabel* fieldPicture(const QString& name, const QString& picture, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setPixmap(svgPixmap(picture, QSize(24, 24), parent->devicePixelRatioF()));
    l->setFixedSize(24, 24);
    return l;
}

}  // namespace

const PhotoStore& TfrmLibri::photos() {
    static const PhotoStore store(QStringLiteral("Copertine_Libri"), QStringLiteral("Foto_"),
                                  QStringLiteral(":/img/foto/libro.svg"));
    return store;
}

TfrmLibri::TfrmLibri(QWidget* owner)
    : TPhotoCardWindow(BookFields::get(),
                       {
                           .store = &photos(),
                           .photoSize = kPhotoSize,
                           .photoName = QStringLiteral("Copertina del libro"),
                           .fileName = BookFields::kArchive,
                           .helpTitle = kHelpTitle,
                           .attachKeyword = QStringLiteral("libri"),
                           .slideshowHint = QStringLiteral("Esegui lo slide show del catalogo di libri."),
                           .slideshowName = QStringLiteral("Slide show delle copertine"),
                           .guidaHint = QStringLiteral("Visualizza la pagina della guida sensibile al contesto."),
                       },
                       owner) {
    setObjectName(QStringLiteral("frmLibri"));
    setWindowTitle(QStringLiteral(" Plenaro - Schedario Libri"));
    buildSections();
    addPhotoColumn();
    sideColumn()->addStretch();
    createCard();
}

void TfrmLibri::buildSections() {
    auto section = [&](const char* name, const char* picture, const QString& title) {
        return addSection(QLatin1String(name), QLatin1String(picture), title, 8);
    };
    const BookFields& f = BookFields::get();

    // The fields in the order of the card: the Enter ring and the tab order.
    QGridLayout* g = section("icoTitolo", "libro", QStringLiteral("Titolo del libro"));
    QWidget* titolo = addField(f.Titolo);
    titolo->setAccessibleName(f.Titolo.caption());
    g->addWidget(titolo, 0, 0, 1, 8);

    g = section("sezPubblicazione", "anagrafica", QStringLiteral("Autore e pubblicazione"));
    placeField(g, 0, 0, 4, f.Autore);
    placeField(g, 0, 4, 2, f.Nazione);
    placeField(g, 0, 6, 2, f.Anno);
    placeField(g, 1, 0, 4, f.Editore);
    placeField(g, 1, 4, 2, f.Citta);
    QVBoxLayout* dewey = labeledField(f.Dewey);
    TPictureButton* table = fieldButton(
        QStringLiteral("btnDewey"), QStringLiteral(":/img/btn/dewey.svg"), QStringLiteral("Tabella dei codici Dewey"),
        QStringLiteral("Visualizza la Tabella dei Codici Dewey."), f.Dewey, [this] { btnDeweyClick(); });
    g->addLayout(Controls::withButton(dewey, table), 1, 6, 1, 2, Qt::AlignBottom);

    g = section("sezTraduzione", "traduzione", QStringLiteral("Genere, lingua e traduzione"));
    placeField(g, 0, 0, 3, f.Genere);
    placeField(g, 0, 3, 2, f.ISBN);
    placeField(g, 0, 5, 3, f.Lingua);
    placeField(g, 1, 0, 5, f.Originale);
    placeField(g, 1, 5, 3, f.Traduttore);
    placeField(g, 2, 0, 5, f.Collana);
    placeField(g, 2, 5, 3, f.Curatore);

    g = section("sezCollocazione", "scaffale", QStringLiteral("Collocazione e formato"));
    placeField(g, 0, 0, 5, f.Posizione);
    placeField(g, 0, 5, 3, f.Etichetta);
    placeField(g, 1, 0, 2, f.Formato);
    placeField(g, 1, 2, 2, f.Volumi);
    placeField(g, 1, 4, 2, f.Pagine);
    placeField(g, 1, 6, 2, f.Prezzo);

    g = section("sezGiudizio", "documento", QStringLiteral("Giudizio e note"));
    placeField(g, 0, 0, 8, f.Giudizio);
    // The notes have a picture beside them in place of a label.
    auto* notes = new QHBoxLayout;
    notes->setSpacing(6);
    notes->addWidget(fieldPicture(QStringLiteral("titNote"), QStringLiteral(":/img/sez/note.svg"), fieldsArea()));
    QWidget* note = addField(f.Note);
    note->setAccessibleName(f.Note.caption());
    notes->addWidget(note, 1);
    g->addLayout(notes, 1, 0, 1, 8);
    fieldsLayout()->addStretch();

    addAttachmentFields();
}

void TfrmLibri::btnDeweyClick() {
    TfrmCodici_Dewey table(this, TfrmCodici_Dewey::Mode::Libri);
    const CardField& dewey = BookFields::get().Dewey;
    if (const std::optional<QString> chosen = table.choose()) setFieldText(dewey, *chosen);
    // However the table closed, the class field is where the user goes on.
    fieldControl(dewey)->setFocus(Qt::OtherFocusReason);
}

void TfrmLibri::cmdSlideshowClick() {
    TfrmSlideshow_Libri show(this);
    show.showModal();
}

void TfrmLibri::cmdTrovaClick() { showRecord(TfrmTrovaLibri(this).choose()); }

void TfrmLibri::cmdStampaClick() {
    TfrmStampaLibri w(this);
    w.showModal();
}

void TfrmLibri::cmdAnteprimaClick() {
    TfrmAnteprimaLibri w(this);
    w.showModal();
}
