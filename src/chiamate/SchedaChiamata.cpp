#include "chiamate/SchedaChiamata.h"

#include "archive/CallFields.h"
#include "archive/CardSheet.h"
#include "archive/RecordWindow.h"
#include "platform/Formats.h"

namespace {

const QColor LightSteelBlue(0xb0, 0xc4, 0xde);
const QColor Gold(0xff, 0xd7, 0x00);

// Report units (96 per inch) inside the 10 mm margins of the A4 page.
const CardLook& look() {
    static const CardLook look = [] {
        constexpr double kCaption = 190;
        CardLook l;
        l.reportName = QStringLiteral("repDocumento");
        l.documentTitle = QStringLiteral("Scheda chiamata");
        l.titleMemo = QStringLiteral("titScheda");
        l.titleHeight = 52;
        l.title = {.pointSize = 16, .bold = true, .fill = LightSteelBlue, .framed = true, .align = Qt::AlignCenter};
        l.framedRowsOf(kCaption, l.titleHeight + 16, 60);  // room for three lines of a 250-character note
        l.caption = {.bold = true};
        l.value = {};
        l.footer = {.fill = Gold, .framed = true, .align = Qt::AlignCenter};
        return l;
    }();
    return look;
}

}  // namespace

namespace SchedaChiamata {

std::vector<CardRow> rows(const TRecordWindow& callWindow) {
    const CallFields& f = CallFields::get();
    const CardValues v = callWindow.values();
    // The date and time as the lists show them, not as last saved.
    std::vector<CardRow> rows = {
        {f.DataChiamata.printCaption(), v[f.Giorno] + QLatin1Char(' ') + v[f.Mese] + QLatin1Char(' ') + v[f.Anno],
         "txtData"},
        {f.OraChiamata.printCaption(), Formats::hhmm(v[f.Ore], v[f.Minuti]), "txtOra"},
    };
    // Each value's box is "txt" + its field.
    for (const CardField& field : {f.Tipo, f.Oggetto, f.Esito, f.Grado, f.Durata, f.Cliente, f.CodFisc, f.Zona,
                                   f.Recapito, f.TelCel, f.Email, f.Note, f.Operatore}) {
        CardRow row = CardSheet::row(v, field);
        row.memo = QStringLiteral("txt") + field.name();
        rows.push_back(row);
    }
    return rows;
}

std::unique_ptr<TReport> build(const std::vector<CardRow>& rows) {
    return CardReport::build(look(), QStringLiteral("SCHEDA INFORMATIVA CHIAMATA"), rows);
}

}  // namespace SchedaChiamata
