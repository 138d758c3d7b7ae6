#include "app/TfrmAvvio.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QSvgRenderer>

#include "app/HelpTopics.h"
#include "app/Publisher.h"
#include "app/TfrmInfo.h"
#include "platform/Formats.h"
#include "ui/Desktop.h"
#include "ui/Help.h"
#include "ui/Resources.h"

namespace {

constexpr QSize kContainer(994, 692);

struct TileInfo {
    const char* caption;
    const char* picture;
    const char* hint;
};

const TileInfo kTileInfo[TfrmAvvio::kTiles] = {
    {"Anagrafica Dipendenti", "dipendenti", "Il personale dello studio, le foto e il lavoro svolto"},
    {"Clienti e Servizi", "clienti", "Le schede dei clienti e i servizi prestati"},
    {"Registro Chiamate", "chiamate", "Le telefonate ricevute ed effettuate"},
    {"Archivio Pratiche", "pratiche", "Le pratiche con i loro documenti"},
    {"Schedario Libri", "libri", "Il catalogo dei libri dello studio"},
    {"Protocollo Posta", "protocollo", "La posta in arrivo, in partenza e interna"},
    {"Agenda Appuntamenti", "agenda", "Gli appuntamenti, i promemoria e gli impegni scaduti"},
    {"Riepilogo Incassi", "incassi", "Gli importi degli appuntamenti di un periodo"},
};

QWidget* shape(QWidget* parent, const QString& name, const QRect& at, int radius) {
    auto* s = new QWidget(parent);
    s->setObjectName(name);
    s->setAttribute(Qt::WA_StyledBackground);
    s->setStyleSheet(QStringLiteral("#%1 { background: white; border: 1px solid #c9dbe7; border-radius: %2px; }")
                         .arg(name)
                         .arg(radius));
    s->setGeometry(at);
    return s;
}

QLabel* picture(QWidget* parent, const QString& name, const QString& svg, const QRect& at) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(at);
    l->setPixmap(svgPixmap(svg, at.size(), parent->devicePixelRatioF()));
    return l;
}

TPictureButton* clickable(QWidget* parent, const QString& name, const QString& svg, const QString& accessible,
                          const QString& hint, const QRect& at) {
    auto* b = new TPictureButton(name, svg, accessible, hint, parent, at.size());
    b->setIconSize(at.size());
    b->move(at.topLeft());
    return b;
}

}  // namespace

TTileButton::TTileButton(const QString& objectName, const QString& caption, QWidget* parent)
    : TPictureButton(objectName, QString(), caption, QString(), parent, QSize(220, 38)), caption_(caption) {}

void TTileButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    static QSvgRenderer background(QStringLiteral(":/img/avvio/pulsante.svg"));
    background.render(&p, rect());
    if (isDown())
        p.fillRect(rect().adjusted(2, 2, -2, -2), QColor(0, 0, 0, 40));
    else if (underMouse())
        p.fillRect(rect().adjusted(2, 2, -2, -2), QColor(255, 255, 255, 40));
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(15);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, caption_);
    if (hasFocus()) {
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(4.5, 4.5, -4.5, -4.5), 4, 4);
    }
}

TfrmAvvio::TfrmAvvio(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral(" Plenaro"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);
    setMinimumSize(kContainer);
    FormCreate();
}

void TfrmAvvio::FormCreate() {
    Formats::apply();

    container_ = new QWidget(this);
    container_->setObjectName(QStringLiteral("panAvvio"));
    container_->resize(kContainer);
    container_->setStyleSheet(
        QStringLiteral("QToolButton { border: none; background: transparent; border-radius: 6px; }"
                       "QToolButton:hover { background: rgba(64, 138, 179, 28); }"
                       "QToolButton:focus { border: 1px dotted #2f6f9f; }"));
    QWidget* c = container_;

    // Title band.
    shape(c, QStringLiteral("shpNomeApp"), QRect(0, 0, 994, 112), 12);
    picture(c, QStringLiteral("icoApp"), QStringLiteral(":/img/icona.svg"), QRect(282, 16, 80, 80));
    picture(c, QStringLiteral("icoTitolo"), QStringLiteral(":/img/avvio/titolo.svg"), QRect(376, 14, 340, 56));
    picture(c, QStringLiteral("icoSottotitolo"), QStringLiteral(":/img/avvio/sottotitolo.svg"),
            QRect(378, 70, 340, 26));
    auto* info =
        clickable(c, QStringLiteral("imgInfo"), QStringLiteral(":/img/avvio/info.svg"), QStringLiteral("Informazioni"),
                  QStringLiteral("Informazioni su Plenaro"), QRect(20, 28, 56, 56));
    auto* guida =
        clickable(c, QStringLiteral("imgGuida"), QStringLiteral(":/img/avvio/guida.svg"), QStringLiteral("Guida"),
                  QStringLiteral("Guida all'utilizzo del software"), QRect(918, 28, 56, 56));
    connect(info, &QToolButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(guida, &QToolButton::clicked, this, &TfrmAvvio::imgGuidaClick);

    // Tiles, four per row.
    for (int i = 0; i < kTiles; ++i) {
        const int tile = i + 1;
        const QString nn = QStringLiteral("%1").arg(tile, 2, 10, QLatin1Char('0'));
        const QPoint at(7 + (i % 4) * 248, 128 + (i / 4) * 240);
        QWidget* bkg = shape(c, QStringLiteral("bkgApp") + nn, QRect(at, QSize(236, 228)), 10);
        const TileInfo& t = kTileInfo[i];
        auto* img = clickable(bkg, QStringLiteral("imgApp") + nn,
                              QStringLiteral(":/img/avvio/%1.svg").arg(QLatin1String(t.picture)),
                              QString::fromUtf8(t.caption), QString::fromUtf8(t.hint), QRect(19, 10, 198, 168));
        auto* btn = new TTileButton(tile == 1 ? QStringLiteral("btnAoo01") : QStringLiteral("btnApp") + nn,
                                    QString::fromUtf8(t.caption), bkg);
        btn->setHint(QStringLiteral("Apri ") + QString::fromUtf8(t.caption));
        btn->move(8, 182);
        connect(img, &QToolButton::clicked, this, [this, tile] { appClick(tile); });
        connect(btn, &QToolButton::clicked, this, [this, tile] { appClick(tile); });
    }

    // Footer band.
    shape(c, QStringLiteral("shpCalce"), QRect(0, 616, 994, 76), 12);
    auto* copyright = clickable(c, QStringLiteral("imgCopyright"), QStringLiteral(":/img/avvio/copyright.svg"),
                                QStringLiteral("Note sul software"), Publisher::notice(), QRect(20, 628, 240, 52));
    auto* sito =
        clickable(c, QStringLiteral("icoSito"), QStringLiteral(":/img/avvio/web.svg"), QStringLiteral("Sito web"),
                  QStringLiteral("Visita il sito ") + Publisher::webSiteShown(), QRect(471, 626, 52, 52));
    auto* esci = clickable(c, QStringLiteral("imgEsci"), QStringLiteral(":/img/avvio/esci.svg"), QStringLiteral("Esci"),
                           QStringLiteral("Esci da Plenaro"), QRect(918, 626, 56, 56));
    connect(copyright, &QToolButton::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(sito, &QToolButton::clicked, this, &TfrmAvvio::icoSitoClick);
    connect(esci, &QToolButton::clicked, this, &TfrmAvvio::imgEsciClick);
}

QString TfrmAvvio::caption(int tile) {
    return tile >= 1 && tile <= kTiles ? QString::fromUtf8(kTileInfo[tile - 1].caption) : QString();
}

void TfrmAvvio::setApp(int tile, AppSource source) {
    if (tile >= 1 && tile <= kTiles) apps_[size_t(tile - 1)] = std::move(source);
}

void TfrmAvvio::setApp(int tile, TAppWindow* window) {
    QPointer<TAppWindow> w(window);
    setApp(tile, [w] { return w.data(); });
}

TAppWindow* TfrmAvvio::app(int tile) const {
    if (tile < 1 || tile > kTiles || !apps_[size_t(tile - 1)]) return nullptr;
    return apps_[size_t(tile - 1)]();
}

void TfrmAvvio::appClick(int tile) {
    TAppWindow* w = app(tile);
    if (!w) return;
    w->showApp();
    hide();
}

void TfrmAvvio::imgInfoClick() { TfrmInfo::open(this); }

void TfrmAvvio::imgGuidaClick() { Help::open(this, HelpTopics::generalTitle()); }

void TfrmAvvio::imgCopyrightClick() { TfrmSplash::open(this); }

void TfrmAvvio::icoSitoClick() { Desktop::open(this, Publisher::webSite()); }

void TfrmAvvio::imgEsciClick() { AppShell::quit(); }

void TfrmAvvio::FormClose() { AppShell::quit(); }

void TfrmAvvio::keyPressEvent(QKeyEvent* event) {
    // Esc does not end the program; the close box and Esci do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    TForm::keyPressEvent(event);
}

void TfrmAvvio::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xFF408AB3U));
    g.setColorAt(1, Qt::white);
    p.fillRect(rect(), g);
}

void TfrmAvvio::resizeEvent(QResizeEvent* event) {
    TForm::resizeEvent(event);
    container_->move(qMax(0, (width() - kContainer.width()) / 2), qMax(0, (height() - kContainer.height()) / 2));
}
