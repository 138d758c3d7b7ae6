#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include "archive/Layouts.h"
#include "archive/SpreadsheetExport.h"
#include "platform/Text.h"
#include "protocollo/ProtocolColumns.h"
#include "protocollo/TfrmExpProtocollo.h"
#include "protocollo/TfrmProtocollo.h"
#include "protocollo/TfrmRiepProtocollo.h"
#include "report/PreparedReport.h"
#include "support/Seams.h"
#include "support/Sheet.h"
#include "ui/RecordList.h"

namespace {

// The eighteen columns of both protocol sheets, with their widths.
const Sheet::Columns kSheetColumns = {{"N. protocollo", 200},
                                      {"Tipologia posta", 250},
                                      {"Data registrazione", 200, Sheet::Kind::Date},
                                      {"Ufficio", 250},
                                      {"Operatore", 250},
                                      {"Categoria", 250},
                                      {"Collocazione documento cartaceo", 300},
                                      {"Oggetto", 300},
                                      {"Data spedizione", 200, Sheet::Kind::Date},
                                      {"Data ricezione", 200, Sheet::Kind::Date},
                                      {"Formato", 250},
                                      {"N. pagine", 200},
                                      {"Riferimenti", 300},
                                      {"Note", 300},
                                      {"Mittente", 250},
                                      {"Recapito mittente", 250},
                                      {"Destinatario", 250},
                                      {"Recapito destinatario", 250}};

struct Doc {
    const char* number;
    const char* kind = "In entrata";
    const char* date = "10/03/2026";
    const char* subject = "Richiesta documenti";
    const char* sender = "Comune di Asti";
    const char* recipient = "Studio";
};

Record card(const Doc& d) {
    Record r(Layouts::TSchedaProtocollo());
    r.set("Numero", d.number);
    r.set("Tipo", d.kind);
    r.set("DataReg", d.date);
    r.set("Ufficio", "Segreteria");
    r.set("Categoria", "Corrispondenza");
    r.set("Oggetto", d.subject);
    r.set("Mittente", d.sender);
    r.set("Destinatario", d.recipient);
    r.set("Copia", "scansione.pdf");
    return r;
}

class ProtocolLists : public SeamsTest {
protected:
    void SetUp() override { seams.setNow(QDateTime(QDate(2026, 3, 31), QTime(17, 0))); }
    QString archiveFile(const char* year = "2026") { return seams.file(QString(year) + ".prt"); }
    void archive(std::initializer_list<Doc> docs, const char* year = "2026") {
        std::vector<Record> records;
        for (const Doc& d : docs) records.push_back(card(d));
        appendRecords(archiveFile(year), records);
    }
    static QStringList column(QDialog* w, int c) {
        QAbstractItemModel* m = child<QTableView>(w, "grdRecords")->model();
        QStringList out;
        for (int r = 0; r < m->rowCount(); ++r) out << m->index(r, c).data().toString();
        return out;
    }
    static QString line(const Doc& d) {
        return "Prot. n. " + Text::fixed(d.number, 14) + "  Data: " + Text::fixed(d.date, 10) +
               "  Posta: " + Text::fixed(d.kind, 10) + "  " + Text::fixed(d.subject, 35) +
               "  Da: " + Text::fixed(d.sender, 24) + "  A: " + d.recipient;
    }
    QByteArray sheet(const QString& name, const std::vector<QStringList>& rows) {
        return Sheet::expected(name, kSheetColumns, rows);
    }
};

class ProtocolFind : public ProtocolLists {
protected:
    TfrmProtocollo protocol;

    void SetUp() override {
        ProtocolLists::SetUp();
        protocol.openYear("2026");
        protocol.show();
    }
    void find(const std::function<void(QDialog*)>& driver) {
        seams.onModal(driver);
        child<QAbstractButton>(&protocol, "cmdTrova")->click();
    }
    static QStringList search(QDialog* d, std::initializer_list<std::pair<const char*, const char*>> criteria) {
        for (const auto& [name, text] : criteria) child<QLineEdit>(d, name)->setText(QString::fromUtf8(text));
        child<QPushButton>(d, "btnCerca")->click();
        return child<TRecordList>(d, "lstRecords")->lines();
    }
};

}  // namespace

TEST_F(ProtocolFind, KindOfMailCriteriaAndNumbersSortedAsText) {
    const Doc in9{"9", "In entrata"}, out10{"10", "In uscita", "11/03/2026",
                                            "Risposta al Comune di Asti per la "
                                            "pratica edilizia n. 45"};
    const Doc internal11{"11", "Interna", "12/03/2026", "Circolare ferie", "Direzione", "Tutto il personale"};
    archive({in9, out10, internal11});
    struct Case {
        const char* kind;
        QStringList lines;
    };
    const Case cases[] = {
        {"entr", {line(in9)}},
        {"in", {line(out10), line(internal11), line(in9)}},
        {"USCITA", {line(out10)}},
        {"", {line(out10), line(internal11), line(in9)}},
    };
    for (const Case& c : cases)
        find([&](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral(" Trova documenti protocollati"));
            EXPECT_TRUE(child<QWidget>(d, "txtNumero")->hasFocus());
            EXPECT_EQ(search(d, {{"txtTipologia", c.kind}}), c.lines) << c.kind;
            EXPECT_EQ(child<QLabel>(d, "lblTrovate")->text(),
                      QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(c.lines.size()));
        });
    find([&](QDialog* d) {
        const QStringList lines = search(d, {{"txtOggetto", "comune"}, {"txtTipologia", "uscita"}});
        ASSERT_EQ(lines.size(), 1);
        EXPECT_EQ(lines[0], QStringLiteral("Prot. n. 10              Data: 11/03/2026  Posta: In uscita   Risposta al "
                                           "Comune di Asti per la p  Da: Comune di Asti            A: Studio"))
            << lines[0].toStdString();
        child<QPushButton>(d, "btnStampa")->click();
    });
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtTitolo"), QStringList({"Riepilogo documenti protocollati"}));

    // A double click brings the card back whole, its kind of mail included.
    find([&](QDialog* d) {
        search(d, {{"txtNumero", "1"}});
        doubleClickLine(child<TRecordList>(d, "lstRecords"), 1);  // 11
    });
    EXPECT_EQ(protocol.fieldText("Oggetto"), QStringLiteral("Circolare ferie"));
    EXPECT_EQ(child<QLabel>(&protocol, "lblPosizione")->text(), QStringLiteral("3"));
    EXPECT_TRUE(child<QRadioButton>(&protocol, "optInterna")->isChecked());
    EXPECT_EQ(protocol.fieldText("Copia"), QStringLiteral("scansione.pdf"));
}

TEST_F(ProtocolLists, IntervalChecksTellWhatIsWrongInOrder) {
    TfrmRiepProtocollo w(nullptr, archiveFile());
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Riepilogo protocollo per intervallo di tempo"));
    auto* from = child<QLineEdit>(&w, "txtDataInizio");
    auto* to = child<QLineEdit>(&w, "txtDataFine");
    EXPECT_EQ(from->text(), QString());
    EXPECT_EQ(to->text(), QStringLiteral("31/03/2026"));
    EXPECT_TRUE(from->hasFocus());
    const QString valid = "\n\r\n\rPer poter visualizzare il riepilogo \u00E8 necessario indicare una data valida.";
    struct Case {
        const char* from;
        const char* to;
        MsgKind kind;
        QString message;
        QLineEdit* focus;
    };
    const Case cases[] = {
        {" ", "31/03/2026", MsgKind::Warning,
         "Attenzione: per visualizzare il riepilogo \u00E8 necessario indicare la data di inizio intervallo.", from},
        {"01/03/2026", "", MsgKind::Warning,
         "Attenzione: per visualizzare il riepilogo \u00E8 necessario indicare la data di fine intervallo.", to},
        {"31/02/2026", "31/03/2026", MsgKind::Plain,
         "Attenzione: la data 31/02/2026 di inizio intervallo non esiste." + valid, from},
        {"01/03/2026", "1/4/2026", MsgKind::Plain,
         "Attenzione: la data 1/4/2026 di fine intervallo non esiste." + valid, to},
        {"02/03/2026", "01/03/2026", MsgKind::Plain,
         "Attenzione: la data di fine intervallo (01/03/2026) non pu\u00F2 essere anteriore a quella di inizio "
         "intervallo (02/03/2026).\n\r\n\rPer poter visualizzare il riepilogo \u00E8 necessario indicare un "
         "intervallo di tempo valido.",
         nullptr},
    };
    for (const Case& c : cases) {
        from->setText(c.from);
        to->setText(c.to);
        seams.messages.clear();
        child<QAbstractButton>(&w, "cmdTrova")->click();
        ASSERT_EQ(seams.messages.size(), 1u) << c.from << " " << c.to;
        EXPECT_EQ(seams.lastMessage().kind, c.kind);
        EXPECT_EQ(seams.lastMessage().text, c.message);
        if (c.focus) {
            EXPECT_TRUE(c.focus->hasFocus()) << c.from << " " << c.to;
        }
    }
    EXPECT_TRUE(column(&w, 1).isEmpty());
}

TEST_F(ProtocolLists, IntervalIncludesBothEndsAndOnlyTheOpenYear) {
    archive({{"1", "In entrata", "28/02/2026"},
             {"2", "In entrata", "01/03/2026"},
             {"3", "Interna", "non datata"},
             {"4", "In uscita", "15/03/2026"},
             {"5", "In uscita", "31/03/2026"},
             {"6", "In uscita", "01/04/2026"}});
    archive({{"1", "In entrata", "10/03/2025"}}, "2025");
    TfrmRiepProtocollo w(nullptr, archiveFile());
    w.show();
    child<QAbstractButton>(&w, "cmdEsporta")->click();  // before any interval: the header only
    EXPECT_EQ(fileBytes(seams.file("Protocollo.xls")), sheet("Protocollo Documenti", {}));

    child<QLineEdit>(&w, "txtDataInizio")->setText("01/03/2026");
    child<QAbstractButton>(&w, "cmdTrova")->click();
    EXPECT_EQ(column(&w, 1), QStringList({"2", "4", "5"}));
    EXPECT_EQ(column(&w, 0), QStringList({"1", "2", "3"}));
    EXPECT_EQ(column(&w, 3), QStringList({"01/03/2026", "15/03/2026", "31/03/2026"}));

    // The card without a readable date lies in no interval: counted under the grid.
    auto* note = child<QLabel>(&w, "lblEscluse");
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->text(), QStringLiteral("1 scheda non \u00E8 elencata perch\u00E9 la data non \u00E8 leggibile "
                                           "(\u00E8 la scheda n. 3)."));

    child<QLineEdit>(&w, "txtDataInizio")->setText("01/01/2000");
    child<QLineEdit>(&w, "txtDataFine")->setText("31/12/2030");
    child<QAbstractButton>(&w, "cmdTrova")->click();
    EXPECT_EQ(column(&w, 1), QStringList({"1", "2", "4", "5", "6"}));
    EXPECT_FALSE(note->isHidden());

    archive({{"7", "Interna", "5/3/2026"}, {"8", "Interna", "31/02/2026"}});
    child<QAbstractButton>(&w, "cmdTrova")->click();
    EXPECT_EQ(note->text(), QStringLiteral("3 schede non sono elencate perch\u00E9 la data non \u00E8 leggibile "
                                           "(la prima \u00E8 la scheda n. 3)."));
}

TEST_F(ProtocolLists, WholeYearExportWritesEighteenColumnsOrTheHeaderOnly) {
    {
        TfrmExpProtocollo w(nullptr, archiveFile());
        w.show();
        EXPECT_EQ(w.windowTitle(), QStringLiteral(" Esportazione protocollo posta in Excel"));
        EXPECT_TRUE(column(&w, 1).isEmpty());
        child<QAbstractButton>(&w, "cmdEsporta")->click();
        const QByteArray bytes = fileBytes(seams.file("Protocollo.xls"));
        EXPECT_EQ(bytes, sheet("Protocollo Posta", {}));
        EXPECT_EQ(bytes.count("<tr>"), 1);
        EXPECT_TRUE(bytes.contains("<x:Name>Protocollo Posta</x:Name>"));
    }
    archive({{"1"}, {"2", "Interna"}});
    TfrmExpProtocollo w(nullptr, archiveFile());
    w.show();
    EXPECT_EQ(column(&w, 2), QStringList({"In entrata", "Interna"}));
    child<QAbstractButton>(&w, "cmdEsporta")->click();
    QStringList first = {
        "1", "In entrata", "10/03/2026", "Segreteria",     "", "Corrispondenza", "", "Richiesta documenti", "", "", "",
        "",  "",           "",           "Comune di Asti", "", "Studio",         ""};
    QStringList second = first;
    second[0] = "2";
    second[1] = "Interna";
    EXPECT_EQ(fileBytes(seams.file("Protocollo.xls")), sheet("Protocollo Posta", {first, second}));
}
