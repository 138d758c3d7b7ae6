#include "report/TfrmAnteprima.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "platform/ProgramFolder.h"
#include "report/PdfWriter.h"
#include "report/PreparedReport.h"
#include "report/ReportOutput.h"
#include "ui/FileDialogs.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"

namespace {
constexpr int Desk = 16;  // grey border around the page
const QColor DeskColor(0x6b, 0x76, 0x80);
}  // namespace

// ---- TPreviewPage -----------------------------------------------------------

TPreviewPage::TPreviewPage(std::shared_ptr<const PreparedReport> report, QWidget* parent)
    : QWidget(parent), report_(std::move(report)) {
    setObjectName(QStringLiteral("pagAnteprima"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, DeskColor);
    setPalette(pal);
}

void TPreviewPage::setPage(int index) {
    index_ = index;
    cache_ = QImage();
    updateGeometry();
    adjustSize();
    update();
}

void TPreviewPage::setZoom(double zoom) {
    zoom_ = zoom;
    cache_ = QImage();
    updateGeometry();
    adjustSize();
    update();
}

QSize TPreviewPage::sizeHint() const {
    const QSizeF paper = report_->paperSize * zoom_;
    return QSize(qCeil(paper.width()) + 2 * Desk, qCeil(paper.height()) + 2 * Desk);
}

void TPreviewPage::paintEvent(QPaintEvent*) {
    const QSize pageSize = (report_->paperSize * zoom_).toSize();
    const double ratio = devicePixelRatioF();
    if (cache_.isNull()) {
        cache_ = QImage(pageSize * ratio, QImage::Format_ARGB32_Premultiplied);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(Qt::white);
        QPainter p(&cache_);
        report_->paintPage(p, index_, zoom_);
    }
    QPainter p(this);
    const QRect page(QPoint((width() - pageSize.width()) / 2, Desk), pageSize);
    p.fillRect(page.translated(3, 3), QColor(0, 0, 0, 90));  // a soft shadow
    p.drawImage(page.topLeft(), cache_);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(page.adjusted(0, 0, -1, -1));
}

// ---- TfrmAnteprima ----------------------------------------------------------

TfrmAnteprima::TfrmAnteprima(std::shared_ptr<const PreparedReport> report, QWidget* owner)
    : TForm(owner), report_(std::move(report)), buttons_(report_->buttons) {
    setObjectName(QStringLiteral("frmAnteprima"));
    setWindowTitle(QStringLiteral("Anteprima di stampa"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("panComandi"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(4);
    auto button = [&](const char* name, const char* picture, const QString& accessible, const QString& hint,
                      auto slot) {
        auto* b = new TPictureButton(QString::fromLatin1(name),
                                     QStringLiteral(":/img/report/") + QString::fromLatin1(picture), accessible, hint,
                                     bar, QSize(36, 36));
        connect(b, &QToolButton::clicked, this, slot);
        connect(b, &TPictureButton::hovered, this, [this](const QString& h) { panInfo_->setText(h); });
        row->addWidget(b);
        return b;
    };
    auto label = [&](const char* name, int width) {
        auto* l = new QLabel(bar);
        l->setObjectName(QString::fromLatin1(name));
        l->setMinimumWidth(width);
        l->setAlignment(Qt::AlignCenter);
        row->addWidget(l);
        return l;
    };
    auto gap = [&] { row->addSpacing(14); };

    if (allows(PreviewButton::Navigation)) {
        button("btnPrima", "prima.svg", QStringLiteral("Prima pagina"), QStringLiteral("Mostra la prima pagina."),
               [this] { showPage(0); });
        button("btnPrecedente", "precedente.svg", QStringLiteral("Pagina precedente"),
               QStringLiteral("Mostra la pagina precedente."), [this] { showPage(page_ - 1); });
        lblPagina_ = label("lblPagina", 110);
        button("btnSuccessiva", "successiva.svg", QStringLiteral("Pagina successiva"),
               QStringLiteral("Mostra la pagina successiva."), [this] { showPage(page_ + 1); });
        button("btnUltima", "ultima.svg", QStringLiteral("Ultima pagina"), QStringLiteral("Mostra l'ultima pagina."),
               [this] { showPage(report_->pageCount() - 1); });
        gap();
    }
    if (allows(PreviewButton::Zoom)) {
        button("btnZoomMeno", "zoommeno.svg", QStringLiteral("Riduci"),
               QStringLiteral("Riduce l'ingrandimento della pagina."), [this] { zoomOut(); });
        lblZoom_ = label("lblZoom", 56);
        button("btnZoomPiu", "zoompiu.svg", QStringLiteral("Ingrandisci"),
               QStringLiteral("Aumenta l'ingrandimento della pagina."), [this] { zoomIn(); });
        gap();
    }
    if (allows(PreviewButton::FullScreen))
        button("btnSchermoIntero", "schermointero.svg", QStringLiteral("Schermo intero"),
               QStringLiteral("Mostra l'anteprima a schermo intero, o torna alla finestra (F11)."),
               [this] { toggleFullScreen(); });
    if (allows(PreviewButton::Print))
        button("btnStampa", "stampa.svg", QStringLiteral("Stampa"), QStringLiteral("Stampa il documento (Ctrl+P)."),
               [this] { btnStampaClick(); });
    if (allows(PreviewButton::Pdf))
        button("btnPdf", "pdf.svg", QStringLiteral("Esporta in PDF"),
               QStringLiteral("Esporta il documento in un file PDF."), [this] { btnPdfClick(); });
    row->addStretch(1);
    if (allows(PreviewButton::Close))
        button("btnChiudi", "chiudi.svg", QStringLiteral("Chiudi"),
               QStringLiteral("Chiude l'anteprima di stampa (Esc)."), [this] { reject(); });

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scrPagina"));
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setFocusPolicy(Qt::StrongFocus);
    view_ = new TPreviewPage(report_, scroll_);
    scroll_->setWidget(view_);
    scroll_->viewport()->installEventFilter(this);
    scroll_->installEventFilter(this);
    QPalette pal = scroll_->palette();
    pal.setColor(QPalette::Dark, DeskColor);
    scroll_->setPalette(pal);

    panInfo_ = new QLabel(this);
    panInfo_->setObjectName(QStringLiteral("panInfo"));
    panInfo_->setContentsMargins(8, 2, 8, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(scroll_, 1);
    layout->addWidget(panInfo_);

    QSize size(1200, 740);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(20, 40));
    resize(size);
    centreOnScreen();
    refreshLabels();
    scroll_->setFocus();
}

bool TfrmAnteprima::allows(PreviewButton b) const { return buttons_.testFlag(b); }

void TfrmAnteprima::showPage(int index) {
    index = std::clamp(index, 0, std::max(0, report_->pageCount() - 1));
    if (index == page_) return;
    page_ = index;
    view_->setPage(page_);
    scroll_->verticalScrollBar()->setValue(0);
    refreshLabels();
}

void TfrmAnteprima::setZoom(double zoom) {
    zoom_ = zoom;
    view_->setZoom(zoom_);
    refreshLabels();
}

void TfrmAnteprima::zoomIn() {
    for (double z : Zooms)
        if (z > zoom_ + 1e-9) return setZoom(z);
}

void TfrmAnteprima::zoomOut() {
    for (auto it = std::rbegin(Zooms); it != std::rend(Zooms); ++it)
        if (*it < zoom_ - 1e-9) return setZoom(*it);
}

void TfrmAnteprima::toggleFullScreen() {
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void TfrmAnteprima::refreshLabels() {
    if (lblPagina_)
        lblPagina_->setText(QStringLiteral("Pagina %1 di %2").arg(page_ + 1).arg(std::max(1, report_->pageCount())));
    if (lblZoom_) lblZoom_->setText(QString::number(qRound(zoom_ * 100)) + QLatin1Char('%'));
}

void TfrmAnteprima::btnStampaClick() {
    if (ReportOutput::print(this, report_) == OutputResult::Failed)
        Msg::error(this, QString::fromUtf8(Report::PrintFailed));
}

void TfrmAnteprima::btnPdfClick() {
    QString file = FileDialogs::getSaveFileName(this, QStringLiteral("Esporta in PDF"),
                                                ProgramFolder::file(report_->name + QStringLiteral(".pdf")),
                                                QStringLiteral("Documenti PDF (*.pdf)"));
    if (file.isEmpty()) return;
    if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) file += QStringLiteral(".pdf");
    bool ok;
    {
        WaitCursor wait;
        ok = PdfWriter::write(*report_, file);
    }
    if (ok)
        Msg::information(this, QStringLiteral("L'esportazione in PDF è terminata con successo."));
    else
        Msg::error(this, QString::fromUtf8(Report::PdfFailed));
}

void TfrmAnteprima::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool nav = allows(PreviewButton::Navigation), zoom = allows(PreviewButton::Zoom);
    switch (event->key()) {
    case Qt::Key_PageDown:
        if (nav) return showPage(page_ + 1);
        break;
    case Qt::Key_PageUp:
        if (nav) return showPage(page_ - 1);
        break;
    case Qt::Key_Home:
        if (nav && ctrl) return showPage(0);
        break;
    case Qt::Key_End:
        if (nav && ctrl) return showPage(report_->pageCount() - 1);
        break;
    case Qt::Key_Plus:
        if (zoom) return zoomIn();
        break;
    case Qt::Key_Minus:
        if (zoom) return zoomOut();
        break;
    case Qt::Key_F11:
        if (allows(PreviewButton::FullScreen)) return toggleFullScreen();
        break;
    case Qt::Key_P:
        if (ctrl && allows(PreviewButton::Print)) return btnStampaClick();
        break;
    case Qt::Key_Escape:
        if (isFullScreen()) return showNormal();
        break;
    default: break;
    }
    TForm::keyPressEvent(event);
}

bool TfrmAnteprima::eventFilter(QObject* watched, QEvent* event) {
    // Page Down past the bottom of a page turns to the next one, Page Up
    // past its top to the previous one; within a page they scroll.
    if (watched == scroll_ && event->type() == QEvent::KeyPress && allows(PreviewButton::Navigation)) {
        auto* key = static_cast<QKeyEvent*>(event);
        QScrollBar* bar = scroll_->verticalScrollBar();
        if (key->key() == Qt::Key_PageDown && bar->value() >= bar->maximum() && page_ + 1 < report_->pageCount()) {
            showPage(page_ + 1);
            return true;
        }
        if (key->key() == Qt::Key_PageUp && bar->value() <= bar->minimum() && page_ > 0) {
            showPage(page_ - 1);
            bar->setValue(bar->maximum());
            return true;
        }
    }
    if (watched == scroll_->viewport() && event->type() == QEvent::Wheel && allows(PreviewButton::Zoom)) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (wheel->angleDelta().y() > 0)
                zoomIn();
            else if (wheel->angleDelta().y() < 0)
                zoomOut();
            return true;
        }
    }
    return TForm::eventFilter(watched, event);
}
