#include "clienti/ClientCard.h"

#include "archive/RecordWindow.h"

namespace {

const QColor kDarkOrange(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);

const CardLook& look() {
    static const CardLook look = [] {
        CardLook l;
        l.reportName = QStringLiteral("repScheda");
        l.logoSize = QSizeF(170, 64);
        l.titleLeft = 180;
        l.titleTop = 8;
        l.titleHeight = 48;
        l.title = {.pointSize = 16, .color = Qt::white, .fill = kDarkOrange, .align = Qt::AlignCenter};
        l.headingRule = 74;
        l.rowsTop = 86;
        l.rowPitch = Report::mm(10);
        l.rowHeight = l.rowPitch - 5;
        l.captionWidth = 180;
        l.valueLeft = 190;
        l.caption = {.pointSize = 9, .color = Qt::white, .fill = kTeal};
        l.value = {};
        l.closingRule = true;
        l.shrinkValues = true;
        l.footer = {.color = Qt::white, .fill = kDarkOrange, .align = Qt::AlignCenter};
        return l;
    }();
    return look;
}

}  // namespace

namespace ClientCard {

std::vector<CardRow> rows(const TRecordWindow& window, Output output) {
    auto v = [&](const char* field) { return window.fieldText(QLatin1String(field)); };
    auto join = [](const QString& a, const QString& b) { return a + QLatin1Char(' ') + b; };
    return {
        {"Cognome e nome:", v("Cliente")},
        {"Data di nascita:", v("DataNasc")},
        {"Comune di nascita:", join(v("ComuneNasc"), v("ProvNasc"))},
        {"Sesso:", v("Sesso")},
        {"Tel. preferenziale:", v("Recapito")},
        {"Indirizzo di residenza:", v("IndirizzoRes")},
        {"Comune di residenza:", join(v("ComuneRes"), v("ProvRes"))},
        {"Modalit\u00E0 pagamento:", v("Estremi")},
        {"Tel. casa:", v("TelCasa")},
        {"Tel. ufficio:", v("TelUff")},
        {"Tel. cellulare:", v("TelCel")},
        {"PEC:", v("Fax")},
        {"E-mail:", v("Email")},
        {"Codice fiscale:", v("CodFisc")},
        {"Partita IVA:", v("PartitaIva")},
        {"Carta di credito:", "N. " + v("Carta") + "  -  Scadenza: " + v("ScadeCarta")},
        {"IBAN:", v("Iban")},
        {"Estremi documento:", v("Documento")},
        {"Occupazione:", v("Occupazione")},
        {"Titoli e qualifiche:", v("Titoli")},
        {"Prodotti e servizi:", v("Prodotti")},
        {output == Output::Pdf ? "Zona di appartenenza:" : "Zona:", v("Zona")},
        {"Questioni in sospeso:", v("Questioni")},
        {"Note:", v("Note")},
    };
}

std::unique_ptr<TReport> build(const TRecordWindow& window, Output output) {
    return CardReport::build(look(), QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"), rows(window, output));
}

}  // namespace ClientCard
