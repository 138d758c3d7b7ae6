#include "protocollo/TfrmNumerazione.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/IniFile.h"
#include "protocollo/ProtocolSettings.h"
#include "ui/Controls.h"
#include "ui/FocusMark.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"

namespace {

const QString kMsgImpostazioni = QStringLiteral(
    "Attenzione: il sistema non permette di salvare le impostazioni della numerazione.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

}  // namespace

TfrmNumerazione::TfrmNumerazione(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmNumerazione"));
    setWindowTitle(QStringLiteral(" Impostazione inizio numerazione"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 12, 14, 12);
    outer->setSpacing(10);
    auto* group = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    group->setObjectName(QStringLiteral("grpInizio"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setContentsMargins(12, 8, 12, 10);
    groupLayout->setSpacing(10);
    txtInizio_ = new QLineEdit(group);
    txtInizio_->setObjectName(QStringLiteral("txtInizio"));
    txtInizio_->setAccessibleName(QStringLiteral("Numero iniziale"));
    txtInizio_->setMaxLength(5);
    txtInizio_->setFixedWidth(90);
    KeyFilters::digitsOnly(txtInizio_);
    TFocusMark::attach(txtInizio_);
    txtInizio_->installEventFilter(this);
    groupLayout->addWidget(txtInizio_);
    chkTipo_ = new QCheckBox(QStringLiteral("Indica l'anno solare dopo il numero progressivo del documento"), group);
    chkTipo_->setObjectName(QStringLiteral("chkTipo"));
    groupLayout->addWidget(chkTipo_);
    outer->addWidget(group);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnApplica_ = Controls::pushButton(QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), this);
    QPushButton* annulla = Controls::pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    for (QPushButton* b : {btnApplica_, annulla}) {
        b->setMinimumWidth(120);
        buttons->addWidget(b);
    }
    outer->addLayout(buttons);
    // Only the protocol window opens it.
    Controls::hiddenLabel(QStringLiteral("lblMemory"), this)->setText(QStringLiteral("protocollo"));

    KeyFilters::enterTo(txtInizio_, btnApplica_);
    connect(btnApplica_, &QPushButton::clicked, this, &TfrmNumerazione::btnApplicaClick);
    connect(annulla, &QPushButton::clicked, this, &TfrmNumerazione::btnAnnullaClick);
    const QSize size = outer->sizeHint();
    setFixedBorder(qMax(size.width(), 460), size.height());
    centreOnScreen();
}

bool TfrmNumerazione::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtInizio_ && event->type() == QEvent::FocusOut) txtInizioExit();
    return TForm::eventFilter(watched, event);
}

void TfrmNumerazione::FormShow() {
    ProtocolSettings::Numbering n;
    try {
        n = ProtocolSettings::numbering();
    } catch (const IniError&) {
        // An unreadable settings file shows the defaults.
    }
    txtInizio_->setText(n.start);
    chkTipo_->setChecked(n.withYear);
    if (txtInizio_->text().trimmed().isEmpty()) txtInizio_->setText(QStringLiteral("1"));
    txtInizio_->setFocus(Qt::OtherFocusReason);
}

void TfrmNumerazione::txtInizioExit() { txtInizio_->setText(ProtocolSettings::normalisedStart(txtInizio_->text())); }

void TfrmNumerazione::btnApplicaClick() {
    // A click that took no focus from the field still stores its rule's text.
    txtInizioExit();
    try {
        ProtocolSettings::setNumbering({txtInizio_->text(), chkTipo_->isChecked()});
    } catch (const IniError&) {
        Msg::warning(this, kMsgImpostazioni);
        return;
    }
    accept();
}

void TfrmNumerazione::btnAnnullaClick() { reject(); }
