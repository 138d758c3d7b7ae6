#pragma once
// The fields of a book ("Archivio_Libri.pro", 3150 bytes a card):
// twenty-two inputs, then the three attached files. The printed card words
// every field in its own capitals.
#include "archive/CardCatalogue.h"

class BookFields final : public CardCatalogue {
public:
    static const BookFields& get();

    // The archive of the cards, in the program folder.
    static inline const QString kArchive = QStringLiteral("Archivio_Libri.pro");

    // Shown under the section's banner: its caption is what a screen reader
    // says of it. The printed card's title.
    const CardField Titolo = field(
        "Titolo", 120,
        {.caption = "Titolo del libro", .required = needs("il titolo del libro."), .findCaption = "Titolo libro:"});
    const CardField Autore =
        field("Autore", 50, {.caption = "Autore:", .required = needs("l'autore del libro."), .printCaption = "AUTORE"});
    const CardField Nazione = field("Nazione", 50, {.caption = "Nazione:", .printCaption = "NAZIONE"});
    const CardField Anno = field("Anno", 20, {.caption = "Anno pubblicazione:", .printCaption = "ANNO PUBBLICAZIONE"});
    const CardField Editore = field("Editore", 50, {.caption = "Casa editrice:", .printCaption = "CASA EDITRICE"});
    const CardField Citta =
        field("Citta", 50, {.caption = "Citt\u00E0 pubblicazione:", .printCaption = "CITTA' PUBBLICAZIONE"});
    const CardField Dewey = field("Dewey", 12, {.caption = "Codice Dewey:", .printCaption = "CODICE DEWEY"});
    const CardField Genere = field("Genere", 50, {.caption = "Genere:", .printCaption = "GENERE"});
    const CardField ISBN = field("ISBN", 20, {.caption = "ISBN:", .printCaption = "ISBN"});
    const CardField Lingua = field("Lingua", 50, {.caption = "Lingua:", .printCaption = "LINGUA"});
    const CardField Originale =
        field("Originale", 120, {.caption = "Titolo originale:", .printCaption = "TITOLO ORIGINALE"});
    const CardField Traduttore = field("Traduttore", 50, {.caption = "Traduttore:", .printCaption = "TRADUTTORE"});
    const CardField Collana = field("Collana", 120, {.caption = "Collana:", .printCaption = "COLLANA"});
    const CardField Curatore = field("Curatore", 50, {.caption = "Curatore:", .printCaption = "CURATORE"});
    const CardField Posizione =
        field("Posizione", 120, {.caption = "Posizione su scaffale:", .printCaption = "POSIZIONE SU SCAFFALE"});
    const CardField Etichetta =
        field("Etichetta", 50, {.caption = "Codice su etichetta:", .printCaption = "CODICE SU ETICHETTA"});
    const CardField Formato = field("Formato", 50, {.caption = "Formato:", .printCaption = "FORMATO"});
    const CardField Volumi = field("Volumi", 50, {.caption = "Volumi:", .printCaption = "VOLUMI"});
    const CardField Pagine = field("Pagine", 20, {.caption = "Pagine:", .printCaption = "PAGINE"});
    const CardField Prezzo = field("Prezzo", 20, {.caption = "Prezzo:", .printCaption = "PREZZO"});
    const CardField Giudizio = field("Giudizio", 250, {.caption = "Giudizio:", .printCaption = "GIUDIZIO"});
    // Shown with a picture beside it: its caption is what a screen reader
    // says of it.
    const CardField Note = field("Note", 250, {.caption = "Note", .printCaption = "NOTE", .findCaption = "Note:"});
    const AttachmentFields Allegati = attachmentFields();

private:
    BookFields();
};
