#include "dipendenti/TfrmStampaDipendenti.h"

#include <QPointer>

#include "archive/PhotoStore.h"
#include "dipendenti/TfrmDipendenti.h"
#include "report/PictureCard.h"
#include "ui/PhotoBox.h"
#include "ui/Resources.h"

namespace {

const QString kSuggerimento = QStringLiteral("\n\r\n\rSi consiglia di ridurre le dimensioni della foto.");

// The photo as the window shows it when the print window opens; the
// placeholder when there is no window or no picture.
QImage photoOf(TfrmDipendenti* owner) {
    QImage picture = owner && owner->imgFoto() ? owner->imgFoto()->picture() : QImage();
    if (picture.isNull()) {
        TPhotoBox fallback(QStringLiteral("imgTemp"), PhotoStore::dipendenti().placeholder(), QSize(307, 394));
        picture = fallback.picture();
    }
    return picture;
}

TCardPrintWindow::Builder card(TfrmDipendenti* owner) {
    return [window = QPointer<TfrmDipendenti>(owner), picture = photoOf(owner)]() -> std::unique_ptr<TReport> {
        if (!window) return nullptr;
        return EmployeeCard::build(*window, picture);
    };
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
    : TCardPrintWindow(owner,
                       {QStringLiteral("frmStampaDipendenti"), QStringLiteral(" Stampa documento"),
                        QStringLiteral("Stampa"), QStringLiteral(":/img/btn/stampa.svg"),
                        QStringLiteral("Premere Stampa per stampare la scheda del dipendente visualizzata "
                                       "nell'anagrafica, con la sua foto."),
                        QStringLiteral("Attenzione: la stampa della scheda non \u00E8 andata a buon fine.") +
                            kSuggerimento},
                       Output::Print, card(owner)) {}

TfrmAnteprimaDipendenti::TfrmAnteprimaDipendenti(TfrmDipendenti* owner)
    : TCardPrintWindow(owner,
                       {QStringLiteral("frmAnteprimaDipendenti"), QStringLiteral(" Anteprima di stampa"),
                        QStringLiteral("Mostra anteprima"), QStringLiteral(":/img/btn/anteprima.svg"),
                        QStringLiteral("Premere Mostra anteprima per vedere come verr\u00E0 stampata la scheda del "
                                       "dipendente visualizzata nell'anagrafica."),
                        QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non \u00E8 andata a "
                                       "buon fine.") +
                            kSuggerimento},
                       Output::Preview, card(owner)) {}
