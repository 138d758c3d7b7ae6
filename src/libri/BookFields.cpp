#include "libri/BookFields.h"

const BookFields& BookFields::get() {
    static const BookFields fields;
    return fields;
}

BookFields::BookFields() : CardCatalogue(QStringLiteral("TSchedaLibro")) { seal(); }
