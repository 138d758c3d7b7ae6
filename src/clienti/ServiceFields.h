#pragma once
// The fields of a service provided to a client ("Servizi_Cliente_<n>.pro",
// 117 bytes an entry).
#include "archive/CardCatalogue.h"

class ServiceFields final : public CardCatalogue {
public:
    static const ServiceFields& get();

    const CardField Data = field("Data", 10,
                                 {.caption = "Data:",
                                  .required = needs("la data in cui \u00E8 stato fornito il servizio."),
                                  .width = 110,
                                  .value = FieldValue::Date});
    const CardField Ora = field("Ora", 5,
                                {.caption = "Ora:",
                                 .required = needs("l'ora in cui \u00E8 stato fornito il servizio."),
                                 .width = 70,
                                 .value = FieldValue::Time});
    const CardField Servizi = field("Servizi", 54, {.caption = "Servizi:", .required = needs("i servizi forniti.")});
    const CardField Agente = field(
        "Agente", 28, {.caption = "Agente:", .required = needs("il nome dell'agente che ha fornito il servizio.")});
    const CardField Importo = field("Importo", 15,
                                    {.caption = "Importo: \u20AC",
                                     .kind = FieldKind::Amount,
                                     .required = needs("l'importo pagato dal cliente."),
                                     .width = 130});

private:
    ServiceFields();
};
