#include "appuntamenti/TfrmWhatsApp_Message.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "appuntamenti/WhatsApp.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/PictureButton.h"

namespace {

QLineEdit* readOnlyField(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setAccessibleName(accessibleName);
    e->setReadOnly(true);
    return e;
}

}  // namespace

TfrmWhatsApp_Message::TfrmWhatsApp_Message(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmWhatsApp_Message"));
    setWindowTitle(QStringLiteral(" Invio messaggio di WhatsApp"));
    setStyleSheet(
        QStringLiteral("TfrmWhatsApp_Message { background: #eef4f9; }"
                       "QLineEdit[readOnly=\"true\"] { background: white; }"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 12, 14, 12);
    outer->setSpacing(10);

    auto* intro = new QLabel(QStringLiteral("Promemoria dell'appuntamento da inviare al cliente:"), this);
    intro->setStyleSheet(QStringLiteral("font-weight: bold; color: #2f6f9f;"));
    outer->addWidget(intro);

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    txtData_ = readOnlyField(QStringLiteral("txtData"), QStringLiteral("Data appuntamento"), this);
    txtOra_ = readOnlyField(QStringLiteral("txtOra"), QStringLiteral("Ora appuntamento"), this);
    txtContatto_ = readOnlyField(QStringLiteral("txtContatto"), QStringLiteral("Cognome e nome"), this);
    txtCel_ = readOnlyField(QStringLiteral("txtCel"), QStringLiteral("Cellulare"), this);
    Controls::addLabeled(grid, 0, 0, 1, QStringLiteral("Data appuntamento:"), txtData_);
    Controls::addLabeled(grid, 0, 1, 1, QStringLiteral("Ora appuntamento:"), txtOra_);
    Controls::addLabeled(grid, 1, 0, 2, QStringLiteral("Cognome e nome:"), txtContatto_);
    Controls::addLabeled(grid, 2, 0, 2, QStringLiteral("Cellulare:"), txtCel_);
    body->addLayout(grid, 1);

    btnWhatsApp_ =
        new TPictureButton(QStringLiteral("btnWhatsApp"), QStringLiteral(":/img/btn/whatsapp.svg"),
                           QStringLiteral("Invia il promemoria con WhatsApp"),
                           QStringLiteral("Invia al cliente il promemoria dell'appuntamento."), this, QSize(72, 72));
    btnWhatsApp_->setFocusPolicy(Qt::StrongFocus);
    body->addWidget(btnWhatsApp_, 0, Qt::AlignVCenter);
    outer->addLayout(body);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnChiudi_ = Controls::pushButton(QStringLiteral("btnChiudi"), QStringLiteral("Annulla"), this);
    buttons->addWidget(btnChiudi_);
    outer->addLayout(buttons);

    connect(btnWhatsApp_, &QAbstractButton::clicked, this, &TfrmWhatsApp_Message::btnWhatsAppClick);
    connect(btnChiudi_, &QAbstractButton::clicked, this, &TfrmWhatsApp_Message::btnChiudiClick);

    const QSize size = sizeHint().expandedTo(QSize(460, 0));
    setFixedBorder(size.width(), size.height());
    btnWhatsApp_->setFocus();
}

void TfrmWhatsApp_Message::open(QWidget* owner, const Reminder& reminder) {
    TfrmWhatsApp_Message w(owner);
    w.setReminder(reminder);
    w.showModal();
}

void TfrmWhatsApp_Message::setReminder(const Reminder& reminder) {
    txtData_->setText(reminder.date);
    txtOra_->setText(reminder.time);
    txtContatto_->setText(reminder.client);
    txtCel_->setText(reminder.cellphone);
    txtContatto_->setCursorPosition(0);
}

QString TfrmWhatsApp_Message::message(const QString& time, const QString& date) {
    return kTesto + Text::trim(time) + QStringLiteral(" del giorno ") + Text::trim(date);
}

void TfrmWhatsApp_Message::btnWhatsAppClick() {
    WhatsApp::open(this, Text::trim(txtCel_->text()), message(txtOra_->text(), txtData_->text()));
    close();
}

void TfrmWhatsApp_Message::btnChiudiClick() { close(); }
