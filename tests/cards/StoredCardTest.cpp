#include <QLineEdit>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>

#include "archive/CallFields.h"
#include "archive/ClientFields.h"
#include "archive/Layouts.h"
#include "archive/RecordWindow.h"
#include "chiamate/TfrmChiamate.h"
#include "clienti/TfrmClienti.h"
#include "dipendenti/EmployeeFields.h"
#include "dipendenti/TfrmDipendenti.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"

// A card written by another program, or an older one, may hold lower-case
// letters where the window's typing rules would put capitals. Shown, it reads
// as stored; saved unchanged, its bytes stay as they were.
namespace {

struct Card {
    const char* name;
    std::function<std::unique_ptr<TRecordWindow>()> make;
    const RecordLayout& layout;
    std::map<QString, QString> stored;
    std::map<const char*, const char*> shown;  // control → its text
};

void PrintTo(const Card& c, std::ostream* os) { *os << c.name; }

// Where two files part, for a readable failure.
QString firstDifference(const QByteArray& a, const QByteArray& b) {
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    if (i == a.size() && i == b.size()) return QStringLiteral("none");
    return QStringLiteral("at offset %1: %2 instead of %3")
        .arg(i)
        .arg(i < a.size() ? int(uchar(a[i])) : -1)
        .arg(i < b.size() ? int(uchar(b[i])) : -1);
}

template <class Window>
std::unique_ptr<TRecordWindow> make() {
    return std::make_unique<Window>();
}

class StoredCard : public SeamsTest, public ::testing::WithParamInterface<Card> {};

}  // namespace

TEST_P(StoredCard, IsShownAsStoredAndSavedUnchangedByteForByte) {
    const Card& c = GetParam();
    std::unique_ptr<TRecordWindow> w = c.make();
    WindowDriver::showActive(w.get());
    Record r(c.layout);
    for (const auto& [field, text] : c.stored) r.set(field, text);
    const QString file = seams.file(w->archiveFile());
    appendRecords(file, {r});
    const QByteArray before = fileBytes(file);

    WindowDriver(w.get()).click("cmdPrimo");
    for (const auto& [control, text] : c.shown)
        EXPECT_EQ(child<QLineEdit>(w.get(), control)->text(), QString::fromUtf8(text)) << control;
    WindowDriver(w.get()).click("cmdSalva");
    EXPECT_EQ(firstDifference(fileBytes(file), before), QStringLiteral("none"));
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindowWithCapitals, StoredCard,
    ::testing::Values(
        Card{"clienti",
             make<TfrmClienti>,
             ClientFields::get().layout(),
             {{"Cliente", "Rossi Mario"},
              {"TelCel", "3331234567"},
              {"CodFisc", "rssmra80a01h501u"},
              {"Sesso", "m"},
              {"Iban", "it60x0542811101000000123456"},
              {"Ricontatta", "No"}},
             {{"txtCodFisc", "rssmra80a01h501u"}, {"txtSesso", "m"}, {"txtIban", "it60x0542811101000000123456"}}},
        Card{"chiamate",
             make<TfrmChiamate>,
             CallFields::get().layout(),
             {{"DataChiamata", "05/03/2025"},
              {"OraChiamata", "09:30"},
              {"Giorno", "05"},
              {"Mese", "Marzo"},
              {"Anno", "2025"},
              {"Ore", "09"},
              {"Minuti", "30"},
              {"Tipo", "In entrata"},
              {"Oggetto", "Reclamo"},
              {"Cliente", "Rossi Mario"},
              {"CodFisc", "rssmra80a01h501u"},
              {"TelCel", "3331234567"}},
             {{"txtCodFisc", "rssmra80a01h501u"}}},
        Card{"dipendenti",
             make<TfrmDipendenti>,
             EmployeeFields::get().layout(),
             {{"Dipendente", "Bianchi Anna"},
              {"Sesso", "f"},
              {"Cel", "3471112223"},
              {"Qualifica", "Impiegata"},
              {"CodFisc", "bncnna85c41h501x"},
              {"Iban", "it60x0542811101000000123456"}},
             {{"txtSesso", "f"}, {"txtCodFisc", "bncnna85c41h501x"}, {"txtIban", "it60x0542811101000000123456"}}}),
    [](const ::testing::TestParamInfo<Card>& info) { return std::string(info.param.name); });
