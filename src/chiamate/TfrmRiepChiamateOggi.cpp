#include "chiamate/TfrmRiepChiamateOggi.h"

#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"

TfrmRiepChiamateOggi::TfrmRiepChiamateOggi(QWidget* owner)
    : TCallSummary(owner, QStringLiteral(" Riepilogo chiamate di oggi"), QStringLiteral("Chiamate_Odierne.xls"),
                   QStringLiteral("Chiamate di oggi"), kHelpTitle) {
    setObjectName(QStringLiteral("frmRiepChiamateOggi"));
}

TCallSummary::Selection TfrmRiepChiamateOggi::selection() const {
    return [today = Formats::date(Clock::today())](const Record& call) {
        return Text::trim(call.get(QStringLiteral("DataChiamata"))) == today;
    };
}
