#include "dipendenti/TfrmStampaDipendenti.h"

#include "archive/PhotoStore.h"
#include "dipendenti/TfrmDipendenti.h"
#include "ui/PhotoBox.h"

namespace {

TPhotoCardPrintWindow::Card card(TfrmDipendenti* owner) {
    return {owner, owner ? owner->imgFoto() : nullptr, &PhotoStore::dipendenti(), QSize(307, 394),
            &EmployeeCard::build};
}

}  // namespace

namespace EmployeeCard {

std::unique_ptr<TReport> build(const TRecordWindow& w, const QImage& picture) {
    return PhotoCard::build(
        w, picture, "Dipendente", Report::mm(140), QStringLiteral("Scheda dipendente"),
        {
            {{"LUOGO DI NASCITA", "LuogoNasc"},
             {"DATA DI NASCITA", "DataNasc"},
             {"SESSO", "Sesso"},
             {"INDIRIZZO", "Indirizzo"}},
            {{"CITTA'", "Citta"}, {"CAP", "Cap"}, {"NAZIONE", "Nazione"}, {"CODICE FISCALE", "CodFisc"}},
            {{"TITOLO DI STUDIO", "Studio"}, {"LINGUE CONOSCIUTE", "Lingue"}},
            {{"REPARTO", "Reparto"}, {"STATO CIVILE", "Civile"}, {"CITTADINANZA", "Cittadinanza"}},
            {{"QUALIFICA", "Qualifica"}, {"DISPONIBILITA'", "Disponibilita"}},
            {{"E-MAIL", "Email"}, {"TEL. CASA", "Tel"}, {"TEL. CELLULARE", "Cel"}, {"DATA ASSUNZIONE", "DataAss"}},
            {{"IBAN", "Iban"}, {"PARTITA IVA", "PartitaIva"}, {"RETRIBUZIONE", "Retribuzione"}},
            {{"MANSIONI", "Mansioni"}},
            {{"NOTE", "Note"}},
        });
}

}  // namespace EmployeeCard

TfrmStampaDipendenti::TfrmStampaDipendenti(TfrmDipendenti* owner)
    : TPhotoCardPrintWindow(Output::Print, QStringLiteral("frmStampaDipendenti"), QStringLiteral(" Stampa documento"),
                            QStringLiteral("Premere Stampa per stampare la scheda del dipendente visualizzata "
                                           "nell'anagrafica, con la sua foto."),
                            card(owner)) {}

TfrmAnteprimaDipendenti::TfrmAnteprimaDipendenti(TfrmDipendenti* owner)
    : TPhotoCardPrintWindow(Output::Preview, QStringLiteral("frmAnteprimaDipendenti"),
                            QStringLiteral(" Anteprima di stampa"),
                            QStringLiteral("Premere Mostra anteprima per vedere come verr\u00E0 stampata la scheda del "
                                           "dipendente visualizzata nell'anagrafica."),
                            card(owner)) {}
