#include "clienti/ClientCard.h"

#include "archive/RecordWindow.h"

namespace {

const CardLook& look() {
    static const CardLook look = CardLooks::logoSheet();
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
