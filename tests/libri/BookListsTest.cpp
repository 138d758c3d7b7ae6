#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "libri/BookFields.h"
#include "libri/TfrmLibri.h"
#include "platform/Timer.h"
#include "report/PreparedReport.h"
#include "support/Said.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/PhotoBox.h"
#include "ui/RecordList.h"

namespace {

struct Book {
    const char* titolo;
    const char* autore;
    const char* editore;
    const char* anno;
    const char* dewey;
};

const QString kLongTitle = QStringLiteral("Storia della letteratura italiana dalle origini al Novecento, volume terzo");

class BookLists : public CardWindowTest<TfrmLibri> {
protected:
    void archive(std::initializer_list<Book> books) {
        std::vector<Record> records;
        for (const Book& b : books) {
            Record r(BookFields::get().layout());
            r.set("Titolo", QString::fromUtf8(b.titolo));
            r.set("Autore", QString::fromUtf8(b.autore));
            r.set("Editore", QString::fromUtf8(b.editore));
            r.set("Anno", QString::fromUtf8(b.anno));
            r.set("Dewey", QString::fromUtf8(b.dewey));
            r.set("File01", QStringLiteral("scheda%1.pdf").arg(records.size() + 1));
            records.push_back(r);
        }
        CardWindowTest::archive(records);
    }
    void addCover(int position, QSize size) {
        QDir().mkpath(seams.file("Copertine_Libri"));
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkMagenta);
        ASSERT_TRUE(image.save(seams.file(QStringLiteral("Copertine_Libri/Foto_%1.jpg").arg(position)), "JPEG"));
    }
    // The find with its fields filled; the driver then acts on the list.
    void findBooks(std::initializer_list<std::pair<const char*, const char*>> criteria,
                   std::function<void(QDialog*, TRecordList*)> then) {
        seams.onModal([=](QDialog* d) {
            for (const auto& [field, text] : criteria) child<QLineEdit>(d, QLatin1String(field))->setText(text);
            press(d, "btnCerca");
            then(d, child<TRecordList>(d, "lstRecords"));
        });
        click("cmdTrova");
    }
};

}  // namespace

TEST_F(BookLists, AFindOnDewey853ListsEveryBookOfThatClassTitleAuthorPublisherAndYear) {
    archive({{"Il nome della rosa", "Umberto Eco", "Bompiani", "1980", "853.914"},
             {"Se questo \u00E8 un uomo", "Primo Levi", "Einaudi", "1947", "940.5318"},
             {"I promessi sposi", "Alessandro Manzoni", "Mondadori", "1840", "853.7"},
             {"Il Gattopardo", "Giuseppe Tomasi di Lampedusa", "Feltrinelli", " 1958 ", "853"}});
    findBooks({{"txtDewey", "853"}}, [](QDialog* d, TRecordList* list) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Trova libri in archivio"));
        EXPECT_EQ(child<QLabel>(d, "lblMemory")->text(), QStringLiteral("libri"));
        EXPECT_EQ(child<QLabel>(d, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 3 schede."));
        EXPECT_EQ(list->lines(),
                  QStringList({fit("Il nome della rosa", 55) + "  Autore: " + fit("Umberto Eco", 30) +
                                   "  Editore: " + fit("Bompiani", 30) + "  Anno: 1980",
                               fit("I promessi sposi", 55) + "  Autore: " + fit("Alessandro Manzoni", 30) +
                                   "  Editore: " + fit("Mondadori", 30) + "  Anno: 1840",
                               fit("Il Gattopardo", 55) + "  Autore: " + fit("Giuseppe Tomasi di Lampedusa", 30) +
                                   "  Editore: " + fit("Feltrinelli", 30) + "  Anno: 1958"}));
    });
    EXPECT_EQ(pos(), QString());  // nothing chosen, nothing loaded
}

TEST_F(BookLists, ATitleLongerThanTheLineIsCutThereAndFoundAgainWithItsCover) {
    archive({{"Breve storia", "Autore Uno", "Laterza", "2001", "945"},
             {"Storia della letteratura italiana dalle origini al Novecento, volume terzo", "Francesco De Sanctis",
              "Rizzoli", "1870", "850.9"},
             {"Storia d'Italia", "Indro Montanelli", "Rizzoli", "1965", "945"}});
    addCover(2, {140, 210});
    findBooks({{"txtTitolo", "storia"}, {"txtEditore", "RIZZOLI"}}, [](QDialog*, TRecordList* list) {
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->line(0).left(55), kLongTitle.left(55));
        EXPECT_EQ(list->line(0).mid(55, 10), QStringLiteral("  Autore: "));
        doubleClickLine(list, 0);
    });
    EXPECT_EQ(pos(), QStringLiteral("2"));
    EXPECT_EQ(text("txtTitolo"), kLongTitle);
    EXPECT_EQ(text("txtDewey"), QStringLiteral("850.9"));
    EXPECT_EQ(text("lblFile01"), QStringLiteral("scheda2.pdf"));
    ASSERT_TRUE(w.imgFoto()->hasPhoto());
    EXPECT_EQ(w.imgFoto()->picture().size(), QSize(140, 210));

    // Saving then overwrites the card found.
    put("txtNote", "Trovato");
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text, Said::salvata);
    EXPECT_EQ(fileBytes(seams.file("Archivio_Libri.pro")).size(), 3 * 3150);
}

TEST_F(BookLists, TheCardIsPrintedAsTheScreenShowsItWithThePlaceholderForAMissingCover) {
    struct Box {
        const char* control;
        const char* value;
        const char* caption;
    };
    const Box boxes[] = {
        {"txtAutore", "Umberto Eco", "AUTORE"},
        {"txtNazione", "Italia", "NAZIONE"},
        {"txtAnno", "1980", "ANNO PUBBLICAZIONE"},
        {"txtEditore", "Bompiani", "CASA EDITRICE"},
        {"txtCitta", "Milano", "CITTA' PUBBLICAZIONE"},
        {"txtGenere", "Romanzo", "GENERE"},
        {"txtISBN", "88-452-0656-2", "ISBN"},
        {"txtLingua", "Italiano", "LINGUA"},
        {"txtOriginale", "Il nome della rosa", "TITOLO ORIGINALE"},
        {"txtTraduttore", "-", "TRADUTTORE"},
        {"txtCollana", "Letteraria", "COLLANA"},
        {"txtCuratore", "Nessuno", "CURATORE"},
        {"txtPosizione", "Scaffale B", "POSIZIONE SU SCAFFALE"},
        {"txtEtichetta", "NAR-42", "CODICE SU ETICHETTA"},
        {"txtFormato", "21 cm", "FORMATO"},
        {"txtDewey", "853.914", "CODICE DEWEY"},
        {"txtVolumi", "1", "VOLUMI"},
        {"txtPagine", "503", "PAGINE"},
        {"txtPrezzo", "20 euro", "PREZZO"},
        {"txtGiudizio", "Ottimo", "GIUDIZIO"},
        {"txtNote", "Prima edizione", "NOTE"},
    };
    archive({{"Il nome della rosa", "Umberto Eco", "Bompiani", "1980", "853.914"}});
    click("cmdPrimo");  // card 1 has no cover file
    ASSERT_FALSE(w.imgFoto()->hasPhoto());
    put("txtTitolo", "  Il nome della rosa ");
    for (const Box& b : boxes) put(b.control, QString::fromUtf8(b.value));
    put("txtNote", " Prima edizione  ");  // trimmed on the card

    seams.onModal([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Stampa scheda"));
        press(d, "btnStampa");
    });
    click("cmdStampa");
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(seams.reports[0].action, ReportOutput::Action::Print);
    const PreparedReport& card = *seams.reports[0].report;
    EXPECT_EQ(card.name, QStringLiteral("repDocumento"));
    EXPECT_EQ(card.orientation, QPageLayout::Portrait);
    ASSERT_EQ(card.pageCount(), 1);
    const PreparedPage& page = card.pages[0];
    EXPECT_EQ(page.memo("txtTitolo")->text(), QStringLiteral("Il nome della rosa"));
    double lastTop = 0;
    for (const Box& b : boxes) {
        const TMemo* value = page.memo(QLatin1String(b.control));
        ASSERT_NE(value, nullptr) << b.control;
        EXPECT_EQ(value->text(), QString::fromUtf8(b.value).trimmed()) << b.control;
        const TMemo* caption = page.memo(QStringLiteral("tit") + QString::fromLatin1(b.control).mid(3));
        ASSERT_NE(caption, nullptr) << b.control;
        EXPECT_EQ(caption->text(), QString::fromUtf8(b.caption));
        EXPECT_GE(value->top(), lastTop) << b.control;  // two boxes a row, in the order of the card
        lastTop = value->top();
    }
    // Two boxes a row: the author beside the country, the notes alone.
    EXPECT_EQ(page.memo("txtAutore")->top(), page.memo("txtNazione")->top());
    EXPECT_LT(page.memo("txtAutore")->left(), page.memo("txtNazione")->left());
    EXPECT_GT(page.memo("txtNote")->width(), 1.8 * page.memo("txtGiudizio")->width());
    const auto* picture = dynamic_cast<const TPicture*>(page.find("imgLogo"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->image(), w.imgFoto()->picture());  // the placeholder the box shows
    EXPECT_EQ(picture->image().size(), QSize(307, 409));
    EXPECT_NEAR(picture->height(), 110 * 96 / 25.4, 1);  // about 11 cm
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(BookLists, APreviewShowsTheCoverOnScreenAndAFailureIsToldWithItsWarning) {
    QImage cover(200, 300, QImage::Format_RGB32);
    cover.fill(Qt::darkGreen);
    w.imgFoto()->setPicture(cover);
    put("txtTitolo", "Non ancora salvato");
    seams.onModal([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Anteprima di stampa"));
        press(d, "btnStampa");
    });
    click("cmdAnteprima");
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(seams.reports[0].action, ReportOutput::Action::Preview);
    const PreparedPage& page = seams.reports[0].report->pages[0];
    EXPECT_EQ(page.memo("txtTitolo")->text(), QStringLiteral("Non ancora salvato"));
    EXPECT_EQ(dynamic_cast<const TPicture*>(page.find("imgLogo"))->image().size(), QSize(200, 300));

    seams.reportResult = OutputResult::Failed;
    seams.onModal([](QDialog* d) { press(d, "btnStampa"); });
    click("cmdStampa");
    EXPECT_EQ(seams.messageTexts(),
              QStringList({QStringLiteral("Attenzione: la stampa della scheda non \u00E8 andata a buon fine.\n\r\n\r"
                                          "Si consiglia di ridurre le dimensioni della foto.")}));
}

TEST_F(BookLists, TheSlideShowWithTwoCardsShowsThemInTurnAndTheSecondTwice) {
    archive({{"Uno", "A", "E", "2000", ""}, {"Due", "B", "E", "2001", ""}});
    addCover(1, {100, 51});
    addCover(2, {200, 52});
    QStringList seen;
    seams.onModal([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Slide Show Schedario Libri"));
        auto* photo = child<TPhotoBox>(d, "imgFoto");
        auto* position = child<QLabel>(d, "lblPosizione");
        // Every six seconds, from the showing: the placeholder first.
        for (int tick = 0; tick < 6; ++tick) {
            const QString shown = position->text();
            seen << shown + ":" + (photo->hasPhoto() ? QString::number(photo->picture().width()) : "-");
            Timers::advance(5999);
            EXPECT_EQ(position->text(), shown);  // not a millisecond early
            Timers::advance(1);
        }
        QTest::mouseClick(photo, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_FALSE(d->isVisible());
    });
    click("cmdSlideshow");
    EXPECT_EQ(seen, QStringList({":-", "1:100", "2:200", "0:200", "1:100", "2:200"}));
}
