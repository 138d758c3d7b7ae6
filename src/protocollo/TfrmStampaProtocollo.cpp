#include "protocollo/TfrmStampaProtocollo.h"

#include "protocollo/SchedaProtocollo.h"

TfrmStampaProtocollo::TfrmStampaProtocollo(QWidget* owner, std::vector<CardRow> rows)
    : TCardPrintWindow(owner,
                       {QStringLiteral("frmStampaProtocollo"), QStringLiteral(" Stampa scheda"),
                        QStringLiteral("Stampa"), QStringLiteral(":/img/btn/stampa.svg"),
                        QStringLiteral("Premere Stampa per stampare la scheda del documento protocollato "
                                       "visualizzata nel registro.")},
                       Output::Print, [rows = std::move(rows)] { return SchedaProtocollo::build(rows); }) {}
