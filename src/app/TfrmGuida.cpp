#include "app/TfrmGuida.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/HelpTopics.h"
#include "platform/ProgramFolder.h"
#include "ui/Desktop.h"
#include "ui/Link.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"

TfrmGuida::TfrmGuida(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));

    lblTitolo = new QLabel(this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setGeometry(20, 14, 640, 30);
    QFont big = lblTitolo->font();
    big.setPixelSize(20);
    big.setBold(true);
    lblTitolo->setFont(big);
    lblTitolo->setStyleSheet(QStringLiteral("color: #1f4e6e;"));

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setGeometry(20, 52, 640, 418);
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QFont body = txtGuida->font();
    body.setPixelSize(14);
    txtGuida->setFont(body);
    txtGuida->setAccessibleName(QStringLiteral("Testo della guida"));

    auto* imgPDF = new TPictureButton(QStringLiteral("imgPDF"), QStringLiteral(":/img/btn/pdf.svg"),
                                      QStringLiteral("Guida in PDF"), QStringLiteral("Visualizza guida in formato PDF"),
                                      this, QSize(36, 36));
    imgPDF->setIconSize(QSize(32, 32));
    imgPDF->move(18, 482);
    lnkWeb = new TLink(QStringLiteral("lnkWeb"), QStringLiteral("Visualizza guida in formato PDF"), this);
    lnkWeb->setGeometry(60, 488, 300, 24);
    lnkWeb->addPicture(imgPDF);
    connect(lnkWeb, &TLink::clicked, this, &TfrmGuida::lnkWebClick);

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(570, 484, 90, 30);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmGuida::btnChiudiClick);

    setFixedBorder(680, 530);
}

void TfrmGuida::setTopic(const QString& title, const QString& text) {
    lblTitolo->setText(title);
    txtGuida->setPlainText(Msg::displayText(text));
    txtGuida->moveCursor(QTextCursor::Start);
}

void TfrmGuida::lnkWebClick() {
    Desktop::open(this,
                  QStringLiteral("\"") + ProgramFolder::delivered(QStringLiteral("Guida.pdf")) + QStringLiteral("\""));
}

void TfrmGuida::btnChiudiClick() { close(); }

void TfrmGuida::open(QWidget* owner, const QString& title) {
    auto* w = new TfrmGuida(owner);
    const std::optional<HelpTopic> topic = HelpTopics::find(title);
    w->setTopic(title, topic ? topic->text() : QString());
    w->showModal();
    delete w;
}
