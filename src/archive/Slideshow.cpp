#include "archive/Slideshow.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "archive/ArchivioSchede.h"
#include "platform/Timer.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/PhotoBox.h"
#include "ui/PhotoZoom.h"

TSlideshow::TSlideshow(const SlideshowDescription& desc, QWidget* owner) : TForm(owner), desc_(desc) {
    setObjectName(desc_.objectName);
    setWindowTitle(desc_.caption);
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);
    setStyleSheet(QStringLiteral("TSlideshow { background: #20262b; }"));

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setCursor(Qt::PointingHandCursor);
    panContainer->installEventFilter(this);
    imgFoto = new TPhotoBox(QStringLiteral("imgFoto"), desc_.store.placeholder(), QSize(), panContainer);
    connect(imgFoto, &TPhotoBox::clicked, this, &TSlideshow::imgFotoClick);

    lblPosizione = Controls::hiddenLabel(QStringLiteral("lblPosizione"), this);
    cmdAvanti = new QPushButton(this);
    cmdAvanti->setObjectName(QStringLiteral("cmdAvanti"));
    cmdAvanti->setAccessibleName(QStringLiteral("Foto successiva"));
    cmdAvanti->hide();
    connect(cmdAvanti, &QPushButton::clicked, this, &TSlideshow::cmdAvantiClick);

    Timer = new TTimer(QStringLiteral("Timer"), kIntervallo, this);
    connect(Timer, &TTimer::timeout, this, &TSlideshow::cmdAvantiClick);
}

void TSlideshow::fit() {
    const QSize area = PhotoZoom::area(this);
    panContainer->resize(area);
    imgFoto->setGeometry(QRect(QPoint(0, 0), area));
    panContainer->move(qMax(0, (width() - area.width()) / 2), qMax(0, (height() - area.height()) / 2));
}

void TSlideshow::FormShow() {
    fit();
    imgFoto->clear();
    Timer->start();
}

void TSlideshow::FormClose() { Timer->stop(); }

void TSlideshow::cmdAvantiClick() {
    const qint64 p = shown_;  // 0: before the first card
    qint64 n = 0;
    // Only counted: the cards' fields play no part in the show.
    if (!Archive::guard(this, [&] {
            TArchivioSchede archive;
            archive.open(desc_.fileName, desc_.recordSize);
            n = archive.count();
            archive.close();
        }))
        return;
    if (n == 0) {
        shown_ = 0;
        lblPosizione->clear();
        Timer->stop();
        Msg::information(this, QStringLiteral("L'archivio non contiene nessuna scheda."));
        close();
        return;
    }
    if (p < n) {
        shown_ = p + 1;
        lblPosizione->setText(QString::number(shown_));
        desc_.store.show(shown_, imgFoto);
    } else {
        // The last photo stays one more interval; the next step starts again.
        shown_ = 0;
        lblPosizione->setText(QStringLiteral("0"));
    }
}

void TSlideshow::imgFotoClick() { close(); }

bool TSlideshow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panContainer && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        imgFotoClick();
        return true;
    }
    return TForm::eventFilter(watched, event);
}

void TSlideshow::resizeEvent(QResizeEvent* event) {
    TForm::resizeEvent(event);
    fit();
}
