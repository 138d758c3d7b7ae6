#pragma once
// The fields of a call ("Registro_Chiamate.pro", 1291 bytes a card): its
// date and time picked from lists and, worked out from them at each save,
// the date and the time the lists and exports show; then what the call was
// about and who the client is. Besides the call register, the client's call
// history reads them, so they live with the shared windows.
#include "archive/CardCatalogue.h"
#include "platform/Formats.h"

class CallFields final : public CardCatalogue {
public:
    static const CallFields& get();

    // The date and time are picked from their lists, never typed.
    const CardField Giorno = field("Giorno", 2,
                                   {.caption = "Giorno:",
                                    .kind = FieldKind::PickList,
                                    .control = "txtGiornoRit",
                                    .entries = Formats::twoDigitRange(1, 31),
                                    .width = 62});
    const CardField Mese = field("Mese", 10,
                                 {.caption = "Mese:",
                                  .kind = FieldKind::PickList,
                                  .control = "txtMeseRit",
                                  .entries = Formats::monthNames(),
                                  .width = 126,
                                  .findCaption = "Mese chiamata (in lettere):"});
    // Digits, as many as typed: a wrong year is told at save.
    const CardField Anno = field(
        "Anno", 4,
        {.caption = "Anno:", .rules = FieldKinds::DigitsOnly, .control = "lblAnnoRit", .width = 64, .limited = false});
    // The date "dd/mm/yyyy" and the time "hh:mm", composed at each save for
    // the lists and exports; on the window their captions head the groups of
    // the lists they are composed from.
    const CardField DataChiamata = field("DataChiamata", 10,
                                         {.caption = "Data chiamata:",
                                          .kind = FieldKind::Derived,
                                          .control = "lblDataRit",
                                          .findCaption = "Data chiamata (gg/mm/aaaa):",
                                          .value = FieldValue::Date});
    const CardField Ore = field("Ore", 2,
                                {.caption = "Ore:",
                                 .kind = FieldKind::PickList,
                                 .control = "txtOreRit",
                                 .entries = Formats::twoDigitRange(0, 23),
                                 .width = 62});
    const CardField Minuti = field("Minuti", 2,
                                   {.caption = "Minuti:",
                                    .kind = FieldKind::PickList,
                                    .control = "txtMinutiRit",
                                    .entries = Formats::twoDigitRange(0, 59),
                                    .width = 62});
    const CardField OraChiamata = field(
        "OraChiamata", 5,
        {.caption = "Ora chiamata:", .kind = FieldKind::Derived, .control = "lblOraRit", .value = FieldValue::Time});
    const CardField Tipo = field("Tipo", 20,
                                 {.caption = "Tipo chiamata:",
                                  .kind = FieldKind::PickList,
                                  .entries = {"In entrata", "In uscita"},
                                  .width = 150,
                                  .findCaption = "Tipo chiamata (in entrata / in uscita):"});
    const CardField Oggetto = field("Oggetto", 250, {.caption = "Oggetto:"});
    const CardField Esito = field("Esito", 250, {.caption = "Esito:"});
    const CardField Grado = field("Grado", 50, {.caption = "Grado soddisfazione:"});
    const CardField Durata = field("Durata", 50, {.caption = "Durata:"});
    const CardField Cliente = field("Cliente", 50, {.caption = "Cognome e nome cliente:"});
    const CardField CodFisc = field("CodFisc", 16, {.caption = "Codice fiscale:", .rules = FieldKinds::TrimmedUpper});
    const CardField Zona = field("Zona", 50, {.caption = "Zona di appartenenza:"});
    const CardField Recapito = field("Recapito", 50, {.caption = "Tel. preferenziale:"});
    const CardField TelCel = field("TelCel", 30, {.caption = "Tel. cellulare:"});
    const CardField Email = field("Email", 50,
                                  {.caption = "E-mail:",
                                   .rules = FieldKinds::Trimmed | FieldKinds::TrimmedOnExit,
                                   .exportHeader = "Indirizzo e-mail"});
    const CardField Note = field("Note", 250, {.caption = "Note:"});
    const CardField Operatore =
        field("Operatore", 120, {.caption = "Operatore / Agente:", .exportHeader = "Operatore o agente"});

private:
    CallFields();
};
