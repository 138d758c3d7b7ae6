#pragma once
// The fields of a case ("Pratiche.pro", 5075 bytes a card): twenty inputs
// and the urgency flag, then, carried unseen, the detailed list of 32
// documents and the three attached files.
#include "archive/CardCatalogue.h"

class CaseFields final : public CardCatalogue {
public:
    static const CaseFields& get();

    const CardField Oggetto =
        field("Oggetto", 250, {.caption = "Oggetto pratica:", .required = needs("l'oggetto della pratica.")});
    const CardField Tipologia = field("Tipologia", 50, {.caption = "Tipologia:"});
    const CardField Protocollo = field(
        "Protocollo", 30, {.caption = "Protocollo n.", .required = needs("il numero di protocollo della pratica.")});
    const CardField Apertura = field("Apertura", 10,
                                     {.caption = "Data apertura:",
                                      .required = needs("la data di apertura della pratica."),
                                      .findCaption = "Data apertura (gg/mm/aaaa):",
                                      .value = FieldValue::Date});
    const CardField Chiusura = field("Chiusura", 10, {.caption = "Data chiusura:", .value = FieldValue::Date});
    // Five states offered; any other text is stored as typed.
    const CardField Stato =
        field("Stato", 30,
              {.caption = "Stato avanzamento:",
               .kind = FieldKind::TypedList,
               .entries = {"Aperta", "In lavorazione", "Sospesa", "Non saldata", "Chiusa e saldata"}});
    const CardField Documenti = field("Documenti", 250, {.caption = "Documenti principali:"});
    const CardField Uffici = field("Uffici", 250, {.caption = "Uffici interessati:"});
    const CardField Consulente = field("Consulente", 50, {.caption = "Consulente o curatore:"});
    const CardField Cliente = field("Cliente", 50, {.caption = "Cliente:", .required = needs("il nome del cliente.")});
    const CardField Recapito = field("Recapito", 50, {.caption = "Recapito preferenziale:"});
    const CardField IndirizzoRes =
        field("IndirizzoRes", 50, {.caption = "Via / Piazza e numero civico:", .printCaption = "Via e numero civico:"});
    const CardField ComuneRes = field("ComuneRes", 50, {.caption = "Comune di residenza:"});
    const CardField ProvRes = field("ProvRes", 2,
                                    {.caption = "Prov.",
                                     .kind = FieldKind::UpperList,
                                     .entries = provinces(),
                                     .width = 64,
                                     .printCaption = "Provincia:",
                                     .exportHeader = "Prov."});
    const CardField CapRes = field("CapRes", 5, {.caption = "CAP:"});
    const CardField CodFisc = field("CodFisc", 16, {.caption = "Codice fiscale:", .rules = FieldKinds::TrimmedUpper});
    const CardField PartitaIva = field("PartitaIva", 11, {.caption = "Partita IVA:", .rules = FieldKinds::DigitsOnly});
    const CardField Saldati = field("Saldati", 250, {.caption = "Pagamenti saldati:"});
    const CardField Sospesi = field("Sospesi", 250, {.caption = "Pagamenti da effettuare:"});
    const CardField Note = field("Note", 250, {.caption = "Note:"});
    const CardField Urgente =
        field("Urgente", 2,
              {.caption = "Pratica urgente", .kind = FieldKind::Flag, .hint = "Contrassegna la pratica come urgente."});
    // The detailed list of documents, edited in a window of its own.
    const std::array<CardField, 32> Doc = numbered<32>("Doc", 50, {.kind = FieldKind::Hidden});
    const AttachmentFields Allegati = attachmentFields();

private:
    CaseFields();
};
