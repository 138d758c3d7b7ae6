#include "pratiche/TfrmDettagli.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/RecordWindow.h"
#include "platform/Text.h"
#include "pratiche/CaseFields.h"
#include "pratiche/CaseSheets.h"
#include "ui/Controls.h"
#include "ui/FocusMark.h"
#include "ui/KeyFilters.h"

namespace {
constexpr int kPerColumn = CaseDocuments::kEntries / 2;
}  // namespace

TfrmDettagli::TfrmDettagli(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmDettagli"));
    setWindowTitle(QStringLiteral(" Documenti associati alla pratica"));
    setStyleSheet(
        QStringLiteral("QLineEdit { background: #F0F8FF; border: 1px solid #87CEEB; padding: 2px; }"
                       "QLineEdit:focus { background: #FFFF00; }"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(12, 10, 12, 10);
    outer->setSpacing(8);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    QList<QWidget*> chain;
    for (int i = 0; i < CaseDocuments::kEntries; ++i) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("txt") + CaseFields::get().Doc[size_t(i)].name());
        // Entries as long as the case's fields hold.
        e->setMaxLength(CaseFields::get().Doc[size_t(i)].row().capacity);
        e->setMinimumWidth(330);
        auto* label = new QLabel(QString::number(i + 1) + QLatin1Char('.'), this);
        // Not "lblDoc..": those are the case window's own fields.
        label->setObjectName(QStringLiteral("lblRiga%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(e);
        e->setAccessibleName(QStringLiteral("Documento %1").arg(i + 1));
        // Two columns of sixteen, read down the first, then down the second.
        const int row = i % kPerColumn, column = (i / kPerColumn) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(e, row, column + 1);
        txtDoc_[size_t(i)] = e;
        chain << e;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(2, 34);
    outer->addLayout(grid);
    KeyFilters::enterChain(chain);
    for (QLineEdit* e : txtDoc_) TFocusMark::attach(e);

    auto* buttons = new QHBoxLayout;
    QPushButton* anteprima = Controls::pushButton(QStringLiteral("btnAnteprima"), QStringLiteral("Anteprima"), this);
    QPushButton* stampa = Controls::pushButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa"), this);
    QPushButton* chiudi = Controls::pushButton(QStringLiteral("btnChiudi"), QStringLiteral("Applica e chiudi"), this);
    QPushButton* annulla = Controls::pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    buttons->addWidget(anteprima);
    buttons->addWidget(stampa);
    buttons->addStretch(1);
    buttons->addWidget(chiudi);
    buttons->addWidget(annulla);
    outer->addLayout(buttons);
    connect(anteprima, &QPushButton::clicked, this, &TfrmDettagli::btnAnteprimaClick);
    connect(stampa, &QPushButton::clicked, this, &TfrmDettagli::btnStampaClick);
    connect(chiudi, &QPushButton::clicked, this, &TfrmDettagli::btnChiudiClick);
    connect(annulla, &QPushButton::clicked, this, &TfrmDettagli::btnAnnullaClick);

    const QSize size = sizeHint();
    setFixedBorder(size.width(), size.height());
    centreOnScreen();
    txtDoc_.front()->setFocus();
}

bool TfrmDettagli::editOn(TRecordWindow& caseWindow) {
    TfrmDettagli w(&caseWindow);
    w.setCase(caseWindow.values(), CaseDocuments::of(caseWindow));
    w.showModal();
    if (!w.applied()) return false;
    w.applied()->applyTo(caseWindow);
    return true;
}

void TfrmDettagli::setCase(const CardValues& caseValues, const CaseDocuments& documents) {
    case_ = caseValues;
    for (int i = 0; i < CaseDocuments::kEntries; ++i) {
        txtDoc_[size_t(i)]->setText(Text::trim(documents.entries[size_t(i)]));
        txtDoc_[size_t(i)]->setCursorPosition(0);
    }
}

CaseDocuments TfrmDettagli::documents() const {
    CaseDocuments d;
    for (int i = 0; i < CaseDocuments::kEntries; ++i) d.entries[size_t(i)] = Text::trim(txtDoc_[size_t(i)]->text());
    return d;
}

void TfrmDettagli::btnChiudiClick() {
    applied_ = documents();
    accept();
}

void TfrmDettagli::btnAnnullaClick() { reject(); }

// The entries as they stand, applied or not; the window stays open.
void TfrmDettagli::btnAnteprimaClick() { CaseSheets::documentList(case_, documents())->preview(this); }

void TfrmDettagli::btnStampaClick() { CaseSheets::documentList(case_, documents())->print(this); }
