#include "pratiche/CaseSheets.h"

#include <utility>

#include "archive/CardSheet.h"
#include "pratiche/CaseFields.h"

namespace CaseSheets {

std::vector<CardRow> caseRows(const CardValues& c) {
    const CaseFields& f = CaseFields::get();
    std::vector<CardRow> rows = CardSheet::rows(
        c, {f.Oggetto, f.Tipologia, f.Protocollo, f.Apertura, f.Chiusura, f.Stato, f.Documenti, f.Uffici, f.Cliente,
            f.Recapito, f.IndirizzoRes, f.ComuneRes, f.ProvRes, f.CapRes, f.CodFisc});
    rows.push_back({f.PartitaIva.printCaption(), QStringLiteral("N. ") + c[f.PartitaIva]});
    for (const CardRow& r : CardSheet::rows(c, {f.Saldati, f.Sospesi, f.Note})) rows.push_back(r);
    // The full list has a printout of its own.
    for (int i = 0; i < 5; ++i)
        rows.push_back({QStringLiteral("Documento associato %1:").arg(i + 1), c[f.Doc[size_t(i)]]});
    return rows;
}

std::unique_ptr<TReport> caseSheet(const CardValues& caseValues) {
    static const CardLook look = CardLooks::logoSheet();
    return CardReport::build(look, QStringLiteral("SCHEDA DETTAGLI PRATICA"), caseRows(caseValues));
}

std::vector<CardRow> documentRows(const CardValues& c, const CaseDocuments& documents) {
    // The case's heading; the boxes are "tit" and "txt" + the field.
    const CaseFields& f = CaseFields::get();
    std::vector<CardRow> rows;
    for (const CardField& field :
         {f.Oggetto, f.Tipologia, f.Protocollo, f.Apertura, f.Stato, f.Consulente, f.Cliente, f.Recapito}) {
        CardRow row = CardSheet::row(c, field);
        row.memo = QStringLiteral("txt") + field.name();
        row.captionMemo = QStringLiteral("tit") + field.name();
        rows.push_back(row);
    }
    for (int i = 0; i < CaseDocuments::kEntries; ++i)
        rows.push_back({QStringLiteral("Documento %1:").arg(i + 1), documents.entries[size_t(i)],
                        QStringLiteral("txt") + f.Doc[size_t(i)].name(),
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
