// A new app adds its record table, its own rules and its own windows: this
// one is nothing else, and gets browse, save, duplicate, find, list, export
// and the card print from the shared bases.
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "archive/ArchivioSchede.h"
#include "archive/ExportWindow.h"
#include "archive/FindWindow.h"
#include "archive/RecordWindow.h"
#include "report/CardReport.h"
#include "support/Seams.h"
#include "ui/FieldEditor.h"
#include "ui/RecordList.h"

namespace {

const RecordLayout& stub() {
    static const RecordLayout l("TStub", {{"Nome", 20}, {"Data", 10}, {"Attivo", 2}});
    return l;
}

class TfrmStub : public TRecordWindow {
public:
    TfrmStub() {
        setObjectName("frmStub");
        QGridLayout* g = addSection("sezStub", "note", "Dati", 2);
        g->addWidget(addEdit("Nome"), 0, 0);
        g->addWidget(FieldKinds::date(fieldsArea(), "txtData", "data"), 0, 1);
        g->addWidget(FieldKinds::flag(fieldsArea(), "chkAttivo", "Attivo"), 1, 0);
        RecordWindowDescription d;
        for (const char* b : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdNuovo", "cmdSalva",
                              "cmdDuplica", "cmdTrova", "cmdStampa", "cmdEsporta", "cmdEsci"})
            d.buttons.push_back(standardButton(QLatin1String(b)));
        d.layout = &stub();
        d.fileName = "Stub.pro";
        d.firstField = "txtNome";
        d.enterChain = {"txtNome", "txtData"};
        d.required = {{"txtNome", "Attenzione: indicare il nome."}};
        FormCreate(d);
    }

    void cmdTrovaClick() override {
        FindWindowDescription f;
        f.caption = " Trova";
        f.layout = &stub();
        f.fileName = "Stub.pro";
        f.fields = {{"txtNome", "Nome:", "Nome"}};
        f.line = {{"", "Nome", 10}, {"  ", "Data", -1}};
        f.cardMode = "stub";
        TFindWindow w(f, this);
        w.setMode("stub");
        w.choose();
    }

    void cmdEsportaClick() override {
        struct Export : TExportWindow {
            explicit Export(QWidget* owner) : TExportWindow(owner) {
                ExportWindowDescription d;
                d.caption = " Esporta";
                d.fileName = "Stub.xls";
                d.sheetName = "Stub";
                d.table = ColumnTable({{"Nome", "Nome", 200}, {"Data", "Data", 100},
                                       {"Attivo", "Attivo", 50, {}, {}, {}, 0, false}});
                d.archive = "Stub.pro";
                d.layout = &stub();
                FormCreate(d);
            }
        } w(this);
        w.showModal();
    }

    void cmdStampaClick() override {
        CardLook look;
        look.reportName = "repScheda";
        look.rowsTop = 60;
        look.rowPitch = look.rowHeight = 20;
        look.captionWidth = 100;
        look.valueLeft = 110;
        auto rep = CardReport::build(look, "SCHEDA", {{"Nome:", fieldText("Nome")}, {"Data:", fieldText("Data")}});
        rep->prepare();
        rep->print(this);
    }
};

Record card(const char* name, const char* date, const char* active) {
    Record r(stub());
    r.set("Nome", name);
    r.set("Data", date);
    r.set("Attivo", QString::fromUtf8(active));
    return r;
}

}  // namespace

TEST(StubApp, GetsEveryArchiveOperationFromTheBases) {
    Seams seams;
    TfrmStub w;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto click = [&](const char* b) { child<QAbstractButton>(&w, b)->click(); };
    auto pos = [&] { return child<QLabel>(&w, "lblPosizione")->text(); };
    // What a screen reader says of the card number.
    auto spoken = [&] {
        return QAccessible::queryAccessibleInterface(child<QLabel>(&w, "lblPosizione"))->text(QAccessible::Name);
    };

    // Typed, the date picked from the calendar by a key, saved.
    auto* nome = child<QLineEdit>(&w, "txtNome");
    nome->setFocus();
    QTest::keyClicks(nome, "Anna");
    QTest::keyClick(nome, Qt::Key_Return);
    auto* data = child<QLineEdit>(&w, "txtData");
    ASSERT_TRUE(data->hasFocus());
    seams.onModal([](QDialog* d) {
        child<QCalendarWidget>(d, "calAppuntamenti")->setSelectedDate(QDate(2025, 4, 9));
        child<QPushButton>(d, "btnImportaData")->click();
    });
    QTest::keyClick(data, Qt::Key_Return);  // in a date field Enter opens the picker
    EXPECT_EQ(data->text(), QStringLiteral("09/04/2025"));
    child<QCheckBox>(&w, "chkAttivo")->setChecked(true);
    EXPECT_EQ(spoken(), QStringLiteral("Scheda n.: nuova scheda, non ancora in archivio"));
    click("cmdSalva");
    EXPECT_EQ(pos(), QStringLiteral("1"));
    EXPECT_EQ(spoken(), QStringLiteral("Scheda n. 1 in archivio"));

    // Duplicated and saved under another name: appended.
    click("cmdDuplica");
    EXPECT_EQ(pos(), QString());
    nome->setText("Bruno");
    click("cmdSalva");
    EXPECT_EQ(fileBytes(seams.file("Stub.pro")),
              card("Anna", "09/04/2025", "S\u00EC").bytes() + card("Bruno", "09/04/2025", "S\u00EC").bytes());

    // A new card empties every field; browsing brings the first back.
    click("cmdNuovo");
    EXPECT_EQ(nome->text() + data->text(), QString());
    EXPECT_FALSE(child<QCheckBox>(&w, "chkAttivo")->isChecked());
    click("cmdAvanti");
    EXPECT_EQ(nome->text(), QStringLiteral("Anna"));

    // Found, listed and opened.
    seams.onModal([](QDialog* d) {
        child<QLineEdit>(d, "txtNome")->setText("bru");
        child<QPushButton>(d, "btnCerca")->click();
        auto* list = child<TRecordList>(d, "lstRecords");
        EXPECT_EQ(list->lines(), QStringList{QStringLiteral("Bruno       09/04/2025")});
        doubleClickLine(list, 0);
    });
    click("cmdTrova");
    EXPECT_EQ(nome->text(), QStringLiteral("Bruno"));
    EXPECT_EQ(pos(), QStringLiteral("2"));
    EXPECT_EQ(spoken(), QStringLiteral("Scheda n. 2 in archivio"));

    // Exported through the column table: the column left out is not written.
    seams.onModal([](QDialog* d) { child<QAbstractButton>(d, "cmdEsporta")->click(); });
    click("cmdEsporta");
    const QByteArray sheet = fileBytes(seams.file("Stub.xls"));
    EXPECT_TRUE(sheet.contains("<td style=\"text-align: left;\">Bruno</td><td style=\"text-align: left;\">09/04/2025</td></tr>"));
    EXPECT_FALSE(sheet.contains("Attivo"));

    // The card printed from what the window shows.
    click("cmdStampa");
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtCampo01"), QStringList{QStringLiteral("Bruno")});
}
