#include "libri/TfrmStampaLibri.h"

#include "archive/PhotoStore.h"
#include "archive/RecordWindow.h"
#include "libri/TfrmLibri.h"
#include "report/PictureCard.h"
#include "ui/PhotoBox.h"

namespace {

TPhotoCardPrintWindow::Card card(TfrmLibri* owner) {
    return {owner, owner ? owner->imgFoto() : nullptr, &PhotoStore::libri(), QSize(307, 409), &BookCard::build};
}

}  // namespace

namespace BookCard {

std::unique_ptr<TReport> build(const TRecordWindow& w, const QImage& cover) {
    auto box = [&w](const char* caption, const char* field) {
        return PictureCardBox{QString::fromUtf8(caption), QStringLiteral("txt") + QLatin1String(field),
                              w.fieldText(QLatin1String(field))};
    };
    const std::vector<PictureCardRow> rows = {
        {box("AUTORE", "Autore"), box("NAZIONE", "Nazione")},
        {box("ANNO PUBBLICAZIONE", "Anno"), box("CASA EDITRICE", "Editore")},
        {box("CITTA' PUBBLICAZIONE", "Citta"), box("GENERE", "Genere")},
        {box("ISBN", "ISBN"), box("LINGUA", "Lingua")},
        {box("TITOLO ORIGINALE", "Originale"), box("TRADUTTORE", "Traduttore")},
        {box("COLLANA", "Collana"), box("CURATORE", "Curatore")},
        {box("POSIZIONE SU SCAFFALE", "Posizione"), box("CODICE SU ETICHETTA", "Etichetta")},
        {box("FORMATO", "Formato"), box("CODICE DEWEY", "Dewey")},
        {box("VOLUMI", "Volumi"), box("PAGINE", "Pagine")},
        {box("PREZZO", "Prezzo"), box("GIUDIZIO", "Giudizio")},
        {box("NOTE", "Note")},
    };
    PictureCardLook look;
    look.titleMemo = QStringLiteral("txtTitolo");
    look.pictureHeight = Report::mm(110);
    auto rep = PictureCard::build(look, w.fieldText(QStringLiteral("Titolo")), cover, rows);
    rep->setDocumentInfo(QStringLiteral("Scheda Libro"), rep->documentSubject());
    return rep;
}

}  // namespace BookCard

TfrmStampaLibri::TfrmStampaLibri(TfrmLibri* owner)
    : TPhotoCardPrintWindow(Output::Print, QStringLiteral("frmStampaLibri"), QStringLiteral(" Stampa scheda"),
                            QStringLiteral("Premere Stampa per stampare la scheda del libro visualizzata nello "
                                           "schedario, con la sua copertina."),
                            card(owner)) {}

TfrmAnteprimaLibri::TfrmAnteprimaLibri(TfrmLibri* owner)
    : TPhotoCardPrintWindow(Output::Preview, QStringLiteral("frmAnteprimaLibri"),
                            QStringLiteral(" Anteprima di stampa"),
                            QStringLiteral("Premere Mostra anteprima per vedere come verr\u00E0 stampata la scheda del "
                                           "libro visualizzata nello schedario."),
                            card(owner)) {}
