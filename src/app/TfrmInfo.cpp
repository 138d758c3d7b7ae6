#include "app/TfrmInfo.h"

#include <QLabel>
#include <QPushButton>

#include "app/Publisher.h"
#include "ui/Desktop.h"
#include "ui/Link.h"
#include "ui/PictureButton.h"
#include "ui/Resources.h"

namespace {

QLabel* artwork(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(0, 0, 625, 380);
    l->setPixmap(svgPixmap(QStringLiteral(":/img/avvio/splash.svg"), QSize(625, 380), parent->devicePixelRatioF()));
    return l;
}

QPushButton* closeButton(QWidget* parent, int y) {
    auto* b = new QPushButton(QStringLiteral("Chiudi"), parent);
    b->setObjectName(QStringLiteral("btnChiudi"));
    b->setGeometry(521, y, 90, 30);
    return b;
}

TLink* link(QWidget* parent, const QString& text, const QString& picture, const QString& pictureName,
            const QString& hint, int y) {
    auto* img = new TPictureButton(pictureName, picture, text, hint, parent, QSize(36, 36));
    img->setIconSize(QSize(32, 32));
    img->move(14, y - 3);
    auto* l = new TLink(QStringLiteral("lnkWeb"), text, parent);
    l->setGeometry(56, y, 380, 30);
    l->setToolTip(hint);
    l->addPicture(img);
    return l;
}

}  // namespace

// ---------------------------------------------------------------------------

TfrmInfo::TfrmInfo(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Plenaro"));
    artwork(this, QStringLiteral("icoLogo"));

    auto* about = new QLabel(this);
    about->setObjectName(QStringLiteral("lblInfo"));
    about->setGeometry(16, 388, 595, 44);
    about->setWordWrap(true);
    about->setText(QStringLiteral("Plenaro %1, il gestionale dello studio professionale. Per informazioni, "
                                  "richieste di assistenza o suggerimenti scrivere a:")
                       .arg(Publisher::version()));

    lnkWeb = link(this, Publisher::contact(), QStringLiteral(":/img/btn/email.svg"), QStringLiteral("imgEmail"),
                  QStringLiteral("Scrivi una e-mail a ") + Publisher::name(), 440);
    connect(lnkWeb, &TLink::clicked, this, &TfrmInfo::lnkWebClick);
    btnChiudi = closeButton(this, 440);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmInfo::btnChiudiClick);

    setFixedBorder(625, 484);
}

QString TfrmInfo::mailCommand() {
    return QStringLiteral("\"mailto:") + Publisher::contact() + QStringLiteral("?subject=") +
           QStringLiteral("Software Plenaro") + QStringLiteral("&body=") +
           QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:") +
           QStringLiteral("\"");
}

void TfrmInfo::lnkWebClick() { Desktop::open(this, mailCommand()); }
void TfrmInfo::btnChiudiClick() { close(); }
void TfrmInfo::FormShow() { centreOnScreen(); }

void TfrmInfo::open(QWidget* owner) {
    auto* w = new TfrmInfo(owner);
    w->showModal();
    delete w;
}

// ---------------------------------------------------------------------------

TfrmSplash::TfrmSplash(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral(" Plenaro ") + Publisher::notice());
    artwork(this, QStringLiteral("icoSplash"));

    lnkWeb = link(this, Publisher::webSiteShown(), QStringLiteral(":/img/avvio/web.svg"), QStringLiteral("imgWeb"),
                  QStringLiteral("Visita il sito di ") + Publisher::name(), 392);
    connect(lnkWeb, &TLink::clicked, this, &TfrmSplash::lnkWebClick);
    btnChiudi = closeButton(this, 392);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);

    setFixedBorder(625, 434);
}

void TfrmSplash::lnkWebClick() { Desktop::open(this, Publisher::webSite()); }
void TfrmSplash::btnChiudiClick() { close(); }

void TfrmSplash::FormShow() {
    // Centred on its owner, or on the screen when it has none.
    if (QWidget* o = parentWidget())
        move(o->window()->geometry().center() - rect().center());
    else
        centreOnScreen();
}

void TfrmSplash::open(QWidget* owner) {
    auto* w = new TfrmSplash(owner);
    w->showModal();
    delete w;
}
