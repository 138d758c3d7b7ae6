#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

#include "app/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmPassword.h"
#include "app/WindowSet.h"
#include "appuntamenti/CommitmentSummaries.h"
#include "appuntamenti/TfrmWhatsApp_Message.h"
#include "archive/ClientFields.h"
#include "archive/TfrmAllegaCartella.h"
#include "archive/TfrmTrovaClienti.h"
#include "archive/checks/CheckWindows.h"
#include "chiamate/TfrmStampaChiamata.h"
#include "clienti/TfrmAllegaExcel.h"
#include "clienti/TfrmExpClienti.h"
#include "platform/IniFile.h"
#include "protocollo/TfrmNumerazione.h"
#include "protocollo/TfrmRiepProtocollo.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/RecordList.h"
#include "ui/TfrmCalendario.h"

namespace {

using Window = std::shared_ptr<QDialog>;

template <class T>
Window make() {
    return std::make_shared<T>();
}

Window numbering() { return std::make_shared<TfrmNumerazione>(); }

Window datePicker() {
    auto w = std::make_shared<TfrmCalendario>();
    w->setKeyword("data");
    return w;
}

// Every file of the program folder with its bytes.
std::map<QString, QByteArray> folderBytes(const Seams& seams) {
    std::map<QString, QByteArray> out;
    QDirIterator it(seams.folder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        out[f] = fileBytes(f);
    }
    return out;
}

// Client cards with only their names.
void clients(Seams& seams, std::initializer_list<const char*> names) {
    std::vector<Record> records;
    for (const char* n : names) {
        Record r(ClientFields::get().layout());
        r.set("Cliente", n);
        records.push_back(r);
    }
    appendRecords(seams.file("Contatti.pro"), records);
}

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};
const Key kEnterKeys[] = {{Qt::Key_Return, Qt::NoModifier, "Invio"},
                          {Qt::Key_Enter, Qt::KeypadModifier, "Invio del tastierino"}};

}  // namespace

// Every window follows one rule: Enter on the focused button is a click on
// it, never on the window's default button.
TEST(DesktopKeys, EnterOnAFocusedButtonPressesIt) {
    struct Case {
        const char* what;
        std::function<Window()> make;
        const char* button;
        std::function<void(QDialog*, Seams&)> expect;
    };
    const Case cases[] = {
        {"find", make<TfrmTrovaClienti>, "btnCerca",
         [](QDialog* w, Seams&) {
             EXPECT_TRUE(child<QWidget>(w, "panContainer")->isVisible());
             EXPECT_EQ(child<QLabel>(w, "lblTrovate")->text(),
                       QStringLiteral("Il presente riepilogo contiene 0 schede."));
         }},
        {"summary", make<TfrmConfermati>, "btnTrova",
         [](QDialog*, Seams& seams) {
             EXPECT_EQ(seams.messageTexts(),
                       QStringList{"Ricerca non applicabile: la lista non contiene nessuna voce."});
         }},
        {"numbering", numbering, "btnApplica",
         [](QDialog* w, Seams& seams) {
             EXPECT_EQ(w->result(), QDialog::Accepted);
             EXPECT_EQ(IniFile::readString(seams.file("Quarzeno.ini"), "Numerazione Protocollo", "Inizio"),
                       QStringLiteral("1"));
         }},
        {"export help", make<TfrmExpClienti>, "cmdGuida",
         [](QDialog*, Seams& seams) {
             EXPECT_EQ(seams.helpRequests, QStringList{"Esportazione archivio clienti in Excel"});
         }},
        {"export exit", make<TfrmExpClienti>, "cmdEsci", [](QDialog* w, Seams&) { EXPECT_FALSE(w->isVisible()); }},
        {"check", make<TfrmCodFisc>, "btnControlla",
         [](QDialog*, Seams& seams) {
             EXPECT_EQ(seams.messageTexts(),
                       QStringList{"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."});
         }},
        // Windows with a default button: the focused one is pressed instead.
        {"date picker", datePicker, "btnAnnulla",
         [](QDialog* w, Seams&) {
             EXPECT_FALSE(w->isVisible());
             EXPECT_FALSE(static_cast<TfrmCalendario*>(w)->chosen().has_value());
         }},
        {"card print", make<TfrmStampaChiamata>, "btnAnnulla",
         [](QDialog* w, Seams& seams) {
             EXPECT_FALSE(w->isVisible());
             EXPECT_TRUE(seams.reports.empty());
         }},
    };
    for (const Case& c : cases) {
        for (const Key& k : kEnterKeys) {
            SCOPED_TRACE(std::string(c.what) + ", " + k.name);
            Seams seams;
            Window w = c.make();
            WindowDriver::showActive(w.get());
            auto* button = child<QAbstractButton>(w.get(), c.button);
            button->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(button->hasFocus());
            QTest::keyClick(button, k.key, k.modifiers);
            c.expect(w.get(), seams);
        }
    }
}

TEST(DesktopKeys, FindAndQuickFindWithTheKeyboardAlone) {
    Seams seams;
    clients(seams, {"ROSSI MARIO", "VERDI ANNA", "BIANCHI LUCA"});
    TfrmTrovaClienti w;
    WindowDriver::showActive(&w);
    // From the first criterion on to "Cerca" with Tab.
    for (int i = 0; i < 12 && QApplication::focusWidget() != child<QWidget>(&w, "btnCerca"); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    auto* list = child<TRecordList>(&w, "lstRecords");
    ASSERT_EQ(list->count(), 3);
    ASSERT_EQ(QApplication::focusWidget(), child<QWidget>(&w, "txtTrova"));
    typeText(QApplication::focusWidget(), "verdi");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // on to "Trova"
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(&w, "btnTrova"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // and it finds
    EXPECT_TRUE(list->selectedLine().startsWith("VERDI ANNA")) << list->selectedLine().toStdString();
}

// Esc closes every secondary window as its own "Chiudi", "Esci" or
// "Annulla" does, from the control the window opens on, and nothing typed
// is kept.
TEST(DesktopKeys, EscClosesEverySecondaryWindowAndWritesNothing) {
    struct Case {
        const char* what;
        std::function<Window(Seams&)> make;
        const char* typed;  // into the control the window opens on, if anything
    };
    WindowSet set;
    const Case cases[] = {
        {"numbering", [](Seams&) { return numbering(); }, "7"},
        {"codice fiscale", [](Seams&) { return make<TfrmCodFisc>(); }, "RSSMRA"},
        {"partita IVA", [](Seams&) { return make<TfrmPartitaIva>(); }, "0123"},
        {"IBAN", [](Seams&) { return make<TfrmIban>(); }, "IT60"},
        {"card", [](Seams&) { return make<TfrmCarta>(); }, "4111"},
        {"find", [](Seams&) { return make<TfrmTrovaClienti>(); }, "ROSSI"},
        {"summary", [](Seams&) { return make<TfrmConfermati>(); }, "Rossi"},
        {"export", [](Seams&) { return make<TfrmExpClienti>(); }, nullptr},
        {"interval summary",
         [](Seams& seams) { return std::make_shared<TfrmRiepProtocollo>(nullptr, seams.file("2026.prt")); }, nullptr},
        {"date picker", [](Seams&) { return datePicker(); }, nullptr},
        {"WhatsApp", [](Seams&) { return make<TfrmWhatsApp_Message>(); }, nullptr},
        {"attach files",
         [](Seams&) {
             auto w = std::make_shared<TfrmAllegaCartella>();
             w->setKeyword("clienti");
             return w;
         },
         "nota.txt"},
        {"services", [](Seams&) { return std::make_shared<TfrmAllegaExcel>("ROSSI MARIO", 1); }, "Rossi"},
        {"card print", [](Seams&) { return make<TfrmStampaChiamata>(); }, nullptr},
        // Closed, it brings the password window back: one of the program's set.
        {"password change", [&set](Seams&) { return Window(set.frmCambiaPassword.get(), [](QDialog*) {}); }, "PLENARO"},
        {"information", [](Seams&) { return make<TfrmInfo>(); }, nullptr},
        {"notes", [](Seams&) { return make<TfrmSplash>(); }, nullptr},
        {"guide", [](Seams&) { return make<TfrmGuida>(); }, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Seams seams;
        Window w = c.make(seams);
        WindowDriver::showActive(w.get());
        const auto before = folderBytes(seams);  // opening may create an empty archive
        QWidget* at = QApplication::focusWidget();
        ASSERT_NE(at, nullptr);
        ASSERT_EQ(at->window(), w.get());
        if (c.typed) typeText(at, c.typed);
        QTest::keyClick(at, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(w->result(), QDialog::Rejected);
        EXPECT_TRUE(seams.messages.empty());
        EXPECT_TRUE(seams.modals.empty());
        EXPECT_EQ(folderBytes(seams), before);
    }
}
