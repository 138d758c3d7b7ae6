#include "clienti/ServiceFields.h"

const ServiceFields& ServiceFields::get() {
    static const ServiceFields fields;
    return fields;
}

ServiceFields::ServiceFields() : CardCatalogue(QStringLiteral("TVoceServizio")) { seal(); }
