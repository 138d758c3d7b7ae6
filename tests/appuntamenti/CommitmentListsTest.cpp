#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "appuntamenti/AppointmentFields.h"
#include "appuntamenti/CommitmentSummaries.h"
#include "appuntamenti/TfrmArchivio_Scadenze.h"
#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"
#include "platform/Text.h"
#include "report/PreparedReport.h"
#include "support/Seams.h"
#include "ui/FieldEditor.h"
#include "ui/RecordList.h"

namespace {

struct Appointment {
    const char* date;
    const char* time = "10:30";
    const char* client = "Rossi Mario";
    const char* done = "No";
    const char* services = "Consulenza";
    const char* details = "";
};

Record card(const Appointment& a) {
    Record r(AppointmentFields::get().layout());
    const QString time = QString::fromUtf8(a.time);
    r.set("Data", QString::fromUtf8(a.date));
    r.set("OreApp", time.left(2));
    r.set("MinutiApp", time.mid(3));
    r.set("Ora", time);
    r.set("Avviso", "0");
    r.set("Causale", QString::fromUtf8(a.services));
    r.set("Dettagli", QString::fromUtf8(a.details));
    r.set("Contatto", QString::fromUtf8(a.client));
    r.set("Cel", "3331234567");
    r.set("Importo", "80,00");
    r.set("Ottemperata", QString::fromUtf8(a.done));
    return r;
}

QString line(const Appointment& a) {
    return "Data: " + Text::fixed(a.date, 10) + "  Ora: " + Text::fixed(a.time, 5) + "  " +
           Text::fixed(QString::fromUtf8(a.services), 42) +
           "  Cliente: " + Text::fixed(QString::fromUtf8(a.client), 30) + "  Cel. " + Text::fixed("3331234567", 14) +
           "  Importo: € 80,00";
}

class CommitmentLists : public SeamsTest {
protected:
    TfrmArchivio_Scadenze cards;

    void SetUp() override { cards.show(); }

    void archive(std::initializer_list<Appointment> appointments) {
        std::vector<Record> records;
        for (const Appointment& a : appointments) records.push_back(card(a));
        appendRecords(seams.file("Archivio_Appuntamenti.pro"), records);
    }
    // The lines a summary shows when opened by its button of the card window.
    QStringList summary(const char* button, const char* caption = nullptr) {
        QStringList lines;
        seams.onModal([&](QDialog* d) {
            if (caption) {
                EXPECT_EQ(d->windowTitle(), QString::fromUtf8(caption));
            }
            lines = child<TRecordList>(d, "lstRecords")->lines();
        });
        child<QAbstractButton>(&cards, QLatin1String(button))->click();
        return lines;
    }
    // Opens a window from a button of the card window; the driver works on it.
    void open(const char* button, const std::function<void(QDialog*)>& driver) {
        seams.onModal(driver);
        child<QAbstractButton>(&cards, QLatin1String(button))->click();
    }
    static QStringList search(QDialog* d, std::initializer_list<std::pair<const char*, const char*>> criteria) {
        for (const auto& [name, text] : criteria) child<QLineEdit>(d, name)->setText(QString::fromUtf8(text));
        child<QPushButton>(d, "btnCerca")->click();
        return child<TRecordList>(d, "lstRecords")->lines();
    }
};

}  // namespace

TEST_F(CommitmentLists, SummariesAroundTodayInFileOrder) {
    const Appointment lastYear{"06/03/2024", "09:00", "Prima"};
    const Appointment yesterday{"04/03/2025", "18:00", "Ieri"};
    const Appointment today{"05/03/2025", "00:00", "Oggi"};
    const Appointment tomorrow{"06/03/2025", "08:00", "Domani"};
    const Appointment doneYesterday{"04/03/2025", "10:00", "Fatto", "Sì"};
    const Appointment unknownFlag{"01/01/2020", "10:00", "Ignoto", "Forse"};
    const Appointment noDate{"", "10:00", "Senza data"};
    archive({lastYear, yesterday, today, noDate, tomorrow, doneYesterday, unknownFlag});

    struct Case {
        QDate today;
        QStringList toDo, overdue, done;
    };
    const Case cases[] = {
        // The seams' clock says 5 March 2025.
        {QDate(2025, 3, 5),
         {line(lastYear), line(yesterday), line(today), line(noDate), line(tomorrow)},
         {line(lastYear), line(yesterday)},
         {line(doneYesterday)}},
        // A card without a readable date hides no overdue card after it.
        {QDate(2025, 3, 7), {}, {line(lastYear), line(yesterday), line(today), line(tomorrow)}, {}},
        {QDate(2024, 3, 6), {}, {}, {}},
    };
    for (const Case& c : cases) {
        seams.setNow(QDateTime(c.today, QTime(23, 59)));
        const std::string when = c.today.toString().toStdString();
        if (!c.toDo.isEmpty()) {
            EXPECT_EQ(summary("cmdDaAssolvere", " Riepilogo impegni da assolvere"), c.toDo) << when;
        }
        EXPECT_EQ(summary("cmdScaduti", " Riepilogo impegni scaduti e non assolti"), c.overdue) << when;
        if (!c.done.isEmpty()) {
            EXPECT_EQ(summary("cmdAssolti", " Riepilogo impegni assolti"), c.done) << when;
        }
    }
}

// Locked by another copy past the wait, or unreadable: each summary says so
// instead of showing an empty list that reads as "nothing to do".
TEST_F(CommitmentLists, AnArchiveThatCannotBeReadIsToldNotShownEmpty) {
    const QString file = seams.file("Archivio_Appuntamenti.pro");
    archive({{"04/03/2025"}, {"01/03/2025", "10:30", "Rossi Mario", "S\u00EC"}});
    const char* buttons[] = {"cmdDaAssolvere", "cmdScaduti", "cmdAssolti"};
    auto expectTold = [&](const char* how) {
        for (const char* button : buttons) {
            seams.messages.clear();
            EXPECT_EQ(summary(button), QStringList()) << how << " " << button;
            ASSERT_EQ(seams.messages.size(), 1u) << how << " " << button;
            EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
            EXPECT_EQ(seams.lastMessage().text,
                      QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                     "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                                     "del programma."));
        }
    };
    {
        TArchivioSchede otherCopy;
        otherCopy.open(file, AppointmentFields::get().layout());
        expectTold("locked");
    }
    for (const char* button : buttons) {  // free again: the lists, no message
        seams.messages.clear();
        EXPECT_EQ(summary(button).size(), 1) << button;
        EXPECT_TRUE(seams.messages.empty()) << button;
    }
    QFile::remove(file);
    QDir().mkdir(file);
    expectTold("unreadable");
}

// Cards whose date or done flag cannot be read stay out of the summaries
// that depend on them, and a line under the list counts them.
TEST_F(CommitmentLists, CardsLeftOutAreCountedUnderTheList) {
    archive({{"04/03/2025"},                               // 1 overdue
             {"31/02/2025"},                               // 2 to do, no date
             {"01/03/2025", "10:30", "Fatto", "S\u00EC"},  // 3 done
             {"5/3/2025"},                                 // 4 to do, a date not in full
             {"04/03/2025", "10:30", "A", "si"},           // 5 to 7: no readable flag
             {"04/03/2025", "10:30", "B", ""},
             {"04/03/2025", "10:30", "C", "NO "}});
    auto shown = [&](const char* button, int* lines) {
        QString note;
        seams.onModal([&](QDialog* d) {
            *lines = child<TRecordList>(d, "lstRecords")->count();
            auto* l = child<QLabel>(d, "lblEscluse");
            note = l->isHidden() ? QString() : l->text();
        });
        child<QAbstractButton>(&cards, QLatin1String(button))->click();
        return note;
    };
    const QString dateOrState =
        QStringLiteral(" non sono elencate perch\u00E9 la data o lo stato dell'impegno non sono leggibili ");
    struct Case {
        const char* button;
        int lines;
        QString note;
    };
    const Case cases[] = {
        {"cmdDaAssolvere", 3, "3 schede" + dateOrState + "(la prima \u00E8 la scheda n. 5)."},
        {"cmdScaduti", 1, "5 schede" + dateOrState + "(la prima \u00E8 la scheda n. 2)."},
        {"cmdAssolti", 1, "3 schede" + dateOrState + "(la prima \u00E8 la scheda n. 5)."},
    };
    for (const Case& c : cases) {
        int lines = -1;
        EXPECT_EQ(shown(c.button, &lines), c.note) << c.button;
        EXPECT_EQ(lines, c.lines) << c.button;
    }

    // Only a date: said as such, in the singular; nothing left out, no line.
    QFile::remove(seams.file("Archivio_Appuntamenti.pro"));
    archive({{"04/03/2025"}, {"31/02/2025"}});
    int lines = -1;
    EXPECT_EQ(shown("cmdScaduti", &lines),
              QStringLiteral("1 scheda non \u00E8 elencata perch\u00E9 la data non \u00E8 leggibile (\u00E8 la scheda "
                             "n. 2)."));
    EXPECT_EQ(shown("cmdAssolti", &lines), QString());
    EXPECT_EQ(lines, 0);
}

TEST_F(CommitmentLists, ALineCutsTheServicesButNeverTheAmount) {
    Record r = card({"05/03/2025", "09:05", "Rossi Mario Alberto Giovanni Maria Bianchi"});
    r.set("Causale", QString(60, QLatin1Char('s')));
    r.set("Importo", "1234567890,00");
    appendRecords(seams.file("Archivio_Appuntamenti.pro"), {r});
    const QStringList lines = summary("cmdDaAssolvere");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], "Data: 05/03/2025  Ora: 09:05  " + QString(42, QLatin1Char('s')) +
                            "  Cliente: Rossi Mario Alberto Giovanni M  Cel. 3331234567      Importo: € 1234567890,00");
}

TEST_F(CommitmentLists, QuickFindWrapsAndADoubleClickShowsTheCard) {
    archive({{"03/03/2025", "09:00", "Rossi Mario"},
             {"03/03/2025", "10:00", "Verdi Anna"},
             {"04/03/2025", "11:00", "Rossini Luca"}});
    open("cmdScaduti", [](QDialog* d) {
        auto* list = child<TRecordList>(d, "lstRecords");
        auto* text = child<QLineEdit>(d, "txtTrova");
        EXPECT_TRUE(text->hasFocus());
        text->setText("rossi");
        std::vector<int> rows;
        for (int i = 0; i < 3; ++i) {
            child<QPushButton>(d, "btnTrova")->click();
            rows.push_back(list->currentRow());
        }
        EXPECT_EQ(rows, (std::vector<int>{0, 2, 0}));
        doubleClickLine(list, 2);
    });
    EXPECT_EQ(cards.fieldText("Contatto"), QStringLiteral("Rossini Luca"));
    EXPECT_EQ(cards.fieldText("Ora"), QStringLiteral("11:00"));
    EXPECT_EQ(child<QLabel>(&cards, "lblPosizione")->text(), QStringLiteral("3"));

    // A double click below the lines closes the list and changes nothing.
    open("cmdDaAssolvere", [](QDialog* d) { doubleClickLine(child<TRecordList>(d, "lstRecords"), -1); });
    EXPECT_EQ(cards.fieldText("Contatto"), QStringLiteral("Rossini Luca"));
    EXPECT_FALSE(seams.modals.empty());

    // An empty list: the plain message, and a print of the title alone.
    open("cmdAssolti", [](QDialog* d) {
        child<QPushButton>(d, "btnTrova")->click();
        child<QPushButton>(d, "btnStampa")->click();
    });
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(seams.lastMessage().text, QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtTitolo"), QStringList{"Riepilogo impegni assolti"});
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtRiepilogo"), QStringList());
}

TEST_F(CommitmentLists, FindMatchesEveryCriterionGivenInAnyCase) {
    const Appointment rossiAtNine{"07/03/2024", "09:05", "Rossi Mario"};
    const Appointment rossiAtTen{"07/03/2024", "10:09", "Bianchi Rossella"};
    const Appointment rossiLater{"08/03/2024", "09:30", "ROSSINI Luca", "Sì"};
    const Appointment otherAtNine{"09/03/2024", "09:00", "Verdi Anna"};
    archive({rossiAtNine, rossiAtTen, rossiLater, otherAtNine});
    open("cmdTrova", [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Trova appuntamenti in archivio"));
        EXPECT_EQ(d->findChild<QLabel*>("lblMemory")->text(), QStringLiteral("scadenze"));
        EXPECT_TRUE(child<QWidget>(d, "txtData")->hasFocus());
        EXPECT_EQ(search(d, {{"txtContatto", "ross"}, {"txtOra", "09:"}}),
                  QStringList({line(rossiAtNine), line(rossiLater)}));
        EXPECT_EQ(child<QLabel>(d, "lblConta")->text(), QStringLiteral("2"));
        EXPECT_EQ(child<QLabel>(d, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
        child<QPushButton>(d, "btnStampa")->click();
    });
    open("cmdTrova", [&](QDialog* d) {
        EXPECT_EQ(search(d, {}).size(), 4);
        EXPECT_EQ(child<QLabel>(d, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 4 schede."));
    });
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtTitolo"), QStringList{"Riepilogo appuntamenti in archivio"});
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtRiepilogo"),
              QStringList({line(rossiAtNine), line(rossiLater)}));

    // An archive that cannot be read: the plain message, and the criteria stay.
    QFile::remove(seams.file("Archivio_Appuntamenti.pro"));
    QDir(seams.folder()).mkdir("Archivio_Appuntamenti.pro");
    open("cmdTrova", [&](QDialog* d) {
        search(d, {{"txtContatto", "ross"}});
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
        EXPECT_TRUE(
            seams.lastMessage().text.startsWith("Attenzione: il sistema non permette di accedere all'archivio."));
        EXPECT_TRUE(child<QWidget>(d, "panAvvio")->isVisible());
    });
}

TEST_F(CommitmentLists, IdenticalLinesOpenTheLaterCardReplacingTheScreen) {
    Record first = card({"07/03/2024", "09:05", "Rossi Mario"});
    first.set("Note", "Prima scheda");
    Record second = card({"07/03/2024", "09:05", "Rossi Mario"});
    second.set("Note", "Seconda scheda");
    second.set("Dettagli", "Rinnovo");
    appendRecords(seams.file("Archivio_Appuntamenti.pro"), {first, card({"08/03/2024"}), second});
    // The find lists the two cards of 7 March; the summary lists the card of 8 March between them.
    struct Case {
        const char* button;
        int rows[2];
    };
    for (const Case& c : {Case{"cmdTrova", {0, 1}}, Case{"cmdDaAssolvere", {0, 2}}}) {
        for (int row : c.rows) {
            child<QAbstractButton>(&cards, "cmdNuovo")->click();
            TFieldEditor::of(child<QWidget>(&cards, "txtNote"))->setText("Non salvata");
            open(c.button, [&](QDialog* d) {
                if (QString::fromLatin1(c.button) == "cmdTrova") search(d, {{"txtData", "07/03"}});
                auto* list = child<TRecordList>(d, "lstRecords");
                ASSERT_GT(list->count(), c.rows[1]);
                EXPECT_EQ(list->line(c.rows[0]), list->line(c.rows[1]));
                doubleClickLine(list, row);
                EXPECT_FALSE(d->isVisible());
            });
            EXPECT_EQ(cards.fieldText("Note"), QStringLiteral("Seconda scheda")) << c.button << row;
            EXPECT_EQ(cards.fieldText("Dettagli"), QStringLiteral("Rinnovo"));
            EXPECT_EQ(cards.fieldText("Ora"), QStringLiteral("09:05"));
            EXPECT_EQ(cards.fieldText("OreApp"), QStringLiteral("09"));
            EXPECT_EQ(child<QLabel>(&cards, "lblPosizione")->text(), QStringLiteral("3"));
        }
    }
}
