#include "dipendenti/TfrmStampaDipendenti.h"

#include "archive/PhotoStore.h"
#include "dipendenti/EmployeeFields.h"
#include "dipendenti/TfrmDipendenti.h"
#include "ui/PhotoBox.h"

namespace {

TPhotoCardPrintWindow::Card card(TfrmDipendenti* owner) {
    return {owner, owner ? owner->imgFoto() : nullptr, &TfrmDipendenti::photos(), TfrmDipendenti::kPhotoSize,
            &EmployeeCard::build};
}

}  // namespace

namespace EmployeeCard {

std::unique_ptr<TReport> build(const TRecordWindow& w, const QImage& picture) {
    static const PhotoCard::Sheet sheet = [] {
        const EmployeeFields& f = EmployeeFields::get();
        return PhotoCard::Sheet{f.Dipendente,
                                Report::mm(140),
                                QStringLiteral("Scheda dipendente"),
                                {
                                    {f.LuogoNasc, f.DataNasc, f.Sesso, f.Indirizzo},
                                    {f.Citta, f.Cap, f.Nazione, f.CodFisc},
                                    {f.Studio, f.Lingue},
                                    {f.Reparto, f.Civile, f.Cittadinanza},
                                    {f.Qualifica, f.Disponibilita},
                                    {f.Email, f.Tel, f.Cel, f.DataAss},
                                    {f.Iban, f.PartitaIva, f.Retribuzione},
                                    {f.Mansioni},
                                    {f.Note},
                                }};
    }();
    return PhotoCard::build(w, picture, sheet);
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
