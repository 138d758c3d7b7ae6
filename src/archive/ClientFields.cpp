#include "archive/ClientFields.h"

const ClientFields& ClientFields::get() {
    static const ClientFields fields;
    return fields;
}

ClientFields::ClientFields() : CardCatalogue(QStringLiteral("TSchedaCliente")) { seal(); }

FieldTraits ClientFields::province() {
    return {.caption = "Prov.", .kind = FieldKind::UpperList, .entries = provinces(), .width = 64};
}
