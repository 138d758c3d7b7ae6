#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "archive/Layouts.h"
#include "clienti/ClientiHelp.h"
#include "clienti/TfrmClienti.h"
#include "platform/Text.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"

namespace {

const QString kVuoto = QStringLiteral("L'archivio non contiene nessuna scheda.");

Record client(const QString& name, const QString& flag = QStringLiteral("No")) {
    Record r(Layouts::TSchedaCliente());
    r.set("Cliente", name);
    r.set("TelCel", "3331234567");
    r.set("CodFisc", "RSSMRA80A01H501U");
    r.set("Ricontatta", flag);
    return r;
}

class ClientWindow : public CardWindowTest<TfrmClienti> {
protected:
    QLineEdit* edit(const char* name) { return child<QLineEdit>(&w, name); }
    int count() { return int(QFile(seams.file("Contatti.pro")).size() / 3372); }
    void fillRequired() {
        type("txtCliente", "Bianchi Anna");
        type("txtTelCel", "3471112223");
        type("txtCodFisc", "bnc nna");
    }
};

}  // namespace

TEST_F(ClientWindow, BrowsingAnEmptyArchive) {
    for (const char* b : {"cmdAvanti", "cmdIndietro", "cmdPrimo", "cmdUltimo"}) {
        seams.messages.clear();
        click(b);
        ASSERT_EQ(seams.messages.size(), 1u) << b;
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
        EXPECT_EQ(seams.lastMessage().text, kVuoto);
        EXPECT_EQ(pos(), QString()) << b;
    }
}

TEST_F(ClientWindow, BrowsingThreeCards) {
    archive({client("Uno"), client("Due"), client("Tre")});
    struct Step {
        const char* button;
        const char* name;
        const char* position;
    };
    const Step steps[] = {
        {"cmdAvanti", "Uno", "1"},    // a new card stands before the first
        {"cmdIndietro", "Uno", "1"},  // the first: nothing happens
        {"cmdAvanti", "Due", "2"},   {"cmdUltimo", "Tre", "3"}, {"cmdAvanti", "Tre", "3"},  // the last: nothing happens
        {"cmdIndietro", "Due", "2"}, {"cmdPrimo", "Uno", "1"},  {"cmdNuovo", "", ""},
        {"cmdIndietro", "Uno", "1"},  // Previous on a new card shows the first
    };
    for (const Step& s : steps) {
        click(s.button);
        EXPECT_EQ(edit("txtCliente")->text(), QString::fromLatin1(s.name)) << s.button;
        EXPECT_EQ(pos(), QString::fromLatin1(s.position)) << s.button;
    }
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(ClientWindow, BrowsingDropsUnsavedChanges) {
    archive({client("Uno"), client("Due")});
    click("cmdPrimo");
    type("txtCliente", "Cambiato");
    click("cmdAvanti");
    click("cmdIndietro");
    EXPECT_EQ(edit("txtCliente")->text(), QStringLiteral("Uno"));
}

TEST_F(ClientWindow, RequiredFieldsInOrderWriteNothing) {
    struct Case {
        const char* cliente;
        const char* cel;
        const char* cf;
        const char* focus;
        const char* warning;
    };
    const Case cases[] = {
        {"  ", "333", "X", "txtCliente", "il nome del cliente."},
        {"Rossi", "", "X", "txtTelCel", "il numero di cellulare del cliente."},
        {"Rossi", "333", "", "txtCodFisc", "il codice fiscale del cliente."},
    };
    for (const Case& c : cases) {
        seams.messages.clear();
        type("txtCliente", c.cliente);
        type("txtTelCel", c.cel);
        type("txtCodFisc", c.cf);
        click("cmdSalva");
        ASSERT_EQ(seams.messages.size(), 1u);
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
        EXPECT_EQ(seams.lastMessage().text, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ") +
                                                QString::fromUtf8(c.warning));
        EXPECT_TRUE(edit(c.focus)->hasFocus()) << c.focus;
        EXPECT_EQ(pos(), QString());
    }
    EXPECT_FALSE(QFile::exists(seams.file("Contatti.pro")));
}

TEST_F(ClientWindow, SaveAppendsThenOverwrites) {
    archive({client("Uno"), client("Due")});
    fillRequired();
    click("cmdSalva");
    EXPECT_EQ(pos(), QStringLiteral("3"));
    EXPECT_EQ(count(), 3);
    EXPECT_EQ(seams.lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);

    type("txtNote", "richiamare");
    click("cmdSalva");
    EXPECT_EQ(pos(), QStringLiteral("3"));
    EXPECT_EQ(count(), 3);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    click("cmdNuovo");
    click("cmdUltimo");
    EXPECT_EQ(edit("txtNote")->text(), QStringLiteral("richiamare"));
}

TEST_F(ClientWindow, SavedCardIsTheRecordBuiltByHand) {
    type("txtCliente", "  Niccolò Rossi  ");
    type("txtTelCel", "333");
    type("txtCodFisc", "rssncc80a01h501z");
    type("txtFax", "pec@esempio.it");
    child<QComboBox>(&w, "txtProvRes")->setEditText("mi");
    child<QCheckBox>(&w, "chkRicontatta")->setChecked(true);
    type("txtNote", QString(300, QLatin1Char('n')));  // the field takes no more than its 250
    click("cmdSalva");

    Record expected(Layouts::TSchedaCliente());
    expected.set("Cliente", "Niccolò Rossi");
    expected.set("TelCel", "333");
    expected.set("CodFisc", "RSSNCC80A01H501Z");
    expected.set("Fax", "pec@esempio.it");
    expected.set("ProvRes", "MI");
    expected.set("Ricontatta", "Sì");
    expected.set("Note", QString(250, QLatin1Char('n')));
    // Absent fields are empty; No for the flag when the box is clear.
    const QByteArray bytes = fileBytes(seams.file("Contatti.pro"));
    ASSERT_EQ(bytes.size(), 3372);
    EXPECT_EQ(bytes, expected.bytes());
    EXPECT_EQ(bytes.left(14), QByteArray("\x0DNiccol\xF2 Rossi"));
    EXPECT_EQ(bytes.mid(Layouts::TSchedaCliente().offset("Ricontatta"), 3), QByteArray("\x02S\xEC"));
}

TEST_F(ClientWindow, FlagThatIsNeitherSiNorNoLeavesTheBoxAlone) {
    archive({client("Sì", "Sì"), client("Forse", "Fo"), client("No", "No")});
    auto* box = child<QCheckBox>(&w, "chkRicontatta");
    click("cmdPrimo");
    EXPECT_TRUE(box->isChecked());
    click("cmdAvanti");
    EXPECT_TRUE(box->isChecked());  // "Fo": untouched
    click("cmdAvanti");
    EXPECT_FALSE(box->isChecked());
    box->setChecked(true);
    click("cmdIndietro");
    EXPECT_TRUE(box->isChecked());
}

TEST_F(ClientWindow, DuplicateKeepsTheDataButNotTheAttachments) {
    Record r = client("Uno");
    r.set("File01", "contratto.pdf");
    r.set("Desc01", "Contratto");
    archive({r});

    click("cmdDuplica");
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                             "stata inserita in archivio."));
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);

    click("cmdPrimo");
    EXPECT_EQ(child<QLabel>(&w, "lblFile01")->text(), QStringLiteral("contratto.pdf"));
    click("cmdDuplica");
    EXPECT_EQ(pos(), QString());
    EXPECT_EQ(edit("txtCliente")->text(), QStringLiteral("Uno"));
    EXPECT_EQ(child<QLabel>(&w, "lblFile01")->text(), QString());
    EXPECT_TRUE(edit("txtCliente")->hasFocus());
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                             "Al termine premere Salva per inserire la scheda in archivio."));
    click("cmdSalva");
    EXPECT_EQ(pos(), QStringLiteral("2"));
    const QByteArray bytes = fileBytes(seams.file("Contatti.pro"));
    Record copy(Layouts::TSchedaCliente());
    copy.bytes() = bytes.mid(3372);
    EXPECT_EQ(copy.get("Cliente"), QStringLiteral("Uno"));
    EXPECT_EQ(copy.get("File01"), QString());
    EXPECT_EQ(copy.get("Desc01"), QString());
}

TEST_F(ClientWindow, AccessErrorLeavesTheCardAsItWas) {
    QDir(seams.folder()).mkdir("Contatti.pro");  // the archive cannot be opened
    fillRequired();
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Error);
    EXPECT_EQ(seams.lastMessage().text.left(62),
              QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n"));
    EXPECT_EQ(pos(), QString());
    EXPECT_EQ(edit("txtCliente")->text(), QStringLiteral("Bianchi Anna"));
    click("cmdPrimo");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Error);
    EXPECT_EQ(edit("txtCliente")->text(), QStringLiteral("Bianchi Anna"));
}

TEST_F(ClientWindow, TypingRules) {
    type("txtTelCel", "33a3-4");
    type("txtCarta", "4111 x");
    type("txtPartitaIva", "IT0123");
    EXPECT_EQ(edit("txtTelCel")->text(), QStringLiteral("3334"));
    EXPECT_EQ(edit("txtCarta")->text(), QStringLiteral("4111"));
    EXPECT_EQ(edit("txtPartitaIva")->text(), QStringLiteral("0123"));

    type("txtSesso", "f");
    type("txtCodFisc", " rss mra ");
    type("txtIban", "it60 x");
    type("txtFax", " a@b.it ");
    type("txtCapRes", "ab1");
    EXPECT_EQ(edit("txtSesso")->text(), QStringLiteral("F"));
    EXPECT_EQ(edit("txtCodFisc")->text(), QStringLiteral("RSSMRA"));
    EXPECT_EQ(edit("txtIban")->text(), QStringLiteral("IT60X"));
    EXPECT_EQ(edit("txtFax")->text(), QStringLiteral("a@b.it"));
    EXPECT_EQ(edit("txtCapRes")->text(), QStringLiteral("AB1"));
    EXPECT_EQ(edit("txtFax")->maxLength(), 30);
    EXPECT_EQ(edit("txtCodFisc")->maxLength(), 16);

    auto* email = edit("txtEmail");
    email->setText("  x@y.it");  // set without typing: trimmed on change already
    EXPECT_EQ(email->text(), QStringLiteral("x@y.it"));
}

TEST_F(ClientWindow, ProvinceListsOfferTheCodesAndTakeAnyTwoLetters) {
    auto* prov = child<QComboBox>(&w, "txtProvNasc");
    ASSERT_EQ(prov->count(), 112);
    EXPECT_EQ(prov->itemText(0), QStringLiteral("AG"));
    EXPECT_EQ(prov->itemText(111), QStringLiteral("VV"));
    prov->setFocus();
    QTest::keyClicks(prov, "zz");
    EXPECT_EQ(prov->currentText(), QStringLiteral("ZZ"));
    prov->setCurrentIndex(5);
    edit("txtSesso")->setFocus();
    prov->setFocus();  // entering the list clears its choice, not its text
    EXPECT_EQ(prov->currentIndex(), -1);
    EXPECT_EQ(prov->currentText(), QStringLiteral("AQ"));
}

TEST_F(ClientWindow, EmailButtonAndTheButtonsThatNeedASavedCard) {
    type("txtEmail", "anna.bianchi@esempio.it");
    click("btnEmail");
    ASSERT_EQ(seams.opened.size(), 1);
    EXPECT_EQ(seams.opened[0], QStringLiteral("\"mailto:anna.bianchi@esempio.it\""));

    click("btnChiamate");
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: lo storico delle chiamate può essere visualizzato soltanto dopo aver "
                             "salvato la scheda del cliente."));
    click("btnProve");
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: il riepilogo dei servizi può essere visualizzato soltanto dopo aver "
                             "salvato la scheda del cliente."));
    EXPECT_TRUE(seams.modals.empty());
}

TEST_F(ClientWindow, ShowingTheWindowAgainStartsANewCard) {
    archive({client("Uno")});
    click("cmdPrimo");
    child<QCheckBox>(&w, "chkRicontatta")->setChecked(true);
    w.close();
    w.show();
    EXPECT_EQ(pos(), QString());
    EXPECT_EQ(edit("txtCliente")->text(), QString());
    EXPECT_FALSE(child<QCheckBox>(&w, "chkRicontatta")->isChecked());
    EXPECT_EQ(child<QComboBox>(&w, "txtProvRes")->currentIndex(), -1);
}

TEST_F(ClientWindow, CheckButtonsOpenTheirWindowWithTheFieldText) {
    struct Case {
        const char* field;
        const char* text;
        const char* button;
        const char* window;
        const char* input;
    };
    const Case cases[] = {
        {"txtCodFisc", "01234567890", "btnCodFisc", "TfrmPartitaIva", "txtPartitaIva"},
        {"txtCodFisc", "RSSMRA85T10A562S", "btnCodFisc", "TfrmCodFisc", "txtCodFisc"},
        {"txtCodFisc", "", "btnCodFisc", "TfrmCodFisc", "txtCodFisc"},
        {"txtPartitaIva", "00743110157", "btnPartitaIva", "TfrmPartitaIva", "txtPartitaIva"},
        {"txtIban", "IT60X0542811101000000123456", "btnIban", "TfrmIban", "txtIban"},
        {"txtCarta", "4111111111111111", "btnCarta", "TfrmCarta", "txtNumero"},
    };
    for (const Case& c : cases) {
        type(c.field, QString::fromLatin1(c.text));
        QString seen;
        seams.onModal([&](QDialog* d) { seen = child<QLineEdit>(d, QString::fromLatin1(c.input))->text(); });
        click(c.button);
        ASSERT_FALSE(seams.modals.empty());
        EXPECT_EQ(seams.modals.back().className, QString::fromLatin1(c.window)) << c.button << " " << c.text;
        EXPECT_EQ(seen, QString::fromLatin1(c.text));
    }
}

TEST_F(ClientWindow, HelpButtonOpensTheClientGuide) {
    click("cmdGuida");
    EXPECT_EQ(seams.helpRequests, QStringList({"App Clienti e Servizi"}));
    const HelpTopic topic = clientiHelpTopic();
    EXPECT_EQ(topic.title, QStringLiteral("App Clienti e Servizi"));
    EXPECT_GE(topic.paragraphs.size(), 3);
    for (const QString& p : topic.paragraphs) EXPECT_FALSE(Text::trim(p).isEmpty());
}

TEST_F(ClientWindow, AttachmentsGoFromTheWindowIntoTheSavedCard) {
    Record r = client("Uno");
    r.set("File01", "contratto.pdf");
    r.set("Desc01", "Contratto");
    archive({r});
    click("cmdPrimo");

    QTemporaryDir docs;
    writeFile(docs.path() + "/delega.pdf", "DELEGA");
    seams.pickFile(docs.path() + "/delega.pdf");
    seams.onModal([](QDialog* a) {
        EXPECT_EQ(child<QLabel>(a, "lblMemory")->text(), QStringLiteral("clienti"));
        EXPECT_EQ(child<QLineEdit>(a, "txtFile01")->text(), QStringLiteral("contratto.pdf"));
        EXPECT_EQ(child<QLineEdit>(a, "txtDesc01")->text(), QStringLiteral("Contratto"));
        child<QAbstractButton>(a, "btnSfoglia02")->click();
        child<QLineEdit>(a, "txtDesc02")->setText("Delega firmata");
        child<QAbstractButton>(a, "btnApplica")->click();
    });
    click("cmdFile");
    ASSERT_EQ(seams.modals.size(), 1u);
    EXPECT_EQ(seams.modals[0].className, QStringLiteral("TfrmAllegaCartella"));
    EXPECT_EQ(child<QLabel>(&w, "lblFile02")->text(), QStringLiteral("delega.pdf"));

    // Annulla leaves the card as it was.
    seams.onModal([](QDialog* a) {
        child<QLineEdit>(a, "txtDesc01")->setText("cambiata");
        child<QAbstractButton>(a, "btnAnnulla")->click();
    });
    click("cmdFile");
    EXPECT_EQ(child<QLabel>(&w, "lblDesc01")->text(), QStringLiteral("Contratto"));

    click("cmdSalva");
    Record saved(Layouts::TSchedaCliente());
    saved.bytes() = fileBytes(seams.file("Contatti.pro"));
    ASSERT_EQ(saved.bytes().size(), 3372);
    EXPECT_EQ(saved.get("File01"), QStringLiteral("contratto.pdf"));
    EXPECT_EQ(saved.get("File02"), QStringLiteral("delega.pdf"));
    EXPECT_EQ(saved.get("Desc02"), QStringLiteral("Delega firmata"));
    EXPECT_EQ(saved.bytes().mid(Layouts::TSchedaCliente().offset("File02"), 11), QByteArray("\x0A"
                                                                                            "delega.pdf"));
    EXPECT_EQ(fileBytes(seams.file("Documenti_Allegati/delega.pdf")), QByteArray("DELEGA"));
}
