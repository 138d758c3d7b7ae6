#include "app/TfrmZoom.h"

#include <QLabel>
#include <QMouseEvent>

#include "ui/PhotoZoom.h"

TfrmZoom::TfrmZoom(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);
    setStyleSheet(QStringLiteral("TfrmZoom { background: #20262b; }"));

    panFoto = new QWidget(this);
    panFoto->setObjectName(QStringLiteral("panFoto"));
    panFoto->setCursor(Qt::PointingHandCursor);
    imgFoto = new QLabel(panFoto);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setAlignment(Qt::AlignCenter);
    imgFoto->setAccessibleName(QStringLiteral("Foto"));
    panFoto->installEventFilter(this);
    imgFoto->installEventFilter(this);
}

void TfrmZoom::setPicture(const QPixmap& picture) {
    picture_ = picture;
    fit();
}

void TfrmZoom::fit() {
    const QSize area = PhotoZoom::area(this);
    panFoto->resize(area);
    imgFoto->setGeometry(QRect(QPoint(0, 0), area));
    panFoto->move(qMax(0, (width() - area.width()) / 2), qMax(0, (height() - area.height()) / 2));
    if (!picture_.isNull()) imgFoto->setPixmap(picture_.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TfrmZoom::FormShow() { fit(); }

void TfrmZoom::imgFotoClick() { close(); }

bool TfrmZoom::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == panFoto || watched == imgFoto) && event->type() == QEvent::MouseButtonRelease) {
        imgFotoClick();
        return true;
    }
    return TForm::eventFilter(watched, event);
}

void TfrmZoom::resizeEvent(QResizeEvent* event) {
    TForm::resizeEvent(event);
    fit();
}

void TfrmZoom::open(QWidget* owner, const QPixmap& picture) {
    auto* w = new TfrmZoom(owner);
    w->setPicture(picture);
    w->showModal();
    delete w;
}
