#include "chiamate/TfrmStampaChiamata.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>

#include "chiamate/SchedaChiamata.h"
#include "report/Report.h"

TCallPrintWindow::TCallPrintWindow(QWidget* owner, std::vector<CardRow> rows, const QString& objectName,
                                   const QString& caption, const QString& button, const QString& picture,
                                   const QString& prompt, Output output)
    : TForm(owner), output_(output), rows_(std::move(rows)) {
    setObjectName(objectName);
    setWindowTitle(caption);

    auto* img = new QSvgWidget(picture, this);
    img->setObjectName(QStringLiteral("imgStampa"));
    img->setFixedSize(56, 56);
    auto* text = new QLabel(prompt, this);
    text->setObjectName(QStringLiteral("lblTitolo"));
    text->setWordWrap(true);
    text->setFixedWidth(330);

    auto* stampa = new QPushButton(button, this);
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

    connect(stampa, &QPushButton::clicked, this, &TCallPrintWindow::btnStampaClick);
    connect(annulla, &QPushButton::clicked, this, &TCallPrintWindow::btnAnnullaClick);
    const QSize size = grid->sizeHint();
    setFixedBorder(size.width(), size.height());
    centreOnScreen();
}

void TCallPrintWindow::FormShow() {
    if (auto* b = findChild<QPushButton*>(QStringLiteral("btnStampa"))) b->setFocus();
}

void TCallPrintWindow::btnStampaClick() {
    // The engine tells its own failures; the window closes either way.
    const std::unique_ptr<TReport> repDocumento = SchedaChiamata::build(rows_);
    repDocumento->prepare();
    if (output_ == Output::Print) repDocumento->print(this);
    else repDocumento->preview(this);
    accept();
}

void TCallPrintWindow::btnAnnullaClick() { reject(); }

TfrmStampaChiamata::TfrmStampaChiamata(QWidget* owner, std::vector<CardRow> rows)
    : TCallPrintWindow(owner, std::move(rows), QStringLiteral("frmStampaChiamata"),
                       QStringLiteral(" Stampa documento"), QStringLiteral("Stampa"),
                       QStringLiteral(":/img/btn/stampa.svg"),
                       QStringLiteral("Premere Stampa per stampare la scheda della chiamata visualizzata nel "
                                      "registro."),
                       Output::Print) {}

TfrmAnteprimaChiamata::TfrmAnteprimaChiamata(QWidget* owner, std::vector<CardRow> rows)
    : TCallPrintWindow(owner, std::move(rows), QStringLiteral("frmAnteprimaChiamata"),
                       QStringLiteral(" Anteprima di stampa"), QStringLiteral("Mostra anteprima"),
                       QStringLiteral(":/img/btn/anteprima.svg"),
                       QStringLiteral("Premere Mostra anteprima per vedere come verr\u00E0 stampata la scheda della "
                                      "chiamata visualizzata nel registro."),
                       Output::Preview) {}
