#include "appuntamenti/TfrmWhatsApp_Message.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "appuntamenti/AppointmentFields.h"
#include "appuntamenti/WhatsApp.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/PictureButton.h"

namespace {

// A card's field shown read-only under its caption, named after the field.
QLineEdit* readOnlyField(QGridLayout* grid, int row, int column, int span, const CardField& field,
                         const QString& caption, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("txt") + field.name());
    e->setAccessibleName(caption.chopped(1));  // without its colon
    e->setReadOnly(true);
    Controls::addLabeled(grid, row, column, span, caption, e);
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
    const AppointmentFields& f = AppointmentFields::get();
    txtData_ = readOnlyField(grid, 0, 0, 1, f.Data, f.Data.caption(), this);
    txtOra_ = readOnlyField(grid, 0, 1, 1, f.Ora, QStringLiteral("Ora appuntamento:"), this);
    txtContatto_ = readOnlyField(grid, 1, 0, 2, f.Contatto, f.Contatto.caption(), this);
    txtCel_ = readOnlyField(grid, 2, 0, 2, f.Cel, f.Cel.caption(), this);
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
