#include "dipendenti/EmployeeFields.h"

const EmployeeFields& EmployeeFields::get() {
    static const EmployeeFields fields;
    return fields;
}

EmployeeFields::EmployeeFields() : CardCatalogue(QStringLiteral("TSchedaDipendente")) { seal(); }
