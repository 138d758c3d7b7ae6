#pragma once
// The fields of a piece of work done by an employee
// ("Archivio_Lavori/Lavori_Dipendente_<n>.pro", 149 bytes an entry).
#include "archive/CardCatalogue.h"

class WorkFields final : public CardCatalogue {
public:
    static const WorkFields& get();

    const CardField Data = field("Data", 10,
                                 {.caption = "Data:",
                                  .required = needs("la data in cui l'attivit\u00E0 \u00E8 stata svolta."),
                                  .width = 110,
                                  .value = FieldValue::Date});
    const CardField Attivita =
        field("Attivita", 50,
              {.caption = "Attivit\u00E0 svolta:", .required = needs("la tipologia di attivit\u00E0 svolta.")});
    const CardField Luogo = field(
        "Luogo", 28, {.caption = "Luogo:", .required = needs("il luogo in cui l'attivit\u00E0 \u00E8 stata svolta.")});
    const CardField Orario =
        field("Orario", 28,
              {.caption = "Orario:", .required = needs("l'orario in cui l'attivit\u00E0 \u00E8 stata svolta.")});
    const CardField TotOre = field("TotOre", 28,
                                   {.caption = "Totale ore:",
                                    .required = needs("la durata totale in ore dell'attivit\u00E0 svolta."),
                                    .width = 150});

private:
    WorkFields();
};
