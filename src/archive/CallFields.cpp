#include "archive/CallFields.h"

const CallFields& CallFields::get() {
    static const CallFields fields;
    return fields;
}

CallFields::CallFields() : CardCatalogue(QStringLiteral("TSchedaChiamata")) { seal(); }
