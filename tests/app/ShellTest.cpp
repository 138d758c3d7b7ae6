#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

#include "app/GuidePdf.h"
#include "app/HelpTopics.h"
#include "app/Startup.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmInfo.h"
#include "app/TfrmPassword.h"
#include "app/WindowSet.h"
#include "appuntamenti/TfrmMenuRiepCosti.h"
#include "appuntamenti/TfrmRiepCosti.h"
#include "appuntamenti/WhatsApp.h"
#include "archive/AttachedFiles.h"
#include "clienti/TfrmClienti.h"
#include "dipendenti/TfrmDipendenti.h"
#include "platform/Formats.h"
#include "platform/ProgramFolder.h"
#include "support/Seams.h"
#include "ui/Desktop.h"
#include "ui/Link.h"
#include "ui/Messages.h"
#include "ui/PhotoZoom.h"

namespace {

// Every window of the finished program, in the order start-up creates them.
const QStringList kFullOrder =
    QStringLiteral(
        "TfrmPassword TfrmAvvio TfrmCambiaPassword TfrmGuida TfrmInfo TfrmSplash TfrmAgenda TfrmAllegaCartella "
        "TfrmAllegaExcel TfrmAnteprimaChiamata TfrmArchivio_Scadenze TfrmAssolti TfrmCalendario TfrmCarta "
        "TfrmChiamate TfrmClienti TfrmCodFisc TfrmConfermati TfrmExpChiamate TfrmExpClienti TfrmExpGiornaliere "
        "TfrmExpImminenti TfrmExpMensili TfrmExpScadenzario TfrmIban TfrmMenuRiepCosti TfrmPartitaIva "
        "TfrmRicontatta TfrmRiepChiamateOggi TfrmRiepCosti TfrmScaduti TfrmStampaChiamata TfrmStampaScadenza "
        "TfrmStartup TfrmStoricoChiamate TfrmTrovaChiamate TfrmTrovaClienti TfrmTrovaScadenze TfrmWhatsApp_Message "
        "TfrmMenuProtocollo TfrmProtocollo TfrmNumerazione TfrmExpProtocollo TfrmStampaProtocollo "
        "TfrmTrovaProtocollo TfrmRiepProtocollo TfrmDipendenti TfrmZoom TfrmWebCam TfrmSlideshow_Dipendenti "
        "TfrmAnteprimaDipendenti TfrmStampaDipendenti TfrmTrovaDipendenti TfrmLavori_Svolti TfrmPratica "
        "TfrmTrovaPratica TfrmUrgenti TfrmExpPratiche TfrmDettagli TfrmCartella TfrmLibri TfrmCodici_Dewey "
        "TfrmTrovaLibri TfrmStampaLibri TfrmAnteprimaLibri TfrmSlideshow_Libri")
        .split(QLatin1Char(' '));

void click(QWidget* w) {
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton);
}

// An app's main window as the apps build it.
class StandIn : public TAppWindow {
public:
    StandIn() { setObjectName(QStringLiteral("frmProva")); }
};

class ShellTest : public SeamsTest {
protected:
    WindowSet set;
    QWidget* launcher() const { return set.frmAvvio; }
};

}  // namespace

TEST(Startup, CreatesTheWindowsInOrderAndKeepsTheOfficeFormatsOnAPointLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    {
        Seams seams;
        WindowSet set;
        // Start-up builds only what the password window needs; the rest
        // follows in order, or at once when asked for.
        EXPECT_EQ(set.creationOrder(), QStringList{QStringLiteral("TfrmPassword")});
        EXPECT_FALSE(set.frmClienti.built());
        set.buildRemaining();
        const QStringList order = set.creationOrder();
        ASSERT_FALSE(order.isEmpty());
        EXPECT_EQ(order.first(), QStringLiteral("TfrmPassword"));
        // Each window created once, in its place of the full order.
        qsizetype at = -1;
        for (const QString& name : order) {
            const qsizetype next = kFullOrder.indexOf(name);
            EXPECT_GT(next, at) << name.toStdString() << " is out of order or unknown";
            at = qMax(at, next);
        }
        for (const char* shell : {"TfrmAvvio", "TfrmCambiaPassword", "TfrmGuida", "TfrmInfo", "TfrmSplash", "TfrmZoom"})
            EXPECT_TRUE(order.contains(QLatin1String(shell))) << shell;
        EXPECT_EQ(&windows(), &set);

        EXPECT_EQ(Formats::amount(12.5), QStringLiteral("12,50"));
        double v = 0;
        EXPECT_TRUE(Formats::parseDecimal(QStringLiteral("12,50"), &v));
        EXPECT_DOUBLE_EQ(v, 12.5);
        EXPECT_FALSE(Formats::parseDecimal(QStringLiteral("12.50"), &v));
        EXPECT_EQ(Formats::date(QDate(2025, 3, 5)), QStringLiteral("05/03/2025"));
    }
    QLocale::setDefault(before);
}

TEST_F(ShellTest, ATileShowsItsAppAndTheAppsCloseBoxReturnsToTheLauncher) {
    StandIn app;
    set.frmAvvio->setApp(2, &app);
    set.frmAvvio->show();

    for (const char* control : {"imgApp02", "btnApp02"}) {
        click(child<QWidget>(launcher(), QLatin1String(control)));
        EXPECT_TRUE(app.isVisible()) << control;
        EXPECT_FALSE(set.frmAvvio->isVisible()) << control;
        QTest::keyClick(&app, Qt::Key_Escape);  // Esc never closes an app window
        EXPECT_TRUE(app.isVisible());
        app.close();  // the close box
        EXPECT_FALSE(app.isVisible());
        EXPECT_TRUE(set.frmAvvio->isVisible()) << control;
    }

    // The first tile's caption button is spelled btnAoo01: it opens the employees.
    for (const char* control : {"btnAoo01", "imgApp01"}) {
        click(child<QWidget>(launcher(), QLatin1String(control)));
        ASSERT_TRUE(set.frmDipendenti.built()) << control;
        EXPECT_TRUE(set.frmDipendenti->isVisible()) << control;
        EXPECT_FALSE(set.frmAvvio->isVisible()) << control;
        set.frmDipendenti->close();
        EXPECT_TRUE(set.frmAvvio->isVisible()) << control;
    }
    EXPECT_EQ(seams.quitRequests, 0);
}

TEST_F(ShellTest, AnAppIsBuiltWhenItsTileIsFirstClicked) {
    ASSERT_FALSE(set.frmClienti.built());
    set.frmAvvio->show();
    click(child<QWidget>(launcher(), "imgApp02"));
    ASSERT_TRUE(set.frmClienti.built());
    EXPECT_TRUE(set.frmClienti->isVisible());
    EXPECT_EQ(set.creationOrder().count(QStringLiteral("TfrmClienti")), 1);
    set.frmClienti->close();
    EXPECT_TRUE(set.frmAvvio->isVisible());
}

TEST_F(ShellTest, TheRevenueTileOpensItsMenuWhichShowsTheSummaryWindowOfTheSet) {
    set.frmAvvio->show();
    click(child<QWidget>(launcher(), "btnApp08"));
    ASSERT_TRUE(set.frmMenuRiepCosti.built());
    EXPECT_TRUE(set.frmMenuRiepCosti->isVisible());
    EXPECT_FALSE(set.frmAvvio->isVisible());
    for (const auto& [list, value] : {std::pair{"txtGiornoInizio", "01"},
                                      {"txtMeseInizio", "Marzo"},
                                      {"txtGiornoFine", "31"},
                                      {"txtMeseFine", "Marzo"}})
        child<QComboBox>(set.frmMenuRiepCosti, QLatin1String(list))->setCurrentText(QLatin1String(value));
    child<QPushButton>(set.frmMenuRiepCosti, "btnVisualizza")->click();
    ASSERT_EQ(seams.modals.size(), 1u);
    EXPECT_EQ(seams.modals[0].objectName, QStringLiteral("frmRiepCosti"));
    EXPECT_TRUE(set.frmRiepCosti.built());
    set.frmMenuRiepCosti->close();
    EXPECT_TRUE(set.frmAvvio->isVisible());
}

TEST_F(ShellTest, ClosingTheLauncherOrThePasswordWindowEndsTheProgram) {
    struct Case {
        const char* what;
        std::function<void()> act;
    };
    QWidget* password = set.frmPassword;
    const std::vector<Case> cases = {
        {"launcher close box",
         [&] {
             set.frmAvvio->show();
             launcher()->close();
         }},
        {"launcher imgEsci",
         [&] {
             set.frmAvvio->show();
             click(child<QWidget>(launcher(), "imgEsci"));
         }},
        {"password close box",
         [&] {
             password->show();
             password->close();
         }},
        {"password Esci",
         [&] {
             password->show();
             click(child<QWidget>(password, "cmdEsci"));
         }},
    };
    int expected = 0;
    for (const Case& c : cases) {
        c.act();
        EXPECT_EQ(seams.quitRequests, ++expected) << c.what;
    }
    // The launcher's close does not bring the password window back, and Esc ends nothing.
    set.frmAvvio->show();
    launcher()->close();
    EXPECT_FALSE(password->isVisible());
    set.frmAvvio->show();
    QTest::keyClick(launcher(), Qt::Key_Escape);
    password->show();
    QTest::keyClick(password, Qt::Key_Escape);
    EXPECT_EQ(seams.quitRequests, expected + 1);
    EXPECT_TRUE(set.frmAvvio->isVisible());
}

TEST(HelpTopics, ParagraphsAreJoinedByOneEmptyLineAndNothingAtTheEnds) {
    EXPECT_EQ((HelpTopic{"t", {"Uno.", "Due.", "Tre."}}.text()), QStringLiteral("Uno.\r\n\r\nDue.\r\n\r\nTre."));
    EXPECT_EQ((HelpTopic{"t", {"Solo."}}.text()), QStringLiteral("Solo."));

    const HelpTopic general = HelpTopics::general();
    EXPECT_EQ(general.title, QStringLiteral("Uno sguardo a Plenaro"));
    qsizetype expected = HelpTopics::introduction().size() + HelpTopics::closing().size();
    for (const HelpTopic& g : HelpTopics::guides()) expected += g.paragraphs.size();
    EXPECT_EQ(general.paragraphs.size(), expected);
    const QString text = general.text();
    EXPECT_FALSE(text.startsWith(QLatin1Char('\r')) || text.startsWith(QLatin1Char('\n')));
    EXPECT_FALSE(text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n')));
    EXPECT_EQ(text.split(QStringLiteral("\r\n\r\n")), general.paragraphs);
    for (const QString& p : general.paragraphs) {
        EXPECT_FALSE(p.trimmed().isEmpty());
        EXPECT_FALSE(p.contains(QLatin1Char('\n')) || p.contains(QLatin1Char('\r'))) << p.toStdString();
    }

    // Every title names one topic only.
    QStringList titles;
    for (const HelpTopic& t : HelpTopics::all()) {
        EXPECT_FALSE(titles.contains(t.title)) << t.title.toStdString();
        titles << t.title;
        EXPECT_EQ(HelpTopics::find(t.title)->text(), t.text());
    }
    EXPECT_FALSE(HelpTopics::find(QStringLiteral("Nessun argomento")).has_value());
}

TEST_F(ShellTest, EachHelpRequestShowsAFreshWindowOwnedByTheCaller) {
    struct Seen {
        QString title, text;
        QPointer<QDialog> window;
        QWidget* owner = nullptr;
    };
    std::vector<Seen> seen;
    auto record = [&](QDialog* w) {
        seen.push_back({child<QLabel>(w, "lblTitolo")->text(), child<QPlainTextEdit>(w, "txtGuida")->toPlainText(), w,
                        w->parentWidget()});
        EXPECT_TRUE(child<QPlainTextEdit>(w, "txtGuida")->isReadOnly());
        click(child<QWidget>(w, "lnkWeb"));
        click(child<QWidget>(w, "imgPDF"));
        click(child<QWidget>(w, "btnChiudi"));
        EXPECT_FALSE(w->isVisible());
    };
    seams.onModal(record);
    seams.onModal(record);
    click(child<QWidget>(launcher(), "imgGuida"));
    QWidget other;
    Help::open(&other, QStringLiteral("Argomento senza testo"));

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].title, QStringLiteral("Uno sguardo a Plenaro"));
    EXPECT_EQ(seen[0].text, Msg::displayText(HelpTopics::general().text()));
    EXPECT_EQ(seen[0].owner, launcher());
    EXPECT_EQ(seen[1].title, QStringLiteral("Argomento senza testo"));
    EXPECT_EQ(seen[1].text, QString());
    EXPECT_EQ(seen[1].owner, &other);
    for (const Seen& s : seen) EXPECT_TRUE(s.window.isNull()) << "a help window was not freed";
    EXPECT_EQ(seams.modals[0].className, QStringLiteral("TfrmGuida"));

    const QString pdf = QStringLiteral("\"") + seams.file("Guida.pdf") + QStringLiteral("\"");
    EXPECT_EQ(seams.opened, QStringList({pdf, pdf, pdf, pdf}));
}

TEST_F(ShellTest, AFolderWithoutTheGuideOpensTheOneBesideTheInstalledProgram) {
    QTemporaryDir installed;
    writeFile(installed.filePath("Guida.pdf"), "%PDF-1.4");
    ProgramFolder::init({installed.filePath("plenaro"), QStringLiteral("--cartella"), seams.folder()});
    seams.onModal([](QDialog* w) { click(child<QWidget>(w, "lnkWeb")); });
    click(child<QWidget>(launcher(), "imgGuida"));
    EXPECT_EQ(seams.opened, QStringList{QStringLiteral("\"") + installed.filePath("Guida.pdf") + QStringLiteral("\"")});
}

TEST_F(ShellTest, InformationWindowWritesToThePublisherAndSplashOpensItsSite) {
    const QString mail = QStringLiteral(
        "\"mailto:assistenza@vallombrasoftware.it?subject=Software Plenaro&body=Salve, desidererei avere le "
        "seguenti informazioni sul software in oggetto:\"");
    QPointer<QDialog> info, splash;
    seams.onModal([&](QDialog* w) {
        info = w;
        click(child<QWidget>(w, "lnkWeb"));
        click(child<QWidget>(w, "imgEmail"));
    });
    seams.onModal([&](QDialog* w) {
        splash = w;
        EXPECT_EQ(w->size(), QSize(625, 434));
        click(child<QWidget>(w, "imgWeb"));
    });
    click(child<QWidget>(launcher(), "imgInfo"));
    click(child<QWidget>(launcher(), "imgCopyright"));
    click(child<QWidget>(launcher(), "icoSito"));

    ASSERT_EQ(seams.modals.size(), 2u);
    EXPECT_EQ(seams.modals[0].className, QStringLiteral("TfrmInfo"));
    EXPECT_EQ(seams.modals[1].className, QStringLiteral("TfrmSplash"));
    EXPECT_TRUE(info.isNull());
    EXPECT_TRUE(splash.isNull());
    EXPECT_EQ(seams.opened, QStringList({mail, mail, QStringLiteral("https://www.vallombrasoftware.it"),
                                         QStringLiteral("https://www.vallombrasoftware.it")}));
}

// With no program for an address or a file, the user is told in one plain
// message what could not be opened, to open it by hand.
TEST_F(ShellTest, WhatNoProgramCanOpenIsNamedToTheUser) {
    QDir().mkpath(seams.file("Pratica_3"));
    const QString folder = QDir::toNativeSeparators(seams.file("Pratica_3"));
    const QString attached = QDir::toNativeSeparators(seams.file("Documenti_Allegati/lettera.pdf"));
    const QString whatsApp = "https://api.whatsapp.com/send?phone=393331234567&text=Gentile Cliente, a domani";
    QWidget window;
    window.setObjectName("frmProva");
    struct Case {
        std::function<void()> act;
        QString message;
    };
    const Case cases[] = {
        {[&] { click(child<QWidget>(launcher(), "icoSito")); },
         "Attenzione: il sistema non \u00E8 riuscito ad aprire l'indirizzo\r\n\r\nhttps://www.vallombrasoftware.it"
         "\r\n\r\nAccertarsi che nel computer sia installato un programma in grado di aprirlo, oppure copiare "
         "l'indirizzo e aprirlo a mano."},
        {[&] { WhatsApp::open(&window, "333 1234567", "Gentile Cliente, a domani"); },
         "Attenzione: il sistema non \u00E8 riuscito ad aprire l'indirizzo\r\n\r\n" + whatsApp +
             "\r\n\r\nAccertarsi che nel computer sia installato un programma in grado di aprirlo, oppure "
             "copiare l'indirizzo e aprirlo a mano."},
        {[&] {
             seams.onModal([](QDialog* w) { click(child<QWidget>(w, "imgEmail")); });
             click(child<QWidget>(launcher(), "imgInfo"));
         },
         "Attenzione: il sistema non \u00E8 riuscito a preparare il messaggio per l'indirizzo e-mail\r\n\r\n"
         "assistenza@vallombrasoftware.it\r\n\r\nAccertarsi che nel computer sia installato un programma di posta "
         "elettronica, oppure copiare l'indirizzo e scrivere il messaggio a mano."},
        {[&] { AttachedFiles::open(&window, "lettera.pdf"); },
         "Attenzione: il sistema non \u00E8 riuscito ad aprire il file\r\n\r\n" + attached +
             "\r\n\r\nAccertarsi che nel computer sia installato un programma in grado di aprirlo, oppure "
             "copiare il percorso e aprire il file a mano."},
        {[&] { Desktop::open(&window, '"' + folder + '"'); },
         "Attenzione: il sistema non \u00E8 riuscito ad aprire la cartella\r\n\r\n" + folder +
             "\r\n\r\n\u00C8 possibile copiare il percorso e aprirla a mano."},
    };
    for (const Case& c : cases) {
        for (const bool opens : {true, false}) {
            seams.shellOpens = opens;
            seams.opened.clear();
            seams.messages.clear();
            c.act();
            EXPECT_EQ(seams.opened.size(), 1) << c.message.toStdString();
            if (opens) {
                EXPECT_TRUE(seams.messages.empty()) << c.message.toStdString();
                continue;
            }
            ASSERT_EQ(seams.messages.size(), 1u) << c.message.toStdString();
            EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
            EXPECT_EQ(seams.lastMessage().text, c.message);
            EXPECT_FALSE(seams.lastMessage().parentName.isEmpty());
        }
    }
}

TEST_F(ShellTest, PhotoFillsTheScreenLessTheMarginsAndAClickCloses) {
    QPixmap photo(400, 300);
    photo.fill(Qt::darkGreen);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const QSize area(screen.width() - 60, screen.height() - 90);
    QPointer<QDialog> zoom;
    for (const char* target : {"imgFoto", "panFoto"}) {
        seams.onModal([&, target](QDialog* w) {
            zoom = w;
            EXPECT_EQ(w->windowTitle(), QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
            auto* img = child<QLabel>(w, "imgFoto");
            EXPECT_EQ(child<QWidget>(w, "panFoto")->size(), area);
            EXPECT_EQ(img->size(), area);
            ASSERT_FALSE(img->pixmap().isNull());
            EXPECT_TRUE(img->pixmap().width() == area.width() || img->pixmap().height() == area.height());
            QWidget* t = child<QWidget>(w, QLatin1String(target));
            QTest::mouseClick(t, Qt::LeftButton, {}, QPoint(2, 2));
            EXPECT_FALSE(w->isVisible()) << target;
        });
        PhotoZoom::open(launcher(), photo);
        EXPECT_TRUE(zoom.isNull());
    }
}

TEST(GuidePdf, HoldsEveryTopicAndIsAPdf) {
    const QString html = GuidePdf::html();
    QStringList texts = HelpTopics::introduction() + HelpTopics::closing();
    texts << HelpTopics::generalTitle();
    for (const HelpTopic& t : HelpTopics::guides() + HelpTopics::others()) texts << t.title << t.paragraphs;
    for (const QString& t : texts) EXPECT_TRUE(html.contains(t.toHtmlEscaped())) << t.toStdString();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Guida.pdf"));
    ASSERT_TRUE(GuidePdf::write(path));
    EXPECT_TRUE(fileBytes(path).startsWith("%PDF-"));
    EXPECT_FALSE(GuidePdf::write(dir.filePath(QStringLiteral("manca/Guida.pdf"))));
}

TEST(Startup, QtsOwnDialogsSpeakItalian) {
    Startup::prepare(*qApp);
    Seams seams;  // the program folder of a test again
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Save | QDialogButtonBox::Yes);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annulla"));
    EXPECT_EQ(box.button(QDialogButtonBox::Save)->text(), QStringLiteral("Salva"));
    EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text().remove('&'), QStringLiteral("Sì"));
}
