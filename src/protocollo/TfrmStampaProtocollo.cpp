#include "protocollo/TfrmStampaProtocollo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>

#include "protocollo/SchedaProtocollo.h"
#include "report/Report.h"

TfrmStampaProtocollo::TfrmStampaProtocollo(QWidget* owner, std::vector<CardRow> rows)
    : TForm(owner), rows_(std::move(rows)) {
    setObjectName(QStringLiteral("frmStampaProtocollo"));
    setWindowTitle(QStringLiteral(" Stampa scheda"));

    auto* img = new QSvgWidget(QStringLiteral(":/img/btn/stampa.svg"), this);
    img->setObjectName(QStringLiteral("imgStampa"));
    img->setFixedSize(56, 56);
    auto* text = new QLabel(QStringLiteral("Premere Stampa per stampare la scheda del documento protocollato "
                                           "visualizzata nel registro."),
                            this);
    text->setObjectName(QStringLiteral("lblTitolo"));
    text->setWordWrap(true);
    text->setFixedWidth(330);

    auto* stampa = new QPushButton(QStringLiteral("Stampa"), this);
    stampa->setObjectName(QStringLiteral("btnStampa"));
    stampa->setDefault(true);
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton* b : {stampa, annulla}) b->setMinimumWidth(120);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 14);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(14);
    grid->addWidget(img, 0, 0, Qt::AlignTop);
    grid->addWidget(text, 0, 1, Qt::AlignVCenter);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch();
    buttons->addWidget(stampa);
    buttons->addWidget(annulla);
    grid->addLayout(buttons, 1, 0, 1, 2);

    connect(stampa, &QPushButton::clicked, this, &TfrmStampaProtocollo::btnStampaClick);
    connect(annulla, &QPushButton::clicked, this, &TfrmStampaProtocollo::btnAnnullaClick);
    const QSize size = grid->sizeHint();
    setFixedBorder(size.width(), size.height());
    centreOnScreen();
}

void TfrmStampaProtocollo::FormShow() {
    if (auto* b = findChild<QPushButton*>(QStringLiteral("btnStampa"))) b->setFocus();
}

void TfrmStampaProtocollo::btnStampaClick() {
    // The engine tells its own failures; the window closes either way.
    const std::unique_ptr<TReport> rep = SchedaProtocollo::build(rows_);
    rep->prepare();
    rep->print(this);
    accept();
}

void TfrmStampaProtocollo::btnAnnullaClick() { reject(); }
