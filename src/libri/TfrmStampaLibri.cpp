#include "libri/TfrmStampaLibri.h"

#include "archive/PhotoStore.h"
#include "archive/RecordWindow.h"
#include "libri/TfrmLibri.h"
#include "ui/PhotoBox.h"

namespace {

TPhotoCardPrintWindow::Card card(TfrmLibri* owner) {
    return {owner, owner ? owner->imgFoto() : nullptr, &PhotoStore::libri(), QSize(307, 409), &BookCard::build};
}

}  // namespace

namespace BookCard {

std::unique_ptr<TReport> build(const TRecordWindow& w, const QImage& cover) {
    return PhotoCard::build(w, cover, "Titolo", Report::mm(110), QStringLiteral("Scheda Libro"),
                            {
                                {{"AUTORE", "Autore"}, {"NAZIONE", "Nazione"}},
                                {{"ANNO PUBBLICAZIONE", "Anno"}, {"CASA EDITRICE", "Editore"}},
                                {{"CITTA' PUBBLICAZIONE", "Citta"}, {"GENERE", "Genere"}},
                                {{"ISBN", "ISBN"}, {"LINGUA", "Lingua"}},
                                {{"TITOLO ORIGINALE", "Originale"}, {"TRADUTTORE", "Traduttore"}},
                                {{"COLLANA", "Collana"}, {"CURATORE", "Curatore"}},
                                {{"POSIZIONE SU SCAFFALE", "Posizione"}, {"CODICE SU ETICHETTA", "Etichetta"}},
                                {{"FORMATO", "Formato"}, {"CODICE DEWEY", "Dewey"}},
                                {{"VOLUMI", "Volumi"}, {"PAGINE", "Pagine"}},
                                {{"PREZZO", "Prezzo"}, {"GIUDIZIO", "Giudizio"}},
                                {{"NOTE", "Note"}},
                            });
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
