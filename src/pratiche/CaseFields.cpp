#include "pratiche/CaseFields.h"

const CaseFields& CaseFields::get() {
    static const CaseFields fields;
    return fields;
}

CaseFields::CaseFields() : CardCatalogue(QStringLiteral("TSchedaPratica")) { seal(); }
