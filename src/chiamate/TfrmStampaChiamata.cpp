#include "chiamate/TfrmStampaChiamata.h"

#include "chiamate/SchedaChiamata.h"

namespace {
TCardPrintWindow::Builder card(std::vector<CardRow> rows) {
    return [rows = std::move(rows)] { return SchedaChiamata::build(rows); };
}
}  // namespace

TfrmStampaChiamata::TfrmStampaChiamata(QWidget* owner, std::vector<CardRow> rows)
    : TCardPrintWindow(owner,
                       {QStringLiteral("frmStampaChiamata"), QStringLiteral(" Stampa documento"),
                        QStringLiteral("Stampa"), QStringLiteral(":/img/btn/stampa.svg"),
                        QStringLiteral("Premere Stampa per stampare la scheda della chiamata visualizzata nel "
                                       "registro.")},
                       Output::Print, card(std::move(rows))) {}

TfrmAnteprimaChiamata::TfrmAnteprimaChiamata(QWidget* owner, std::vector<CardRow> rows)
    : TCardPrintWindow(owner,
                       {QStringLiteral("frmAnteprimaChiamata"), QStringLiteral(" Anteprima di stampa"),
                        QStringLiteral("Mostra anteprima"), QStringLiteral(":/img/btn/anteprima.svg"),
                        QStringLiteral("Premere Mostra anteprima per vedere come verr\u00E0 stampata la scheda della "
                                       "chiamata visualizzata nel registro.")},
                       Output::Preview, card(std::move(rows))) {}
