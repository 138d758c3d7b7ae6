#include "ui/PhotoBox.h"

#include <QBuffer>
#include <QDir>
#include <QHBoxLayout>
#include <QImageReader>
#include <QImageWriter>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>

#include "ui/FileDialogs.h"
#include "ui/Messages.h"
#include "ui/PhotoZoom.h"
#include "ui/PictureButton.h"
#include "ui/Resources.h"

namespace Photo {

QImage read(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);  // a camera's portrait photo stands upright
    // A phone's photo can be larger than the decoder takes whole: it is read
    // straight at the size kept, never held full in memory.
    const QSize size = reader.size();
    if (size.isValid() && qMax(size.width(), size.height()) > kLongestSide)
        reader.setScaledSize(size.scaled(kLongestSide, kLongestSide, Qt::KeepAspectRatio));
    return reader.read();
}

bool writeJpeg(const QString& path, const QImage& picture) {
    if (picture.isNull()) return false;
    // JPEG has no transparency: transparent parts become white, not black.
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter p(&opaque);
        p.drawImage(0, 0, picture);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    if (!writer.write(opaque)) return false;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace Photo

TPhotoBox::TPhotoBox(const QString& objectName, const QString& placeholder, QSize size, QWidget* parent)
    : QWidget(parent), placeholder_(placeholder), designSize_(size) {
    setObjectName(objectName);
    setAccessibleName(QStringLiteral("Foto"));
    if (!size.isEmpty()) setFixedSize(size);
}

QSize TPhotoBox::sizeHint() const { return designSize_.isEmpty() ? QSize(307, 394) : designSize_; }

QImage TPhotoBox::picture() const {
    if (hasPhoto()) return photo_;
    const QSize at = size().isEmpty() ? sizeHint() : size();
    QImage out(at, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawPixmap(0, 0, svgPixmap(placeholder_, at));
    return out;
}

void TPhotoBox::setPicture(const QImage& picture) {
    photo_ = picture;
    drawn_ = QPixmap();
    update();
}

void TPhotoBox::clear() { setPicture(QImage()); }

bool TPhotoBox::loadFile(const QString& path) {
    const QImage image = Photo::read(path);
    if (image.isNull()) {
        Msg::warning(this, kMsgNonLeggibile);
        return false;
    }
    setPicture(image);
    return true;
}

void TPhotoBox::load() {
    const QString path = FileDialogs::getOpenFileName(window(), kTitoloApri, {}, kFiltroApri);
    if (!path.isEmpty()) loadFile(path);
}

void TPhotoBox::saveAs() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    QString path =
        FileDialogs::getSaveFileName(window(), kTitoloSalva, QDir(folder).filePath(kNomeProposto), kFiltroSalva);
    if (path.isEmpty()) return;
    if (!path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) &&
        !path.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive))
        path += QStringLiteral(".jpg");
    if (!Photo::writeJpeg(path, picture())) Msg::warning(this, kMsgNonSalvata);
}

void TPhotoBox::zoom() { PhotoZoom::open(window(), QPixmap::fromImage(picture())); }

void TPhotoBox::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (drawn_.isNull() || drawn_.deviceIndependentSize() != QSizeF(size()) || drawn_.devicePixelRatio() != ratio) {
        if (hasPhoto()) {
            // Scaled once per size, smoothly, at the screen's own pixels.
            const QSize pixels = photo_.size().scaled(size() * ratio, Qt::KeepAspectRatio);
            const QImage scaled = photo_.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            QPixmap canvas(size() * ratio);
            canvas.setDevicePixelRatio(ratio);
            canvas.fill(Qt::transparent);
            QPainter p(&canvas);
            p.drawImage(QPointF((width() - pixels.width() / ratio) / 2, (height() - pixels.height() / ratio) / 2),
                        scaled);
            p.end();
            drawn_ = canvas;
        } else {
            drawn_ = svgPixmap(placeholder_, size(), ratio);
        }
    }
    QPainter p(this);
    p.drawPixmap(0, 0, drawn_);
}

void TPhotoBox::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

TPhotoButtons::TPhotoButtons(TPhotoBox* box, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("panPulsantiFoto"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    struct Button {
        const char* name;
        const char* picture;
        QString accessibleName;
        QString hint;
        void (TPhotoBox::*work)();
    };
    const Button buttons[] = {
        {"btnCaricaFoto", ":/img/foto/carica.svg", QStringLiteral("Carica foto"),
         QStringLiteral("Carica una foto esistente."), &TPhotoBox::load},
        {"btnSalvaFoto", ":/img/foto/salva.svg", QStringLiteral("Salva foto su disco"),
         QStringLiteral("Salva la foto su disco."), &TPhotoBox::saveAs},
        {"btnCancFoto", ":/img/foto/cancella.svg", QStringLiteral("Cancella foto"), QStringLiteral("Cancella la foto."),
         &TPhotoBox::clear},
        {"btnZoomFoto", ":/img/foto/zoom.svg", QStringLiteral("Foto a schermo intero"),
         QStringLiteral("Visualizza la foto nelle sue dimensioni reali."), &TPhotoBox::zoom},
    };
    row->addStretch();
    for (const Button& b : buttons) {
        auto* button = new TPictureButton(QLatin1String(b.name), QLatin1String(b.picture), b.accessibleName, b.hint,
                                          this, QSize(40, 40));
        connect(button, &QAbstractButton::clicked, box, b.work);
        row->addWidget(button);
    }
    row->addStretch();
}
