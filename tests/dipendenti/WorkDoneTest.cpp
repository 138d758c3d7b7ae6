#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "archive/Layouts.h"
#include "dipendenti/TfrmLavori_Svolti.h"
#include "dipendenti/WorkFields.h"
#include "report/PreparedReport.h"
#include "support/Said.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/RecordList.h"

namespace {

struct Voce {
    const char* data;
    const char* attivita;
    const char* luogo;
};

// A field padded with blanks or cut to its width, as a list line shows it.
QString line(const QString& attivita, const QString& data, const QString& luogo, const QString& orario,
             const QString& ore) {
    return fit(attivita, 48) + "   Data: " + fit(data, 10) + "  Luogo: " + fit(luogo, 28) +
           "  Orario: " + fit(orario, 28) + "  Ore: " + ore;
}

class WorkDone : public SeamsTest {
protected:
    QDialog employee;
    int position = 4;

    QString file() const {
        return seams.file(QStringLiteral("Archivio_Lavori/Lavori_Dipendente_%1.pro").arg(position));
    }
    void entries(std::initializer_list<Voce> list) {
        std::vector<Record> records;
        for (const Voce& v : list) {
            Record r(WorkFields::get().layout());
            r.set("Data", v.data);
            r.set("Attivita", QString::fromUtf8(v.attivita));
            r.set("Luogo", QString::fromUtf8(v.luogo));
            r.set("Orario", "9-13");
            r.set("TotOre", "4");
            records.push_back(r);
        }
        QDir().mkpath(seams.file("Archivio_Lavori"));
        appendRecords(file(), records);
    }
    void open(const std::function<void(QDialog*)>& driver) {
        seams.onModal(driver);
        TfrmLavori_Svolti w(QStringLiteral(" Rossi Mario "), position, &employee);
        w.showModal();
    }
    static QString total(QDialog* d) { return child<QLabel>(d, "lblTotale")->text(); }
    static TRecordList* list(QDialog* d) { return child<TRecordList>(d, "lstRecords"); }
    static void put(QDialog* d, const char* field, const QString& text) { child<QLineEdit>(d, field)->setText(text); }
    static QString text(QDialog* d, const char* field) { return child<QLineEdit>(d, field)->text(); }
};

}  // namespace

TEST_F(WorkDone, ANewEmployeeGetsAnEmptyFileAndTheCountZero) {
    open([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Riepilogo lavori svolti"));
        EXPECT_EQ(child<QLabel>(d, "lblTitolo")->text(), QStringLiteral("Lavori svolti da Rossi Mario"));
        EXPECT_EQ(child<QLabel>(d, "lblFile")->text(), file());
        EXPECT_EQ(list(d)->count(), 0);
        EXPECT_EQ(total(d), QStringLiteral("0"));
        EXPECT_TRUE(child<QWidget>(d, "txtTrova")->hasFocus());
    });
    ASSERT_TRUE(QFile::exists(file()));
    EXPECT_EQ(QFile(file()).size(), 0);
}

TEST_F(WorkDone, AddThenSaveTwiceMakesOneEntryListedOnTheNextOpening) {
    open([&](QDialog* d) {
        press(d, "btnAggiungi");
        EXPECT_FALSE(child<QWidget>(d, "panContainer")->isVisible());
        EXPECT_TRUE(child<QWidget>(d, "txtData")->hasFocus());
        struct Step {
            const char* field;
            const char* value;
            const char* what;
            const char* focus;
        };
        const Step steps[] = {
            {nullptr, nullptr, "la data in cui l'attività è stata svolta.", "txtData"},
            {"txtData", "05/03/2025", "la tipologia di attività svolta.", "txtAttivita"},
            {"txtAttivita", "Inventario", "il luogo in cui l'attività è stata svolta.", "txtLuogo"},
            {"txtLuogo", "Magazzino", "l'orario in cui l'attività è stata svolta.", "txtOrario"},
            {"txtOrario", "9-13", "la durata totale in ore dell'attività svolta.", "txtTotOre"},
        };
        for (const Step& s : steps) {
            if (s.field) put(d, s.field, QString::fromUtf8(s.value));
            press(d, "btnSalva");
            EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
            EXPECT_EQ(
                seams.lastMessage().text,
                QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ") + QString::fromUtf8(s.what));
            EXPECT_TRUE(child<QWidget>(d, s.focus)->hasFocus()) << s.focus;
        }
        EXPECT_EQ(QFile(file()).size(), 0);
        put(d, "txtTotOre", "4");
        press(d, "btnSalva");
        EXPECT_EQ(seams.lastMessage().text, Said::inserita);
        EXPECT_EQ(child<QLabel>(d, "lblPosizione")->text(), QStringLiteral("1"));
        put(d, "txtTotOre", "4,5");
        press(d, "btnSalva");
        EXPECT_EQ(seams.lastMessage().text, Said::salvata);
        EXPECT_TRUE(child<QWidget>(d, "panCosti")->isVisible());  // the panel stays
    });
    EXPECT_EQ(QFile(file()).size(), 149);
    open([&](QDialog* d) {
        EXPECT_EQ(list(d)->lines(), QStringList({line("Inventario", "05/03/2025", "Magazzino", "9-13", "4,5")}));
        EXPECT_EQ(total(d), QStringLiteral("1"));
    });
}

TEST_F(WorkDone, TheTodayButtonWritesTheDateOfTheClock) {
    open([&](QDialog* d) {
        press(d, "btnAggiungi");
        child<QAbstractButton>(d, "impOggi")->click();
        EXPECT_EQ(text(d, "txtData"), QStringLiteral("05/03/2025"));
    });
}

TEST_F(WorkDone, ALongActivityAndIdenticalEntriesAreFoundFromTheirLine) {
    const char* longActivity = "Riordino dell'archivio storico del cliente Bianchi";  // 50 characters
    entries({{"01/03/2025", longActivity, "Sede"},
             {"", "senza data", "Sede"},  // in the file, never listed
             {"02/03/2025", "Consegna", "Roma"},
             {"02/03/2025", "Consegna", "Roma"}});
    open([&](QDialog* d) {
        const QStringList lines = list(d)->lines();
        ASSERT_EQ(lines.size(), 3);
        EXPECT_EQ(lines[0], line(QString::fromUtf8(longActivity).left(48), "01/03/2025", "Sede", "9-13", "4"));
        EXPECT_EQ(total(d), QStringLiteral("3"));

        list(d)->setCurrentRow(0);
        press(d, "btnModifica");
        EXPECT_EQ(text(d, "txtAttivita"), QString::fromUtf8(longActivity));
        EXPECT_EQ(child<QLabel>(d, "lblPosizione")->text(), QStringLiteral("1"));
    });
    open([&](QDialog* d) {
        list(d)->setCurrentRow(1);  // the first of the two identical lines
        press(d, "btnModifica");
        EXPECT_EQ(child<QLabel>(d, "lblPosizione")->text(), QStringLiteral("4"));
        put(d, "txtLuogo", "Milano");
        press(d, "btnSalva");
    });
    Record fourth(WorkFields::get().layout());
    fourth.bytes() = fileBytes(file()).mid(3 * 149);
    EXPECT_EQ(fourth.get("Luogo"), QStringLiteral("Milano"));
}

TEST_F(WorkDone, TheQuickFindWalksFromMatchToMatch) {
    entries({{"01/03/2025", "Inventario", "Sede"},
             {"02/03/2025", "Consegna", "Roma"},
             {"03/03/2025", "Inventario", "Filiale"}});
    open([&](QDialog* d) {
        put(d, "txtTrova", "inventario");
        const int rows[] = {0, 2, 0};
        for (int r : rows) {
            press(d, "btnTrova");
            EXPECT_EQ(list(d)->selectedRow(), r);
        }
    });
}

TEST_F(WorkDone, TheSummaryIsPrintedWithTheCountOfTheListedEntries) {
    entries({{"01/03/2025", "Inventario", "Sede"}, {"", "senza data", "Sede"}, {"02/03/2025", "Consegna", "Roma"}});
    open([&](QDialog* d) { press(d, "btnStampa"); });
    ASSERT_EQ(seams.reports.size(), 1u);
    const PreparedReport& printed = *seams.reports[0].report;
    EXPECT_EQ(printedLines(printed, "txtTitolo"), QStringList({"Lavori svolti da Rossi Mario"}));
    EXPECT_EQ(printedLines(printed, "txtRiepilogo"),
              QStringList({line("Inventario", "01/03/2025", "Sede", "9-13", "4"),
                           line("Consegna", "02/03/2025", "Roma", "9-13", "4"), "--------------------------",
                           "TOTALE ATTIVITA':      2"}));
}

TEST_F(WorkDone, AWorkFileThatCannotBeWrittenIsAWarningAndTheFieldsStay) {
    QDir().mkpath(file());  // a folder where the work file should be
    open([&](QDialog* d) {
        EXPECT_EQ(total(d), QStringLiteral("0"));  // the loading stops silently
        EXPECT_TRUE(seams.messages.empty());
        press(d, "btnAggiungi");
        for (const char* f : {"txtData", "txtAttivita", "txtLuogo", "txtOrario", "txtTotOre"}) put(d, f, "x");
        press(d, "btnSalva");
        ASSERT_EQ(seams.messages.size(), 1u);
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
        EXPECT_EQ(seams.lastMessage().text, Said::accesso);
        EXPECT_EQ(text(d, "txtAttivita"), QStringLiteral("x"));
        EXPECT_EQ(child<QLabel>(d, "lblPosizione")->text(), QString());
        EXPECT_TRUE(child<QWidget>(d, "panCosti")->isVisible());
    });
}
