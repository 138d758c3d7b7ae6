#include "dipendenti/WorkFields.h"

const WorkFields& WorkFields::get() {
    static const WorkFields fields;
    return fields;
}

WorkFields::WorkFields() : CardCatalogue(QStringLiteral("TVoceLavoro")) { seal(); }

QString WorkFields::archiveOf(int employeePosition) {
    return QStringLiteral("Archivio_Lavori/Lavori_Dipendente_%1.pro").arg(employeePosition);
}
