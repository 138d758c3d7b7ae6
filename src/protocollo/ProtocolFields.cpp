#include "protocollo/ProtocolFields.h"

const ProtocolFields& ProtocolFields::get() {
    static const ProtocolFields fields;
    return fields;
}

ProtocolFields::ProtocolFields() : CardCatalogue(QStringLiteral("TSchedaProtocollo")) {
    // The kind of mail is asked for last, after the typed fields.
    askRequiredIn({Numero, DataReg, Categoria, Oggetto, Tipo});
    seal();
}
