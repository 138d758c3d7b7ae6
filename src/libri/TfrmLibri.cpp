#include "libri/TfrmLibri.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "archive/Attachments.h"
#include "archive/Layouts.h"
#include "archive/PhotoStore.h"
#include "archive/Slideshow.h"
#include "libri/TfrmCodici_Dewey.h"
#include "libri/TfrmStampaLibri.h"
#include "libri/TfrmTrovaLibri.h"
#include "ui/Controls.h"
#include "ui/PhotoBox.h"
#include "ui/PictureButton.h"
#include "ui/Resources.h"

namespace {

QString needs(const char* what) { return CardRules::needs(QString::fromUtf8(what)); }

// A small picture that stands for a field's label.
QLabel* fieldPicture(const QString& name, const QString& picture, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setPixmap(svgPixmap(picture, QSize(24, 24), parent->devicePixelRatioF()));
    l->setFixedSize(24, 24);
    return l;
}

}  // namespace

TfrmLibri::TfrmLibri(QWidget* owner) : TRecordWindow(owner) {
    setObjectName(QStringLiteral("frmLibri"));
    setWindowTitle(QStringLiteral(" Plenaro - Schedario Libri"));
    buildSections();
    buildCoverColumn();

    RecordWindowDescription desc = photoCardDescription({
        .slideshowHint = QStringLiteral("Esegui lo slide show del catalogo di libri."),
        .slideshowName = QStringLiteral("Slide show delle copertine"),
        .guidaHint = QStringLiteral("Visualizza la pagina della guida sensibile al contesto."),
        .slideshow = [this] { cmdSlideshowClick(); },
        .attach = [this] { cmdFileClick(); },
    });
    desc.layout = &Layouts::TSchedaLibro();
    desc.fileName = ArchiveFiles::Libri;
    desc.helpTitle = kHelpTitle;
    FormCreate(desc);
}

void TfrmLibri::buildSections() {
    auto section = [&](const char* name, const char* picture, const QString& title) {
        return addSection(QLatin1String(name), QLatin1String(picture), title, 8);
    };

    // The rows in the order of the card: the Enter ring, the tab order and
    // the order of the two required fields. No field filters keys or
    // changes case.
    QGridLayout* g = section("icoTitolo", "libro", QStringLiteral("Titolo del libro"));
    QWidget* titolo = addField({.field = "Titolo", .required = needs("il titolo del libro.")});
    titolo->setAccessibleName(QStringLiteral("Titolo del libro"));
    g->addWidget(titolo, 0, 0, 1, 8);

    g = section("sezPubblicazione", "anagrafica", QStringLiteral("Autore e pubblicazione"));
    placeField(g, 0, 0, 4, {.field = "Autore", .label = "Autore:", .required = needs("l'autore del libro.")});
    placeField(g, 0, 4, 2, {.field = "Nazione", .label = "Nazione:"});
    placeField(g, 0, 6, 2, {.field = "Anno", .label = "Anno pubblicazione:"});
    placeField(g, 1, 0, 4, {.field = "Editore", .label = "Casa editrice:"});
    placeField(g, 1, 4, 2, {.field = "Citta", .label = "Citt\u00E0 pubblicazione:"});
    QVBoxLayout* dewey = labeledField({.field = "Dewey", .label = "Codice Dewey:"});
    TPictureButton* table = fieldButton(QStringLiteral("btnDewey"), QStringLiteral(":/img/btn/dewey.svg"),
                                        QStringLiteral("Tabella dei codici Dewey"),
                                        QStringLiteral("Visualizza la Tabella dei Codici Dewey."),
                                        QStringLiteral("Dewey"), [this] { btnDeweyClick(); });
    g->addLayout(Controls::withButton(dewey, table), 1, 6, 1, 2, Qt::AlignBottom);

    g = section("sezTraduzione", "traduzione", QStringLiteral("Genere, lingua e traduzione"));
    placeField(g, 0, 0, 3, {.field = "Genere", .label = "Genere:"});
    placeField(g, 0, 3, 2, {.field = "ISBN", .label = "ISBN:"});
    placeField(g, 0, 5, 3, {.field = "Lingua", .label = "Lingua:"});
    placeField(g, 1, 0, 5, {.field = "Originale", .label = "Titolo originale:"});
    placeField(g, 1, 5, 3, {.field = "Traduttore", .label = "Traduttore:"});
    placeField(g, 2, 0, 5, {.field = "Collana", .label = "Collana:"});
    placeField(g, 2, 5, 3, {.field = "Curatore", .label = "Curatore:"});

    g = section("sezCollocazione", "scaffale", QStringLiteral("Collocazione e formato"));
    placeField(g, 0, 0, 5, {.field = "Posizione", .label = "Posizione su scaffale:"});
    placeField(g, 0, 5, 3, {.field = "Etichetta", .label = "Codice su etichetta:"});
    placeField(g, 1, 0, 2, {.field = "Formato", .label = "Formato:"});
    placeField(g, 1, 2, 2, {.field = "Volumi", .label = "Volumi:"});
    placeField(g, 1, 4, 2, {.field = "Pagine", .label = "Pagine:"});
    placeField(g, 1, 6, 2, {.field = "Prezzo", .label = "Prezzo:"});

    g = section("sezGiudizio", "documento", QStringLiteral("Giudizio e note"));
    placeField(g, 0, 0, 8, {.field = "Giudizio", .label = "Giudizio:"});
    // The notes have a picture beside them in place of a label.
    auto* notes = new QHBoxLayout;
    notes->setSpacing(6);
    notes->addWidget(fieldPicture(QStringLiteral("titNote"), QStringLiteral(":/img/sez/note.svg"), fieldsArea()));
    QWidget* note = addField({.field = "Note"});
    note->setAccessibleName(QStringLiteral("Note"));
    notes->addWidget(note, 1);
    g->addLayout(notes, 1, 0, 1, 8);
    fieldsLayout()->addStretch();

    addAttachmentFields();
}

void TfrmLibri::buildCoverColumn() {
    addPhotoColumn(PhotoStore::libri(), QSize(307, 409), QStringLiteral("Copertina del libro"));
    sideColumn()->addStretch();
}

void TfrmLibri::btnDeweyClick() {
    TfrmCodici_Dewey table(this, TfrmCodici_Dewey::Mode::Libri);
    if (const std::optional<QString> chosen = table.choose()) setFieldText(QStringLiteral("Dewey"), *chosen);
    // However the table closed, the class field is where the user goes on.
    fieldControl(QStringLiteral("Dewey"))->setFocus(Qt::OtherFocusReason);
}

void TfrmLibri::cmdFileClick() { Attachments::editOn(*this, QStringLiteral("libri")); }

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
