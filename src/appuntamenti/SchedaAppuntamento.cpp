#include "appuntamenti/SchedaAppuntamento.h"

#include "archive/RecordWindow.h"
#include "archive/TestoCorto.h"
#include "platform/Formats.h"

namespace {

// Report units (96 per inch) inside the 10 mm margins of the A4 page.
const CardLook& look() {
    static const CardLook look = [] {
        constexpr double kCaption = 150;
        CardLook l;
        l.reportName = QStringLiteral("repScheda");
        l.documentTitle = QStringLiteral("Scheda Appuntamento");
        l.titleHeight = 34;
        l.title = {
            .pointSize = 9, .bold = true, .fill = QColor(0xdc, 0xe8, 0xf2), .framed = true, .align = Qt::AlignCenter};
        l.framedRowsOf(kCaption, l.titleHeight + 12, 54);  // room for three lines of a 250-character text
        l.caption = {.pointSize = 7, .bold = true};
        l.value = {.pointSize = 7};
        l.footerHeight = 26;
        l.footer = {.pointSize = 8, .fill = QColor(0xdc, 0xe8, 0xf2), .framed = true, .align = Qt::AlignCenter};
        return l;
    }();
    return look;
}

}  // namespace

namespace SchedaAppuntamento {

std::vector<CardRow> rows(const TRecordWindow& w) {
    auto v = [&](const char* field) { return w.fieldText(QLatin1String(field)); };
    return {
        {"Data appuntamento:", v("Data"), "txtData"},
        {"Ora:", Formats::hhmm(v("OreApp"), v("MinutiApp")), "txtOra"},
        {"Agente:", v("Tipologia"), "txtTipologia"},
        {"Servizi richiesti:", v("Causale"), "txtCausale"},
        {"Dettagli:", v("Dettagli"), "txtDettagli"},
        {"Cliente:", v("Contatto"), "txtContatto"},
        {"Telefono:", v("Tel"), "txtTel"},
        {"Cellulare:", v("Cel"), "txtCel"},
        {"E-mail:", v("Email"), "txtEmail"},
        {"Modalit\u00E0 di pagamento:", v("Luogo"), "txtLuogo"},
        {"Importo:", v("Importo"), "txtImporto"},
        {"Note:", v("Note"), "txtNote"},
        {"Impegno assolto:", v("Ottemperata") == Flag::Si ? Flag::Si : Flag::No, "txtOttemperata"},
    };
}

std::unique_ptr<TReport> build(const std::vector<CardRow>& rows) {
    return CardReport::build(look(), QStringLiteral("SCHEDA APPUNTAMENTO"), rows);
}

}  // namespace SchedaAppuntamento
