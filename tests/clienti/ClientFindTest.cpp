#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "archive/ClientFields.h"
#include "archive/RecordLines.h"
#include "archive/TfrmTrovaClienti.h"
#include "clienti/TfrmClienti.h"
#include "platform/Clock.h"
#include "platform/Text.h"
#include "support/Seams.h"
#include "ui/RecordList.h"

namespace {

struct Client {
    const char* name;
    const char* phone = "";
    const char* occupation = "";
    const char* notes = "";
    const char* zona = "";
};

class ClientFind : public SeamsTest {
protected:
    void archive(std::initializer_list<Client> clients) {
        // Each card numbered by its place in the archive: CF0, CF1, ...
        int n = int(QFile(seams.file("Contatti.pro")).size() / 3372);
        std::vector<Record> records;
        for (const Client& c : clients) {
            Record r(ClientFields::get().layout());
            r.set("Cliente", QString::fromUtf8(c.name));
            r.set("Recapito", QString::fromUtf8(c.phone));
            r.set("Occupazione", QString::fromUtf8(c.occupation));
            r.set("Note", QString::fromUtf8(c.notes));
            r.set("Zona", QString::fromUtf8(c.zona));
            r.set("CodFisc", QStringLiteral("CF%1").arg(n));
            r.set("Email", QStringLiteral("c%1@esempio.it").arg(n));
            r.set("TelCel", QStringLiteral("33%1").arg(n));
            r.set("ComuneRes", "Roma");
            records.push_back(r);
            ++n;
        }
        appendRecords(seams.file("Contatti.pro"), records);
    }

    // Opens the find window from owner; the driver works on it.
    void find(QWidget* owner, const std::function<void(QDialog*)>& driver) {
        seams.onModal(driver);
        TfrmTrovaClienti::open(owner, "clienti");
    }
    // The client window's own find, as its "Trova" opens it.
    void find(TfrmClienti* window, const std::function<void(QDialog*)>& driver) {
        seams.onModal(driver);
        child<QAbstractButton>(window, "cmdTrova")->click();
    }

    static void search(QDialog* d, std::initializer_list<std::pair<const char*, const char*>> criteria) {
        for (const auto& [name, text] : criteria) child<QLineEdit>(d, name)->setText(QString::fromUtf8(text));
        child<QPushButton>(d, "btnCerca")->click();
    }
    static QStringList lines(QDialog* d) { return child<TRecordList>(d, "lstRecords")->lines(); }
    static void doubleClick(QDialog* d, int row) { doubleClickLine(child<TRecordList>(d, "lstRecords"), row); }
};

QString line(const char* name, const char* phone, const char* occupation, const char* notes) {
    return Text::fixed(QString::fromUtf8(name), 26) + "  Tel. " + Text::fixed(phone, 15) + "  " +
           Text::fixed(occupation, 25) + "  Prod. " + Text::fixed("", 30) + "  " + notes;
}

}  // namespace

TEST_F(ClientFind, EmptyCriteriaListEveryCardAsFixedLines) {
    archive({{"Mario Rossi", "06 123", "Avvocato", "cliente storico"}, {"Anna Bianchi"}});
    QWidget owner;
    find(&owner, [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Trova clienti in archivio"));
        search(d, {});
        EXPECT_EQ(lines(d), QStringList({line("Mario Rossi", "06 123", "Avvocato", "cliente storico"),
                                         line("Anna Bianchi", "", "", "")}));
        EXPECT_EQ(child<QLabel>(d, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
        EXPECT_EQ(child<QLabel>(d, "lblConta")->text(), QStringLiteral("0"));
        EXPECT_FALSE(child<QWidget>(d, "panAvvio")->isVisible());
        EXPECT_TRUE(child<QWidget>(d, "panContainer")->isVisible());
    });
}

TEST_F(ClientFind, CriteriaAreCaseInsensitiveSubstringsJoinedByAnd) {
    archive({{"Mario Rossi", "", "", "", "Nord"},
             {"rossini carlo", "", "", "", "Sud"},
             {"Èrica Verdi"},
             {"èrica neri"},
             {"Luca Rossetti", "", "", "", "Nord"}});
    struct Case {
        std::initializer_list<std::pair<const char*, const char*>> criteria;
        QStringList names;
    };
    const Case cases[] = {
        {{{"txtCliente", "ROSSI"}}, {"Mario Rossi", "rossini carlo"}},
        {{{"txtCliente", "È"}}, {"Èrica Verdi"}},  // accented letters are not folded
        {{{"txtCliente", "ross"}, {"txtZona", "nord"}}, {"Mario Rossi", "Luca Rossetti"}},
        {{{"txtCliente", "rossi"}, {"txtZona", "nord"}}, {"Mario Rossi"}},
        {{{"txtCliente", " rossi"}}, {"Mario Rossi"}},  // blanks typed are part of the text sought
        // A field of blanks alone is not a criterion and never scores.
        {{{"txtCliente", "verdi"}, {"txtNote", "   "}}, {"Èrica Verdi"}},
    };
    for (const Case& c : cases) {
        QWidget owner;
        find(&owner, [&](QDialog* d) {
            search(d, c.criteria);
            QStringList names;
            for (const QString& l : lines(d)) names << Text::trim(l.left(26));
            EXPECT_EQ(names, c.names);
        });
    }
}

TEST_F(ClientFind, DoubleClickLoadsTheLastIdenticalCardIntoTheClientWindow) {
    const char* longName = "Bartolomeo Montecatini Terme Baldassarre";  // longer than 26
    archive({{"Gemelli", "1", "Medico"}, {"Altro"}, {"Gemelli", "1", "Medico"}, {longName}});
    TfrmClienti w;
    w.show();
    find(&w, [&](QDialog* d) {
        search(d, {{"txtCliente", "gemelli"}});
        ASSERT_EQ(lines(d).size(), 2);
        doubleClick(d, 0);
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_EQ(child<QLabel>(&w, "lblPosizione")->text(), QStringLiteral("3"));
    EXPECT_EQ(child<QLineEdit>(&w, "txtCodFisc")->text(), QStringLiteral("CF2"));

    find(&w, [&](QDialog* d) {
        search(d, {{"txtCliente", "terme"}});
        EXPECT_EQ(lines(d).value(0).left(26), QString::fromUtf8(longName).left(26));
        doubleClick(d, 0);
    });
    EXPECT_EQ(child<QLabel>(&w, "lblPosizione")->text(), QStringLiteral("4"));
    EXPECT_EQ(child<QLineEdit>(&w, "txtCliente")->text(), QString::fromUtf8(longName));
}

TEST_F(ClientFind, OtherModesHandTheChosenClientBackToTheAsker) {
    archive({{"Anna Bianchi"}, {"Mario Rossi", "06 123", "", "", "Nord"}});
    for (const char* keyword : {"chiamate", "pratica", "scadenze", "riepilogo"}) {
        // The find window writes nothing into its asker: the asker copies what it imports.
        QDialog asker;
        auto* name = new QLineEdit(&asker);
        name->setObjectName("txtCliente");
        seams.onModal([&](QDialog* d) {
            EXPECT_EQ(child<QLabel>(d, "lblMemory")->text(), QString::fromLatin1(keyword));
            search(d, {{"txtCliente", "rossi"}});
            doubleClick(d, 0);
        });
        const std::optional<FoundRecord> found = TfrmTrovaClienti::open(&asker, QString::fromLatin1(keyword));
        ASSERT_TRUE(found) << keyword;
        EXPECT_EQ(found->position, 2);
        EXPECT_EQ(found->record.get("Cliente"), QStringLiteral("Mario Rossi"));
        EXPECT_EQ(found->record.get("Recapito"), QStringLiteral("06 123"));
        EXPECT_EQ(found->record.get("CodFisc"), QStringLiteral("CF1"));
        EXPECT_TRUE(name->text().isEmpty()) << keyword;
    }
}

TEST_F(ClientFind, TheChosenCardIsReadFreshAtItsPosition) {
    archive({{"Gemelli", "1", "Medico"}, {"Altro"}, {"Gemelli", "1", "Medico"}});
    TfrmClienti w;
    w.show();
    find(&w, [&](QDialog* d) {
        search(d, {});
        // Another program changes the later twin after the search, keeping its line.
        Record changed(ClientFields::get().layout());
        QByteArray bytes = fileBytes(seams.file("Contatti.pro"));
        changed.bytes() = bytes.mid(2 * 3372, 3372);
        changed.set("CodFisc", "CAMBIATO");
        writeFile(seams.file("Contatti.pro"), bytes.replace(2 * 3372, 3372, changed.bytes()));
        doubleClick(d, 0);
    });
    EXPECT_EQ(child<QLabel>(&w, "lblPosizione")->text(), QStringLiteral("3"));
    EXPECT_EQ(child<QLineEdit>(&w, "txtCodFisc")->text(), QStringLiteral("CAMBIATO"));
}

TEST_F(ClientFind, EnterOpensTheSelectedCardAndNoLineClosesSilently) {
    archive({{"Mario Rossi"}, {"Anna Bianchi"}});
    struct Case {
        const char* what;
        std::function<void(TRecordList*)> choose;
        const char* position;
    };
    const Case cases[] = {
        {"Enter on a line",
         [](TRecordList* l) {
             l->setCurrentRow(1);
             QTest::keyClick(l, Qt::Key_Return);
         },
         "2"},
        {"keypad Enter",
         [](TRecordList* l) {
             l->setCurrentRow(0);
             QTest::keyClick(l, Qt::Key_Enter);
         },
         "1"},
        {"reached with Tab, then Enter",  // the list shows a line chosen: Enter opens it
         [](TRecordList* l) {
             l->clearSelection();
             QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
             QApplication::sendEvent(l, &tab);
             QTest::keyClick(l, Qt::Key_Return);
         },
         "1"},
        {"Enter on no line",
         [](TRecordList* l) {
             l->clearSelection();
             QTest::keyClick(l, Qt::Key_Return);
         },
         ""},
        {"double click below the lines", [](TRecordList* l) { doubleClickLine(l, -1); }, ""},
    };
    for (const Case& c : cases) {
        TfrmClienti w;
        w.show();
        find(&w, [&](QDialog* d) {
            search(d, {});
            c.choose(child<TRecordList>(d, "lstRecords"));
            EXPECT_FALSE(d->isVisible()) << c.what;
        });
        EXPECT_EQ(child<QLabel>(&w, "lblPosizione")->text(), QString::fromLatin1(c.position)) << c.what;
    }
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(ClientFind, QuickFindMovesOnAndWraps) {
    archive({{"Rossi Uno"}, {"Verdi"}, {"Rossi Due"}, {"Rossi Tre"}});
    QWidget owner;
    find(&owner, [&](QDialog* d) {
        search(d, {});
        auto* list = child<TRecordList>(d, "lstRecords");
        auto* text = child<QLineEdit>(d, "txtTrova");
        auto* trova = child<QPushButton>(d, "btnTrova");
        list->setCurrentRow(1);
        text->setText("ROSSI");
        std::vector<int> rows;
        for (int i = 0; i < 4; ++i) {
            trova->click();
            rows.push_back(list->currentRow());
        }
        EXPECT_EQ(rows, (std::vector<int>{0, 2, 3, 0}));  // a new text starts at the first entry
        text->setText("verdi");
        trova->click();
        EXPECT_EQ(list->currentRow(), 1);
        text->setText("nessuno");
        trova->click();
        EXPECT_EQ(list->currentRow(), 1);  // no match: the selection stays
        text->clear();
        trova->click();
        EXPECT_EQ(list->currentRow(), 1);  // an empty text never matches
    });
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(ClientFind, PrintSendsTheListToThePrinter) {
    archive({{"Mario Rossi"}, {"Anna Bianchi"}});
    QWidget owner;
    QStringList shown;
    find(&owner, [&](QDialog* d) {
        search(d, {});
        shown = lines(d);
        child<QPushButton>(d, "btnStampa")->click();
    });
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtTitolo"), QStringList({"Riepilogo clienti in archivio"}));
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtRiepilogo"), shown);
}

TEST_F(ClientFind, QuickFindOnAnEmptyListAndFailures) {
    QDir(seams.folder()).mkdir("Contatti.pro");
    QWidget owner;
    find(&owner, [&](QDialog* d) {
        search(d, {{"txtCliente", "x"}});
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
        EXPECT_EQ(seams.lastMessage().buttons, MsgButtons::Ok);
        EXPECT_TRUE(
            seams.lastMessage().text.startsWith("Attenzione: il sistema non permette di accedere all'archivio."));
        EXPECT_TRUE(child<QWidget>(d, "panAvvio")->isVisible());
        EXPECT_TRUE(child<QWidget>(d, "lblAttendere")->isVisible());
    });
    QDir(seams.folder()).rmdir("Contatti.pro");
    find(&owner, [&](QDialog* d) {
        search(d, {});
        child<QPushButton>(d, "btnTrova")->click();
        EXPECT_EQ(seams.lastMessage().text,
                  QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
    });
}

// A search shows the wait cursor alone while it is short; past half a second
// its progress window, which "Annulla" answers by going back to the criteria
// as if the search had not been made.
TEST_F(ClientFind, ALongSearchShowsItsProgressAndMayBeCancelled) {
    std::vector<Record> many(1000, Record(ClientFields::get().layout()));
    for (Record& r : many) r.set("Cliente", "Rossi Mario");
    appendRecords(seams.file("Contatti.pro"), many);
    struct Case {
        int tick;         // ms each look at the clock takes
        qint64 cancelAt;  // the step "Annulla" is pressed at; -1 never
        bool window;
        int listed;
    };
    const Case cases[] = {{0, -1, false, 1000}, {100, -1, true, 1000}, {100, 500, true, -1}};
    for (const Case& c : cases) {
        seams.progress.clear();
        seams.messages.clear();
        Clock::setTick(c.tick);
        seams.onProgress = [&](const ProgressRequest& r) { return c.cancelAt < 0 || r.done < c.cancelAt; };
        QWidget owner;
        find(&owner, [&](QDialog* d) {
            search(d, {{"txtCliente", "rossi"}});
            EXPECT_EQ(!seams.progress.empty(), c.window) << c.tick;
            if (!seams.progress.empty()) {
                EXPECT_EQ(seams.progress.front().title, QStringLiteral("Ricerca schede in corso\u2026"));
                EXPECT_EQ(seams.progress.front().parent, d);
                EXPECT_EQ(seams.progress.front().total, 1000);
                // Shown from about half a second on: five looks at the clock.
                EXPECT_LT(seams.progress.front().done, 100);
            }
            if (c.listed >= 0) {
                EXPECT_EQ(lines(d).size(), c.listed);
                EXPECT_TRUE(child<QWidget>(d, "panContainer")->isVisible());
            } else {
                EXPECT_GE(seams.progress.back().done, c.cancelAt);
                EXPECT_TRUE(child<QWidget>(d, "panAvvio")->isVisible());
                EXPECT_FALSE(child<QWidget>(d, "panContainer")->isVisible());
                EXPECT_FALSE(child<QWidget>(d, "lblAttendere")->isVisible());
                EXPECT_TRUE(lines(d).isEmpty());
            }
            EXPECT_TRUE(seams.messages.empty());
        });
    }
}
