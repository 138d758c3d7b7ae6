#pragma once
// A case as another copy of the program saved it: a subject, the fields a
// saved case always has, and optionally a third document.
#include <QString>

#include "archive/Layouts.h"
#include "archive/RecordLayout.h"
#include "pratiche/CaseFields.h"

inline Record storedCase(const QString& subject, const QString& doc03 = {}) {
    Record r(CaseFields::get().layout());
    r.set("Oggetto", subject);
    r.set("Protocollo", "7/2024");
    r.set("Apertura", "10/10/2024");
    r.set("Cliente", "Verdi Giuseppe");
    r.set("Urgente", "No");
    r.set("Doc03", doc03);
    return r;
}
