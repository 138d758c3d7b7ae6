#include "clienti/ClientCard.h"

#include <QColor>

#include "clienti/TfrmClienti.h"
#include "report/ReportObjects.h"

namespace {

const QColor kDarkOrange(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);
constexpr int kRows = 24;

}  // namespace

namespace ClientCard {

std::unique_ptr<TReport> create() {
    auto rep = std::make_unique<TReport>(QStringLiteral("repScheda"), ReportKind::Card);
    TReportPage& page = *rep->page(1);
    const double w = page.width();
    const double h = page.height();
    page.addPicture("imgLogo", 0, 0, 170, 64).load(QStringLiteral(":/img/report/logo.svg"));
    page.addMemo("txtTitolo", 180, 8, w - 180, 48)
        .font("Arial", 16)
        .textColor(Qt::white)
        .fill(kDarkOrange)
        .align(Qt::AlignCenter);
    page.addLine("linSepara01", 0, 74, w, 0);
    const double top = 86;
    const double pitch = Report::mm(10);
    for (int i = 1; i <= kRows; ++i) {
        const double y = top + (i - 1) * pitch;
        page.addMemo(Report::numbered("titCampo", i), 0, y, 180, pitch - 5)
            .font("Arial", 9)
            .textColor(Qt::white)
            .fill(kTeal)
            .align(Qt::AlignLeft | Qt::AlignVCenter);
        page.addMemo(Report::numbered("txtCampo", i), 190, y, w - 190, pitch - 5)
            .font("Arial", 10)
            .align(Qt::AlignLeft | Qt::AlignVCenter);
    }
    page.addLine("linSepara02", 0, top + kRows * pitch + 2, w, 0);
    page.addMemo("txtCalce", 0, h - 30, w, 30)
        .font("Arial", 10)
        .textColor(Qt::white)
        .fill(kDarkOrange)
        .align(Qt::AlignCenter);
    return rep;
}

void fill(TReport& report, const TfrmClienti& window, Output output) {
    report.page(1)->setOrientation(QPageLayout::Portrait);
    auto v = [&](const char* field) { return window.fieldText(QLatin1String(field)); };
    auto join = [](const QString& a, const QString& b) { return a + QLatin1Char(' ') + b; };
    const std::pair<QString, QString> rows[kRows] = {
        {"Cognome e nome:", v("Cliente")},
        {"Data di nascita:", v("DataNasc")},
        {"Comune di nascita:", join(v("ComuneNasc"), v("ProvNasc"))},
        {"Sesso:", v("Sesso")},
        {"Tel. preferenziale:", v("Recapito")},
        {"Indirizzo di residenza:", v("IndirizzoRes")},
        {"Comune di residenza:", join(v("ComuneRes"), v("ProvRes"))},
        {"Modalit\u00E0 pagamento:", v("Estremi")},
        {"Tel. casa:", v("TelCasa")},
        {"Tel. ufficio:", v("TelUff")},
        {"Tel. cellulare:", v("TelCel")},
        {"PEC:", v("Fax")},
        {"E-mail:", v("Email")},
        {"Codice fiscale:", v("CodFisc")},
        {"Partita IVA:", v("PartitaIva")},
        {"Carta di credito:", "N. " + v("Carta") + "  -  Scadenza: " + v("ScadeCarta")},
        {"IBAN:", v("Iban")},
        {"Estremi documento:", v("Documento")},
        {"Occupazione:", v("Occupazione")},
        {"Titoli e qualifiche:", v("Titoli")},
        {"Prodotti e servizi:", v("Prodotti")},
        {output == Output::Pdf ? "Zona di appartenenza:" : "Zona:", v("Zona")},
        {"Questioni in sospeso:", v("Questioni")},
        {"Note:", v("Note")},
    };
    report.findMemo("txtTitolo")->setText(QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"));
    for (int i = 0; i < kRows; ++i) {
        report.findMemo(Report::numbered("titCampo", i + 1))->setText(rows[i].first);
        TMemo* value = report.findMemo(Report::numbered("txtCampo", i + 1));
        value->font(value->fontFamily(), 10);
        value->setText(rows[i].second);
        // A long note gets a smaller letter rather than losing its end.
        while (value->printedLines().size() * value->pitch() > value->height() && value->pointSize() > 6)
            value->font(value->fontFamily(), value->pointSize() - 1);
    }
    report.findMemo("txtCalce")->setText(Report::printStamp());
}

}  // namespace ClientCard
