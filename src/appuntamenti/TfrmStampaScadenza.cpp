#include "appuntamenti/TfrmStampaScadenza.h"

#include "appuntamenti/SchedaAppuntamento.h"

namespace {
TCardPrintWindow::Builder card(std::vector<CardRow> rows) {
    return [rows = std::move(rows)] { return SchedaAppuntamento::build(rows); };
}
}  // namespace

TfrmStampaScadenza::TfrmStampaScadenza(QWidget* owner, std::vector<CardRow> rows)
    : TCardPrintWindow(owner,
                       {QStringLiteral("frmStampaScadenza"), QStringLiteral(" Stampa scheda"), QStringLiteral("Stampa"),
                        QStringLiteral(":/img/btn/stampa.svg"),
                        QStringLiteral("Premere Stampa per stampare la scheda dell'appuntamento visualizzata nello "
                                       "schedario.")},
                       Output::Print, card(std::move(rows))) {}

TfrmStartup::TfrmStartup(QWidget* owner, std::vector<CardRow> rows)
    : TCardPrintWindow(owner,
                       {QStringLiteral("frmStartup"), QStringLiteral(" Anteprima di stampa"),
                        QStringLiteral("Mostra anteprima"), QStringLiteral(":/img/btn/anteprima.svg"),
                        QStringLiteral("Premere Mostra anteprima per vedere come verr\u00E0 stampata la scheda "
                                       "dell'appuntamento visualizzata nello schedario.")},
                       Output::Preview, card(std::move(rows))) {}
