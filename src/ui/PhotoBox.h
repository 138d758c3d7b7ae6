#pragma once
// The photo box of a card (an employee's photo, a book's cover): the picture
// scaled to fit the box with its proportions kept, or the card kind's
// placeholder when there is none. It loads a JPEG or Bitmap file chosen by
// the user, saves the picture to a JPEG file, clears, and opens the
// full-screen view.
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace Photo {

// The longest side of a picture as kept: larger ones are read scaled down.
inline constexpr int kLongestSide = 4000;

// The picture of a JPEG, Bitmap (or other known) file, scaled down to the
// longest side kept; null when the file is missing or cannot be decoded.
QImage read(const QString& path);

// Writes the picture as a JPEG file, replacing a file of that name only once
// the whole new file is written: a failed write keeps the earlier file.
bool writeJpeg(const QString& path, const QImage& picture);

}  // namespace Photo

class TPhotoBox : public QWidget {
    Q_OBJECT
public:
    static inline const QString kTitoloApri =
        QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap.");
    static inline const QString kFiltroApri = QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)");
    static inline const QString kTitoloSalva =
        QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.");
    static inline const QString kFiltroSalva = QStringLiteral("File Jpeg (*.jpg)");
    static inline const QString kNomeProposto = QStringLiteral("Foto.jpg");
    static inline const QString kMsgNonLeggibile = QStringLiteral(
        "Attenzione: il file scelto non contiene un'immagine in formato Jpeg o Bitmap leggibile.\n\r\n\r"
        "La foto mostrata non \u00E8 stata cambiata.");
    static inline const QString kMsgNonSalvata = QStringLiteral(
        "Attenzione: non \u00E8 stato possibile salvare la foto nel file indicato.\n\r\n\r"
        "Accertarsi di possedere i privilegi di scrittura nella cartella scelta e che il disco non sia pieno.");

    // placeholder: an SVG resource (":/img/foto/dipendente.svg"); size: the
    // box's fixed size, or an empty size for a box its window sizes.
    TPhotoBox(const QString& objectName, const QString& placeholder, QSize size, QWidget* parent = nullptr);

    bool hasPhoto() const { return !photo_.isNull(); }
    // What the box shows at its own size: the photo, or the placeholder drawn
    // on white (as it is printed, shown full-screen and stored for a card
    // without a photo).
    QImage picture() const;
    // A null picture clears the box.
    void setPicture(const QImage& picture);
    void clear();

    const QString& placeholder() const { return placeholder_; }

    // The picture buttons' work. Load and save ask for the file through the
    // file dialogs; cancelling changes nothing. A file that cannot be decoded
    // or written is reported, and the box keeps what it showed.
    bool loadFile(const QString& path);
    void load();
    void saveAs();
    void zoom();

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString placeholder_;
    QSize designSize_;
    QImage photo_;
    // The picture drawn at the box's size, kept until the box or its picture changes.
    QPixmap drawn_;
};

// The row of picture buttons under a photo box: load, save to disk, clear
// and full-screen view (btnCaricaFoto, btnSalvaFoto, btnCancFoto,
// btnZoomFoto), each with its hint for the window's status line.
class TPhotoButtons : public QWidget {
    Q_OBJECT
public:
    TPhotoButtons(TPhotoBox* box, QWidget* parent = nullptr);
};
