#include "dipendenti/WorkFields.h"

const WorkFields& WorkFields::get() {
    static const WorkFields fields;
    return fields;
}

WorkFields::WorkFields() : CardCatalogue(QStringLiteral("TVoceLavoro")) { seal(); }
