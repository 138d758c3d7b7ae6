#include "report/CardPrintWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <exception>

#include "ui/Messages.h"

TCardPrintWindow::TCardPrintWindow(QWidget* owner, const Texts& texts, Output output, Builder builder)
    : TForm(owner), output_(output), builder_(std::move(builder)), failure_(texts.failure) {
    setObjectName(texts.objectName);
    setWindowTitle(texts.caption);

    auto* img = new QSvgWidget(texts.picture, this);
    img->setObjectName(QStringLiteral("imgStampa"));
    img->setFixedSize(56, 56);
    auto* text = new QLabel(texts.prompt, this);
    text->setObjectName(QStringLiteral("lblTitolo"));
    text->setWordWrap(true);
    text->setFixedWidth(330);

    auto* go = go_ = new QPushButton(texts.button, this);
    go->setObjectName(QStringLiteral("btnStampa"));
    go->setDefault(true);
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton* b : {go, annulla}) b->setMinimumWidth(120);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 14);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(14);
    grid->addWidget(img, 0, 0, Qt::AlignTop);
    grid->addWidget(text, 0, 1, Qt::AlignVCenter);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch();
    buttons->addWidget(go);
    buttons->addWidget(annulla);
    grid->addLayout(buttons, 1, 0, 1, 2);

    connect(go, &QPushButton::clicked, this, &TCardPrintWindow::btnStampaClick);
    connect(annulla, &QPushButton::clicked, this, &TCardPrintWindow::btnAnnullaClick);
    const QSize size = grid->sizeHint();
    setFixedBorder(size.width(), size.height());
    centreOnScreen();
}

void TCardPrintWindow::FormShow() { go_->setFocus(); }

void TCardPrintWindow::btnStampaClick() {
    // The engine tells its own failures, unless the window has its own
    // warning; the window closes either way.
    bool failed = false;
    try {
        if (const std::unique_ptr<TReport> report = builder_ ? builder_() : nullptr) {
            report->setReportsErrors(failure_.isEmpty());
            report->prepare();
            const OutputResult r = output_ == Output::Print ? report->print(this) : report->preview(this);
            failed = r == OutputResult::Failed;
        }
    } catch (const std::exception&) {
        // A photo too large to lay out or paint.
        failed = true;
    }
    if (failed && !failure_.isEmpty()) Msg::warning(this, failure_);
    accept();
}

void TCardPrintWindow::btnAnnullaClick() { reject(); }
