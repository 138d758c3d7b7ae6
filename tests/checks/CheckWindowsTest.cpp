#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "archive/checks/Checks.h"
#include "support/Seams.h"

namespace {

using Opener = void (*)(QWidget*, const QString&);

const char* const kCfLength = "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.";
const char* const kPivaWrong =
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.";
const char* const kCardWrong =
    "Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
    "Non è quindi possibile fornire informazioni relative al tipo di carta di credito.";

struct Case {
    Opener open;
    const char* passed;  // the caller's field
    MsgKind kind;
    const char* message;
    bool staysOpen;  // a length or emptiness message
};

class CheckWindows : public SeamsTest {
protected:
    // Opens the window with the text and presses "Controlla"; afterwards the
    // window must be closed, or open with the focus back in its field.
    void press(const Case& c) {
        seams.messages.clear();
        bool open = false, focusInField = false;
        seams.onModal([&](QDialog* w) {
            QWidget* field = w->focusWidget();  // put there by FormShow
            ASSERT_TRUE(qobject_cast<QLineEdit*>(field));
            QTest::mouseClick(child<QPushButton>(w, "btnControlla"), Qt::LeftButton);
            open = w->isVisible();
            focusInField = w->focusWidget() == field;
        });
        c.open(nullptr, QString::fromUtf8(c.passed));
        ASSERT_EQ(seams.messages.size(), 1u) << c.passed;
        EXPECT_EQ(seams.lastMessage().kind, c.kind) << c.passed;
        EXPECT_EQ(seams.lastMessage().text, QString::fromUtf8(c.message)) << c.passed;
        EXPECT_EQ(seams.lastMessage().buttons, MsgButtons::OkCancel);
        EXPECT_EQ(open, c.staysOpen) << c.passed;
        if (c.staysOpen) {
            EXPECT_TRUE(focusInField) << c.passed;
        }
    }
};

}  // namespace

TEST_F(CheckWindows, CodiceFiscaleVerdicts) {
    const Case cases[] = {
        {Checks::openCodiceFiscale, "RSSMRA85T10A562S", MsgKind::Information, "Il codice fiscale digitato è VALIDO.",
         false},
        {Checks::openCodiceFiscale, "rssmra85t10a562s", MsgKind::Information, "Il codice fiscale digitato è VALIDO.",
         false},
        {Checks::openCodiceFiscale, "RSSMRA85T10A562T", MsgKind::Warning,
         "Attenzione: il codice fiscale digitato è ERRATO.", false},
        {Checks::openCodiceFiscale, "RSSMR-85T10A562S", MsgKind::Warning,
         "Attenzione: il codice fiscale digitato è ERRATO.", false},
        // The check letter agrees, but X is no month.
        {Checks::openCodiceFiscale, "VRDGPP80X01H501S", MsgKind::Warning,
         "Attenzione: il codice fiscale digitato è ERRATO.", false},
        {Checks::openCodiceFiscale, "RSSMRA85T10A562", MsgKind::Warning, kCfLength, true},
    };
    for (const Case& c : cases) press(c);
}

TEST_F(CheckWindows, PartitaIvaVerdicts) {
    const Case cases[] = {
        {Checks::openPartitaIva, "12345670215", MsgKind::Information,
         "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
         "E' stato rilasciato dall'Ufficio IVA del Comune di Bolzano.",
         false},
        {Checks::openPartitaIva, "00000001206", MsgKind::Information,
         "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
         "E' stato rilasciato dall'Ufficio IVA del Comune di Bologna 2.",
         false},
        {Checks::openPartitaIva, "12345671056", MsgKind::Information,
         "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
         "Il codice 105 dell'Ufficio IVA che lo ha rilasciato non è presente nell'elenco degli uffici.",
         false},
        {Checks::openPartitaIva, "12345670216", MsgKind::Warning, kPivaWrong, false},
        {Checks::openPartitaIva, "1234567021A", MsgKind::Warning, kPivaWrong, false},
        {Checks::openPartitaIva, "1234567021", MsgKind::Warning,
         "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.", true},
    };
    for (const Case& c : cases) press(c);
}

TEST_F(CheckWindows, IbanVerdicts) {
    const char* length = "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.";
    const Case cases[] = {
        {Checks::openIban, "IT60X0542811101000000123456", MsgKind::Information, "L'IBAN digitato è VALIDO.", false},
        {Checks::openIban, "IT60X0542811101000000123457", MsgKind::Warning, "Attenzione: l'IBAN digitato è ERRATO!",
         false},
        {Checks::openIban, "DE89 3704 0044 0532 0130 00", MsgKind::Information, "L'IBAN digitato è VALIDO.", false},
        // Remainder 1, but check digits 00, or letters in the bank and branch codes.
        {Checks::openIban, "SM00H6541036030G2MV04XVPDJZ", MsgKind::Warning, "Attenzione: l'IBAN digitato è ERRATO!",
         false},
        {Checks::openIban, "IT18DWWPVPKG96LXFX4WDNF99PQ", MsgKind::Warning, "Attenzione: l'IBAN digitato è ERRATO!",
         false},
        // Remainder 1, but no country has that code.
        {Checks::openIban, "XX10X0542811101000000123456", MsgKind::Warning, "Attenzione: l'IBAN digitato è ERRATO!",
         false},
        // Passed whole from the card, longer than what may be typed.
        {Checks::openIban, "IT60 X054 2811 1010 0000 0123 456", MsgKind::Warning, length, true},
        {Checks::openIban, "IT60X054281110100000012345", MsgKind::Warning, length, true},
    };
    for (const Case& c : cases) press(c);
}

TEST_F(CheckWindows, CardVerdicts) {
    const Case cases[] = {
        {Checks::openCarta, "4111111111111111", MsgKind::Information,
         "Il numero di carta di credito 4111111111111111 risulta valido.\r\n\r\n"
         "La carta di credito è del tipo Visa.",
         false},
        {Checks::openCarta, "378282246310005", MsgKind::Information,
         "Il numero di carta di credito 378282246310005 risulta valido.\r\n\r\n"
         "La carta di credito è del tipo American Express.",
         false},
        // Every digit of the field counts, also past the twentieth character.
        {Checks::openCarta, "4774 4675 8135 4108 541", MsgKind::Information,
         "Il numero di carta di credito 4774 4675 8135 4108 541 risulta valido.\r\n\r\n"
         "La carta di credito è del tipo Visa.",
         false},
        {Checks::openCarta, "4111 1111 1111 1111 99", MsgKind::Warning, kCardWrong, false},
        // Passed from the card with a letter for a digit: the letter is not skipped.
        {Checks::openCarta, "5l04938369086089", MsgKind::Warning, kCardWrong, false},
        {Checks::openCarta, "3900000000000005", MsgKind::Information,
         "Il numero di carta di credito 3900000000000005 risulta valido.\r\n\r\n"
         "La carta di credito è del tipo Diner's Club / Carte Blanche.",
         false},
        {Checks::openCarta, "2223000048400011", MsgKind::Information,
         "Il numero di carta di credito 2223000048400011 risulta valido.\r\n\r\n"
         "La carta di credito è del tipo MasterCard.",
         false},
        {Checks::openCarta, "3200000000000002", MsgKind::Information,
         "Il numero di carta di credito 3200000000000002 risulta valido.\r\n\r\n"
         "Il tipo della carta di credito non è tra quelli riconosciuti.",
         false},
        {Checks::openCarta, "42", MsgKind::Warning, kCardWrong, false},  // Luhn-sound, too short for a Visa
        {Checks::openCarta, "4111111111111112", MsgKind::Warning, kCardWrong, false},
        {Checks::openCarta, "", MsgKind::Warning,
         "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.", true},
    };
    for (const Case& c : cases) press(c);
}

TEST_F(CheckWindows, CodiceFiscaleButtonDispatch) {
    struct Dispatch {
        const char* passed;
        const char* window;
        const char* field;
        const char* shown;
    };
    const Dispatch cases[] = {
        {" 12345670215 ", "TfrmPartitaIva", "txtPartitaIva", "12345670215"},
        {"0123", "TfrmPartitaIva", "txtPartitaIva", "0123"},
        {"  RSSMRA85T10A562S ", "TfrmCodFisc", "txtCodFisc", "RSSMRA85T10A562S"},
        {"1234567021X", "TfrmCodFisc", "txtCodFisc", "1234567021X"},
        {"", "TfrmCodFisc", "txtCodFisc", ""},
        {"   ", "TfrmCodFisc", "txtCodFisc", ""},
    };
    QWidget owner;
    for (const Dispatch& c : cases) {
        QPointer<QDialog> shown;
        QString text;
        seams.onModal([&](QDialog* w) {
            shown = w;
            EXPECT_EQ(w->parentWidget(), &owner);
            if (auto* field = child<QLineEdit>(w, c.field)) text = field->text();
            QTest::mouseClick(child<QPushButton>(w, "btnChiudi"), Qt::LeftButton);
            EXPECT_FALSE(w->isVisible());
        });
        Checks::openCodiceFiscale(&owner, QString::fromUtf8(c.passed));
        EXPECT_EQ(seams.modals.back().className, QString::fromLatin1(c.window)) << c.passed;
        EXPECT_EQ(text, QString::fromUtf8(c.shown)) << c.passed;
        EXPECT_TRUE(shown.isNull()) << "freed after use";
    }
    EXPECT_TRUE(seams.messages.empty());  // "Chiudi" says nothing
}

TEST_F(CheckWindows, TypingRules) {
    struct Typing {
        Opener open;
        const char* field;
        const char* keys;
        const char* text;
    };
    const Typing cases[] = {
        {Checks::openCodiceFiscale, "txtCodFisc", " rssmra85t10a562sx", "RSSMRA85T10A562S"},
        {Checks::openIban, "txtIban", "it60x0542811101000000123456 7", "IT60X0542811101000000123456"},
        {Checks::openPartitaIva, "txtPartitaIva", "12a3 b-45678901234", "12345678901"},
        {Checks::openCarta, "txtNumero", "4111-1111 x1111/1111", "4111111111111111"},
        {Checks::openCarta, "txtNumero", "1234567890123456789012345678901", "123456789012345678901234567890"},
    };
    for (const Typing& c : cases) {
        QString text;
        seams.onModal([&](QDialog* w) {
            auto* field = child<QLineEdit>(w, c.field);
            QTest::keyClicks(field, c.keys);
            text = field->text();
        });
        c.open(nullptr, QString());
        EXPECT_EQ(text, QString::fromLatin1(c.text)) << c.keys;
    }
}

TEST_F(CheckWindows, ReturnInTheFieldMovesToControllaWithoutChecking) {
    for (Opener open : {Checks::openCodiceFiscale, Checks::openPartitaIva, Checks::openIban, Checks::openCarta}) {
        seams.messages.clear();
        seams.onModal([&](QDialog* w) {
            auto* field = qobject_cast<QLineEdit*>(w->focusWidget());
            ASSERT_TRUE(field);
            auto* button = child<QPushButton>(w, "btnControlla");
            QTest::keyClick(field, Qt::Key_Return);
            EXPECT_EQ(w->focusWidget(), button);
            EXPECT_TRUE(w->isVisible());
            EXPECT_TRUE(seams.messages.empty());
            QTest::keyClick(button, Qt::Key_Return);  // and Return there checks
            EXPECT_EQ(seams.messages.size(), 1u);
        });
        open(nullptr, QStringLiteral("12345670215"));
    }
}

TEST_F(CheckWindows, FixedCentredWindowsWithoutTitleButtons) {
    struct Frame {
        Opener open;
        const char* caption;
        const char* prompt;
    };
    const Frame cases[] = {
        {Checks::openCodiceFiscale, " Controllo codice fiscale",
         "Immettere il codice fiscale e premere il pulsante di controllo."},
        {Checks::openPartitaIva, " Controllo partita IVA",
         "Immettere il numero di partita IVA e premere il pulsante di controllo."},
        {Checks::openIban, " Controllo IBAN", "Immettere l'IBAN e premere il pulsante di controllo."},
        {Checks::openCarta, " Controllo carta di credito",
         "Immettere il numero di carta di credito e premere il pulsante di controllo."},
    };
    for (const Frame& c : cases) {
        seams.onModal([&](QDialog* w) {
            EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.caption));
            EXPECT_EQ(child<QLabel>(w, "lblTitolo")->text(), QString::fromUtf8(c.prompt));
            EXPECT_NE(child<QWidget>(w, "imgLogo"), nullptr);
            EXPECT_EQ(w->minimumSize(), w->maximumSize());
            const Qt::WindowFlags f = w->windowFlags();
            EXPECT_FALSE(f & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint));
            const QPoint centre = w->screen()->availableGeometry().center();
            EXPECT_LE((w->geometry().center() - centre).manhattanLength(), 2) << c.caption;
        });
        c.open(nullptr, QString());
    }
}
