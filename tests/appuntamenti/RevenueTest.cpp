#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "AgendaCards.h"
#include "appuntamenti/RevenueRules.h"
#include "appuntamenti/TfrmMenuRiepCosti.h"
#include "appuntamenti/TfrmRiepCosti.h"
#include "archive/ClientFields.h"
#include "report/PreparedReport.h"
#include "support/Said.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/RecordList.h"

namespace {

QString pad(const char* text, int width) { return QString::fromUtf8(text).trimmed().leftJustified(width, ' ', true); }

// The line of a card, built here from its values: key, then the columns.
QString line(const Card& c) {
    const QString date = QString::fromUtf8(c.date), time = QString::fromUtf8(c.time);
    return "ID: " + date.mid(6, 4) + date.mid(3, 2) + date.left(2) + time.left(2) + time.mid(3) +
           "  Data: " + pad(c.date, 10) + "  Ora: " + pad(c.time, 5) + "  " + pad(c.services, 40) +
           "  Cliente: " + pad(c.client, 24) + "  Cel. " + pad(c.cel, 12) + "  € " + QString::fromUtf8(c.amount);
}

QString dateMissing(const char* date, const char* end) {
    return QStringLiteral("Attenzione: la data ") + date + " di " + end +
           " intervallo non esiste.\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.";
}

QString endBeforeStart(const char* end, const char* start) {
    return QStringLiteral("Attenzione: la data di fine intervallo (") + end +
           ") non può essere anteriore a quella di inizio intervallo (" + start +
           ").\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un intervallo di tempo valido.";
}

QString notPicked(const char* what) {
    return QStringLiteral("Attenzione: indicare il ") + what + " intervallo selezionandolo dall'elenco a cascata.";
}

const QString kYear = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

// What the menu holds when "Visualizza riepilogo" is pressed.
struct Period {
    const char* from = "01 Gennaio";
    const char* to = "31 Dicembre";
    const char* client = "";
    const char* services = "";
    const char* year = "2025";
};

// What the summary window showed.
struct Shown {
    QStringList lines;
    QString total, client, interval, filters;
};

class Revenue : public SeamsTest {
protected:
    TfrmMenuRiepCosti menu;
    WindowDriver drive{&menu};

    void SetUp() override { WindowDriver::showActive(&menu); }

    void fill(const Period& p) {
        drive.put("txtAnno", QString::fromUtf8(p.year));
        drive.put("txtCliente", QString::fromUtf8(p.client));
        drive.put("txtTarga", QString::fromUtf8(p.services));
        const QStringList from = QString::fromUtf8(p.from).split(' ', Qt::SkipEmptyParts);
        const QStringList to = QString::fromUtf8(p.to).split(' ', Qt::SkipEmptyParts);
        drive.put("txtGiornoInizio", from.value(0));
        drive.put("txtMeseInizio", from.value(1));
        drive.put("txtGiornoFine", to.value(0));
        drive.put("txtMeseFine", to.value(1));
    }
    // Presses "Visualizza riepilogo" on the period; what the summary showed.
    std::optional<Shown> summary(const Period& p, const std::function<void(QDialog*)>& more = {}) {
        fill(p);
        std::optional<Shown> shown;
        seams.onModal([&](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral(" Plenaro - Riepilogo Incassi"));
            shown = Shown{child<TRecordList>(d, "lstRecords")->lines(), child<QLabel>(d, "lblTotCosti")->text(),
                          child<QLabel>(d, "titTipologia")->text(), child<QLabel>(d, "lblIntervallo")->text(),
                          child<QLabel>(d, "lblConta")->text()};
            if (more) more(d);
        });
        QTest::mouseClick(drive.ctl("btnVisualizza"), Qt::LeftButton);
        EXPECT_FALSE(drive.ctl("lblAttendere")->isVisible());
        return shown;
    }
    void archive(std::initializer_list<Card> cards) {
        QFile::remove(seams.file("Archivio_Appuntamenti.pro"));
        appendCards(seams, cards);
    }
};

}  // namespace

TEST(RevenueRules, PeriodChecksInOrderWithTheirFocus) {
    struct Case {
        const char* year;
        const char* days[4];  // start day, start month, end day, end month
        std::optional<PeriodRefusal> refused;
    };
    const Case cases[] = {
        {"2025", {"01", "Gennaio", "31", "Dicembre"}, std::nullopt},
        {"2024", {"29", "Febbraio", "29", "Febbraio"}, std::nullopt},
        {"202", {"", "", "", ""}, PeriodRefusal{PeriodPart::Year, kYear}},
        {"", {"01", "Gennaio", "31", "Dicembre"}, PeriodRefusal{PeriodPart::Year, kYear}},
        {"2025", {"", "", "", ""}, PeriodRefusal{PeriodPart::StartDay, notPicked("giorno di inizio")}},
        {"2025", {"01", "", "", ""}, PeriodRefusal{PeriodPart::StartMonth, notPicked("mese di inizio")}},
        {"2025", {"01", "Marzo", "", "Marzo"}, PeriodRefusal{PeriodPart::EndDay, notPicked("giorno di fine")}},
        {"2025", {"01", "Marzo", "31", ""}, PeriodRefusal{PeriodPart::EndMonth, notPicked("mese di fine")}},
        {"2025",
         {"31", "Aprile", "30", "Aprile"},
         PeriodRefusal{PeriodPart::StartDay, dateMissing("31/04/2025", "inizio"), MsgKind::Plain}},
        {"2025",
         {"01", "Febbraio", "29", "febbraio"},
         PeriodRefusal{PeriodPart::EndDay, dateMissing("29/02/2025", "fine"), MsgKind::Plain}},
        {"2025",
         {"10", "Marzo", "01", "Marzo"},
         PeriodRefusal{std::nullopt, endBeforeStart("01/03/2025", "10/03/2025"), MsgKind::Plain}},
    };
    for (const Case& c : cases) {
        const RevenuePeriod period{c.year, c.days[0], c.days[1], c.days[2], c.days[3]};
        EXPECT_EQ(RevenueRules::check(period), c.refused)
            << c.year << " " << c.days[0] << " " << c.days[1] << " " << c.days[2] << " " << c.days[3];
    }
}

TEST_F(Revenue, APeriodListsItsAppointmentsDoneOrNotInTimeOrderWithBothEndsIncluded) {
    const Card newYear{"01/01/2025", "08:00", "0", "Sì", "Bianchi Anna", "3330000001", "Visura", "10,00"};
    const Card march5{"05/03/2025", "16:30", "0", "No", "Rossi Mario", "3330000002", "Consulenza", "50,00"};
    const Card march5early{"05/03/2025", "09:15", "0", "Sì", "Verdi Luca", "3330000003", "Perizia", "120,50"};
    const Card march10{"10/03/2025", "18:00", "0", "No", "Neri Paola", "3330000004", "Contratto", "7,25"};
    const Card march11{"11/03/2025", "09:00", "0", "No", "Gialli Ugo", "3330000005", "Visura", "3,00"};
    const Card newYearsEve{"31/12/2025", "23:59", "0", "No", "Rosa Bianca", "3330000006", "Pratica", "0,05"};
    const Card lastYear{"31/12/2024", "10:00"};
    const Card nextYear{"01/01/2026", "10:00"};
    archive({march11, newYearsEve, lastYear, march5, newYear, march10, nextYear, march5early});

    struct Case {
        Period period;
        QStringList lines;
        const char* total;
        const char* interval;
    };
    const Case cases[] = {
        {{},
         {line(newYear), line(march5early), line(march5), line(march10), line(march11), line(newYearsEve)},
         "190,80",
         "Dal   01/01/2025   al   31/12/2025"},
        {{"05 Marzo", "10 Marzo"},
         {line(march5early), line(march5), line(march10)},
         "177,75",
         "Dal   05/03/2025   al   10/03/2025"},
        {{"01 Giugno", "30 Giugno"}, {}, "0,00", "Dal   01/06/2025   al   30/06/2025"},
    };
    for (const Case& c : cases) {
        const std::optional<Shown> shown = summary(c.period);
        ASSERT_TRUE(shown) << c.period.from;
        EXPECT_EQ(shown->lines, c.lines) << c.period.from;
        EXPECT_EQ(shown->total, QString::fromUtf8(c.total)) << c.period.from;
        EXPECT_EQ(shown->interval, QString::fromUtf8(c.interval));
        EXPECT_EQ(shown->client, QStringLiteral("- - -"));
        EXPECT_EQ(shown->filters, QStringLiteral("0"));
    }
    EXPECT_EQ(drive.text("lblDataInizio"), QStringLiteral("01/06/2025"));
    EXPECT_EQ(drive.text("lblDataFine"), QStringLiteral("30/06/2025"));
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(Revenue, TheLineCutsServicesClientAndCellphoneToTheirWidthsButNeverTheAmount) {
    archive({{"07/03/2025", "09:05", "0", "No", "Santangelo Bartolomei Massimiliano", "+39 333 1234567",
              "Consulenza fiscale e dichiarazione dei redditi 2024", "1234567,89"}});
    const std::optional<Shown> shown = summary({});
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->lines,
              QStringList{"ID: 202503070905  Data: 07/03/2025  Ora: 09:05  Consulenza fiscale e dichiarazione dei r"
                          "  Cliente: Santangelo Bartolomei Ma  Cel. +39 333 1234  € 1234567,89"});
    archive({{"07/03/2025", "09:05", "0", "No", "Rossi", "333", "Visura", "5,00"}});
    EXPECT_EQ(summary({})->lines,
              QStringList{"ID: 202503070905  Data: 07/03/2025  Ora: 09:05  Visura" + QString(34, ' ') +
                          "  Cliente: Rossi" + QString(19, ' ') + "  Cel. 333" + QString(9, ' ') + "  € 5,00"});
}

TEST_F(Revenue, FiltersMatchAnyCaseAndBothTogetherOnlyWhatMatchesBoth) {
    const Card rossi{"03/03/2025", "09:00", "0", "No", "ROSSI Mario", "333", "Consulenza fiscale", "10,00"};
    const Card rosa{"04/03/2025", "09:00", "0", "No", "Bianchi rosa", "333", "Visura catastale", "20,00"};
    const Card verdi{"05/03/2025", "09:00", "0", "No", "Verdi Anna", "333", "Consulenza del lavoro", "40,00"};
    archive({verdi, rosa, rossi});
    struct Case {
        const char* client;
        const char* services;
        QStringList lines;
        const char* total;
        const char* title;
        const char* count;
    };
    const Case cases[] = {
        {"ros", "", {line(rossi), line(rosa)}, "30,00", "ros", "1"},
        {"  ROS ", "", {line(rossi), line(rosa)}, "30,00", "ROS", "1"},
        {"", "CONSULENZA", {line(rossi), line(verdi)}, "50,00", "- - -", "1"},
        {"ros", "consulenza", {line(rossi)}, "10,00", "ros", "2"},
        {"bianchi", "consulenza", {}, "0,00", "bianchi", "2"},
    };
    for (const Case& c : cases) {
        const std::optional<Shown> shown = summary({.client = c.client, .services = c.services});
        ASSERT_TRUE(shown);
        const std::string what = std::string(c.client) + "/" + c.services;
        EXPECT_EQ(shown->lines, c.lines) << what;
        EXPECT_EQ(shown->total, QString::fromUtf8(c.total)) << what;
        EXPECT_EQ(shown->client, QString::fromUtf8(c.title)) << what;
        EXPECT_EQ(shown->filters, QString::fromUtf8(c.count)) << what;
    }
}

TEST_F(Revenue, TotalsAddWholeCents) {
    struct Case {
        std::vector<const char*> amounts;
        const char* total;
    };
    const Case cases[] = {
        {{"0,10", "0,20", "0,30"}, "0,60"},
        {{"12,5", "7,25"}, "19,75"},
        {{"10", "5"}, "15,00"},
        {{"0,01", "0,02", "0,04", "0,07", "0,11", "0,13", "0,17", "0,19", "0,23", "0,29", "0,31", "0,37"}, "1,94"},
        {{"", "3,00"}, "3,00"},  // an empty amount is none, as the amount field reads it
    };
    for (const Case& c : cases) {
        std::vector<Record> cards;
        for (const char* a : c.amounts) cards.push_back(card({.date = "10/03/2025", .amount = a}));
        QFile::remove(seams.file("Archivio_Appuntamenti.pro"));
        appendRecords(seams.file("Archivio_Appuntamenti.pro"), cards);
        EXPECT_EQ(summary({})->total, QString::fromUtf8(c.total)) << c.total;
    }
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(Revenue, CardsThatCannotBeReadAreLeftOutAndToldOnce) {
    archive({
        {"03/03/2025", "09:00", "0", "No", "Rossi Mario", "333", "Visura", "10,00"},
        {"04/03/2025", "09:00", "0", "No", "Rossi Mario", "333", "Visura", "1.000,00"},  // no amount: n. 2
        {"05/03/2025", "09:00", "0", "No", "Rossi Mario", "333", "Visura", "5,50"},
        {"31/02/2025", "09:00", "0", "No", "Rossi Mario", "333", "Visura", "8,00"},  // no date
        {"06/03/2025", "09:00", "0", "No", "Verdi Anna", "333", "Visura", "dieci"},  // not Rossi's
        {"2025-03-07", "09:00", "0", "No", "Rossi Mario", "333", "Visura", "1,00"},  // no date
    });
    struct Case {
        Period period;
        int lines;
        const char* total;
        QString told;
    };
    const Case cases[] = {
        {{.client = "rossi"},
         2,
         "15,50",
         "Attenzione: 3 schede non sono comprese nel riepilogo perché la data o l'importo non sono leggibili (la "
         "prima è la scheda n. 2)."},
        {{.client = "verdi"},
         0,
         "0,00",
         "Attenzione: 1 scheda non è compresa nel riepilogo perché la data o l'importo non sono leggibili (è la "
         "scheda n. 5)."},
        {{.from = "05 Marzo", .to = "05 Marzo", .client = "rossi"},
         1,
         "5,50",
         "Attenzione: 2 schede non sono comprese nel riepilogo perché la data o l'importo non sono leggibili (la "
         "prima è la scheda n. 4)."},
    };
    for (const Case& c : cases) {
        seams.messages.clear();
        const std::optional<Shown> shown = summary(c.period);
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->lines.size(), c.lines) << c.total;
        EXPECT_EQ(shown->total, QString::fromUtf8(c.total));
        ASSERT_EQ(seams.messages.size(), 1u) << c.total;
        EXPECT_EQ(seams.messages[0].kind, MsgKind::Warning);
        EXPECT_EQ(seams.messages[0].text, c.told);
        EXPECT_EQ(seams.messages[0].parentName, QStringLiteral("frmRiepCosti"));
    }

    // An archive that cannot be read at all: the access message, and no total.
    QFile::remove(seams.file("Archivio_Appuntamenti.pro"));
    QDir(seams.folder()).mkdir("Archivio_Appuntamenti.pro");
    seams.messages.clear();
    const std::optional<Shown> shown = summary({});
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->lines.isEmpty());
    EXPECT_EQ(shown->total, QString());
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.messages[0].kind, MsgKind::Error);
    EXPECT_EQ(seams.messages[0].text, Said::accesso);
}

TEST_F(Revenue, TheMenuRefusesAPeriodBeforeReadingAnything) {
    struct Case {
        Period period;
        QString told;
        MsgKind kind;
        const char* focus;
    };
    const Case cases[] = {
        {{.year = "202"}, kYear, MsgKind::Warning, "txtAnno"},
        {{.from = "31 Aprile", .to = "30 Aprile"},
         dateMissing("31/04/2025", "inizio"),
         MsgKind::Plain,
         "txtGiornoInizio"},
        {{.from = "10 Marzo", .to = "01 Marzo"}, endBeforeStart("01/03/2025", "10/03/2025"), MsgKind::Plain, nullptr},
        {{.to = " "}, notPicked("giorno di fine"), MsgKind::Warning, "txtGiornoFine"},
    };
    for (const Case& c : cases) {
        seams.messages.clear();
        drive.ctl("txtCliente")->setFocus();
        fill(c.period);
        QTest::mouseClick(drive.ctl("btnVisualizza"), Qt::LeftButton);
        ASSERT_EQ(seams.messages.size(), 1u);
        EXPECT_EQ(seams.messages[0].text, c.told);
        EXPECT_EQ(seams.messages[0].kind, c.kind);
        if (c.focus) {
            EXPECT_EQ(QApplication::focusWidget(), drive.ctl(c.focus)) << c.focus;
        }
        EXPECT_FALSE(drive.ctl("lblAttendere")->isVisible());
    }
    EXPECT_TRUE(seams.modals.empty());
}

TEST_F(Revenue, TheMenuOpensOnTheCurrentYearAndCopiesTheYearAsItIsTyped) {
    EXPECT_EQ(drive.text("txtAnno"), QStringLiteral("2025"));
    EXPECT_EQ(drive.text("lblAnnoInizio"), QStringLiteral("2025"));
    EXPECT_EQ(drive.text("lblAnnoFine"), QStringLiteral("2025"));
    EXPECT_EQ(QApplication::focusWidget(), drive.ctl("txtCliente"));
    for (const char* list : {"txtGiornoInizio", "txtMeseInizio", "txtGiornoFine", "txtMeseFine"}) {
        EXPECT_EQ(drive.list(list)->currentIndex(), -1) << list;
        EXPECT_EQ(drive.text(list), QString()) << list;
    }
    EXPECT_EQ(drive.list("txtMeseInizio")->itemText(0), QStringLiteral("Gennaio"));
    EXPECT_EQ(drive.list("txtMeseFine")->itemText(11), QStringLiteral("Dicembre"));
    EXPECT_EQ(drive.list("txtGiornoFine")->itemText(30), QStringLiteral("31"));

    drive.type("txtAnno", "20a24");
    EXPECT_EQ(drive.text("txtAnno"), QStringLiteral("2024"));
    EXPECT_EQ(drive.text("lblAnnoInizio"), QStringLiteral("2024"));
    EXPECT_EQ(drive.text("lblAnnoFine"), QStringLiteral("2024"));
    // What a screen reader says of the two ends' year.
    EXPECT_EQ(drive.ctl("lblAnnoInizio")->accessibleName(), QStringLiteral("Anno 2024"));
    EXPECT_EQ(drive.ctl("lblAnnoFine")->accessibleName(), QStringLiteral("Anno 2024"));

    // Enter walks the fields and the four lists to the button.
    std::vector<QString> walked;
    drive.ctl("txtAnno")->setFocus();
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        walked.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(walked, (std::vector<QString>{"txtCliente", "txtTarga", "txtGiornoInizio", "txtMeseInizio",
                                            "txtGiornoFine", "txtMeseFine", "btnVisualizza"}));
}

TEST_F(Revenue, TheClientFinderFillsTheClientFilter) {
    Record client(ClientFields::get().layout());
    client.set("Cliente", "Rossi Mario");
    appendRecords(seams.file("Contatti.pro"), {client});
    seams.onModal([](QDialog* d) {
        EXPECT_EQ(child<QLabel>(d, "lblMemory")->text(), QStringLiteral("riepilogo"));
        child<QPushButton>(d, "btnCerca")->click();
        doubleClickLine(child<TRecordList>(d, "lstRecords"), 0);
    });
    drive.click("impCliente");
    EXPECT_EQ(drive.text("txtCliente"), QStringLiteral("Rossi Mario"));
}

TEST_F(Revenue, TheQuickFindKeepsItsTextFromOneOpeningToTheNext) {
    archive({{"03/03/2025", "09:00", "0", "No", "Rossi Mario"},
             {"04/03/2025", "09:00", "0", "No", "Verdi Anna"},
             {"05/03/2025", "09:00", "0", "No", "Rossini Luca"}});
    std::vector<int> rows;
    auto find = [&](const char* text) {
        return [&rows, text](QDialog* d) {
            if (text) child<QLineEdit>(d, "txtTrova")->setText(QString::fromUtf8(text));
            child<QPushButton>(d, "btnTrova")->click();
            rows.push_back(child<TRecordList>(d, "lstRecords")->currentRow());
        };
    };
    summary({}, find("ROSSI"));
    summary({}, [&](QDialog* d) {
        EXPECT_EQ(child<QLineEdit>(d, "txtTrova")->text(), QStringLiteral("ROSSI"));
        find(nullptr)(d);
        find(nullptr)(d);
    });
    summary({}, find("verdi"));
    EXPECT_EQ(rows, (std::vector<int>{0, 2, 0, 1}));
}

TEST_F(Revenue, PrintingEndsWithTheIntervalAndTheTotal) {
    const Card a{"04/03/2025", "10:00", "0", "No", "Rossi Mario", "333", "Visura", "12,5"};
    const Card b{"03/03/2025", "09:00", "0", "Sì", "Rossi Mario", "333", "Consulenza", "7,25"};
    archive({a, b});
    auto print = [&](const Period& p) { summary(p, [](QDialog* d) { child<QPushButton>(d, "btnStampa")->click(); }); };
    print({.from = "01 Marzo", .to = "31 Marzo", .client = "rossi"});
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(seams.messages.back().kind, MsgKind::Confirmation);
    EXPECT_EQ(seams.messages.back().text, QStringLiteral("Si vuole stampare il presente riepilogo?"));
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtTitolo"),
              QStringList{"Riepilogo incassi   -   Cliente:  rossi"});
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtRiepilogo"),
              QStringList({line(b), line(a), "- - - - - - - - - - - - - - - -",
                           "INTERVALLO SELEZIONATO:    Dal   01/03/2025   al   31/03/2025",
                           "TOTALE IMPORTI:            € 19,75"}));

    // No to the question prints nothing; an empty summary only warns.
    seams.answer(MsgAnswer::No);
    print({});
    print({.client = "verdi"});
    EXPECT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(seams.messages.back().kind, MsgKind::Warning);
    EXPECT_EQ(seams.messages.back().text,
              QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce."));
}

TEST_F(Revenue, HelpAndExit) {
    archive({});
    summary({}, [](QDialog* d) {
        child<QAbstractButton>(d, "imgGuida")->click();
        child<QPushButton>(d, "btnEsci")->click();
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_EQ(seams.helpRequests, QStringList{"App Riepiloghi Incassi"});
    drive.click("btnEsci");
    EXPECT_FALSE(menu.isVisible());
}
