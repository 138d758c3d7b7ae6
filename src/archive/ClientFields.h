#pragma once
// The fields of a client ("Contatti.pro", 3372 bytes a card). Besides the
// client window, the client finder and every card that imports a client's
// data (calls, cases, appointments) read them, so they live with the shared
// windows rather than in the client app.
#include "archive/CardCatalogue.h"

class ClientFields final : public CardCatalogue {
public:
    static const ClientFields& get();

    const CardField Cliente =
        field("Cliente", 50, {.caption = "Cognome e nome:", .required = needs("il nome del cliente.")});
    const CardField DataNasc = field("DataNasc", 30, {.caption = "Data di nascita:", .value = FieldValue::Date});
    const CardField ComuneNasc = field("ComuneNasc", 50, {.caption = "Comune di nascita:"});
    const CardField ProvNasc = field("ProvNasc", 2, province());
    const CardField Sesso = field("Sesso", 1, {.caption = "Sesso:", .rules = FieldKinds::Upper, .width = 40});
    const CardField Recapito = field("Recapito", 50, {.caption = "Tel. preferenziale:"});
    const CardField IndirizzoRes =
        field("IndirizzoRes", 50,
              {.caption = "Residente in Via / Piazza e numero civico:", .printCaption = "Indirizzo di residenza:"});
    const CardField ProvRes = field("ProvRes", 2, province());
    const CardField ComuneRes = field("ComuneRes", 50, {.caption = "Comune di residenza:"});
    const CardField CapRes = field("CapRes", 5, {.caption = "CAP:", .rules = FieldKinds::UpperOnRelease});
    const CardField Estremi = field("Estremi", 250,
                                    {.caption = "Modalit\u00E0 di pagamento:",
                                     .printCaption = "Modalit\u00E0 pagamento:",
                                     .exportHeader = "Modalit\u00E0 di pagamento"});
    const CardField TelCasa = field("TelCasa", 30, {.caption = "Tel. casa:"});
    const CardField TelUff = field("TelUff", 30, {.caption = "Tel. ufficio:"});
    const CardField TelCel = field("TelCel", 30,
                                   {.caption = "Tel. cellulare:",
                                    .rules = FieldKinds::DigitsOnly,
                                    .required = needs("il numero di cellulare del cliente.")});
    const CardField Fax = field("Fax", 30, {.caption = "PEC:", .rules = FieldKinds::Trimmed});
    const CardField Email =
        field("Email", 50, {.caption = "E-mail:", .rules = FieldKinds::Trimmed | FieldKinds::TrimmedOnExit});
    const CardField CodFisc = field("CodFisc", 16,
                                    {.caption = "Codice fiscale:",
                                     .rules = FieldKinds::TrimmedUpper,
                                     .required = needs("il codice fiscale del cliente.")});
    const CardField Carta = field("Carta", 30,
                                  {.caption = "Carta di credito n.",
                                   .rules = FieldKinds::DigitsOnly,
                                   .printCaption = "Carta di credito:",
                                   .exportHeader = "Carta di credito n."});
    const CardField ScadeCarta = field("ScadeCarta", 30, {.caption = "Scadenza:"});
    const CardField PartitaIva = field("PartitaIva", 11, {.caption = "Partita IVA:", .rules = FieldKinds::DigitsOnly});
    const CardField Iban = field("Iban", 27, {.caption = "IBAN:", .rules = FieldKinds::TrimmedUpper});
    const CardField Documento = field("Documento", 120, {.caption = "Estremi documento:"});
    const CardField Occupazione = field("Occupazione", 50, {.caption = "Occupazione:"});
    const CardField Civile = field("Civile", 50, {.caption = "Stato civile:"});
    const CardField Titoli = field("Titoli", 120, {.caption = "Titoli e qualifiche:"});
    const CardField Prodotti = field("Prodotti", 120,
                                     {.caption = "Prodotti o servizi di interesse:",
                                      .printCaption = "Prodotti e servizi:",
                                      .findCaption = "Prodotti e servizi di interesse:",
                                      .exportHeader = "Prodotti e servizi di interesse"});
    const CardField Zona = field("Zona", 50, {.caption = "Zona:", .findCaption = "Zona di appartenenza:"});
    const CardField Questioni = field("Questioni", 250, {.caption = "Questioni in sospeso:"});
    const CardField Note = field("Note", 250, {.caption = "Note:"});
    const CardField Ricontatta =
        field("Ricontatta", 2,
              {.caption = "Da ricontattare",
               .kind = FieldKind::Flag,
               .hint = "Annota che il cliente \u00E8 da ricontattare per questioni in sospeso."});
    const AttachmentFields Allegati = attachmentFields();

private:
    ClientFields();
    // Free typing, always upper case; no province until one is chosen or typed.
    static FieldTraits province();
};
