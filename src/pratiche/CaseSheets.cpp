#include "pratiche/CaseSheets.h"

#include <utility>

namespace CaseSheets {

std::vector<CardRow> caseRows(const CardValues& c) {
    auto v = [&](const char* field) { return c[QLatin1String(field)]; };
    std::vector<CardRow> rows = {
        {"Oggetto pratica:", v("Oggetto")},
        {"Tipologia:", v("Tipologia")},
        {"Protocollo n.", v("Protocollo")},
        {"Data apertura:", v("Apertura")},
        {"Data chiusura:", v("Chiusura")},
        {"Stato avanzamento:", v("Stato")},
        {"Documenti principali:", v("Documenti")},
        {"Uffici interessati:", v("Uffici")},
        {"Cliente:", v("Cliente")},
        {"Recapito preferenziale:", v("Recapito")},
        {"Via e numero civico:", v("IndirizzoRes")},
        {"Comune di residenza:", v("ComuneRes")},
        {"Provincia:", v("ProvRes")},
        {"CAP:", v("CapRes")},
        {"Codice fiscale:", v("CodFisc")},
        {"Partita IVA:", QStringLiteral("N. ") + v("PartitaIva")},
        {"Pagamenti saldati:", v("Saldati")},
        {"Pagamenti da effettuare:", v("Sospesi")},
        {"Note:", v("Note")},
    };
    // The full list has a printout of its own.
    for (int i = 0; i < 5; ++i)
        rows.push_back({QStringLiteral("Documento associato %1:").arg(i + 1), c[CaseDocuments::field(i)]});
    return rows;
}

std::unique_ptr<TReport> caseSheet(const CardValues& caseValues) {
    static const CardLook look = CardLooks::logoSheet();
    return CardReport::build(look, QStringLiteral("SCHEDA DETTAGLI PRATICA"), caseRows(caseValues));
}

std::vector<CardRow> documentRows(const CardValues& c, const CaseDocuments& documents) {
    // The case's field and its caption; the boxes are "tit" and "txt" + the field.
    static const std::pair<const char*, const char*> heads[] = {
        {"Oggetto", "Oggetto pratica:"}, {"Tipologia", "Tipologia:"},
        {"Protocollo", "Protocollo n."}, {"Apertura", "Data apertura:"},
        {"Stato", "Stato avanzamento:"}, {"Consulente", "Consulente o curatore:"},
        {"Cliente", "Cliente:"},         {"Recapito", "Recapito preferenziale:"},
    };
    std::vector<CardRow> rows;
    for (const auto& [field, caption] : heads)
        rows.push_back({QString::fromUtf8(caption), c[QLatin1String(field)],
                        QStringLiteral("txt") + QLatin1String(field), QStringLiteral("tit") + QLatin1String(field)});
    for (int i = 0; i < CaseDocuments::kEntries; ++i)
        rows.push_back({QStringLiteral("Documento %1:").arg(i + 1), documents.entries[size_t(i)],
                        QStringLiteral("txt") + CaseDocuments::field(i),
                        Report::numbered(QStringLiteral("titDocumento"), i + 1)});
    return rows;
}

std::unique_ptr<TReport> documentList(const CardValues& caseValues, const CaseDocuments& documents) {
    // Forty rows: 6 mm apart they fill the page down to the stamp.
    static const CardLook look = CardLooks::logoSheet(Report::mm(6));
    return CardReport::build(look, QStringLiteral("Elenco documenti associati a pratica"),
                             documentRows(caseValues, documents));
}

}  // namespace CaseSheets
