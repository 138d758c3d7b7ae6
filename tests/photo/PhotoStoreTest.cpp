#include <QDir>
#include <gtest/gtest.h>

#include "archive/PhotoStore.h"
#include "dipendenti/TfrmDipendenti.h"
#include "libri/TfrmLibri.h"
#include "support/Seams.h"
#include "ui/PhotoBox.h"

namespace {

class PhotoStoreTest : public SeamsTest {
protected:
    const PhotoStore& store = TfrmDipendenti::photos();
    QWidget window;
    TPhotoBox* box = new TPhotoBox(QStringLiteral("imgFoto"), store.placeholder(), QSize(307, 394), &window);

    PhotoStoreTest() { window.setObjectName(QStringLiteral("frmProva")); }
    static QImage photo(QSize size, QColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    QStringList filesIn(const QString& folder) const {
        return QDir(seams.file(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
};

}  // namespace

TEST_F(PhotoStoreTest, ACardsPhotoIsNamedAfterItsPosition) {
    struct Case {
        const PhotoStore* store;
        int position;
        QString name;
        QString placeholder;
    };
    const Case cases[] = {
        {&TfrmDipendenti::photos(), 12, QStringLiteral("Anagrafica/Scheda_Dipendente_12.jpg"),
         QStringLiteral(":/img/foto/dipendente.svg")},
        {&TfrmLibri::photos(), 7, QStringLiteral("Copertine_Libri/Foto_7.jpg"), QStringLiteral(":/img/foto/libro.svg")},
        {&TfrmLibri::photos(), 1000, QStringLiteral("Copertine_Libri/Foto_1000.jpg"),
         QStringLiteral(":/img/foto/libro.svg")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.store->fileName(c.position), c.name);
        EXPECT_EQ(c.store->path(c.position), seams.folder() + c.name);
        EXPECT_EQ(c.store->placeholder(), c.placeholder);
        EXPECT_TRUE(QFile::exists(c.placeholder)) << c.placeholder.toStdString();
    }
}

TEST_F(PhotoStoreTest, AStoredPhotoComesBackAndTheOtherCardsPhotosAreUntouched) {
    ASSERT_FALSE(QDir(seams.file("Anagrafica")).exists());
    EXPECT_TRUE(store.load(3).isNull());  // browsing a card without a photo
    EXPECT_TRUE(QDir(seams.file("Anagrafica")).exists());

    box->setPicture(photo({640, 480}, Qt::darkRed));
    EXPECT_TRUE(store.store(&window, 3, box));
    box->setPicture(photo({100, 200}, Qt::darkBlue));
    EXPECT_TRUE(store.store(&window, 4, box));
    const QByteArray third = fileBytes(store.path(3));
    EXPECT_TRUE(third.startsWith("\xFF\xD8\xFF"));

    box->setPicture(photo({320, 240}, Qt::darkGreen));  // a new photo for card 3
    EXPECT_TRUE(store.store(&window, 3, box));
    EXPECT_NE(fileBytes(store.path(3)), third);
    EXPECT_EQ(store.load(3).size(), QSize(320, 240));
    EXPECT_EQ(store.load(4).size(), QSize(100, 200));
    EXPECT_TRUE(seams.messages.empty());
    EXPECT_EQ(filesIn("Anagrafica"), QStringList({"Scheda_Dipendente_3.jpg", "Scheda_Dipendente_4.jpg"}));

    TPhotoBox shown(QStringLiteral("imgFoto"), store.placeholder(), QSize(307, 394));
    store.show(4, &shown);
    EXPECT_EQ(shown.picture().size(), QSize(100, 200));
    QFile::remove(store.path(4));  // deleted by hand: the placeholder, no message
    writeFile(store.path(3), "non una foto");
    for (int position : {3, 4}) {
        store.show(position, &shown);
        EXPECT_FALSE(shown.hasPhoto()) << position;
    }
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(PhotoStoreTest, ACardWithoutPhotoStoresThePlaceholderItShows) {
    ASSERT_FALSE(QDir(seams.file("Anagrafica")).exists());
    EXPECT_TRUE(store.store(&window, 1, box));  // the folder is created with it
    const QImage stored = QImage::fromData(fileBytes(store.path(1)));
    ASSERT_EQ(stored.size(), QSize(307, 394));
    const QImage shown = box->picture();
    for (QPoint at : {QPoint(3, 3), QPoint(153, 150), QPoint(153, 300)}) {
        const QColor s = stored.pixelColor(at), b = shown.pixelColor(at);
        EXPECT_NEAR(s.red(), b.red(), 12);  // JPEG is near, not exact
        EXPECT_NEAR(s.green(), b.green(), 12);
        EXPECT_NEAR(s.blue(), b.blue(), 12);
    }
}

TEST_F(PhotoStoreTest, AFailedWriteWarnsAndKeepsTheBoxAndTheEarlierPhoto) {
    box->setPicture(photo({640, 480}, Qt::darkRed));
    ASSERT_TRUE(store.store(&window, 3, box));
    const QByteArray earlier = fileBytes(store.path(3));
    box->setPicture(photo({320, 240}, Qt::darkGreen));
    {
        FullDisk full;
        EXPECT_FALSE(store.store(&window, 3, box));
    }
    EXPECT_EQ(fileBytes(store.path(3)), earlier);
    EXPECT_EQ(filesIn("Anagrafica"), QStringList({"Scheda_Dipendente_3.jpg"}));  // no leftover

    // A folder that cannot be created.
    writeFile(seams.file("Copertine_Libri"), "un file, non una cartella");
    EXPECT_FALSE(TfrmLibri::photos().store(&window, 1, box));

    ASSERT_EQ(seams.messages.size(), 2u);
    for (const ShownMessage& m : seams.messages) {
        EXPECT_EQ(m.kind, MsgKind::Warning);
        EXPECT_EQ(m.text, QStringLiteral(
                              "Attenzione: la scheda \u00E8 stata salvata, ma non \u00E8 stato possibile salvarne la "
                              "foto.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di "
                              "installazione del programma e che il disco non sia pieno."));
        EXPECT_EQ(m.parentName, QStringLiteral("frmProva"));
    }
    EXPECT_TRUE(box->hasPhoto());
    EXPECT_EQ(box->picture().size(), QSize(320, 240));
}
