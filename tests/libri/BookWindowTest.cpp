#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "archive/Layouts.h"
#include "libri/TfrmLibri.h"
#include "support/Said.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/PhotoBox.h"

namespace {

const char* kArchive = "Archivio_Libri.pro";

class BookWindow : public CardWindowTest<TfrmLibri> {
protected:
    TPhotoBox* cover() const { return w.imgFoto(); }
    QString coverFile(int position) const {
        return seams.file(QStringLiteral("Copertine_Libri/Foto_%1.jpg").arg(position));
    }
    static QImage picture(QSize size, QColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    // A JPEG file on disk, as a user has it.
    QString jpeg(const char* name, QSize size) const {
        const QString path = seams.file(QLatin1String(name));
        EXPECT_TRUE(picture(size, Qt::darkCyan).save(path, "JPEG"));
        return path;
    }
    // Books saved by another program: only their titles and authors.
    void archive(int count) {
        std::vector<Record> records;
        for (int i = 1; i <= count; ++i) {
            Record r(Layouts::TSchedaLibro());
            r.set("Titolo", QStringLiteral("Libro %1").arg(i));
            r.set("Autore", QStringLiteral("Autore %1").arg(i));
            records.push_back(r);
        }
        appendRecords(seams.file(kArchive), records);
    }
    void fillRequired(const char* title = "Il nome della rosa") {
        put("txtTitolo", QString::fromUtf8(title));
        put("txtAutore", "Umberto Eco");
    }
};

}  // namespace

TEST_F(BookWindow, TitleThenAuthorAreRequiredAndNothingIsWrittenUntilBothAreThere) {
    struct Step {
        const char* control;
        const char* value;
        const char* message;
        const char* focus;
    };
    // Each step mends what the previous save refused.
    const Step steps[] = {
        {nullptr, nullptr, "il titolo del libro.", "txtTitolo"},    // both empty: the title is told first
        {"txtTitolo", "   ", "il titolo del libro.", "txtTitolo"},  // blanks are empty
        {"txtTitolo", "Il barone rampante", "l'autore del libro.", "txtAutore"},
        {"txtAutore", "  ", "l'autore del libro.", "txtAutore"},
    };
    for (const Step& s : steps) expectSaveRefused(seams, s.control, s.value, s.message, s.focus);
    EXPECT_FALSE(QFile::exists(seams.file(kArchive)));
    EXPECT_FALSE(QDir(seams.file("Copertine_Libri")).exists());
    EXPECT_EQ(text("txtTitolo"), QStringLiteral("Il barone rampante"));  // a refused save changes no field

    put("txtAutore", "Italo Calvino");
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(seams.lastMessage().text, Said::inserita);
    EXPECT_EQ(pos(), QStringLiteral("1"));
    EXPECT_EQ(fileBytes(seams.file(kArchive)).size(), 3150);
}

TEST_F(BookWindow, ASavedCardIsTheRecordBuiltByHand) {
    const char* values[][2] = {
        {"txtTitolo", "  Il nome della rosa "},
        {"txtAutore", "Umberto Eco"},
        {"txtNazione", "Italia"},
        {"txtAnno", "1980 (prima edizione)"},
        {"txtEditore", "Bompiani"},
        {"txtCitta", "Milano"},
        {"txtDewey", "853.914"},
        {"txtGenere", "romanzo storico"},
        {"txtISBN", "88-452-0656-2"},
        {"txtLingua", "italiano"},
        {"txtOriginale", "Il nome della rosa"},
        {"txtTraduttore", ""},
        {"txtCollana", "Letteraria"},
        {"txtCuratore", ""},
        {"txtPosizione", "Scaffale B, ripiano 3"},
        {"txtEtichetta", "NAR-0042"},
        {"txtFormato", "21 cm"},
        {"txtVolumi", "uno"},
        {"txtPagine", "503 p."},
        {"txtPrezzo", "lire 20.000"},
        {"txtGiudizio", "Un giallo che \u00E8 anche un saggio"},
        {"txtNote", "Regalo di Natale"},
    };
    for (const auto& v : values) type(v[0], QString::fromUtf8(v[1]));
    put("lblFile02", "recensione.pdf");
    put("lblDesc02", "Recensione");
    click("cmdSalva");

    const QByteArray expected = field(120, "Il nome della rosa") + field(50, "Umberto Eco") + field(50, "Italia") +
                                field(20, "1980 (prima edizione") + field(50, "Bompiani") + field(50, "Milano") +
                                field(12, "853.914") + field(50, "romanzo storico") + field(20, "88-452-0656-2") +
                                field(50, "italiano") + field(120, "Il nome della rosa") + field(50, "") +
                                field(120, "Letteraria") + field(50, "") + field(120, "Scaffale B, ripiano 3") +
                                field(50, "NAR-0042") + field(50, "21 cm") + field(50, "uno") + field(20, "503 p.") +
                                field(20, "lire 20.000") + field(250, "Un giallo che \xE8 anche un saggio") +
                                field(250, "Regalo di Natale") + field(250, "") + field(250, "recensione.pdf") +
                                field(250, "") + field(250, "") + field(250, "Recensione") + field(250, "");
    ASSERT_EQ(expected.size(), 3150);
    EXPECT_EQ(fileBytes(seams.file(kArchive)), expected);
    // The screen keeps what was typed; no field filters keys or changes case.
    EXPECT_EQ(text("txtTitolo"), QStringLiteral("  Il nome della rosa "));
    EXPECT_EQ(text("txtGenere"), QStringLiteral("romanzo storico"));
    // Each field takes at most its capacity: the year's last character was never typed.
    EXPECT_EQ(text("txtAnno"), QStringLiteral("1980 (prima edizione"));
    EXPECT_EQ(child<QLineEdit>(&w, "txtDewey")->maxLength(), 12);
    EXPECT_EQ(child<QLineEdit>(&w, "txtNote")->maxLength(), 250);
}

TEST_F(BookWindow, ACardSavedWithoutCoverGetsThePlaceholderAndShowsItAgain) {
    fillRequired();
    click("cmdSalva");
    ASSERT_EQ(pos(), QStringLiteral("1"));
    // The placeholder, as the box draws it, stored as the cover of the card.
    const QImage stored(coverFile(1));
    ASSERT_EQ(stored.size(), QSize(307, 409));
    const QImage placeholder = cover()->picture();
    EXPECT_FALSE(cover()->hasPhoto());

    click("cmdNuovo");
    cover()->setPicture(picture({100, 150}, Qt::darkRed));
    click("cmdPrimo");
    // Back on the card, the box shows the stored placeholder.
    ASSERT_EQ(cover()->picture().size(), QSize(307, 409));
    const QImage shown = cover()->picture().convertToFormat(QImage::Format_RGB32);
    const QImage drawn = placeholder.convertToFormat(QImage::Format_RGB32);
    int far = 0;
    for (int y = 0; y < 409; y += 8)
        for (int x = 0; x < 307; x += 8)
            if (std::abs(qGray(shown.pixel(x, y)) - qGray(drawn.pixel(x, y))) > 24) ++far;
    EXPECT_LT(far, 20);  // the same picture, give or take the JPEG's losses
}

TEST_F(BookWindow, ANewCoverOfTheSeventhCardReplacesOnlyFoto7) {
    archive(8);
    QDir().mkpath(seams.file("Copertine_Libri"));
    for (int n : {6, 7, 8}) ASSERT_TRUE(picture({10 * n, 10 * n}, Qt::gray).save(coverFile(n), "JPEG"));
    const QByteArray six = fileBytes(coverFile(6)), eight = fileBytes(coverFile(8));

    click("cmdUltimo");
    click("cmdIndietro");
    ASSERT_EQ(pos(), QStringLiteral("7"));
    EXPECT_EQ(cover()->picture().size(), QSize(70, 70));
    seams.pickFile(jpeg("copertina.jpg", {200, 300}));
    click("btnCaricaFoto");
    ASSERT_EQ(seams.fileRequests.size(), 1u);
    EXPECT_EQ(seams.fileRequests[0].caption,
              QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
    EXPECT_EQ(QImage(coverFile(7)).size(), QSize(70, 70));  // the store waits for Salva
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text, Said::salvata);
    EXPECT_EQ(QImage(coverFile(7)).size(), QSize(200, 300));
    EXPECT_EQ(fileBytes(coverFile(6)), six);
    EXPECT_EQ(fileBytes(coverFile(8)), eight);
    EXPECT_EQ(QDir(seams.file("Copertine_Libri")).entryList(QDir::Files).size(), 3);
}

TEST_F(BookWindow, ACoverDeletedByHandShowsThePlaceholderWithoutAWordAndIsWrittenAgain) {
    archive(2);
    QDir().mkpath(seams.file("Copertine_Libri"));
    ASSERT_TRUE(picture({120, 160}, Qt::darkBlue).save(coverFile(2), "JPEG"));
    click("cmdUltimo");
    ASSERT_TRUE(cover()->hasPhoto());

    QFile::remove(coverFile(2));
    click("cmdPrimo");
    click("cmdAvanti");
    EXPECT_EQ(pos(), QStringLiteral("2"));
    EXPECT_FALSE(cover()->hasPhoto());
    EXPECT_TRUE(seams.messages.empty());
    click("cmdSalva");
    EXPECT_EQ(QImage(coverFile(2)).size(), QSize(307, 409));
    EXPECT_EQ(seams.messageTexts(), QStringList({Said::salvata}));
}

TEST_F(BookWindow, BrowsingCreatesTheMissingCoverFolder) {
    archive(1);
    ASSERT_FALSE(QDir(seams.file("Copertine_Libri")).exists());
    click("cmdPrimo");
    EXPECT_TRUE(QDir(seams.file("Copertine_Libri")).exists());
    EXPECT_FALSE(cover()->hasPhoto());
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(BookWindow, TheTitleAndTheGuideNameTheAppAndTheCardWaitsOnTheBookTitle) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Plenaro - Schedario Libri"));
    EXPECT_TRUE(ctl("txtTitolo")->hasFocus());
    click("cmdGuida");
    EXPECT_EQ(seams.helpRequests, QStringList({"App Schedario Libri"}));
}
