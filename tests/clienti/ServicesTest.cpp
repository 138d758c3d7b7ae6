#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "archive/Layouts.h"
#include "clienti/ServiceFields.h"
#include "clienti/TfrmAllegaExcel.h"
#include "clienti/TfrmClienti.h"
#include "platform/Text.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/RecordList.h"

namespace {

struct Voce {
    const char* data;
    const char* servizi;
    const char* importo;
};

class Services : public SeamsTest {
protected:
    // The client window as the services window sees it: a name and a position.
    QDialog client;
    QString name = "  Anna Bianchi ";
    int position = 3;

    void services(const QString& file, std::initializer_list<Voce> entries) {
        std::vector<Record> records;
        for (const Voce& v : entries) {
            Record r(ServiceFields::get().layout());
            r.set("Data", v.data);
            r.set("Ora", "10:00");
            r.set("Servizi", QString::fromUtf8(v.servizi));
            r.set("Agente", "Carla");
            r.set("Importo", v.importo);
            records.push_back(r);
        }
        appendRecords(seams.file(file), records);
    }
    void open(const std::function<void(QDialog*)>& driver) {
        seams.onModal(driver);
        TfrmAllegaExcel w(name, position, &client);
        w.showModal();
    }
    static QString total(QDialog* d) { return child<QLabel>(d, "lblTotale")->text(); }
};

}  // namespace

TEST_F(Services, ListAndTotalOfTheClientAtItsPosition) {
    services("Servizi_Cliente_30.pro", {{"01/01/2025", "altro cliente", "99,00"}});
    services(
        "Servizi_Cliente_3.pro",
        {{"02/03/2025", "Consulenza", "10,5"}, {"03/03/2025", "Pratica", "20"}, {"04/03/2025", "senza importo", ""}});
    open([&](QDialog* d) {
        EXPECT_EQ(child<QLabel>(d, "lblTitolo")->text(), QStringLiteral("Servizi forniti a Anna Bianchi"));
        EXPECT_EQ(child<QLabel>(d, "lblFile")->text(), seams.file("Servizi_Cliente_3.pro"));
        const QStringList lines = child<TRecordList>(d, "lstRecords")->lines();
        ASSERT_EQ(lines.size(), 2);  // an entry without amount is left out
        EXPECT_EQ(lines[0], "Data: 02/03/2025   Ora: 10:00   Servizi: " + Text::fixed("Consulenza", 54) +
                                "  Agente: " + Text::fixed("Carla", 28) + "  Costo: € 10,5");
        EXPECT_EQ(total(d), QStringLiteral("€ 30,50"));
    });
    position = 7;
    open([&](QDialog* d) {
        EXPECT_EQ(child<TRecordList>(d, "lstRecords")->count(), 0);
        EXPECT_EQ(total(d), QStringLiteral("€ 0,00"));
    });
    EXPECT_TRUE(QFile::exists(seams.file("Servizi_Cliente_7.pro")));  // created empty on opening
}

TEST_F(Services, TotalsFollowTheAmountRule) {
    services("Servizi_Cliente_3.pro", {{"a", "x", "0,1"}, {"b", "y", "0,2"}});
    open([&](QDialog* d) { EXPECT_EQ(total(d), QStringLiteral("€ 0,30")); });
}

TEST_F(Services, AnAmountThatIsNotANumberStopsTheListSilently) {
    services("Servizi_Cliente_3.pro", {{"a", "x", "10,5"}, {"b", "y", "dieci"}, {"c", "z", "5"}});
    open([&](QDialog* d) {
        EXPECT_EQ(child<TRecordList>(d, "lstRecords")->count(), 2);
        EXPECT_EQ(total(d), QStringLiteral("10,5"));
    });
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(Services, AmountFieldKeysAndLeavingRule) {
    open([&](QDialog* d) {
        press(d, "btnAggiungi");
        auto* importo = child<QLineEdit>(d, "txtImporto");
        auto* servizi = child<QLineEdit>(d, "txtServizi");
        EXPECT_EQ(importo->text(), QStringLiteral("0,00"));
        struct Case {
            const char* typed;
            const char* shown;
        };
        const Case cases[] = {{"7", "7,00"}, {"12,5", "12,50"},   {"3,456", "3,46"},
                              {"", "0,00"},  {"1a2.5", "125,00"}, {"1,2,3", "0,00"}};
        for (const Case& c : cases) {
            importo->setFocus();
            importo->clear();
            QTest::keyClicks(importo, c.typed);
            servizi->setFocus();
            EXPECT_EQ(importo->text(), QString::fromLatin1(c.shown)) << c.typed;
        }
    });
}

TEST_F(Services, AddSaveModifyAndReopen) {
    seams.setNow(QDateTime(QDate(2025, 3, 5), QTime(9, 7, 30)));
    open([&](QDialog* d) {
        press(d, "btnModifica");
        EXPECT_EQ(seams.lastMessage().text,
                  QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce."));
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);

        press(d, "btnAggiungi");
        EXPECT_TRUE(child<QWidget>(d, "panCosti")->isVisible());
        EXPECT_FALSE(child<QWidget>(d, "panContainer")->isVisible());
        // Required fields in order.
        child<QLineEdit>(d, "txtImporto")->clear();
        const char* order[][2] = {{"txtData", "la data in cui è stato fornito il servizio."},
                                  {"txtOra", "l'ora in cui è stato fornito il servizio."},
                                  {"txtServizi", "i servizi forniti."},
                                  {"txtAgente", "il nome dell'agente che ha fornito il servizio."},
                                  {"txtImporto", "l'importo pagato dal cliente."}};
        for (const auto& [field, what] : order) {
            press(d, "btnSalva");
            EXPECT_EQ(
                seams.lastMessage().text,
                QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ") + QString::fromUtf8(what));
            EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
            if (QString::fromLatin1(field) == "txtData")
                child<QAbstractButton>(d, "impData")->click();
            else if (QString::fromLatin1(field) == "txtOra")
                child<QAbstractButton>(d, "impOra")->click();
            else
                child<QLineEdit>(d, field)->setText("12");
        }
        EXPECT_EQ(child<QLineEdit>(d, "txtData")->text(), QStringLiteral("05/03/2025"));
        EXPECT_EQ(child<QLineEdit>(d, "txtOra")->text(), QStringLiteral("09:07"));
        press(d, "btnSalva");
        EXPECT_EQ(seams.lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        EXPECT_EQ(child<QLabel>(d, "lblPosizione")->text(), QStringLiteral("1"));
        child<QLineEdit>(d, "txtServizi")->setText("Consulenza fiscale");
        press(d, "btnSalva");
        EXPECT_EQ(seams.lastMessage().text,
                  QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    });
    EXPECT_EQ(QFile(seams.file("Servizi_Cliente_3.pro")).size(), 117);

    {  // the same entry once more, as a second record
        Record entry(ServiceFields::get().layout());
        entry.bytes() = fileBytes(seams.file("Servizi_Cliente_3.pro"));
        appendRecords(seams.file("Servizi_Cliente_3.pro"), {entry});
    }
    open([&](QDialog* d) {
        auto* list = child<TRecordList>(d, "lstRecords");
        ASSERT_EQ(list->count(), 2);
        EXPECT_TRUE(list->line(0).contains("Consulenza fiscale"));
        list->clearSelection();
        press(d, "btnModifica");
        EXPECT_EQ(
            seams.lastMessage().text,
            QStringLiteral("Attenzione: selezionare una voce dall'elenco prima di premere il pulsante di modifica."));
        list->setCurrentRow(0);
        press(d, "btnModifica");
        EXPECT_EQ(child<QLabel>(d, "lblPosizione")->text(), QStringLiteral("2"));  // the last identical entry
        EXPECT_EQ(child<QLineEdit>(d, "txtServizi")->text(), QStringLiteral("Consulenza fiscale"));
    });
}

TEST_F(Services, EnterOrADoubleClickOnALineModifiesIt) {
    services("Servizi_Cliente_3.pro", {{"02/03/2025", "Consulenza", "10,5"}, {"03/03/2025", "Pratica", "20"}});
    struct Case {
        const char* what;
        std::function<void(TRecordList*)> choose;
        const char* servizi;
    };
    const Case cases[] = {
        {"Enter",
         [](TRecordList* l) {
             l->setCurrentRow(1);
             QTest::keyClick(l, Qt::Key_Return);
         },
         "Pratica"},
        {"double click", [](TRecordList* l) { doubleClickLine(l, 0); }, "Consulenza"},
    };
    for (const Case& c : cases) {
        open([&](QDialog* d) {
            c.choose(child<TRecordList>(d, "lstRecords"));
            EXPECT_TRUE(child<QWidget>(d, "panCosti")->isVisible()) << c.what;
            EXPECT_EQ(child<QLineEdit>(d, "txtServizi")->text(), QString::fromLatin1(c.servizi)) << c.what;
        });
    }
    open([&](QDialog* d) {
        // Enter with no line selected, or a double click below the lines, changes nothing.
        auto* list = child<TRecordList>(d, "lstRecords");
        list->clearSelection();
        QTest::keyClick(list, Qt::Key_Return);
        doubleClickLine(list, -1);
        EXPECT_TRUE(child<QWidget>(d, "panContainer")->isVisible());
        EXPECT_TRUE(d->isVisible());
    });
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(Services, OpenedFromTheClientWindowOnlyForASavedCard) {
    TfrmClienti w;
    w.show();
    child<QLineEdit>(&w, "txtCliente")->setText("Rossi");
    child<QLineEdit>(&w, "txtTelCel")->setText("333");
    child<QLineEdit>(&w, "txtCodFisc")->setText("X");
    child<QAbstractButton>(&w, "cmdSalva")->click();
    child<QLineEdit>(&w, "txtCliente")->clear();
    child<QAbstractButton>(&w, "btnProve")->click();
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral(
                  "Attenzione: per visualizzare il riepilogo dei servizi è necessario indicare il nome del cliente."));
    EXPECT_TRUE(seams.modals.empty());
    child<QLineEdit>(&w, "txtCliente")->setText("Rossi");
    child<QAbstractButton>(&w, "btnProve")->click();
    ASSERT_EQ(seams.modals.size(), 1u);
    EXPECT_EQ(seams.modals[0].className, QStringLiteral("TfrmAllegaExcel"));
    EXPECT_EQ(seams.modals[0].title, QStringLiteral(" Riepilogo servizi forniti"));
    EXPECT_TRUE(QFile::exists(seams.file("Servizi_Cliente_1.pro")));
}

TEST_F(Services, PrintCarriesTheTitleTheLinesAndTheTotal) {
    services("Servizi_Cliente_3.pro", {{"02/03/2025", "Consulenza", "10,5"}, {"03/03/2025", "Pratica", "20"}});
    QStringList shown;
    open([&](QDialog* d) {
        shown = child<TRecordList>(d, "lstRecords")->lines();
        press(d, "btnStampa");
    });
    ASSERT_EQ(seams.reports.size(), 1u);
    const auto& report = *seams.reports[0].report;
    EXPECT_EQ(seams.reports[0].action, ReportOutput::Action::Print);
    EXPECT_EQ(printedLines(report, "txtTitolo"), QStringList({"Riepilogo servizi forniti a Anna Bianchi"}));
    EXPECT_EQ(printedLines(report, "txtRiepilogo"),
              shown + QStringList({"--------------------------", "TOTALE IMPORTI:    € 30,50"}));
}
