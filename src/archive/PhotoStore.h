#pragma once
// The photos of an archive's cards: the picture of the card at position n is
// the JPEG file folder/prefix + n + ".jpg" under the program folder (no
// leading zeros). Records never move, so a position names its photo for the
// life of the archive. A photo file is replaced each time its card is saved
// and never deleted.
#include <QImage>
#include <QString>

class QWidget;
class TPhotoBox;

class PhotoStore {
public:
    static inline const QString kMsgNonSalvata = QStringLiteral(
        "Attenzione: la scheda \u00E8 stata salvata, ma non \u00E8 stato possibile salvarne la foto.\n\r\n\r"
        "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma "
        "e che il disco non sia pieno.");

    // placeholder: the SVG resource a card without a photo shows.
    PhotoStore(QString folder, QString prefix, QString placeholder);

    const QString& folder() const { return folder_; }
    const QString& prefix() const { return prefix_; }
    const QString& placeholder() const { return placeholder_; }

    // The file name in the program folder (folder/prefix12.jpg).
    QString fileName(qint64 position) const;
    // The whole path.
    QString path(qint64 position) const;

    // The photo of a card; null when it is missing or unreadable (its card
    // shows the placeholder, with no message). Creates the folder when missing.
    QImage load(qint64 position) const;
    // Shows the photo of a card in a box (the placeholder when it has none).
    void show(qint64 position, TPhotoBox* box) const;

    // Writes the picture as the card's photo, with any missing folders; the
    // earlier photo stays whole when the write fails. False on failure.
    bool write(qint64 position, const QImage& picture) const;
    // Stores what the box shows (the placeholder when it has no photo) as the
    // card's photo. A failed write is reported with a warning; the box keeps
    // its picture, so saving the card again can still store it.
    bool store(QWidget* parent, qint64 position, const TPhotoBox* box) const;

private:
    QString folder_;
    QString prefix_;
    QString placeholder_;
};
