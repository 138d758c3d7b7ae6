#include "libri/TfrmStampaLibri.h"

#include "archive/PhotoStore.h"
#include "archive/RecordWindow.h"
#include "libri/BookFields.h"
#include "libri/TfrmLibri.h"
#include "ui/PhotoBox.h"

namespace {

TPhotoCardPrintWindow::Card card(TfrmLibri* owner) {
    return {owner, owner ? owner->imgFoto() : nullptr, &TfrmLibri::photos(), TfrmLibri::kPhotoSize, &BookCard::build};
}

}  // namespace

namespace BookCard {

std::unique_ptr<TReport> build(const TRecordWindow& w, const QImage& cover) {
    static const PhotoCard::Sheet sheet = [] {
        const BookFields& f = BookFields::get();
        return PhotoCard::Sheet{f.Titolo,
                                Report::mm(110),
                                QStringLiteral("Scheda Libro"),
                                {
                                    {f.Autore, f.Nazione},
                                    {f.Anno, f.Editore},
                                    {f.Citta, f.Genere},
                                    {f.ISBN, f.Lingua},
                                    {f.Originale, f.Traduttore},
                                    {f.Collana, f.Curatore},
                                    {f.Posizione, f.Etichetta},
                                    {f.Formato, f.Dewey},
                                    {f.Volumi, f.Pagine},
                                    {f.Prezzo, f.Giudizio},
                                    {f.Note},
                                }};
    }();
    return PhotoCard::build(w, cover, sheet);
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
