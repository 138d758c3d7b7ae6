#include "protocollo/SchedaProtocollo.h"

#include "archive/CardSheet.h"
#include "protocollo/ProtocolFields.h"

namespace {

const QColor Lavender(0xe6, 0xe6, 0xfa);

// Report units (96 per inch) inside the 10 mm margins of the A4 page.
const CardLook& look() {
    static const CardLook look = [] {
        constexpr double kCaption = 170;
        CardLook l;
        l.reportName = QStringLiteral("repProtocollo");
        l.documentTitle = QStringLiteral("Scheda Protocollo");
        l.titleMemo = QStringLiteral("titScheda");
        l.titleHeight = 36;
        l.title = {.pointSize = 9, .bold = true, .fill = Lavender, .framed = true, .align = Qt::AlignCenter};
        l.framedRowsOf(kCaption, l.titleHeight + 14, 54);  // room for three lines of a 250-character subject
        l.caption = {.pointSize = 7, .bold = true};
        l.value = {.pointSize = 7};
        l.shrinkValues = true;
        l.footerHeight = 24;
        l.footer = {.pointSize = 8, .align = Qt::AlignCenter};
        return l;
    }();
    return look;
}

}  // namespace

namespace SchedaProtocollo {

std::vector<CardRow> rows(const CardValues& c) {
    const ProtocolFields& f = ProtocolFields::get();
    std::vector<CardRow> rows;
    for (const CardField& field :
         {f.Numero, f.DataReg, f.Ufficio, f.Operatore, f.Categoria, f.Collocazione, f.Oggetto, f.DataSpe, f.DataRic,
          f.Formato, f.Riferimenti, f.Mittente, f.RecapitoMit, f.Destinatario, f.RecapitoDes, f.Note}) {
        CardRow row = CardSheet::row(c, field);
        row.memo = QStringLiteral("txt") + field.name();  // each value box is named after its field
        // The number of pages shares the format's row.
        if (field == f.Formato)
            row.value += QStringLiteral("  -  ") + f.Pagine.printCaption() + QLatin1Char(' ') + c[f.Pagine];
        rows.push_back(row);
    }
    return rows;
}

std::unique_ptr<TReport> build(const std::vector<CardRow>& rows) { return CardReport::build(look(), kTitolo, rows); }

}  // namespace SchedaProtocollo
