// A new app adds its field catalogue, its own rules and its own windows: this
// one is nothing else, and gets browse, save, duplicate, find, list, export
// and the card print from the shared bases.
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "archive/ArchivioSchede.h"
#include "archive/CardCatalogue.h"
#include "archive/ExportWindow.h"
#include "archive/FindWindow.h"
#include "archive/RecordWindow.h"
#include "report/CardReport.h"
#include "support/Seams.h"
#include "ui/FieldEditor.h"
#include "ui/Grid.h"
#include "ui/RecordList.h"

namespace {

// The app's one description of its card: every view below takes its fields
// from here.
class StubFields final : public CardCatalogue {
public:
    static const StubFields& get() {
        static const StubFields fields;
        return fields;
    }

    const CardField Nome = field("Nome", 20, {.caption = "Nome:", .required = "Attenzione: indicare il nome."});
    const CardField Data =
        field("Data", 10, {.caption = "Data:", .kind = FieldKind::Date, .required = "Attenzione: indicare la data."});
    const CardField Attivo = field("Attivo", 2, {.caption = "Attivo", .kind = FieldKind::Flag});
    const CardField Codice = field("Codice", 5, {.caption = "Codice:", .rules = FieldKinds::DigitsOnly});

private:
    StubFields() : CardCatalogue(QStringLiteral("TStub")) { seal(); }
};

const RecordLayout& stub() { return StubFields::get().layout(); }

// A whole card window from its catalogue, its rules and the bases' buttons.
class TfrmStub : public TRecordWindow {
public:
    TfrmStub() : TRecordWindow(StubFields::get(), nullptr) {
        const StubFields& f = StubFields::get();
        setObjectName("frmStub");
        QGridLayout* g = addSection("sezStub", "note", "Dati", 2);
        placeField(g, 0, 0, 1, f.Nome);
        placeField(g, 0, 1, 1, f.Data);
        placeField(g, 1, 0, 1, f.Codice);
        placeField(g, 1, 1, 1, f.Attivo);
        RecordWindowDescription d;
        addStandardButtons(d, {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdNuovo", "cmdSalva",
                               "cmdDuplica", "cmdTrova", "cmdStampa", "cmdEsporta", "cmdEsci"});
        d.fileName = "Stub.pro";
        // After the required fields, in order: a code of three digits at least.
        d.rules = {[&f](const CardValues& v) -> std::optional<Refusal> {
            if (v[f.Codice].size() >= 3) return std::nullopt;
            return Refusal{f.Codice, "Attenzione: il codice ha almeno tre cifre.", MsgKind::Plain};
        }};
        FormCreate(d);
    }

    void cmdTrovaClick() override {
        FindWindowDescription f;
        f.caption = " Trova";
        const StubFields& c = StubFields::get();
        f.layout = &stub();
        f.fileName = "Stub.pro";
        f.fields = {c.Nome};
        f.line = {{"", c.Nome, 10}, {"  ", c.Data, -1}};
        f.mode = "stub";
        TFindWindow w(f, this);
        showRecord(w.choose());
    }

    // The active cards only, by name; the flag itself is not exported.
    void cmdEsportaClick() override {
        struct Export : TExportWindow {
            explicit Export(QWidget* owner) : TExportWindow(owner) {
                ExportWindowDescription d;
                d.caption = " Esporta";
                d.fileName = "Stub.xls";
                d.sheetName = "Stub";
                const StubFields& f = StubFields::get();
                d.table = ColumnTable({{.field = f.Nome, .sheetWidth = 200},
                                       {.field = f.Data, .sheetWidth = 100},
                                       {.field = f.Attivo, .sheetWidth = 50, .exported = false},
                                       {.header = "Sigla", .sheetWidth = 60, .compute = [&f](const Record& r) {
                                            return r.get(f.Nome).left(2).toUpper() + r.get(f.Codice);
                                        }}});
                d.archive = "Stub.pro";
                d.layout = &stub();
                d.filter = [&f] {
                    return [&f](const Record& r) { return r.get(f.Attivo) == QStringLiteral("S\u00EC"); };
                };
                d.orderKey = [&f](const Record& r) { return r.get(f.Nome); };
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
        const StubFields& f = StubFields::get();
        auto rep = CardReport::build(
            look, "SCHEDA", {{f.Nome.printCaption(), fieldText(f.Nome)}, {f.Data.printCaption(), fieldText(f.Data)}});
        rep->prepare();
        rep->print(this);
    }
};

Record card(const char* name, const char* date, const char* active, const char* code) {
    Record r(stub());
    r.set("Nome", name);
    r.set("Data", date);
    r.set("Attivo", QString::fromUtf8(active));
    r.set("Codice", code);
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

    // The save checks: the required fields in the table's order, then the rule;
    // each refusal says why and takes the user to the field.
    struct Refused {
        const char* text;
        MsgKind kind;
        const char* focus;
    };
    auto refused = [&](const Refused& r) {
        seams.messages.clear();
        click("cmdSalva");
        ASSERT_EQ(seams.messages.size(), 1u) << r.text;
        EXPECT_EQ(seams.lastMessage().text, QString::fromUtf8(r.text));
        EXPECT_EQ(seams.lastMessage().kind, r.kind);
        EXPECT_TRUE(child<QWidget>(&w, r.focus)->hasFocus()) << r.focus;
        EXPECT_EQ(pos(), QString());
    };
    refused({"Attenzione: indicare il nome.", MsgKind::Warning, "txtNome"});

    // Typed, the date picked from the calendar by a key; Enter goes round the
    // typed fields, past the flag.
    auto* nome = child<QLineEdit>(&w, "txtNome");
    nome->setFocus();
    QTest::keyClicks(nome, "Anna");
    refused({"Attenzione: indicare la data.", MsgKind::Warning, "txtData"});
    nome->setFocus();
    QTest::keyClick(nome, Qt::Key_Return);
    auto* data = child<QLineEdit>(&w, "txtData");
    ASSERT_TRUE(data->hasFocus());
    seams.onModal([](QDialog* d) {
        child<QCalendarWidget>(d, "calAppuntamenti")->setSelectedDate(QDate(2025, 4, 9));
        child<QPushButton>(d, "btnImportaData")->click();
    });
    QTest::keyClick(data, Qt::Key_Return);  // in a date field Enter opens the picker
    EXPECT_EQ(data->text(), QStringLiteral("09/04/2025"));
    QApplication::setActiveWindow(&w);  // back from the picker
    auto* codice = child<QLineEdit>(&w, "txtCodice");
    codice->setFocus();
    QTest::keyClicks(codice, "1x2");  // digits only
    EXPECT_EQ(codice->text(), QStringLiteral("12"));
    QTest::keyClick(codice, Qt::Key_Return);
    EXPECT_TRUE(nome->hasFocus());
    refused({"Attenzione: il codice ha almeno tre cifre.", MsgKind::Plain, "txtCodice"});
    EXPECT_FALSE(QFile::exists(seams.file("Stub.pro")));  // nothing written until every check passes

    codice->setText("123");
    child<QCheckBox>(&w, "chkAttivo")->setChecked(true);
    EXPECT_EQ(spoken(), QStringLiteral("Scheda n.: nuova scheda, non ancora in archivio"));
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    EXPECT_EQ(pos(), QStringLiteral("1"));
    EXPECT_EQ(spoken(), QStringLiteral("Scheda n. 1 in archivio"));

    // Duplicated and saved under another name, not active: appended; then
    // a third, active.
    click("cmdDuplica");
    EXPECT_EQ(pos(), QString());
    nome->setText("Bruno");
    child<QCheckBox>(&w, "chkAttivo")->setChecked(false);
    click("cmdSalva");
    click("cmdDuplica");
    nome->setText("Aldo");
    child<QCheckBox>(&w, "chkAttivo")->setChecked(true);
    click("cmdSalva");
    EXPECT_EQ(fileBytes(seams.file("Stub.pro")), card("Anna", "09/04/2025", "S\u00EC", "123").bytes() +
                                                     card("Bruno", "09/04/2025", "No", "123").bytes() +
                                                     card("Aldo", "09/04/2025", "S\u00EC", "123").bytes());

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

    // Exported through the column table: the active cards by name, each row
    // numbered in reading order, a computed column, the column left out not written.
    seams.onModal([](QDialog* d) {
        auto* grid = child<TGrid>(d, "grdRecords");
        ASSERT_EQ(grid->gridModel()->rows(), 2);
        EXPECT_EQ(grid->text(0, 0) + " " + grid->text(0, 1) + " " + grid->text(1, 0) + " " + grid->text(1, 1),
                  QStringLiteral("2 Aldo 1 Anna"));
        child<QAbstractButton>(d, "cmdEsporta")->click();
    });
    click("cmdEsporta");
    const QByteArray sheet = fileBytes(seams.file("Stub.xls"));
    // The date field gives date cells: 09/04/2025 is day 45756 of the sheet's calendar.
    const QByteArray td = "<td class=t style=\"text-align: left;\">";
    const QByteArray day = "<td style=\"text-align: left; mso-number-format:'dd\\/mm\\/yyyy';\" x:num=\"45756\" "
                           "sdval=\"45756\" sdnum=\"1033;1040;GG/MM/AAAA\">09/04/2025</td>";
    EXPECT_TRUE(sheet.contains("<tr>" + td + "Aldo</td>" + day + td + "AL123</td></tr><tr>" + td + "Anna</td>" + day +
                               td + "AN123</td></tr></table>"));
    EXPECT_FALSE(sheet.contains("Bruno"));
    EXPECT_FALSE(sheet.contains("Attivo"));

    // The card printed from what the window shows.
    click("cmdStampa");
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtCampo01"), QStringList{QStringLiteral("Bruno")});
}
