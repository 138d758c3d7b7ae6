#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "archive/PhotoStore.h"
#include "dipendenti/EmployeeFields.h"
#include "dipendenti/TfrmDipendenti.h"
#include "platform/Timer.h"
#include "report/PreparedReport.h"
#include "support/Said.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/PhotoBox.h"
#include "ui/RecordList.h"

namespace {

struct Card {
    const char* name;
    const char* cel;
    const char* qualifica;
    const char* reparto;
    const char* disp;
};

class EmployeeLists : public CardWindowTest<TfrmDipendenti> {
protected:
    void archive(std::initializer_list<Card> cards) {
        std::vector<Record> records;
        for (const Card& c : cards) {
            Record r(EmployeeFields::get().layout());
            r.set("Dipendente", QString::fromUtf8(c.name));
            r.set("Cel", c.cel);
            r.set("Qualifica", QString::fromUtf8(c.qualifica));
            r.set("Reparto", QString::fromUtf8(c.reparto));
            r.set("Disponibilita", QString::fromUtf8(c.disp));
            r.set("Sesso", "F");
            records.push_back(r);
        }
        CardWindowTest::archive(records);
    }
    void addPhoto(int position, QSize size) {
        QDir().mkpath(seams.file("Anagrafica"));
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkMagenta);
        ASSERT_TRUE(image.save(TfrmDipendenti::photos().path(position), "JPEG"));
    }
};

}  // namespace

TEST_F(EmployeeLists, TheFindListsMatchingCardsAndLoadsTheOneDoubleClickedWithItsPhoto) {
    archive({{"Rossi Mario", "3331", "Impiegato amministrativo", "Amministrazione", "Mattina"},
             {"Bianchi Anna", "3332", "Magazziniere", "Logistica", "Tutto il giorno"},
             {"Verdi Carla", "3333", "IMPIEGATA commerciale", "Vendite", "Pomeriggio"},
             {"Neri Luca", "3334", "Impiegato tecnico con una qualifica lunga", "Ufficio tecnico", "Lun-Ven"}});
    addPhoto(3, {120, 160});
    seams.onModal([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Trova schede dipendenti in archivio"));
        EXPECT_EQ(child<QLabel>(d, "lblMemory")->text(), QStringLiteral("dipendenti"));
        child<QLineEdit>(d, "txtQualifica")->setText("impiegat");
        press(d, "btnCerca");
        EXPECT_EQ(child<QLabel>(d, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 3 schede"));
        auto* list = child<TRecordList>(d, "lstRecords");
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->lines()[0], fit("Rossi Mario", 26) + "  Cel. " + fit("3331", 14) + "  Qual. " +
                                        fit("Impiegato amministrativo", 24) + "  Rep. " + fit("Amministrazione", 24) +
                                        "  Disp. Mattina");
        EXPECT_EQ(list->lines()[2].mid(55, 24), QStringLiteral("Impiegato tecnico con un"));
        doubleClickLine(list, 1);
    });
    click("cmdTrova");
    EXPECT_EQ(text("txtDipendente"), QStringLiteral("Verdi Carla"));
    EXPECT_EQ(pos(), QStringLiteral("3"));
    ASSERT_TRUE(w.imgFoto()->hasPhoto());
    EXPECT_EQ(w.imgFoto()->picture().size(), QSize(120, 160));

    // Saving then overwrites the card found, not a new one.
    put("txtNote", "Trovata");
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text, Said::salvata);
    EXPECT_EQ(fileBytes(seams.file("Archivio_Dipendenti.pro")).size(), 4 * 3356);
    EXPECT_EQ(QImage(TfrmDipendenti::photos().path(3)).size(), QSize(120, 160));
}

TEST_F(EmployeeLists, TheCardIsPrintedAsTheScreenShowsItWithItsPhoto) {
    struct Box {
        const char* control;
        const char* value;
        const char* caption;
    };
    const Box boxes[] = {
        {"txtLuogoNasc", "Roma", "LUOGO DI NASCITA"},
        {"txtDataNasc", "01/01/1980", "DATA DI NASCITA"},
        {"txtSesso", "M", "SESSO"},
        {"txtIndirizzo", "Via Appia 12", "INDIRIZZO"},
        {"txtCitta", "Roma", "CITTA'"},
        {"txtCap", "00100", "CAP"},
        {"txtNazione", "Italia", "NAZIONE"},
        {"txtCodFisc", "RSSMRA80A01H501U", "CODICE FISCALE"},
        {"txtStudio", "Laurea", "TITOLO DI STUDIO"},
        {"txtLingue", "Inglese", "LINGUE CONOSCIUTE"},
        {"txtReparto", "Vendite", "REPARTO"},
        {"txtCivile", "Celibe", "STATO CIVILE"},
        {"txtCittadinanza", "Italiana", "CITTADINANZA"},
        {"txtQualifica", "Impiegato", "QUALIFICA"},
        {"txtDisponibilita", "Mattina", "DISPONIBILITA'"},
        {"txtEmail", "m@s.it", "E-MAIL"},
        {"txtTel", "06 1", "TEL. CASA"},
        {"txtCel", "333", "TEL. CELLULARE"},
        {"txtDataAss", "02/05/2020", "DATA ASSUNZIONE"},
        {"txtIban", "IT60X054", "IBAN"},
        {"txtPartitaIva", "0123", "PARTITA IVA"},
        {"txtRetribuzione", "1500 euro", "RETRIBUZIONE"},
        {"txtMansioni", "Ordini e fatture", "MANSIONI"},
        {"txtNote", "Part time", "NOTE"},
    };
    put("txtDipendente", "  Rossi Mario ");
    for (const Box& b : boxes) put(b.control, QString::fromUtf8(b.value));
    put("txtMansioni", "  Ordini e fatture  ");  // trimmed on the card
    QImage photo(300, 600, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    w.imgFoto()->setPicture(photo);

    seams.onModal([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Stampa documento"));
        press(d, "btnStampa");
    });
    click("cmdStampa");  // unsaved: the screen is what is printed
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(seams.reports[0].action, ReportOutput::Action::Print);
    const PreparedReport& card = *seams.reports[0].report;
    EXPECT_EQ(card.name, QStringLiteral("repDocumento"));
    EXPECT_EQ(card.orientation, QPageLayout::Portrait);
    ASSERT_EQ(card.pageCount(), 1);
    const PreparedPage& page = card.pages[0];
    EXPECT_EQ(page.memo("txtDipendente")->text(), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(page.memo("txtDipendente")->fillColor(), QColor(65, 105, 225));
    double lastTop = 0;
    for (const Box& b : boxes) {
        const TMemo* value = page.memo(QLatin1String(b.control));
        ASSERT_NE(value, nullptr) << b.control;
        EXPECT_EQ(value->text(), QString::fromUtf8(b.value)) << b.control;
        EXPECT_FALSE(value->wordWrap());
        const TMemo* caption = page.memo(QStringLiteral("tit") + QString::fromLatin1(b.control).mid(3));
        ASSERT_NE(caption, nullptr) << b.control;
        EXPECT_EQ(caption->text(), QString::fromUtf8(b.caption));
        EXPECT_LT(caption->top(), value->top());        // the caption bar above its value
        EXPECT_GE(value->top(), lastTop) << b.control;  // rows in the order of the card
        lastTop = value->top();
    }
    const auto* picture = dynamic_cast<const TPicture*>(page.find("imgLogo"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->image().size(), QSize(300, 600));
    EXPECT_NEAR(picture->height(), 140 * 96 / 25.4, 1);                                   // about 14 cm
    EXPECT_NEAR(picture->pictureRect().width() * 2, picture->pictureRect().height(), 1);  // proportions kept
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(EmployeeLists, APreviewOfANewCardShowsAnEmptyTitleAndThePlaceholder) {
    seams.onModal([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Anteprima di stampa"));
        press(d, "btnStampa");
    });
    click("cmdAnteprima");
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(seams.reports[0].action, ReportOutput::Action::Preview);
    const PreparedPage& page = seams.reports[0].report->pages[0];
    EXPECT_EQ(page.memo("txtDipendente")->text(), QString());
    const auto* picture = dynamic_cast<const TPicture*>(page.find("imgLogo"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->image(), w.imgFoto()->picture());
}

TEST_F(EmployeeLists, AFailedPrintOrPreviewIsToldWithItsOwnWarning) {
    seams.reportResult = OutputResult::Failed;
    struct Case {
        const char* button;
        QString warning;
    };
    const Case cases[] = {
        {"cmdStampa", QStringLiteral("Attenzione: la stampa della scheda non \u00E8 andata a buon fine.\n\r\n\r"
                                     "Si consiglia di ridurre le dimensioni della foto.")},
        {"cmdAnteprima", QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non \u00E8 andata a "
                                        "buon fine.\n\r\n\rSi consiglia di ridurre le dimensioni della foto.")},
    };
    for (const Case& c : cases) {
        seams.messages.clear();
        bool open = true;
        seams.onModal([&](QDialog* d) {
            press(d, "btnStampa");
            open = d->isVisible();
        });
        click(c.button);
        EXPECT_EQ(seams.messageTexts(), QStringList({c.warning})) << c.button;
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
        EXPECT_FALSE(open) << c.button;
    }
}

TEST_F(EmployeeLists, TheSlideShowShowsEveryCardInTurnOnTheWindowTimer) {
    archive({{"Uno", "1", "q", "r", ""}, {"Due", "2", "q", "r", ""}, {"Tre", "3", "q", "r", ""}});
    addPhoto(1, {100, 51});
    addPhoto(3, {300, 53});
    QStringList seen;
    seams.onModal([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Slide show foto dipendenti"));
        auto* photo = child<TPhotoBox>(d, "imgFoto");
        auto* position = child<QLabel>(d, "lblPosizione");
        for (int tick = 0; tick < 6; ++tick) {
            seen << position->text() + ":" + (photo->hasPhoto() ? QString::number(photo->picture().width()) : "-");
            Timers::advance(6000);
        }
        QTest::mouseClick(photo, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_FALSE(d->isVisible());
    });
    click("cmdSlideshow");
    EXPECT_EQ(seen, QStringList({":-", "1:100", "2:-", "3:300", "0:300", "1:100"}));
}
