#pragma once
// The fields of a protocol document ("<year>.prt", 3403 bytes a card): the
// number, the kind of mail and the registration, the document, who sends and
// who receives it, the file name of its digital copy, then the three
// attached files, carried unseen.
#include "archive/CardCatalogue.h"

class ProtocolFields final : public CardCatalogue {
public:
    static const ProtocolFields& get();

    const CardField Numero = field("Numero", 16,
                                   {.caption = "N. protocollo:",
                                    .required = needs("il numero di protocollo del documento."),
                                    .printCaption = "Protocollo n.",
                                    .exportHeader = "N. protocollo"});
    // One of the entries, picked by option buttons the window makes; not printed.
    const CardField Tipo = field("Tipo", 20,
                                 {.caption = "Tipologia posta:",
                                  .kind = FieldKind::Choice,
                                  .entries = {"In entrata", "In uscita", "Interna"},
                                  .findCaption = "Tipologia posta (in entrata, in uscita, interna):"});
    const CardField DataReg =
        field("DataReg", 10,
              {.caption = "Data registrazione:",
               .kind = FieldKind::Date,
               .required = needs("la data di registrazione del documento."),
               .width = 110,
               .picker = "datareg",
               .hint = "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.",
               .findCaption = "Data registrazione (gg/mm/aaaa):"});
    const CardField Ufficio = field("Ufficio", 50, {.caption = "Ufficio:"});
    const CardField Operatore = field("Operatore", 50, {.caption = "Operatore:"});
    const CardField Categoria =
        field("Categoria", 50, {.caption = "Categoria:", .required = needs("la categoria del documento.")});
    const CardField Collocazione = field("Collocazione", 120,
                                         {.caption = "Collocazione documento cartaceo:",
                                          .printCaption = "Collocazione cartaceo:",
                                          .exportHeader = "Collocazione documento cartaceo"});
    const CardField Oggetto =
        field("Oggetto", 250, {.caption = "Oggetto:", .required = needs("l'oggetto del documento.")});
    // Typed freely; a spreadsheet reads them as the dates they mostly are.
    const CardField DataSpe = field("DataSpe", 10, {.caption = "Data spedizione:", .value = FieldValue::Date});
    const CardField DataRic = field("DataRic", 10, {.caption = "Data ricezione:", .value = FieldValue::Date});
    const CardField Formato = field("Formato", 50, {.caption = "Formato:"});
    const CardField Pagine = field("Pagine", 12, {.caption = "N. pagine:"});
    const CardField Riferimenti = field("Riferimenti", 250, {.caption = "Riferimenti:"});
    const CardField Note = field("Note", 250, {.caption = "Note:"});
    const CardField Mittente = field("Mittente", 120, {.caption = "Mittente:"});
    const CardField RecapitoMit =
        field("RecapitoMit", 120, {.caption = "Recapito:", .printCaption = "Recapito mittente:"});
    const CardField Destinatario = field("Destinatario", 120, {.caption = "Destinatario:"});
    const CardField RecapitoDes =
        field("RecapitoDes", 120, {.caption = "Recapito:", .printCaption = "Recapito destinatario:"});
    // The file name, without its folder, of the digital copy in the attached
    // documents' folder; neither printed nor exported.
    const CardField Copia = field("Copia", 250, {.caption = "Copia digitale documento:"});
    const AttachmentFields Allegati = attachmentFields();

private:
    ProtocolFields();
};
