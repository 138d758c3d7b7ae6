#include "protocollo/TfrmMenuProtocollo.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "archive/DateRules.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"
#include "protocollo/TfrmProtocollo.h"
#include "ui/Controls.h"
#include "ui/FocusMark.h"
#include "ui/Help.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"

TfrmMenuProtocollo::TfrmMenuProtocollo(QWidget* owner) : TAppWindow(owner) {
    setObjectName(QStringLiteral("frmMenuProtocollo"));
    setWindowTitle(QStringLiteral(" Plenaro - Protocollo Posta"));
    setStyleSheet(QStringLiteral("TfrmMenuProtocollo { background: #eef4f9; }"));

    auto* picture = new QSvgWidget(QStringLiteral(":/img/avvio/protocollo.svg"), this);
    picture->setObjectName(QStringLiteral("imgProtocollo"));
    picture->setFixedSize(96, 96);
    auto* text = new QLabel(QStringLiteral("In questo ambiente \u00E8 possibile protocollare i documenti interni e la "
                                           "posta in entrata e in uscita."),
                            this);
    text->setObjectName(QStringLiteral("lblTesto"));
    text->setWordWrap(true);
    text->setStyleSheet(QStringLiteral("font-size: 11pt; color: #1f3f5f;"));

    auto* group = new QGroupBox(QStringLiteral("Archivio protocollo documenti:"), this);
    group->setObjectName(QStringLiteral("grpArchivio"));
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(12, 10, 12, 10);
    row->setSpacing(8);
    auto* label = new QLabel(QStringLiteral("Anno:"), group);
    txtAnno_ = new QLineEdit(group);
    txtAnno_->setObjectName(QStringLiteral("txtAnnoPreventivi"));
    txtAnno_->setMaxLength(4);
    txtAnno_->setFixedWidth(70);
    label->setBuddy(txtAnno_);
    KeyFilters::digitsOnly(txtAnno_);
    TFocusMark::attach(txtAnno_);
    QPushButton* apri = Controls::pushButton(QStringLiteral("btnApriPreventivi"), QStringLiteral("Apri"), group);
    apri->setMinimumWidth(100);
    KeyFilters::enterTo(txtAnno_, apri);
    row->addWidget(label);
    row->addWidget(txtAnno_);
    row->addWidget(apri);
    row->addStretch(1);

    auto* guida = new TPictureButton(QStringLiteral("imgGuida"), QStringLiteral(":/img/btn/guida.svg"),
                                     QStringLiteral("Guida"), QStringLiteral("Visualizza la guida in linea."), this);
    auto* esci = new TPictureButton(QStringLiteral("imgEsci"), QStringLiteral(":/img/btn/esci.svg"),
                                    QStringLiteral("Esci"), QStringLiteral("Torna alla finestra di avvio."), this);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 16, 18, 14);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(14);
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(text, 0, 1);
    grid->addWidget(group, 1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(guida);
    bottom->addWidget(esci);
    grid->addLayout(bottom, 2, 0, 1, 2);
    lblMemory_ = Controls::hiddenLabel(QStringLiteral("lblMemory"), this);

    connect(apri, &QPushButton::clicked, this, &TfrmMenuProtocollo::btnApriPreventiviClick);
    connect(guida, &QAbstractButton::clicked, this, &TfrmMenuProtocollo::imgGuidaClick);
    connect(esci, &QAbstractButton::clicked, this, &TfrmMenuProtocollo::imgEsciClick);
    setFixedBorder(560, qMax(250, grid->sizeHint().height()));
}

void TfrmMenuProtocollo::FormShow() {
    centreOnScreen();
    opened_ = false;
    lblMemory_->setText(QStringLiteral("avvio"));
    txtAnno_->setText(Formats::year(Clock::today().year()));
    txtAnno_->setFocus(Qt::OtherFocusReason);
    txtAnno_->selectAll();
}

void TfrmMenuProtocollo::btnApriPreventiviClick() {
    if (const std::optional<DateRules::Refused> r = DateRules::year(txtAnno_->text())) {
        Msg::of(this, r->kind, r->text);
        txtAnno_->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (protocollo_) protocollo_()->openYear(Text::trim(txtAnno_->text()));
    opened_ = true;
    lblMemory_->setText(QStringLiteral("protocollo"));
    close();
}

void TfrmMenuProtocollo::FormClose() {
    if (opened_ && protocollo_)
        protocollo_()->showApp();
    else
        TAppWindow::FormClose();
}

void TfrmMenuProtocollo::imgGuidaClick() { Help::open(this, TfrmProtocollo::kHelpTitle); }

void TfrmMenuProtocollo::imgEsciClick() { close(); }
