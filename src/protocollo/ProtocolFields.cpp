#include "protocollo/ProtocolFields.h"

const ProtocolFields& ProtocolFields::get() {
    static const ProtocolFields fields;
    return fields;
}

ProtocolFields::ProtocolFields() : CardCatalogue(QStringLiteral("TSchedaProtocollo")) { seal(); }
