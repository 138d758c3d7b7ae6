#include "clienti/ClientCard.h"

#include "archive/CardSheet.h"
#include "archive/ClientFields.h"
#include "archive/RecordWindow.h"

namespace {

const CardLook& look() {
    static const CardLook look = CardLooks::logoSheet();
    return look;
}

}  // namespace

namespace ClientCard {

std::vector<CardRow> rows(const TRecordWindow& window, Output output) {
    const ClientFields& f = ClientFields::get();
    const CardValues v = window.values();
    std::vector<CardRow> rows;
    auto add = [&](std::initializer_list<CardField> fields) {
        for (const CardField& field : fields) rows.push_back(CardSheet::row(v, field));
    };
    // A town with its province, as "Roma RM".
    auto town = [&](const CardField& name, const CardField& province) {
        rows.push_back({name.printCaption(), v[name] + QLatin1Char(' ') + v[province]});
    };
    add({f.Cliente, f.DataNasc});
    town(f.ComuneNasc, f.ProvNasc);
    add({f.Sesso, f.Recapito, f.IndirizzoRes});
    town(f.ComuneRes, f.ProvRes);
    add({f.Estremi, f.TelCasa, f.TelUff, f.TelCel, f.Fax, f.Email, f.CodFisc, f.PartitaIva});
    rows.push_back({f.Carta.printCaption(), "N. " + v[f.Carta] + "  -  Scadenza: " + v[f.ScadeCarta]});
    add({f.Iban, f.Documento, f.Occupazione, f.Titoli, f.Prodotti});
    // The PDF names the area in full, as the client finder does.
    rows.push_back({output == Output::Pdf ? f.Zona.findCaption() : f.Zona.printCaption(), v[f.Zona]});
    add({f.Questioni, f.Note});
    return rows;
}

std::unique_ptr<TReport> build(const TRecordWindow& window, Output output) {
    return CardReport::build(look(), QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"), rows(window, output));
}

}  // namespace ClientCard
