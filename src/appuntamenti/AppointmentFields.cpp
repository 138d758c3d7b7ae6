#include "appuntamenti/AppointmentFields.h"

const AppointmentFields& AppointmentFields::get() {
    static const AppointmentFields fields;
    return fields;
}

AppointmentFields::AppointmentFields() : CardCatalogue(QStringLiteral("TSchedaAppuntamento")) { seal(); }
