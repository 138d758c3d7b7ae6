#include "appuntamenti/SchedaAppuntamento.h"

#include "appuntamenti/AppointmentFields.h"
#include "archive/TestoCorto.h"
#include "platform/Formats.h"

namespace {

// Report units (96 per inch) inside the 10 mm margins of the A4 page.
const CardLook& look() {
    static const CardLook look = [] {
        constexpr double kCaption = 150;
        CardLook l;
        l.reportName = QStringLiteral("repScheda");
        l.documentTitle = QStringLiteral("Scheda Appuntamento");
        l.titleHeight = 34;
        l.title = {
            .pointSize = 9, .bold = true, .fill = QColor(0xdc, 0xe8, 0xf2), .framed = true, .align = Qt::AlignCenter};
        l.framedRowsOf(kCaption, l.titleHeight + 12, 54);  // room for three lines of a 250-character text
        l.caption = {.pointSize = 7, .bold = true};
        l.value = {.pointSize = 7};
        l.footerHeight = 26;
        l.footer = {.pointSize = 8, .fill = QColor(0xdc, 0xe8, 0xf2), .framed = true, .align = Qt::AlignCenter};
        return l;
    }();
    return look;
}

}  // namespace

namespace SchedaAppuntamento {

std::vector<CardRow> rows(const CardValues& card) {
    const AppointmentFields& f = AppointmentFields::get();
    auto row = [&](const CardField& field, const QString& value) {
        return CardRow{field.printCaption(), value, QStringLiteral("txt") + field.name()};
    };
    std::vector<CardRow> out;
    for (const CardField& field : {f.Data, f.Ora, f.Tipologia, f.Causale, f.Dettagli, f.Contatto, f.Tel, f.Cel, f.Email,
                                   f.Luogo, f.Importo, f.Note})
        // The time as it stands on screen, not as the last save worked it out.
        out.push_back(row(field, field == f.Ora ? Formats::hhmm(card[f.OreApp], card[f.MinutiApp]) : card[field]));
    out.push_back(row(f.Ottemperata, card[f.Ottemperata] == Flag::Si ? Flag::Si : Flag::No));
    return out;
}

std::unique_ptr<TReport> build(const std::vector<CardRow>& rows) {
    return CardReport::build(look(), QStringLiteral("SCHEDA APPUNTAMENTO"), rows);
}

}  // namespace SchedaAppuntamento
