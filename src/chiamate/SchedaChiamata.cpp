#include "chiamate/SchedaChiamata.h"

#include <QWidget>

#include "platform/Text.h"
#include "ui/Controls.h"

namespace {

const QColor LightSteelBlue(0xb0, 0xc4, 0xde);
const QColor Gold(0xff, 0xd7, 0x00);

struct Row {
    const char* caption;
    const char* memo;
};

const Row kRows[] = {
    {"Data chiamata:", "txtData"},
    {"Ora chiamata:", "txtOra"},
    {"Tipo chiamata:", "txtTipo"},
    {"Oggetto:", "txtOggetto"},
    {"Esito:", "txtEsito"},
    {"Grado soddisfazione:", "txtGrado"},
    {"Durata:", "txtDurata"},
    {"Cognome e nome cliente:", "txtCliente"},
    {"Codice fiscale:", "txtCodFisc"},
    {"Zona di appartenenza:", "txtZona"},
    {"Tel. preferenziale:", "txtRecapito"},
    {"Tel. cellulare:", "txtTelCel"},
    {"E-mail:", "txtEmail"},
    {"Note:", "txtNote"},
    {"Operatore / Agente:", "txtOperatore"},
};
constexpr int kRowCount = int(std::size(kRows));

// Report units (96 per inch) inside the 10 mm margins of the A4 page.
constexpr double kHeading = 52;
constexpr double kRowsTop = kHeading + 16;
constexpr double kRowHeight = 60;  // room for three lines of a 250-character note
constexpr double kCaption = 190;
constexpr double kFooter = 30;

}  // namespace

namespace SchedaChiamata {

std::unique_ptr<TReport> create() {
    auto rep = std::make_unique<TReport>(QStringLiteral("repDocumento"), ReportKind::Card);
    rep->setDocumentInfo(QStringLiteral("Scheda chiamata"), QStringLiteral("Scheda informativa"));
    TReportPage& page = *rep->page(1);
    page.setOrientation(QPageLayout::Portrait);
    page.setMargins(10);
    const double w = page.width();

    page.addMemo(QStringLiteral("titScheda"), 0, 0, w, kHeading)
        .font(QStringLiteral("Arial"), 16, true)
        .fill(LightSteelBlue)
        .frame(Qt::black, 1)
        .align(Qt::AlignCenter)
        .setText(QStringLiteral("SCHEDA INFORMATIVA CHIAMATA"));
    for (int i = 0; i < kRowCount; ++i) {
        const double y = kRowsTop + i * kRowHeight;
        page.addRectangle(Report::numbered(QStringLiteral("shpRiga"), i + 1), 0, y, w, kRowHeight).frame(Qt::black, 1);
        page.addMemo(Report::numbered(QStringLiteral("titCampo"), i + 1), 4, y, kCaption - 8, kRowHeight)
            .font(QStringLiteral("Arial"), 10, true)
            .align(Qt::AlignLeft | Qt::AlignVCenter)
            .setText(QString::fromUtf8(kRows[i].caption));
        page.addMemo(QLatin1String(kRows[i].memo), kCaption + 6, y + 2, w - kCaption - 10, kRowHeight - 4)
            .font(QStringLiteral("Arial"), 10)
            .align(Qt::AlignLeft | Qt::AlignVCenter)
            .wordWrap(true);
    }
    page.addLine(QStringLiteral("linVerticale"), kCaption, kRowsTop, 0, kRowCount * kRowHeight);
    page.addMemo(QStringLiteral("txtCalce"), 0, page.height() - kFooter, w, kFooter)
        .font(QStringLiteral("Arial"), 10)
        .fill(Gold)
        .frame(Qt::black, 1)
        .align(Qt::AlignCenter)
        .setText(QStringLiteral("Data e ora stampa"));
    return rep;
}

void fill(TReport& report, const QWidget* callWindow) {
    auto value = [callWindow](const char* control) {
        const QWidget* c = callWindow ? callWindow->findChild<QWidget*>(QLatin1String(control)) : nullptr;
        return c ? Text::trim(Controls::text(c)) : QString();
    };
    report.page(1)->setOrientation(QPageLayout::Portrait);
    report.findMemo(QStringLiteral("txtData"))
        ->setText(value("txtGiornoRit") + QLatin1Char(' ') + value("txtMeseRit") + QLatin1Char(' ') +
                  value("lblAnnoRit"));
    report.findMemo(QStringLiteral("txtOra"))->setText(value("txtOreRit") + QLatin1Char(':') + value("txtMinutiRit"));
    for (const char* name : {"txtTipo", "txtOggetto", "txtEsito", "txtGrado", "txtDurata", "txtCliente", "txtCodFisc",
                             "txtZona", "txtRecapito", "txtTelCel", "txtEmail", "txtNote", "txtOperatore"})
        report.findMemo(QLatin1String(name))->setText(value(name));
    report.findMemo(QStringLiteral("txtCalce"))->setText(Report::printStamp());
}

}  // namespace SchedaChiamata
