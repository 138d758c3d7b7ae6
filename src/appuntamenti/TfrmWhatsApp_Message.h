#pragma once
// The WhatsApp reminder of an appointment: its date, time, client and
// cellphone, read-only, and the picture that opens the send page with the
// reminder written for the client.
#include "ui/Form.h"

class QLineEdit;
class QPushButton;
class TPictureButton;

// The appointment a reminder is for, as the agenda's list shows it.
struct Reminder {
    QString date;  // "dd/mm/yyyy"
    QString time;  // "hh:mm"
    QString client;
    QString cellphone;  // as typed on the card
};

class TfrmWhatsApp_Message : public TForm {
    Q_OBJECT
public:
    static inline const QString kTesto =
        QStringLiteral("Gentile Cliente, le ricordiamo l'appuntamento presso il nostro studio alle ore ");

    explicit TfrmWhatsApp_Message(QWidget* owner = nullptr);

    // Creates the window for one use owned by owner, shows it modally on the
    // appointment and frees it.
    static void open(QWidget* owner, const Reminder& reminder);

    void setReminder(const Reminder& reminder);

    // The message the client receives.
    static QString message(const QString& time, const QString& date);

public slots:
    void btnWhatsAppClick();
    void btnChiudiClick();

private:
    QLineEdit* txtData_;
    QLineEdit* txtOra_;
    QLineEdit* txtContatto_;
    QLineEdit* txtCel_;
    TPictureButton* btnWhatsApp_;
    QPushButton* btnChiudi_;
};
