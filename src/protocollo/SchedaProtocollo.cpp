#include "protocollo/SchedaProtocollo.h"

#include "archive/RecordWindow.h"

namespace {

const QColor Lavender(0xe6, 0xe6, 0xfa);

// Report units (96 per inch) inside the 10 mm margins of the A4 page.
const CardLook& look() {
    static const CardLook look = [] {
        constexpr double kCaption = 170;
        CardLook l;
        l.reportName = QStringLiteral("repProtocollo");
        l.documentTitle = QStringLiteral("Scheda Protocollo");
        l.titleMemo = QStringLiteral("titScheda");
        l.titleHeight = 36;
        l.title = {.pointSize = 9, .bold = true, .fill = Lavender, .framed = true, .align = Qt::AlignCenter};
        l.framedRowsOf(kCaption, l.titleHeight + 14, 54);  // room for three lines of a 250-character subject
        l.caption = {.pointSize = 7, .bold = true};
        l.value = {.pointSize = 7};
        l.shrinkValues = true;
        l.footerHeight = 24;
        l.footer = {.pointSize = 8, .align = Qt::AlignCenter};
        return l;
    }();
    return look;
}

}  // namespace

namespace SchedaProtocollo {

std::vector<CardRow> rows(const TRecordWindow& w) {
    auto v = [&](const char* field) { return w.fieldText(QLatin1String(field)); };
    return {
        {"Protocollo n.", v("Numero"), "txtNumero"},
        {"Data registrazione:", v("DataReg"), "txtDataReg"},
        {"Ufficio:", v("Ufficio"), "txtUfficio"},
        {"Operatore:", v("Operatore"), "txtOperatore"},
        {"Categoria:", v("Categoria"), "txtCategoria"},
        {"Collocazione cartaceo:", v("Collocazione"), "txtCollocazione"},
        {"Oggetto:", v("Oggetto"), "txtOggetto"},
        {"Data spedizione:", v("DataSpe"), "txtDataSpe"},
        {"Data ricezione:", v("DataRic"), "txtDataRic"},
        {"Formato:", v("Formato") + QStringLiteral("  -  N. pagine: ") + v("Pagine"), "txtFormato"},
        {"Riferimenti:", v("Riferimenti"), "txtRiferimenti"},
        {"Mittente:", v("Mittente"), "txtMittente"},
        {"Recapito mittente:", v("RecapitoMit"), "txtRecapitoMit"},
        {"Destinatario:", v("Destinatario"), "txtDestinatario"},
        {"Recapito destinatario:", v("RecapitoDes"), "txtRecapitoDes"},
        {"Note:", v("Note"), "txtNote"},
    };
}

std::unique_ptr<TReport> build(const std::vector<CardRow>& rows) { return CardReport::build(look(), kTitolo, rows); }

}  // namespace SchedaProtocollo
