#pragma once
// The fields of an appointment ("Archivio_Appuntamenti.pro", 1265 bytes a
// card): when, who serves the client and what for, the client, the payment
// and whether the commitment is done. The card window is the only place a
// card is written; the agenda, the summaries, the find, the exports and the
// revenue summary read the same fields.
#include "archive/CardCatalogue.h"
#include "platform/Formats.h"

class AppointmentFields final : public CardCatalogue {
public:
    static const AppointmentFields& get();

    // Only ever filled from the date picker: always "dd/mm/yyyy", so that its
    // parts are cut by position.
    const CardField Data = field("Data", 10,
                                 {.caption = "Data appuntamento:",
                                  .kind = FieldKind::Date,
                                  .required = needs("la data dell'appuntamento."),
                                  .width = 110,
                                  .findCaption = "Data appuntamento (gg/mm/aaaa):"});
    const CardField OreApp =
        field("OreApp", 2,
              {.caption = "Ore:", .kind = FieldKind::PickList, .entries = Formats::twoDigitRange(0, 23), .width = 62});
    const CardField MinutiApp = field(
        "MinutiApp", 2,
        {.caption = "Minuti:", .kind = FieldKind::PickList, .entries = Formats::twoDigitRange(0, 59), .width = 62});
    // The hour and minutes whole, worked out at every save, for the lists.
    const CardField Ora = field(
        "Ora", 5,
        {.kind = FieldKind::Derived, .printCaption = "Ora:", .findCaption = "Ora (hh:mm):", .value = FieldValue::Time});
    const CardField Avviso = field("Avviso", 3,
                                   {.caption = "Giorni di preavviso:",
                                    .rules = FieldKinds::DigitsOnly,
                                    .required = needs("i giorni di preavviso rispetto alla data dell'appuntamento."),
                                    .width = 70});
    const CardField Tipologia = field("Tipologia", 50, {.caption = "Agente:"});
    const CardField Causale = field("Causale", 250,
                                    {.caption = "Servizi richiesti dal cliente:",
                                     .required = needs("i servizi richiesti dal cliente."),
                                     .printCaption = "Servizi richiesti:"});
    const CardField Dettagli = field("Dettagli", 250, {.caption = "Dettagli:"});
    const CardField Contatto = field("Contatto", 50,
                                     {.caption = "Cognome e nome:",
                                      .required = needs("il nome del cliente."),
                                      .printCaption = "Cliente:",
                                      .findCaption = "Cognome e nome cliente:"});
    const CardField Tel = field("Tel", 30, {.caption = "Telefono:"});
    const CardField Cel = field("Cel", 30,
                                {.caption = "Cellulare:",
                                 .rules = FieldKinds::DigitsOnly,
                                 .required = needs("il numero di cellulare del cliente.")});
    const CardField Email = field("Email", 50, {.caption = "E-mail:", .rules = FieldKinds::Trimmed});
    const CardField Luogo = field("Luogo", 250, {.caption = "Modalit\u00E0 di pagamento:"});
    const CardField Importo =
        field("Importo", 15, {.caption = "Importo:", .kind = FieldKind::Amount, .width = 140, .rightAligned = true});
    // On screen the notes' section carries the caption, with no colon.
    const CardField Note = field("Note", 250, {.caption = "Note", .printCaption = "Note:", .findCaption = "Note:"});
    const CardField Ottemperata =
        field("Ottemperata", 2,
              {.caption = "Impegno assolto",
               .kind = FieldKind::Flag,
               .hint = "Spunta questa casella per indicare che l'impegno \u00E8 stato assolto.",
               .printCaption = "Impegno assolto:"});

private:
    AppointmentFields();
};
