#include "chiamate/SchedaChiamata.h"

#include "archive/RecordWindow.h"
#include "platform/Formats.h"

namespace {

const QColor LightSteelBlue(0xb0, 0xc4, 0xde);
const QColor Gold(0xff, 0xd7, 0x00);

// Report units (96 per inch) inside the 10 mm margins of the A4 page.
const CardLook& look() {
    static const CardLook look = [] {
        constexpr double kCaption = 190;
        CardLook l;
        l.reportName = QStringLiteral("repDocumento");
        l.documentTitle = QStringLiteral("Scheda chiamata");
        l.titleMemo = QStringLiteral("titScheda");
        l.titleHeight = 52;
        l.title = {.pointSize = 16, .bold = true, .fill = LightSteelBlue, .framed = true, .align = Qt::AlignCenter};
        l.framedRowsOf(kCaption, l.titleHeight + 16, 60);  // room for three lines of a 250-character note
        l.caption = {.bold = true};
        l.value = {};
        l.footer = {.fill = Gold, .framed = true, .align = Qt::AlignCenter};
        return l;
    }();
    return look;
}

}  // namespace

namespace SchedaChiamata {

std::vector<CardRow> rows(const TRecordWindow& callWindow) {
    auto v = [&](const char* field) { return callWindow.fieldText(QLatin1String(field)); };
    return {
        {"Data chiamata:", v("Giorno") + QLatin1Char(' ') + v("Mese") + QLatin1Char(' ') + v("Anno"), "txtData"},
        {"Ora chiamata:", Formats::hhmm(v("Ore"), v("Minuti")), "txtOra"},
        {"Tipo chiamata:", v("Tipo"), "txtTipo"},
        {"Oggetto:", v("Oggetto"), "txtOggetto"},
        {"Esito:", v("Esito"), "txtEsito"},
        {"Grado soddisfazione:", v("Grado"), "txtGrado"},
        {"Durata:", v("Durata"), "txtDurata"},
        {"Cognome e nome cliente:", v("Cliente"), "txtCliente"},
        {"Codice fiscale:", v("CodFisc"), "txtCodFisc"},
        {"Zona di appartenenza:", v("Zona"), "txtZona"},
        {"Tel. preferenziale:", v("Recapito"), "txtRecapito"},
        {"Tel. cellulare:", v("TelCel"), "txtTelCel"},
        {"E-mail:", v("Email"), "txtEmail"},
        {"Note:", v("Note"), "txtNote"},
        {"Operatore / Agente:", v("Operatore"), "txtOperatore"},
    };
}

std::unique_ptr<TReport> build(const std::vector<CardRow>& rows) {
    return CardReport::build(look(), QStringLiteral("SCHEDA INFORMATIVA CHIAMATA"), rows);
}

}  // namespace SchedaChiamata
