#include "dipendenti/TfrmStampaDipendenti.h"

#include "archive/PhotoStore.h"
#include "dipendenti/TfrmDipendenti.h"
#include "report/PictureCard.h"
#include "ui/PhotoBox.h"

namespace {

TPhotoCardPrintWindow::Card card(TfrmDipendenti* owner) {
    return {owner, owner ? owner->imgFoto() : nullptr, &PhotoStore::dipendenti(), QSize(307, 394),
            &EmployeeCard::build};
}

}  // namespace

namespace EmployeeCard {

std::unique_ptr<TReport> build(const TRecordWindow& w, const QImage& picture) {
    auto box = [&w](const char* caption, const char* field) {
        return PictureCardBox{QString::fromUtf8(caption), QStringLiteral("txt") + QLatin1String(field),
                              w.fieldText(QLatin1String(field))};
    };
    const std::vector<PictureCardRow> rows = {
        {box("LUOGO DI NASCITA", "LuogoNasc"), box("DATA DI NASCITA", "DataNasc"), box("SESSO", "Sesso"),
         box("INDIRIZZO", "Indirizzo")},
        {box("CITTA'", "Citta"), box("CAP", "Cap"), box("NAZIONE", "Nazione"), box("CODICE FISCALE", "CodFisc")},
        {box("TITOLO DI STUDIO", "Studio"), box("LINGUE CONOSCIUTE", "Lingue")},
        {box("REPARTO", "Reparto"), box("STATO CIVILE", "Civile"), box("CITTADINANZA", "Cittadinanza")},
        {box("QUALIFICA", "Qualifica"), box("DISPONIBILITA'", "Disponibilita")},
        {box("E-MAIL", "Email"), box("TEL. CASA", "Tel"), box("TEL. CELLULARE", "Cel"),
         box("DATA ASSUNZIONE", "DataAss")},
        {box("IBAN", "Iban"), box("PARTITA IVA", "PartitaIva"), box("RETRIBUZIONE", "Retribuzione")},
        {box("MANSIONI", "Mansioni")},
        {box("NOTE", "Note")},
    };
    PictureCardLook look;
    look.titleMemo = QStringLiteral("txtDipendente");
    look.pictureHeight = Report::mm(140);
    auto rep = PictureCard::build(look, w.fieldText(QStringLiteral("Dipendente")), picture, rows);
    rep->setDocumentInfo(QStringLiteral("Scheda dipendente"), rep->documentSubject());
    return rep;
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
