#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "StoredCase.h"
#include "archive/Layouts.h"
#include "platform/ProgramFolder.h"
#include "pratiche/CaseFields.h"
#include "pratiche/TfrmCartella.h"
#include "pratiche/TfrmPratica.h"
#include "report/PreparedReport.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"

namespace {

QString nn(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString printed(const PreparedReport& r, const QString& memo) { return printedLines(r, memo).join('\n'); }

// How many boxes of the first page carry a name starting so.
int boxesNamed(const PreparedReport& r, const QString& prefix) {
    int n = 0;
    for (const auto& o : r.pages[0].objects)
        if (o->name().startsWith(prefix)) ++n;
    return n;
}

class CaseFiles : public CardWindowTest<TfrmPratica> {
protected:
};

}  // namespace

TEST_F(CaseFiles, TheDocumentListChangesTheCaseOnlyWhenAppliedAndOnlyASaveKeepsIt) {
    archive({storedCase("Prima", "Visura"), storedCase("Seconda")});
    const QByteArray before = fileBytes(seams.file("Pratiche.pro"));
    click("cmdPrimo");
    put("lblDoc32", "  Planimetria  ");

    seams.onModal([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Documenti associati alla pratica"));
        EXPECT_EQ(child<QLineEdit>(d, "txtDoc03")->text(), QStringLiteral("Visura"));
        EXPECT_EQ(child<QLineEdit>(d, "txtDoc32")->text(), QStringLiteral("Planimetria"));  // trimmed
        for (int i = 1; i <= 32; ++i) {
            EXPECT_EQ(child<QLabel>(d, "lblRiga" + nn(i))->text(), QString::number(i) + '.') << i;
            EXPECT_EQ(child<QLineEdit>(d, "txtDoc" + nn(i))->maxLength(), 50) << i;
        }
        child<QLineEdit>(d, "txtDoc03")->setText("Visura catastale");
        child<QAbstractButton>(d, "btnAnnulla")->click();
    });
    click("btnElenco");
    ASSERT_EQ(seams.modals.size(), 1u);
    EXPECT_EQ(seams.modals[0].className, QStringLiteral("TfrmDettagli"));
    EXPECT_EQ(text("lblDoc03"), QStringLiteral("Visura"));

    seams.onModal([](QDialog* d) {
        child<QLineEdit>(d, "txtDoc03")->setText("  Visura catastale ");
        child<QLineEdit>(d, "txtDoc07")->setText("Rogito");
        child<QAbstractButton>(d, "btnChiudi")->click();
    });
    click("btnElenco");
    EXPECT_EQ(text("lblDoc03"), QStringLiteral("Visura catastale"));
    EXPECT_EQ(text("lblDoc07"), QStringLiteral("Rogito"));
    EXPECT_EQ(pos(), QStringLiteral("1"));

    // Moving away without saving loses the list; the archive never had it.
    click("cmdAvanti");
    click("cmdIndietro");
    EXPECT_EQ(text("lblDoc03"), QStringLiteral("Visura"));
    EXPECT_EQ(text("lblDoc07"), QString());
    EXPECT_EQ(fileBytes(seams.file("Pratiche.pro")), before);
}

TEST_F(CaseFiles, EnterGoesRoundTheThirtyTwoEntries) {
    seams.onModal([](QDialog* d) {
        auto* first = child<QLineEdit>(d, "txtDoc01");
        first->setFocus();
        for (int i = 2; i <= 33; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            const QString next = "txtDoc" + nn(i > 32 ? 1 : i);
            ASSERT_TRUE(child<QWidget>(d, next)->hasFocus()) << next.toStdString();
        }
        EXPECT_TRUE(d->isVisible());  // Enter presses no button
    });
    click("btnElenco");
}

TEST_F(CaseFiles, EightDocumentsPrintFiveOnTheSheetAndAllThirtyTwoRowsOnTheList) {
    seams.setNow(QDateTime(QDate(2025, 3, 5), QTime(9, 5, 7)));
    type("txtOggetto", "Ricorso al TAR");  // unsaved: printed as shown
    type("txtProtocollo", "12/2025");
    list("txtStato")->setEditText("In lavorazione");
    type("txtConsulente", "Avv. Neri");
    type("txtCliente", "Rossi Mario");
    type("txtRecapito", "06 1234567");
    type("txtPartitaIva", "01234567890");
    list("txtProvRes")->setEditText("RM");
    for (int i = 1; i <= 8; ++i) put(qPrintable("lblDoc" + nn(i)), QStringLiteral("Documento n. %1").arg(i));

    click("cmdStampa");
    click("cmdAnteprima");
    ASSERT_EQ(seams.reports.size(), 2u);
    EXPECT_EQ(seams.reports[0].action, ReportOutput::Action::Print);
    EXPECT_EQ(seams.reports[1].action, ReportOutput::Action::Preview);
    for (const auto& request : seams.reports) {
        const PreparedReport& r = *request.report;
        ASSERT_EQ(r.pageCount(), 1);
        EXPECT_EQ(r.orientation, QPageLayout::Portrait);
        EXPECT_EQ(printed(r, "txtTitolo"), QStringLiteral("SCHEDA DETTAGLI PRATICA"));
        struct Row {
            int n;
            const char* caption;
            const char* value;
        };
        const Row rows[] = {{1, "Oggetto pratica:", "Ricorso al TAR"},
                            {3, "Protocollo n.", "12/2025"},
                            {5, "Data chiusura:", ""},
                            {6, "Stato avanzamento:", "In lavorazione"},
                            {9, "Cliente:", "Rossi Mario"},
                            {11, "Via e numero civico:", ""},
                            {13, "Provincia:", "RM"},
                            {16, "Partita IVA:", "N. 01234567890"},
                            {19, "Note:", ""},
                            {20, "Documento associato 1:", "Documento n. 1"},
                            {24, "Documento associato 5:", "Documento n. 5"}};
        for (const Row& row : rows) {
            EXPECT_EQ(printed(r, Report::numbered("titCampo", row.n)), QString::fromUtf8(row.caption)) << row.n;
            EXPECT_EQ(printed(r, Report::numbered("txtCampo", row.n)), QString::fromUtf8(row.value)) << row.n;
        }
        EXPECT_EQ(boxesNamed(r, "titCampo"), 24);
        for (int i = 1; i <= 24; ++i) EXPECT_FALSE(printed(r, Report::numbered("txtCampo", i)).contains("n. 6")) << i;
        EXPECT_EQ(printed(r, "txtCalce"), QStringLiteral("Stampa eseguita in data 05/03/2025 alle ore 09:05:07"));
    }

    seams.onModal([](QDialog* d) {
        child<QLineEdit>(d, "txtDoc08")->setText("Modificato, non applicato");
        child<QAbstractButton>(d, "btnStampa")->click();
        child<QAbstractButton>(d, "btnAnteprima")->click();
        EXPECT_TRUE(d->isVisible());  // the window stays open
        child<QAbstractButton>(d, "btnAnnulla")->click();
    });
    click("btnElenco");
    ASSERT_EQ(seams.reports.size(), 4u);
    EXPECT_EQ(seams.reports[2].action, ReportOutput::Action::Print);
    EXPECT_EQ(seams.reports[3].action, ReportOutput::Action::Preview);
    const PreparedReport& list = *seams.reports[2].report;
    ASSERT_EQ(list.pageCount(), 1);
    EXPECT_EQ(list.orientation, QPageLayout::Portrait);
    EXPECT_EQ(printed(list, "txtTitolo"), QStringLiteral("Elenco documenti associati a pratica"));
    const std::pair<const char*, const char*> heading[] = {{"Oggetto", "Ricorso al TAR"}, {"Tipologia", ""},
                                                           {"Protocollo", "12/2025"},     {"Apertura", ""},
                                                           {"Stato", "In lavorazione"},   {"Consulente", "Avv. Neri"},
                                                           {"Cliente", "Rossi Mario"},    {"Recapito", "06 1234567"}};
    const char* captions[] = {
        "Oggetto pratica:",       "Tipologia:", "Protocollo n.",          "Data apertura:", "Stato avanzamento:",
        "Consulente o curatore:", "Cliente:",   "Recapito preferenziale:"};
    for (size_t i = 0; i < std::size(heading); ++i) {
        const QString f = QLatin1String(heading[i].first);
        EXPECT_EQ(printed(list, "tit" + f), QString::fromUtf8(captions[i])) << heading[i].first;
        EXPECT_EQ(printed(list, "txt" + f), QString::fromUtf8(heading[i].second)) << heading[i].first;
    }
    for (int i = 1; i <= 32; ++i) {
        EXPECT_EQ(printed(list, "titDocumento" + nn(i)), QStringLiteral("Documento %1:").arg(i)) << i;
        const QString expected = i == 8  ? QStringLiteral("Modificato, non applicato")
                                 : i < 8 ? QStringLiteral("Documento n. %1").arg(i)
                                         : QString();
        EXPECT_EQ(printed(list, "txtDoc" + nn(i)), expected) << i;
    }
    EXPECT_EQ(printed(list, "txtCalce"), QStringLiteral("Stampa eseguita in data 05/03/2025 alle ore 09:05:07"));
    EXPECT_EQ(text("lblDoc08"), QStringLiteral("Documento n. 8"));
}

TEST_F(CaseFiles, TheFolderNeedsASavedCaseAndIsPraticaAndItsPosition) {
    click("cmdCartella");
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: l'abbinamento di una cartella ad una pratica può avvenire soltanto dopo che "
                             "la scheda è stata inserita in archivio."));
    EXPECT_TRUE(seams.modals.empty());

    std::vector<Record> seven;
    for (int i = 1; i <= 7; ++i) seven.push_back(storedCase(QStringLiteral("Pratica %1").arg(i)));
    archive(seven);
    click("cmdUltimo");
    const QString folder = seams.file("Pratica_7");
    const QString opened = '"' + QDir::toNativeSeparators(folder) + '"';
    for (int time = 1; time <= 2; ++time) {
        seams.onModal([](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral(" Gestione cartella abbinata alla scheda corrente"));
            EXPECT_EQ(child<QLabel>(d, "lblMemory")->text(), QStringLiteral("7"));
            child<QAbstractButton>(d, "btnApriCartella")->click();
            EXPECT_FALSE(d->isVisible());
        });
        click("cmdCartella");
        EXPECT_EQ(seams.modals.back().className, QStringLiteral("TfrmCartella"));
        ASSERT_TRUE(QFileInfo(folder).isDir()) << time;
        EXPECT_EQ(seams.opened.size(), time);
        EXPECT_EQ(seams.opened.back(), opened);
        // What the user put there stays when the folder is opened again.
        if (time == 1) writeFile(folder + "/lettera.txt", "Gentile cliente");
    }
    EXPECT_EQ(fileBytes(folder + "/lettera.txt"), QByteArray("Gentile cliente"));
    EXPECT_EQ(seams.messages.size(), 1u);

    // "Chiudi" creates nothing.
    click("cmdPrimo");
    seams.onModal([](QDialog* d) { child<QAbstractButton>(d, "btnChiudi")->click(); });
    click("cmdCartella");
    EXPECT_FALSE(QFileInfo::exists(seams.file("Pratica_1")));
}

TEST_F(CaseFiles, AFolderThatCannotBeMadeIsToldAndNothingIsOpened) {
    // A file where the folder should go.
    writeFile(seams.file("Pratica_3"), "occupato");
    TfrmCartella w(nullptr);
    w.setCase(3);
    w.show();
    child<QAbstractButton>(&w, "btnApriCartella")->click();
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: il sistema non permette di creare la cartella abbinata alla pratica.\n\r\n\r"
                             "Nella cartella di installazione del programma un file di nome \"Pratica_3\" occupa il "
                             "posto della cartella: rinominarlo o spostarlo altrove."));
    EXPECT_TRUE(seams.opened.isEmpty());
    EXPECT_EQ(fileBytes(seams.file("Pratica_3")), QByteArray("occupato"));

    // A program folder whose parents are missing gets them too.
    const QString office = seams.file("Ufficio/Archivi");
    ProgramFolder::set(office);
    child<QAbstractButton>(&w, "btnApriCartella")->click();
    EXPECT_TRUE(QFileInfo(office + "/Pratica_3").isDir());
    EXPECT_EQ(seams.opened.size(), 1);
}

TEST_F(CaseFiles, AttachedFilesTravelWithTheCaseInItsMode) {
    archive({storedCase("Prima")});
    click("cmdPrimo");
    QTemporaryDir docs;
    writeFile(docs.path() + "/procura.pdf", "PROCURA");
    seams.pickFile(docs.path() + "/procura.pdf");
    seams.onModal([](QDialog* a) {
        EXPECT_EQ(child<QLabel>(a, "lblMemory")->text(), QStringLiteral("pratica"));
        child<QAbstractButton>(a, "btnSfoglia01")->click();
        child<QLineEdit>(a, "txtDesc01")->setText("Procura alle liti");
        child<QAbstractButton>(a, "btnApplica")->click();
    });
    click("cmdAllega");
    EXPECT_EQ(seams.modals.back().className, QStringLiteral("TfrmAllegaCartella"));
    click("cmdSalva");
    Record saved(CaseFields::get().layout());
    saved.bytes() = fileBytes(seams.file("Pratiche.pro"));
    ASSERT_EQ(saved.bytes().size(), 5075);
    EXPECT_EQ(saved.bytes().mid(CaseFields::get().layout().offset("File01"), 12), QByteArray("\x0B"
                                                                                             "procura.pdf"));
    EXPECT_EQ(saved.get("Desc01"), QStringLiteral("Procura alle liti"));
    EXPECT_EQ(fileBytes(seams.file("Documenti_Allegati/procura.pdf")), QByteArray("PROCURA"));
}
