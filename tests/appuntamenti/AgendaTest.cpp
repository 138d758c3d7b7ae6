#include <QAbstractButton>
#include <QCalendarWidget>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "AgendaCards.h"
#include "app/HelpTopics.h"
#include "appuntamenti/AgendaRules.h"
#include "appuntamenti/TfrmAgenda.h"
#include "appuntamenti/TfrmWhatsApp_Message.h"
#include "archive/Layouts.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"
#include "report/PreparedReport.h"
#include "support/Seams.h"
#include "ui/RecordList.h"

namespace {

class Agenda : public SeamsTest {
protected:
    TfrmAgenda agenda;

    void archive(std::initializer_list<Card> cards) { appendCards(seams, cards); }
    TRecordList* list() { return child<TRecordList>(&agenda, "lstRecords"); }
    void click(const char* name) { child<QAbstractButton>(&agenda, QLatin1String(name))->click(); }
    void choose(int row) {
        list()->setCurrentRow(row);
        list()->selectionModel()->select(list()->model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
    }
    QStringList visiblePictures() {
        QStringList out;
        for (const char* name : {"imgPresenti", "imgAppuntamentiSI", "imgAssenti", "imgAppuntamentiNO"})
            if (!child<QLabel>(&agenda, QLatin1String(name))->isHidden()) out << QLatin1String(name);
        return out;
    }
};

}  // namespace

TEST(AgendaRules, ImminentMeansNotDoneAndWithinTheDaysOfNotice) {
    const QDate today(2025, 3, 5);
    struct Case {
        Card card;
        bool imminent;
    };
    const Case cases[] = {
        {{"05/03/2025", "10:30", "0", "No"}, true},
        {{"05/03/2025", "10:30", "0", "S\u00EC"}, false},
        {{"10/03/2025", "10:30", "5"}, true},   // in five days, five days of notice
        {{"10/03/2025", "10:30", "4"}, false},  // four days of notice: from tomorrow
        {{"06/03/2025", "10:30", "0"}, false},
        {{"12/11/2024", "10:30", "0"}, true},  // last year, never done: no lower bound
        {{"12/11/2024", "10:30", "0", "S\u00EC"}, false},
        {{"04/04/2026", "10:30", "999"}, true},
        {{"05/03/2025", "10:30", ""}, true},    // no notice given: due on its day
        {{"31/02/2025", "10:30", "0"}, false},  // no such day
        {{"", "10:30", "0"}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AgendaRules::imminence(card(c.card), today).taken(), c.imminent)
            << c.card.date << " notice " << c.card.notice << " " << c.card.done;
}

TEST(AgendaRules, TheLineStartsWithTheTwelveDigitKeyAndAlignsItsColumns) {
    Record r = card({"09/12/2026", "09:05", "0", "No", "Rossi Mario", "3331234567", "Consulenza", "120,50"});
    EXPECT_EQ(AgendaRules::key(r), QStringLiteral("202612090905"));
    EXPECT_EQ(AgendaRules::line(r),
              QStringLiteral("ID: 202612090905  Data: 09/12/2026  Ora: 09:05  Rossi Mario                     "
                             "Cel. 3331234567      Consulenza                                  \u20AC 120,50"));
    r.set("Contatto", "Bartolomei Vannucci Mariagrazia Eleonora");  // beyond 30
    r.set("Causale", " Consulenza ");
    const QString l = AgendaRules::line(r);
    EXPECT_EQ(l.length(), AgendaRules::line(card({"09/12/2026", "09:05"})).length() - 5 + 6);  // "50,00" vs "120,50"
    EXPECT_TRUE(l.contains(QStringLiteral("Bartolomei Vannucci Mariagrazi  Cel. ")));
}

TEST_F(Agenda, ListsTheImminentCardsInTimeOrderAndSoundsTheAlertOnce) {
    archive({{"05/03/2025", "15:30", "0", "No", "Verdi Luca"},
             {"05/03/2025", "09:05", "0", "No", "Neri Paola"},
             {"05/03/2025", "08:00", "0", "S\u00EC", "Fatto Gia"},
             {"20/03/2025", "08:00", "2", "No", "Lontano Ugo"},
             {"12/11/2024", "17:00", "0", "No", "Scaduto Ivo"}});
    agenda.show();

    const QStringList lines = list()->lines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("ID: 202411121700")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains("Ora: 09:05  Neri Paola")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains("Ora: 15:30  Verdi Luca")) << lines[2].toStdString();
    EXPECT_EQ(visiblePictures(), QStringList({"imgPresenti", "imgAppuntamentiSI"}));
    EXPECT_TRUE(agenda.showsAppointments());
    EXPECT_EQ(seams.soundsPlayed, QStringList{seams.file("Avviso.mp3")});

    // Shown again after a card was added elsewhere: the list is read anew.
    agenda.hide();
    archive({{"01/03/2025", "12:00", "0", "No", "Nuovo Ada"}});
    agenda.show();
    EXPECT_EQ(list()->count(), 4);
    EXPECT_EQ(seams.soundsPlayed.size(), 2);

    agenda.close();
    EXPECT_EQ(seams.soundStops, 1);
}

TEST_F(Agenda, AFolderWithoutTheAlertSoundPlaysTheOneBesideTheInstalledProgram) {
    QTemporaryDir installed;
    writeFile(installed.filePath("Avviso.mp3"), "ID3");
    ProgramFolder::init({installed.filePath("plenaro"), QStringLiteral("--cartella"), seams.folder()});
    archive({{"05/03/2025", "15:30", "0", "No", "Verdi Luca"}});
    agenda.show();
    EXPECT_EQ(seams.soundsPlayed, QStringList{installed.filePath("Avviso.mp3")});
}

TEST_F(Agenda, NothingImminentOrNoArchiveShowsTheNonePicturesInSilence) {
    agenda.show();  // no archive yet
    const QFileInfo file(seams.file("Archivio_Appuntamenti.pro"));
    ASSERT_TRUE(file.exists());
    EXPECT_EQ(file.size(), 0);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(visiblePictures(), QStringList({"imgAssenti", "imgAppuntamentiNO"}));
    EXPECT_TRUE(seams.soundsPlayed.isEmpty());

    agenda.hide();
    archive({{"07/03/2025", "10:00", "1"}, {"01/03/2025", "10:00", "0", "S\u00EC"}});
    agenda.show();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(agenda.showsAppointments());
    EXPECT_TRUE(seams.soundsPlayed.isEmpty());
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(Agenda, ACardThatCannotBeReadDoesNotHideTheOthersAndIsCounted) {
    auto* note = child<QLabel>(&agenda, "lblEscluse");
    archive({{"05/03/2025", "11:00", "x"}, {"05/03/2025", "12:00"}});
    agenda.show();
    EXPECT_TRUE(note->isHidden());
    agenda.hide();

    // A date that is no date, one not written in full, and one done: that one is no concern.
    archive({{"32/13/2025", "10:00"}, {"5/3/2025", "10:00"}, {"31/02/2025", "10:00", "0", "S\u00EC"}});
    agenda.show();
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(seams.soundsPlayed.size(), 2);
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->text(), QStringLiteral("2 schede non sono elencate perch\u00E9 la data non \u00E8 leggibile "
                                           "(la prima \u00E8 la scheda n. 3)."));
}

TEST_F(Agenda, AnArchiveThatCannotBeOpenedIsSaidAndPlaysNothing) {
    ASSERT_TRUE(QDir().mkdir(seams.file("Archivio_Appuntamenti.pro")));
    agenda.show();
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
    EXPECT_TRUE(seams.lastMessage().text.startsWith("Attenzione: il sistema non permette di accedere all'archivio."));
    EXPECT_FALSE(agenda.showsAppointments());
    EXPECT_TRUE(seams.soundsPlayed.isEmpty());
}

TEST_F(Agenda, TheWhatsAppReminderNeedsALineAndSendsTheReminderToTheLetter) {
    agenda.show();
    click("btnWhatsApp");
    EXPECT_EQ(seams.messageTexts(),
              QStringList{QStringLiteral(
                  "Invio messaggio di WhatsApp non applicabile: la lista non contiene nessun appuntamento.")});
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);

    agenda.hide();
    archive({{"05/03/2025", "15:30", "0", "No", "Verdi Luca", "347 765 4321"},
             {"05/03/2025", "09:05", "0", "No", "Neri Paola", " 3331234567 "}});
    agenda.show();
    click("btnWhatsApp");  // right after showing, nothing chosen
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: selezionare dall'elenco il cliente a cui si desidera inviare il promemoria "
                             "dell'appuntamento prima di fare clic sull'icona di WhatsApp."));
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
    EXPECT_TRUE(seams.modals.empty());

    choose(0);
    EXPECT_EQ(child<QLabel>(&agenda, "titContatto")->text(), QStringLiteral("Neri Paola"));
    QStringList fields;
    seams.onModal([&](QDialog* w) {
        for (const char* name : {"txtData", "txtOra", "txtContatto", "txtCel"}) {
            QLineEdit* e = child<QLineEdit>(w, QLatin1String(name));
            fields << e->text();
            EXPECT_TRUE(e->isReadOnly());
        }
        child<QAbstractButton>(w, "btnWhatsApp")->click();
        EXPECT_FALSE(w->isVisible());
    });
    click("btnWhatsApp");
    ASSERT_EQ(seams.modals.size(), 1u);
    EXPECT_EQ(seams.modals[0].title, QStringLiteral(" Invio messaggio di WhatsApp"));
    EXPECT_EQ(fields, QStringList({"05/03/2025", "09:05", "Neri Paola", "3331234567"}));
    EXPECT_EQ(seams.opened,
              QStringList{"https://api.whatsapp.com/send?phone=393331234567&text=Gentile Cliente, le ricordiamo "
                          "l'appuntamento presso il nostro studio alle ore 09:05 del giorno 05/03/2025"});

    // "Annulla" sends nothing; showing the agenda again forgets the choice.
    choose(1);
    seams.onModal([](QDialog* w) { child<QAbstractButton>(w, "btnChiudi")->click(); });
    click("btnWhatsApp");
    EXPECT_EQ(seams.opened.size(), 1);
    agenda.hide();
    agenda.show();
    EXPECT_TRUE(child<QLabel>(&agenda, "titCel")->text().isEmpty());
    click("btnWhatsApp");
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: selezionare dall'elenco il cliente a cui si desidera inviare il promemoria "
                             "dell'appuntamento prima di fare clic sull'icona di WhatsApp."));
}

TEST_F(Agenda, PrintsTheListAndOpensTheExportsOnTheCalendarsDay) {
    archive({{"05/03/2025", "15:30", "0", "No", "Verdi Luca"}, {"17/06/2026", "09:00", "0", "S\u00EC", "Gialli Eva"}});
    agenda.show();
    click("btnStampa");
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtTitolo"), QStringList{"Riepilogo appuntamenti imminenti"});
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtRiepilogo"), list()->lines());

    EXPECT_EQ(agenda.calendarDate(), QDate(2025, 3, 5));
    child<QCalendarWidget>(&agenda, "calAppuntamenti")->setSelectedDate(QDate(2026, 6, 17));
    struct Case {
        const char* button;
        const char* title;
        int rows;
    };
    const Case cases[] = {{"btnGiorno", " Appuntamenti del giorno", 1},
                          {"btnMese", " Appuntamenti del mese", 1},
                          {"btnExcel", " Appuntamenti imminenti", 1}};
    for (const Case& c : cases) {
        QString client;
        int rows = -1;
        seams.onModal([&](QDialog* w) {
            QTableView* grid = child<QTableView>(w, "grdRecords");
            rows = grid->model()->rowCount();
            client = grid->model()->index(0, 6).data().toString();
        });
        click(c.button);
        EXPECT_EQ(seams.modals.back().title, QLatin1String(c.title));
        EXPECT_EQ(rows, c.rows) << c.button;
        EXPECT_EQ(client, QLatin1String(std::string_view(c.button) == "btnExcel" ? "Verdi Luca" : "Gialli Eva"));
    }

    click("imgGuida");
    EXPECT_EQ(seams.helpRequests, QStringList{"App Agenda Appuntamenti"});
    const auto guide = HelpTopics::find("App Agenda Appuntamenti");
    ASSERT_TRUE(guide.has_value());
    EXPECT_EQ(guide->paragraphs.size(), 7);
}

TEST_F(Agenda, InserisciAppuntamentiShowsTheCardWindowInItsPlace) {
    TAppWindow card;
    QWidget launcher;
    AppShell::setLauncher(&launcher);
    agenda.show();
    click("btnArchivio");  // no card window yet: nothing happens
    EXPECT_TRUE(agenda.isVisible());

    agenda.setCardWindow(&card);
    click("btnArchivio");
    EXPECT_TRUE(card.isVisible());
    EXPECT_FALSE(agenda.isVisible());
    EXPECT_FALSE(launcher.isVisible());
    card.close();
    EXPECT_TRUE(launcher.isVisible());
    AppShell::setLauncher(nullptr);
}
