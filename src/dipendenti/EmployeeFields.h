#pragma once
// The fields of an employee ("Archivio_Dipendenti.pro", 3356 bytes a card):
// twenty-five inputs, then the three attached files. The printed card
// words every field in its own capitals.
#include "archive/CardCatalogue.h"

class EmployeeFields final : public CardCatalogue {
public:
    static const EmployeeFields& get();

    // The archive of the cards, in the program folder.
    static inline const QString kArchive = QStringLiteral("Archivio_Dipendenti.pro");

    // The printed card's title.
    const CardField Dipendente =
        field("Dipendente", 50, {.caption = "Cognome e nome:", .required = needs("cognome e nome del dipendente.")});
    const CardField Sesso = field("Sesso", 1,
                                  {.caption = "Sesso:",
                                   .rules = FieldKinds::TrimmedUpper,
                                   .required = needs("il sesso del dipendente (M o F)."),
                                   .printCaption = "SESSO"});
    const CardField DataNasc = field("DataNasc", 10,
                                     {.caption = "Data nascita:",
                                      .printCaption = "DATA DI NASCITA",
                                      .findCaption = "Data di nascita (gg/mm/aaaa):"});
    const CardField Cittadinanza =
        field("Cittadinanza", 50, {.caption = "Cittadinanza:", .printCaption = "CITTADINANZA"});
    const CardField LuogoNasc =
        field("LuogoNasc", 50,
              {.caption = "Luogo nascita:", .printCaption = "LUOGO DI NASCITA", .findCaption = "Luogo di nascita:"});
    const CardField Indirizzo =
        field("Indirizzo", 120, {.caption = "Indirizzo residenza:", .printCaption = "INDIRIZZO"});
    const CardField Citta = field("Citta", 50, {.caption = "Citt\u00E0:", .printCaption = "CITTA'"});
    const CardField Cap = field("Cap", 10, {.caption = "CAP:", .printCaption = "CAP"});
    const CardField Nazione = field("Nazione", 50, {.caption = "Nazione:", .printCaption = "NAZIONE"});
    const CardField CodFisc =
        field("CodFisc", 16,
              {.caption = "Codice fiscale:", .rules = FieldKinds::TrimmedUpper, .printCaption = "CODICE FISCALE"});
    const CardField Civile = field("Civile", 50, {.caption = "Stato civile:", .printCaption = "STATO CIVILE"});
    const CardField PartitaIva = field(
        "PartitaIva", 11, {.caption = "Partita IVA:", .rules = FieldKinds::DigitsOnly, .printCaption = "PARTITA IVA"});
    const CardField Studio = field("Studio", 120, {.caption = "Titolo di studio:", .printCaption = "TITOLO DI STUDIO"});
    const CardField Lingue =
        field("Lingue", 120, {.caption = "Lingue conosciute:", .printCaption = "LINGUE CONOSCIUTE"});
    const CardField Email =
        field("Email", 50, {.caption = "E-mail:", .rules = FieldKinds::Trimmed, .printCaption = "E-MAIL"});
    const CardField Tel = field("Tel", 30, {.caption = "Tel. casa:", .printCaption = "TEL. CASA"});
    const CardField Cel = field("Cel", 30,
                                {.caption = "Tel. cellulare:",
                                 .rules = FieldKinds::DigitsOnly,
                                 .required = needs("il numero di cellulare dal dipendente."),
                                 .printCaption = "TEL. CELLULARE"});
    const CardField Qualifica = field(
        "Qualifica", 50,
        {.caption = "Qualifica:", .required = needs("la qualifica dal dipendente."), .printCaption = "QUALIFICA"});
    const CardField Reparto =
        field("Reparto", 50,
              {.caption = "Reparto:", .required = needs("il reparto del dipendente."), .printCaption = "REPARTO"});
    const CardField Disponibilita =
        field("Disponibilita", 120, {.caption = "Disponibilit\u00E0:", .printCaption = "DISPONIBILITA'"});
    const CardField Mansioni = field("Mansioni", 250, {.caption = "Mansioni:", .printCaption = "MANSIONI"});
    const CardField Iban =
        field("Iban", 27, {.caption = "IBAN:", .rules = FieldKinds::TrimmedUpper, .printCaption = "IBAN"});
    const CardField DataAss = field("DataAss", 10, {.caption = "Data assunzione:", .printCaption = "DATA ASSUNZIONE"});
    const CardField Retribuzione =
        field("Retribuzione", 250, {.caption = "Retribuzione:", .printCaption = "RETRIBUZIONE"});
    const CardField Note = field("Note", 250, {.caption = "Note:", .printCaption = "NOTE"});
    const AttachmentFields Allegati = attachmentFields();

private:
    EmployeeFields();
};
