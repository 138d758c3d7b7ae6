#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "clienti/TfrmClienti.h"
#include "report/PreparedReport.h"
#include "support/Seams.h"

namespace {

class ClientCard : public SeamsTest {
protected:
    TfrmClienti w;
    void SetUp() override {
        w.show();
        const std::pair<const char*, const char*> values[] = {
            {"txtCliente", "Rossi Mario"}, {"txtComuneNasc", "Forlì"}, {"txtCarta", "4111"},
            {"txtScadeCarta", "12/27"},    {"txtZona", "Centro"},      {"txtNote", "da richiamare"},
            {"txtComuneRes", "Roma"},      {"txtCapRes", "00100"},     {"txtCivile", "celibe"}};
        for (const auto& [name, text] : values) child<QLineEdit>(&w, name)->setText(QString::fromUtf8(text));
        child<QComboBox>(&w, "txtProvNasc")->setEditText("FC");
        child<QComboBox>(&w, "txtProvRes")->setEditText("RM");
    }
    void click(const char* b) { child<QAbstractButton>(&w, b)->click(); }
    static QString text(const PreparedReport& r, const QString& memo) { return printedLines(r, memo).join('\n'); }
};

}  // namespace

TEST_F(ClientCard, PrintAndPreviewCarryTheUnsavedCard) {
    seams.setNow(QDateTime(QDate(2025, 3, 5), QTime(9, 5, 7)));
    click("cmdStampa");
    click("cmdAnteprima");
    ASSERT_EQ(seams.reports.size(), 2u);
    EXPECT_EQ(seams.reports[0].action, ReportOutput::Action::Print);
    EXPECT_EQ(seams.reports[1].action, ReportOutput::Action::Preview);
    const PreparedReport& r = *seams.reports[0].report;
    ASSERT_EQ(r.pageCount(), 1);
    EXPECT_EQ(r.orientation, QPageLayout::Portrait);
    EXPECT_EQ(text(r, "txtTitolo"), QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"));
    struct Row {
        int n;
        const char* title;
        const char* value;
    };
    const Row rows[] = {{1, "Cognome e nome:", "Rossi Mario"},
                        {3, "Comune di nascita:", "Forlì FC"},
                        {7, "Comune di residenza:", "Roma RM"},
                        {8, "Modalità pagamento:", ""},
                        {16, "Carta di credito:", "N. 4111  -  Scadenza: 12/27"},
                        {22, "Zona:", "Centro"},
                        {24, "Note:", "da richiamare"}};
    for (const Row& row : rows) {
        EXPECT_EQ(text(r, Report::numbered("titCampo", row.n)), QString::fromUtf8(row.title)) << row.n;
        EXPECT_EQ(r.pages[0].memo(Report::numbered("txtCampo", row.n))->lines().join('\n'),
                  QString::fromUtf8(row.value))
            << row.n;
    }
    // The postal code and the marital status are not printed.
    for (int i = 1; i <= 24; ++i) {
        const QString v = r.pages[0].memo(Report::numbered("txtCampo", i))->lines().join(' ');
        EXPECT_FALSE(v.contains("00100") || v.contains("celibe")) << i;
    }
    EXPECT_EQ(text(r, "txtCalce"), QStringLiteral("Stampa eseguita in data 05/03/2025 alle ore 09:05:07"));
    EXPECT_EQ(text(*seams.reports[1].report, "titCampo22"), QStringLiteral("Zona:"));
}

TEST_F(ClientCard, PdfIsReplacedWithoutAskingThenOffered) {
    const QString pdf = seams.file("Contatto.pdf");
    click("cmdPDF");
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(fileBytes(pdf).startsWith("%PDF"));
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Confirmation);
    EXPECT_EQ(
        seams.lastMessage().text,
        QStringLiteral("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il file?"));
    EXPECT_EQ(seams.opened, QStringList({'"' + pdf + '"'}));
    EXPECT_EQ(w.repScheda().prepared()->pages[0].memo("titCampo22")->lines().join(""),
              QStringLiteral("Zona di appartenenza:"));

    // A second export replaces the first without a question; No opens nothing.
    QFile::resize(pdf, 10);
    child<QLineEdit>(&w, "txtCliente")->setText("Bianchi Anna");
    seams.answer(MsgAnswer::No);
    click("cmdPDF");
    EXPECT_GT(QFileInfo(pdf).size(), 10);
    EXPECT_EQ(seams.messages.size(), 2u);
    EXPECT_EQ(seams.opened.size(), 1);
}

TEST_F(ClientCard, FailedPdfIsNotAnnouncedAsASuccess) {
    QDir(seams.folder()).mkdir("Contatto.pdf");  // the file cannot be written
    click("cmdPDF");
    for (const ShownMessage& m : seams.messages) EXPECT_NE(m.kind, MsgKind::Confirmation);
    EXPECT_TRUE(seams.opened.isEmpty());
}

TEST_F(ClientCard, FullDiskKeepsTheEarlierPdf) {
    click("cmdPDF");
    const QByteArray earlier = fileBytes(seams.file("Contatto.pdf"));
    ASSERT_TRUE(earlier.startsWith("%PDF"));
    seams.messages.clear();
    {
        FullDisk full;
        click("cmdPDF");
    }
    for (const ShownMessage& m : seams.messages) EXPECT_NE(m.kind, MsgKind::Confirmation);
    EXPECT_EQ(fileBytes(seams.file("Contatto.pdf")), earlier);
}
