#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "StoredCase.h"
#include "app/HelpTopics.h"
#include "app/TfrmAvvio.h"
#include "app/WindowSet.h"
#include "archive/Layouts.h"
#include "pratiche/CaseFields.h"
#include "pratiche/TfrmPratica.h"
#include "support/Said.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/PictureButton.h"
#include "ui/RecordList.h"

namespace {

const int kSize = 5075;

// The 59 capacities of a case, in the order of the file.
std::vector<int> capacities() {
    std::vector<int> c = {250, 50, 30, 10, 10, 30, 250, 250, 50, 50, 50, 50, 50, 2, 5, 16, 11, 250, 250, 250, 2};
    c.insert(c.end(), 32, 50);
    c.insert(c.end(), 6, 250);
    return c;
}

// A whole case by hand: the texts of the fields given by their number
// (1 to 59), every other field empty.
QByteArray caseBytes(const std::map<int, QByteArray>& texts) {
    QByteArray bytes;
    const std::vector<int> caps = capacities();
    for (size_t i = 0; i < caps.size(); ++i) {
        const auto it = texts.find(int(i) + 1);
        bytes += field(caps[i], it == texts.end() ? QByteArray() : it->second);
    }
    return bytes;
}

class CaseWindow : public CardWindowTest<TfrmPratica> {
protected:
    QByteArray cases() { return bytes(); }
    QCheckBox* urgent() { return child<QCheckBox>(&w, "chkUrgente"); }
    void typeList(const char* name, const QString& t) {
        QComboBox* c = list(name);
        c->setFocus();
        c->clearEditText();
        typeText(c->lineEdit(), t);
    }
};

}  // namespace

TEST_F(CaseWindow, TheShownWindowIsEmptyAndANewCaseOpensToday) {
    EXPECT_EQ(text("txtApertura"), QString());
    EXPECT_EQ(pos(), QString());
    EXPECT_TRUE(ctl("txtOggetto")->hasFocus());

    archive({storedCase("Successione")});
    click("cmdPrimo");
    put("lblDoc05", "Atto notorio");
    put("lblFile01", "atto.pdf");
    urgent()->setChecked(true);
    list("txtStato")->setCurrentIndex(1);
    seams.setNow(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 0)));
    click("cmdNuovo");
    EXPECT_EQ(text("txtApertura"), QStringLiteral("31/12/2025"));
    for (const char* empty :
         {"txtOggetto", "txtCliente", "lblDoc05", "lblDoc03", "lblFile01", "txtStato", "lblPosizione"})
        EXPECT_EQ(text(empty), QString()) << empty;
    EXPECT_FALSE(urgent()->isChecked());
    EXPECT_EQ(list("txtStato")->currentIndex(), -1);
    EXPECT_TRUE(ctl("txtOggetto")->hasFocus());

    // Shown again from the launcher: a new case without a date.
    w.close();
    showActive(&w);
    EXPECT_EQ(text("txtApertura"), QString());

    // The today buttons.
    seams.setNow(QDateTime(QDate(2026, 1, 2), QTime(8, 0, 0)));
    click("impChiusura");
    EXPECT_EQ(text("txtChiusura"), QStringLiteral("02/01/2026"));
    EXPECT_EQ(text("txtApertura"), QString());
    click("impApertura");
    EXPECT_EQ(text("txtApertura"), QStringLiteral("02/01/2026"));
}

TEST_F(CaseWindow, SaveTestsRunInOrderAndWriteNothingUntilAllPass) {
    struct Step {
        const char* control;
        const char* value;
        const char* what;
        const char* focus;
    };
    const Step steps[] = {
        {nullptr, nullptr, "l'oggetto della pratica.", "txtOggetto"},
        {"txtOggetto", "Ricorso", "il numero di protocollo della pratica.", "txtProtocollo"},
        {"txtProtocollo", "   ", "il numero di protocollo della pratica.", "txtProtocollo"},
        {"txtProtocollo", "12/2025", "la data di apertura della pratica.", "txtApertura"},
        {"txtApertura", "05/03/2025", "il nome del cliente.", "txtCliente"},
    };
    for (const Step& s : steps) expectSaveRefused(seams, s.control, s.value, s.what, s.focus);
    EXPECT_FALSE(QFile::exists(seams.file("Pratiche.pro")));
    EXPECT_EQ(pos(), QString());
}

TEST_F(CaseWindow, SavedCasesAreTheRecordsBuiltByHand) {
    // Only the four required fields; the opening date does not exist.
    type("txtOggetto", "Ricorso al TAR");
    type("txtProtocollo", "12/2025");
    type("txtApertura", "31/02/2025");
    type("txtCliente", "Rossi Mario");
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(seams.lastMessage().text, Said::inserita);
    EXPECT_EQ(pos(), QStringLiteral("1"));
    const QByteArray first =
        caseBytes({{1, "Ricorso al TAR"}, {3, "12/2025"}, {4, "31/02/2025"}, {10, "Rossi Mario"}, {21, "No"}});
    ASSERT_EQ(first.size(), kSize);
    EXPECT_EQ(cases(), first);

    // Every field, typed as a user would; then saved over the same case.
    const std::pair<const char*, const char*> typed[] = {{"txtTipologia", "Amministrativa"},
                                                         {"txtChiusura", "  "},
                                                         {"txtDocumenti", "Ricorso, procura"},
                                                         {"txtUffici", "TAR Lazio"},
                                                         {"txtConsulente", "Avv. Neri"},
                                                         {"txtRecapito", "06 1234567"},
                                                         {"txtIndirizzoRes", "Via Roma 1"},
                                                         {"txtComuneRes", "Forl\u00EC"},
                                                         {"txtCapRes", "47121"},
                                                         {"txtCodFisc", "rssmra80a01h501u"},
                                                         {"txtPartitaIva", "0123456789012"},
                                                         {"txtSaldati", "Acconto 500"},
                                                         {"txtSospesi", "Saldo 1000"},
                                                         {"txtNote", "  Udienza a maggio  "}};
    for (const auto& [name, value] : typed) type(name, QString::fromUtf8(value));
    typeList("txtStato", "In attesa");
    typeList("txtProvRes", "zz");
    urgent()->setChecked(true);
    put("lblDoc01", "Procura");
    put("lblDoc32", "Sentenza");
    put("lblFile02", "ricorso.pdf");
    put("lblDesc02", "Ricorso depositato");
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text, Said::salvata);
    EXPECT_EQ(pos(), QStringLiteral("1"));
    const QByteArray whole = caseBytes({{1, "Ricorso al TAR"},
                                        {2, "Amministrativa"},
                                        {3, "12/2025"},
                                        {4, "31/02/2025"},
                                        {6, "In attesa"},
                                        {7, "Ricorso, procura"},
                                        {8, "TAR Lazio"},
                                        {9, "Avv. Neri"},
                                        {10, "Rossi Mario"},
                                        {11, "06 1234567"},
                                        {12, "Via Roma 1"},
                                        {13, "Forl\xEC"},
                                        {14, "ZZ"},
                                        {15, "47121"},
                                        {16, "RSSMRA80A01H501U"},
                                        {17, "01234567890"},
                                        {18, "Acconto 500"},
                                        {19, "Saldo 1000"},
                                        {20, "Udienza a maggio"},
                                        {21, "S\xEC"},
                                        {22, "Procura"},
                                        {53, "Sentenza"},
                                        {55, "ricorso.pdf"},
                                        {58, "Ricorso depositato"}});
    EXPECT_EQ(cases(), whole);

    // Read back, every field returns to its control.
    click("cmdNuovo");
    click("cmdUltimo");
    EXPECT_EQ(text("txtProvRes"), QStringLiteral("ZZ"));
    EXPECT_EQ(text("txtStato"), QStringLiteral("In attesa"));
    EXPECT_EQ(text("lblDoc32"), QStringLiteral("Sentenza"));
    EXPECT_EQ(text("lblDesc02"), QStringLiteral("Ricorso depositato"));
    EXPECT_TRUE(urgent()->isChecked());
}

TEST_F(CaseWindow, TypingRulesAndTheLists) {
    type("txtPartitaIva", "12ab 34-5");
    EXPECT_EQ(text("txtPartitaIva"), QStringLiteral("12345"));
    type("txtCodFisc", " rss mra ");
    EXPECT_EQ(text("txtCodFisc"), QStringLiteral("RSSMRA"));
    typeList("txtProvRes", "rm");
    EXPECT_EQ(text("txtProvRes"), QStringLiteral("RM"));  // upper case at once, not on leaving
    typeList("txtProvRes", " mi ");
    EXPECT_EQ(text("txtProvRes"), QStringLiteral("MI"));
    typeList("txtStato", "sospesa in attesa");
    EXPECT_EQ(text("txtStato"), QStringLiteral("sospesa in attesa"));  // kept as typed
    type("txtOggetto", QString(300, QLatin1Char('o')));
    EXPECT_EQ(text("txtOggetto").size(), 250);
    type("txtApertura", "1 marzo 2025 ore 9");
    EXPECT_EQ(text("txtApertura"), QStringLiteral("1 marzo 20"));

    EXPECT_EQ(list("txtStato")->count(), 5);
    EXPECT_EQ(list("txtStato")->itemText(0), QStringLiteral("Aperta"));
    EXPECT_EQ(list("txtStato")->itemText(4), QStringLiteral("Chiusa e saldata"));
    ASSERT_EQ(list("txtProvRes")->count(), 112);
    EXPECT_EQ(list("txtProvRes")->itemText(0), QStringLiteral("AG"));
    EXPECT_EQ(list("txtProvRes")->itemText(111), QStringLiteral("VV"));
    // Entering a list clears its choice, not its text.
    list("txtStato")->setCurrentIndex(2);
    ctl("txtNote")->setFocus();
    list("txtStato")->setFocus();
    EXPECT_EQ(list("txtStato")->currentIndex(), -1);
    EXPECT_EQ(text("txtStato"), QStringLiteral("Sospesa"));
}

TEST_F(CaseWindow, ClientImportCopiesExactlyEightFields) {
    type("txtCliente", "Da sostituire");
    type("txtOggetto", "Successione");
    type("txtNote", "Nota");
    put("lblDoc01", "Testamento");
    const Import import = importVerdi(seams, CaseFields::get().layout(), "impCliente", "pratica", {{"ProvRes", "RM"}});

    QMap<QString, QString> expected = import.before;
    const std::pair<const char*, const char*> copied[] = {{"Cliente", "Verdi Giuseppe"},
                                                          {"Recapito", "CRecapito"},
                                                          {"IndirizzoRes", "CIndirizzoRes"},
                                                          {"ComuneRes", "CComuneRes"},
                                                          {"ProvRes", "RM"},
                                                          {"CapRes", "CCapR"},
                                                          {"CodFisc", "CCODFISC"},
                                                          {"PartitaIva", "CPartitaIva"}};
    for (const auto& [f, v] : copied) expected[f] = v;
    EXPECT_EQ(import.after, expected);
}

TEST_F(CaseWindow, CheckButtonsOpenTheirWindowWithTheFieldText) {
    struct Case {
        const char* field;
        const char* text;
        const char* button;
        const char* window;
        const char* input;
    };
    const Case cases[] = {
        {"txtCodFisc", "RSSMRA85T10A562S", "btnCodFisc", "TfrmCodFisc", "txtCodFisc"},
        {"txtCodFisc", "", "btnCodFisc", "TfrmCodFisc", "txtCodFisc"},
        {"txtCodFisc", "01234567890", "btnCodFisc", "TfrmPartitaIva", "txtPartitaIva"},  // a company's number
        {"txtPartitaIva", "01234567890", "btnPartitaIva", "TfrmPartitaIva", "txtPartitaIva"},
        {"txtPartitaIva", "", "btnPartitaIva", "TfrmPartitaIva", "txtPartitaIva"},
    };
    for (const Case& c : cases) {
        type(c.field, QString::fromLatin1(c.text));
        QString seen = "?";
        seams.onModal([&](QDialog* d) { seen = child<QLineEdit>(d, QLatin1String(c.input))->text(); });
        click(c.button);
        EXPECT_EQ(seams.modals.back().className, QLatin1String(c.window)) << c.button << c.text;
        EXPECT_EQ(seen, QLatin1String(c.text)) << c.button;
        EXPECT_EQ(text(c.field), QLatin1String(c.text));  // nothing copied back
    }
}

TEST_F(CaseWindow, FifteenPictureButtonsAndTheGuideOfTheCaseArchive) {
    EXPECT_EQ(w.findChildren<TPictureButton*>(QRegularExpression("^cmd")).size(), 15);
    click("cmdGuida");
    EXPECT_EQ(seams.helpRequests, QStringList({"App Archivio Pratiche"}));
}

TEST(CaseApp, TileFourOpensTheCaseArchiveWithItsGuide) {
    Seams seams;
    WindowSet set;
    EXPECT_EQ(set.frmAvvio->app(4), set.frmPratica);
    set.frmAvvio->appClick(4);
    EXPECT_TRUE(set.frmPratica->isVisible());
    EXPECT_TRUE(set.frmPratica->isMaximized());
    EXPECT_EQ(set.frmPratica->windowTitle(), QStringLiteral(" Plenaro - Archivio Pratiche"));
    EXPECT_FALSE(set.frmAvvio->isVisible());
    set.frmPratica->cmdEsciClick();
    EXPECT_FALSE(set.frmPratica->isVisible());
    EXPECT_TRUE(set.frmAvvio->isVisible());

    const auto guide = HelpTopics::find(QStringLiteral("App Archivio Pratiche"));
    ASSERT_TRUE(guide.has_value());
    EXPECT_EQ(guide->paragraphs.size(), 7);
    EXPECT_EQ(guide->text().split(QStringLiteral("\r\n\r\n")).size(), 7);
}
