#include <QDir>
#include <QImageReader>
#include <QTest>
#include <gtest/gtest.h>

#include "support/Seams.h"
#include "ui/PhotoBox.h"
#include "ui/PictureButton.h"

namespace {

QImage filled(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// An employee's photo box with its buttons, in a window of the program folder.
class PhotoBoxTest : public SeamsTest {
protected:
    QWidget window;
    TPhotoBox* box =
        new TPhotoBox(QStringLiteral("imgFoto"), QStringLiteral(":/img/foto/dipendente.svg"), QSize(307, 394), &window);
    TPhotoButtons* buttons = new TPhotoButtons(box, &window);

    PhotoBoxTest() {
        window.setObjectName(QStringLiteral("frmProva"));
        buttons->move(0, 400);
        window.resize(320, 460);
    }
    QString saved(const QString& name, const QImage& image, const char* format) {
        const QString path = seams.file(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }
};

}  // namespace

TEST_F(PhotoBoxTest, LoadsJpegAndBitmapAndKeepsThePictureWhenAFileCannotBeDecoded) {
    const QString jpeg = saved(QStringLiteral("ritratto.jpg"), filled({200, 100}, Qt::red), "JPEG");
    const QString bmp = saved(QStringLiteral("ritratto.bmp"), filled({120, 160}, Qt::blue), "BMP");
    const QString broken = seams.file(QStringLiteral("rotto.jpg"));
    writeFile(broken, QByteArray("\xFF\xD8\xFF non una foto", 17));
    // A phone's 48 megapixels: more than the decoder takes whole by default.
    QImage phone(6000, 8000, QImage::Format_RGB16);
    phone.fill(QColor(40, 90, 160));
    const QString big = saved(QStringLiteral("telefono.jpg"), phone, "JPEG");
    phone = QImage();

    struct Step {
        QString file;
        QSize shown;
        bool warned;
    };
    const Step steps[] = {
        {jpeg, {200, 100}, false},
        {big, {3000, 4000}, false},  // read scaled to the long side kept
        {bmp, {120, 160}, false},
        {broken, {120, 160}, true},      // the bitmap stays
        {QString(), {120, 160}, false},  // cancelled
        {seams.file(QStringLiteral("manca.jpg")), {120, 160}, true},
    };
    for (const Step& s : steps) {
        seams.messages.clear();
        seams.pickFile(s.file);
        box->load();
        EXPECT_TRUE(box->hasPhoto()) << s.file.toStdString();
        EXPECT_EQ(box->picture().size(), s.shown) << s.file.toStdString();
        EXPECT_EQ(seams.messages.size(), s.warned ? 1u : 0u) << s.file.toStdString();
        if (s.warned) {
            EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
            EXPECT_EQ(
                seams.lastMessage().text,
                QStringLiteral(
                    "Attenzione: il file scelto non contiene un'immagine in formato Jpeg o Bitmap leggibile.\n\r\n\r"
                    "La foto mostrata non \u00E8 stata cambiata."));
        }
    }
    const FileDialogRequest& asked = seams.fileRequests.front();
    EXPECT_EQ(asked.kind, FileDialogKind::Open);
    EXPECT_EQ(asked.caption, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
    EXPECT_EQ(asked.filter, QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
}

TEST_F(PhotoBoxTest, ThePhotoFitsTheBoxWithItsProportionsAndClearingShowsThePlaceholder) {
    box->setPicture(filled({600, 300}, Qt::red));  // twice as wide as high
    const QImage shown = box->grab().toImage();
    const int drawnHeight = 307 / 2;
    const int top = (394 - drawnHeight) / 2;
    EXPECT_EQ(shown.pixelColor(153, 197), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(2, top + 3), QColor(Qt::red));    // the whole width
    EXPECT_NE(shown.pixelColor(153, top - 5), QColor(Qt::red));  // nothing stretched above
    EXPECT_NE(shown.pixelColor(153, top + drawnHeight + 5), QColor(Qt::red));

    box->clear();
    EXPECT_FALSE(box->hasPhoto());
    const QImage placeholder = box->picture();
    EXPECT_EQ(placeholder.size(), QSize(307, 394));
    EXPECT_FALSE(placeholder.hasAlphaChannel());
    // The artwork, not an empty or black picture.
    const QColor corner = placeholder.pixelColor(2, 2), middle = placeholder.pixelColor(153, 150);
    EXPECT_GT(corner.lightness(), 200);
    EXPECT_NE(corner, middle);
    EXPECT_EQ(box->grab().toImage().pixelColor(153, 150).rgb(), middle.rgb());
}

TEST_F(PhotoBoxTest, FullScreenGoesThroughTheZoomSeamWithThePictureShown) {
    box->setPicture(filled({640, 480}, Qt::green));
    box->zoom();
    box->clear();
    box->zoom();
    ASSERT_EQ(seams.zooms.size(), 2u);
    EXPECT_EQ(seams.zooms[0].size(), QSize(640, 480));
    EXPECT_EQ(seams.zooms[0].toImage().pixelColor(10, 10), QColor(Qt::green));
    // A card without a photo shows its placeholder full-screen.
    EXPECT_EQ(seams.zooms[1].size(), QSize(307, 394));
    EXPECT_EQ(seams.zooms[1].toImage().pixelColor(153, 150), box->picture().pixelColor(153, 150));
}

TEST_F(PhotoBoxTest, SavesAsJpegThroughTheSaveDialogAndKeepsThePhotoWhenTheWriteFails) {
    box->setPicture(filled({300, 200}, Qt::darkCyan));
    seams.pickFile(seams.file(QStringLiteral("Copia")));  // no extension: .jpg is added
    box->saveAs();
    const FileDialogRequest& asked = seams.fileRequests.back();
    EXPECT_EQ(asked.kind, FileDialogKind::Save);
    EXPECT_EQ(asked.caption, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
    EXPECT_EQ(asked.filter, QStringLiteral("File Jpeg (*.jpg)"));
    EXPECT_TRUE(asked.directory.endsWith(QLatin1String("/Foto.jpg"))) << asked.directory.toStdString();
    const QByteArray bytes = fileBytes(seams.file(QStringLiteral("Copia.jpg")));
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8\xFF"));
    EXPECT_EQ(QImage::fromData(bytes).size(), QSize(300, 200));
    EXPECT_TRUE(seams.messages.empty());

    // Cancelled: nothing written, nothing said.
    box->saveAs();
    EXPECT_TRUE(seams.messages.empty());

    seams.pickFile(seams.file(QStringLiteral("manca/Foto.jpg")));
    box->saveAs();
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(
        seams.lastMessage().text,
        QStringLiteral(
            "Attenzione: non \u00E8 stato possibile salvare la foto nel file indicato.\n\r\n\r"
            "Accertarsi di possedere i privilegi di scrittura nella cartella scelta e che il disco non sia pieno."));
    EXPECT_TRUE(box->hasPhoto());
    EXPECT_EQ(box->picture().size(), QSize(300, 200));
}

TEST_F(PhotoBoxTest, EachPictureButtonSaysWhatItDoesAndDoesIt) {
    struct Case {
        const char* name;
        QString hint;
    };
    const Case cases[] = {
        {"btnCaricaFoto", QStringLiteral("Carica una foto esistente.")},
        {"btnSalvaFoto", QStringLiteral("Salva la foto su disco.")},
        {"btnCancFoto", QStringLiteral("Cancella la foto.")},
        {"btnZoomFoto", QStringLiteral("Visualizza la foto nelle sue dimensioni reali.")},
    };
    for (const Case& c : cases) {
        auto* b = child<TPictureButton>(&window, QLatin1String(c.name));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->hint(), c.hint);
        EXPECT_EQ(b->toolTip(), c.hint);
        EXPECT_FALSE(b->accessibleName().isEmpty()) << c.name;
        EXPECT_FALSE(b->icon().isNull()) << c.name;
    }
    window.show();
    seams.pickFile(saved(QStringLiteral("a.jpg"), filled({50, 40}, Qt::red), "JPEG"));
    QTest::mouseClick(child<QWidget>(&window, "btnCaricaFoto"), Qt::LeftButton);
    EXPECT_TRUE(box->hasPhoto());
    QTest::mouseClick(child<QWidget>(&window, "btnZoomFoto"), Qt::LeftButton);
    EXPECT_EQ(seams.zooms.size(), 1u);
    QTest::mouseClick(child<QWidget>(&window, "btnSalvaFoto"), Qt::LeftButton);
    EXPECT_EQ(seams.fileRequests.back().kind, FileDialogKind::Save);
    QTest::mouseClick(child<QWidget>(&window, "btnCancFoto"), Qt::LeftButton);
    EXPECT_FALSE(box->hasPhoto());
}
