#include "chiamate/TfrmRiepChiamateOggi.h"

#include "archive/CallColumns.h"
#include "archive/CallFields.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"

TfrmRiepChiamateOggi::TfrmRiepChiamateOggi(QWidget* owner) : TExportWindow(owner) {
    setObjectName(QStringLiteral("frmRiepChiamateOggi"));
    FormCreate(CallColumns::summary(QStringLiteral(" Riepilogo chiamate di oggi"),
                                    QStringLiteral("Chiamate_Odierne.xls"), QStringLiteral("Chiamate di oggi"),
                                    kHelpTitle, [] {
                                        return [today = Formats::date(Clock::today())](const Record& call) {
                                            return Text::trim(call.get(CallFields::get().DataChiamata)) == today;
                                        };
                                    }));
}
