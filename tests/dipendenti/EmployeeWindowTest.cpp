#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "archive/Layouts.h"
#include "archive/PhotoStore.h"
#include "dipendenti/TfrmDipendenti.h"
#include "support/Said.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/PhotoBox.h"

namespace {

const char* kArchive = "Archivio_Dipendenti.pro";

class EmployeeWindow : public CardWindowTest<TfrmDipendenti> {
protected:
    void fillRequired(const char* name = "Rossi Mario") {
        put("txtDipendente", QString::fromUtf8(name));
        put("txtSesso", "M");
        put("txtCel", "3331234567");
        put("txtQualifica", "Impiegato");
        put("txtReparto", "Amministrazione");
    }
    TPhotoBox* photo() const { return w.imgFoto(); }
    QString photoFile(int position) const {
        return seams.file(QStringLiteral("Anagrafica/Scheda_Dipendente_%1.jpg").arg(position));
    }
    static QImage picture(QSize size, QColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    // Cards saved by another program: only their names.
    void archive(std::initializer_list<const char*> names) {
        std::vector<Record> records;
        for (const char* n : names) {
            Record r(Layouts::TSchedaDipendente());
            r.set("Dipendente", QString::fromUtf8(n));
            records.push_back(r);
        }
        appendRecords(seams.file(kArchive), records);
    }
};

}  // namespace

TEST_F(EmployeeWindow, SaveTestsRunInOrderAndWriteNothingUntilAllPass) {
    struct Step {
        const char* control;
        const char* value;
        const char* message;
        const char* focus;
    };
    // Each step mends what the previous save refused.
    const Step steps[] = {
        {nullptr, nullptr, "cognome e nome del dipendente.", "txtDipendente"},
        {"txtDipendente", "Rossi Mario", "il sesso del dipendente (M o F).", "txtSesso"},
        {"txtSesso", "F", "il numero di cellulare dal dipendente.", "txtCel"},
        {"txtCel", "3331234567", "la qualifica dal dipendente.", "txtQualifica"},
        {"txtQualifica", "Impiegata", "il reparto del dipendente.", "txtReparto"},
        {"txtReparto", "   ", "il reparto del dipendente.", "txtReparto"},  // blanks are empty
    };
    for (const Step& s : steps) expectSaveRefused(seams, s.control, s.value, s.message, s.focus);
    EXPECT_FALSE(QFile::exists(seams.file(kArchive)));
    EXPECT_FALSE(QDir(seams.file("Anagrafica")).exists());

    put("txtReparto", "Vendite");
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(seams.lastMessage().text, Said::inserita);
    EXPECT_EQ(pos(), QStringLiteral("1"));
    EXPECT_EQ(fileBytes(seams.file(kArchive)).size(), 3356);
}

TEST_F(EmployeeWindow, TypingRulesShapeTheTextAsItIsTyped) {
    struct Case {
        const char* control;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"txtSesso", "m", "M"},
        {"txtCodFisc", " rssmra80a01h501u ", "RSSMRA80A01H501U"},
        {"txtIban", "it60 x054", "IT60X054"},  // blanks typed inside vanish as they reach an end
        {"txtEmail", " mario@studio.it ", "mario@studio.it"},
        {"txtCel", "333-12ab34", "3331234"},
        {"txtPartitaIva", "IT0123x45", "012345"},
        {"txtTel", " 06 123 ", " 06 123 "},  // free text, stored trimmed
    };
    for (const Case& c : cases) {
        type(c.control, QString::fromUtf8(c.typed));
        EXPECT_EQ(text(c.control), QString::fromUtf8(c.shown)) << c.control;
    }
    // The control keeps the field's capacity.
    EXPECT_EQ(child<QLineEdit>(&w, "txtMansioni")->maxLength(), 250);
    EXPECT_EQ(child<QLineEdit>(&w, "txtSesso")->maxLength(), 1);
}

TEST_F(EmployeeWindow, ASavedCardIsTheRecordBuiltByHand) {
    const char* values[][2] = {
        {"txtDipendente", "Rossi Mario"},
        {"txtSesso", "m"},
        {"txtDataNasc", "01/01/1980"},
        {"txtCittadinanza", "Italiana"},
        {"txtLuogoNasc", "Roma"},
        {"txtIndirizzo", "Via Appia 12"},
        {"txtCitta", "Roma"},
        {"txtCap", "00100"},
        {"txtNazione", "Italia"},
        {"txtCodFisc", "rssmra80a01h501u"},
        {"txtCivile", "Celibe"},
        {"txtPartitaIva", "01234567890"},
        {"txtStudio", "Diploma"},
        {"txtLingue", "Inglese"},
        {"txtEmail", "mario@studio.it"},
        {"txtTel", "06 1234"},
        {"txtCel", "3331234567"},
        {"txtQualifica", "Impiegato"},
        {"txtReparto", "Vendite"},
        {"txtDisponibilita", "Luned\u00EC"},
        {"txtMansioni", "Ordini"},
        {"txtIban", "it60x0542811101000000123456"},
        {"txtDataAss", "02/05/2020"},
        {"txtRetribuzione", "1500"},
        {"txtNote", "  Part time  "},
    };
    for (const auto& v : values) type(v[0], QString::fromUtf8(v[1]));
    put("lblFile01", "contratto.pdf");
    put("lblDesc01", "Contratto");
    click("cmdSalva");

    const QByteArray expected =
        field(50, "Rossi Mario") + field(1, "M") + field(10, "01/01/1980") + field(50, "Italiana") + field(50, "Roma") +
        field(120, "Via Appia 12") + field(50, "Roma") + field(10, "00100") + field(50, "Italia") +
        field(16, "RSSMRA80A01H501U") + field(50, "Celibe") + field(11, "01234567890") + field(120, "Diploma") +
        field(120, "Inglese") + field(50, "mario@studio.it") + field(30, "06 1234") + field(30, "3331234567") +
        field(50, "Impiegato") + field(50, "Vendite") + field(120, "Luned\xEC") + field(250, "Ordini") +
        field(27, "IT60X0542811101000000123456") + field(10, "02/05/2020") + field(250, "1500") +
        field(250, "Part time") + field(250, "contratto.pdf") + field(250, "") + field(250, "") +
        field(250, "Contratto") + field(250, "") + field(250, "");
    ASSERT_EQ(expected.size(), 3356);
    EXPECT_EQ(fileBytes(seams.file(kArchive)), expected);
}

TEST_F(EmployeeWindow, ANewCardWithoutPhotoStoresThePlaceholderAndEachCardFindsItsOwnAgain) {
    fillRequired();
    click("cmdSalva");
    ASSERT_EQ(pos(), QStringLiteral("1"));
    // The placeholder, as the box draws it, is the first card's photo.
    const QImage stored(photoFile(1));
    ASSERT_EQ(stored.size(), QSize(307, 394));
    EXPECT_FALSE(photo()->hasPhoto());

    archive({"Due", "Tre", "Quattro", "Cinque", "Sei", "Sette", "Otto", "Nove", "Dieci", "Undici"});
    click("cmdUltimo");
    ASSERT_EQ(pos(), QStringLiteral("11"));
    fillRequired("Dodicesimo");
    click("cmdNuovo");
    fillRequired("Bianchi Anna");
    photo()->setPicture(picture({640, 480}, Qt::darkRed));
    click("cmdSalva");
    ASSERT_EQ(pos(), QStringLiteral("12"));
    EXPECT_EQ(QImage(photoFile(12)).size(), QSize(640, 480));

    click("cmdPrimo");
    EXPECT_EQ(QImage(photoFile(1)).size(), QSize(307, 394));
    EXPECT_FALSE(photo()->hasPhoto() && photo()->picture().size() == QSize(640, 480));
    click("cmdUltimo");
    EXPECT_EQ(text("txtDipendente"), QStringLiteral("Bianchi Anna"));
    ASSERT_TRUE(photo()->hasPhoto());
    EXPECT_EQ(photo()->picture().size(), QSize(640, 480));
    click("cmdIndietro");  // card 11 never had a photo
    EXPECT_FALSE(photo()->hasPhoto());

    // Deleted by hand: the placeholder, not a word; the next save writes it again.
    QFile::remove(photoFile(12));
    seams.messages.clear();
    click("cmdUltimo");
    EXPECT_FALSE(photo()->hasPhoto());
    EXPECT_TRUE(seams.messages.empty());
    click("cmdSalva");
    EXPECT_TRUE(QFile::exists(photoFile(12)));
    EXPECT_EQ(seams.messageTexts(), QStringList({Said::salvata}));
}

TEST_F(EmployeeWindow, TheCodiceFiscaleButtonOpensTheCheckItsTextNeeds) {
    struct Case {
        const char* text;
        const char* window;
    };
    const Case cases[] = {
        {"01234567890", "TfrmPartitaIva"},
        {"RSSMRA80A01H501U", "TfrmCodFisc"},
        {"0123456789X", "TfrmCodFisc"},
        {"", "TfrmCodFisc"},
    };
    for (const Case& c : cases) {
        put("txtCodFisc", QString::fromUtf8(c.text));
        seams.modals.clear();
        click("btnCodFisc");
        ASSERT_EQ(seams.modals.size(), 1u) << c.text;
        EXPECT_EQ(seams.modals[0].className, QLatin1String(c.window)) << c.text;
    }
    for (auto [button, window] : {std::pair{"btnPartitaIva", "TfrmPartitaIva"}, {"btnIban", "TfrmIban"}}) {
        seams.modals.clear();
        click(button);
        ASSERT_EQ(seams.modals.size(), 1u) << button;
        EXPECT_EQ(seams.modals[0].className, QLatin1String(window));
    }
    put("txtEmail", "anna@studio.it");
    click("btnEmail");
    EXPECT_EQ(seams.opened, QStringList({"\"mailto:anna@studio.it\""}));
}

TEST_F(EmployeeWindow, WorkDoneNeedsASavedCardWithAName) {
    put("txtDipendente", "Rossi Mario");
    click("btnLavori");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: la registrazione dei lavori svolti pu\u00F2 avvenire soltanto dopo aver "
                             "salvato la scheda del dipendente."));
    fillRequired();
    click("cmdSalva");
    put("txtDipendente", "  ");
    ctl("txtNote")->setFocus();
    click("btnLavori");
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: per registrare i lavori svolti \u00E8 necessario indicare il nome del "
                             "dipendente."));
    EXPECT_TRUE(ctl("txtDipendente")->hasFocus());
    EXPECT_TRUE(seams.modals.empty());

    put("txtDipendente", "Rossi Mario");
    click("btnLavori");
    ASSERT_EQ(seams.modals.size(), 1u);
    EXPECT_EQ(seams.modals[0].className, QStringLiteral("TfrmLavori_Svolti"));
    EXPECT_TRUE(QFile::exists(seams.file("Archivio_Lavori/Lavori_Dipendente_1.pro")));
}

TEST_F(EmployeeWindow, TheTitleAndTheGuideNameTheApp) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Plenaro - Anagrafica Dipendenti"));
    click("cmdGuida");
    EXPECT_EQ(seams.helpRequests, QStringList({"App Anagrafica Dipendenti"}));
}
