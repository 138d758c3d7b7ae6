#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "archive/ArchivioSchede.h"
#include "archive/EntriesWindow.h"
#include "platform/Clock.h"
#include "support/Said.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/RecordList.h"

namespace {

// An entry of two fields, the first required.
class VoceFields final : public CardCatalogue {
public:
    static const VoceFields& get() {
        static const VoceFields fields;
        return fields;
    }
    const CardField Nome = field("Nome", 10, {.caption = "Nome:", .required = "Manca il nome."});
    const CardField Nota = field("Nota", 20, {.caption = "Nota:"});

private:
    VoceFields() : CardCatalogue("TVoceProva") { seal(); }
};

const RecordLayout& voce() { return VoceFields::get().layout(); }

const QString kFile = QStringLiteral("Archivio_Prova/Voci_5.pro");

EntriesWindowDescription description() {
    EntriesWindowDescription d;
    d.objectName = QStringLiteral("frmVoci");
    d.caption = QStringLiteral(" Voci");
    const VoceFields& f = VoceFields::get();
    d.card = &f;
    d.fileName = kFile;
    d.line = {{"", f.Nome, 10}, {"  Nota: ", f.Nota, -1}};
    d.listedField = f.Nome;
    d.title = QStringLiteral("Voci di prova");
    d.addText = QStringLiteral("Aggiungi");
    d.modifyText = QStringLiteral("Modifica");
    d.printTitle = QStringLiteral("Riepilogo voci");
    d.printTotal = QStringLiteral("TOTALE VOCI: ");
    d.fields = {{f.Nome}, {f.Nota}};
    return d;
}

QByteArray entry(const char* nome, const char* nota) {
    Record r(voce());
    r.set("Nome", nome);
    r.set("Nota", nota);
    return r.bytes();
}

class EntriesWindow : public SeamsTest {
protected:
    void open(const std::function<void(QDialog*)>& driver) {
        seams.onModal(driver);
        TEntriesWindow w(description(), nullptr);
        w.showModal();
    }
    static void put(QDialog* d, const char* field, const char* text) { child<QLineEdit>(d, field)->setText(text); }
    QByteArray file() const { return fileBytes(seams.file(kFile)); }
};

}  // namespace

TEST_F(EntriesWindow, AddAppendsAndSavingAgainOverwritesTheSameEntry) {
    open([&](QDialog* d) {
        EXPECT_EQ(child<QLabel>(d, "lblTitolo")->text(), QStringLiteral("Voci di prova"));
        EXPECT_EQ(child<QLabel>(d, "lblTotale")->text(), QStringLiteral("0"));
        EXPECT_EQ(child<QLabel>(d, "lblFile")->text(), seams.file(kFile));  // its folder made on opening
        press(d, "btnAggiungi");
        press(d, "btnSalva");
        EXPECT_EQ(seams.lastMessage().text, QStringLiteral("Manca il nome."));
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
        EXPECT_TRUE(child<QWidget>(d, "txtNome")->hasFocus());
        EXPECT_TRUE(file().isEmpty());

        put(d, "txtNome", "Anna");
        put(d, "txtNota", " prima ");
        press(d, "btnSalva");
        EXPECT_EQ(seams.lastMessage().text, Said::inserita);
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
        EXPECT_EQ(child<QLabel>(d, "lblPosizione")->text(), QStringLiteral("1"));

        press(d, "btnAggiungi");
        EXPECT_TRUE(child<QLineEdit>(d, "txtNome")->text().isEmpty());
        EXPECT_TRUE(child<QLabel>(d, "lblPosizione")->text().isEmpty());
        put(d, "txtNome", "Bruno");
        press(d, "btnSalva");
        put(d, "txtNota", "seconda");
        press(d, "btnSalva");
        EXPECT_EQ(seams.lastMessage().text, Said::salvata);
        EXPECT_EQ(child<QLabel>(d, "lblPosizione")->text(), QStringLiteral("2"));
    });
    EXPECT_EQ(file(), entry("Anna", "prima") + entry("Bruno", "seconda"));
}

TEST_F(EntriesWindow, ModifyOverwritesTheEntryOfTheLine) {
    QDir(seams.folder()).mkdir("Archivio_Prova");
    writeFile(seams.file(kFile), entry("Anna", "prima") + entry("", "non elencata") + entry("Bruno", "seconda"));
    QStringList shown;
    open([&](QDialog* d) {
        auto* list = child<TRecordList>(d, "lstRecords");
        shown = list->lines();
        EXPECT_EQ(shown, QStringList({"Anna        Nota: prima", "Bruno       Nota: seconda"}));
        EXPECT_EQ(child<QLabel>(d, "lblTotale")->text(), QStringLiteral("2"));
        list->setCurrentRow(1);
        press(d, "btnModifica");
        EXPECT_EQ(child<QLabel>(d, "lblPosizione")->text(), QStringLiteral("3"));
        EXPECT_EQ(child<QLineEdit>(d, "txtNota")->text(), QStringLiteral("seconda"));
        put(d, "txtNota", "cambiata");
        press(d, "btnSalva");
        EXPECT_EQ(seams.lastMessage().text, Said::salvata);
    });
    EXPECT_EQ(file(), entry("Anna", "prima") + entry("", "non elencata") + entry("Bruno", "cambiata"));

    open([&](QDialog* d) { press(d, "btnStampa"); });
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtTitolo"), QStringList({"Riepilogo voci"}));
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtRiepilogo"),
              QStringList({"Anna        Nota: prima", "Bruno       Nota: cambiata", "--------------------------",
                           "TOTALE VOCI: 2"}));
}

TEST_F(EntriesWindow, AFileThatCannotBeWrittenKeepsTheFields) {
    open([&](QDialog* d) {
        press(d, "btnAggiungi");
        put(d, "txtNome", "Anna");
        {
            FullDisk full;
            press(d, "btnSalva");
        }
        EXPECT_EQ(seams.lastMessage().text, Said::accesso);
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
        EXPECT_TRUE(child<QLabel>(d, "lblPosizione")->text().isEmpty());
        EXPECT_EQ(child<QLineEdit>(d, "txtNome")->text(), QStringLiteral("Anna"));
    });
    EXPECT_TRUE(file().isEmpty());
}

// A long file fills the list as long work: past half a second its progress
// shows, and "Annulla" closes the window with nothing listed and nothing said.
TEST_F(EntriesWindow, ALongFileShowsItsProgressAndAnnullaClosesTheWindow) {
    QDir(seams.folder()).mkdir("Archivio_Prova");
    QByteArray many;
    for (int i = 0; i < 2000; ++i) many += entry("Anna", "nota");
    writeFile(seams.file(kFile), many);
    struct Case {
        qint64 cancelAt;  // the step "Annulla" is pressed at; -1 never
        bool open;
        int listed;
    };
    for (const Case& c : {Case{-1, true, 2000}, Case{1000, false, 0}}) {
        seams.progress.clear();
        Clock::setTick(100);  // each look at the clock a tenth of a second later
        seams.onProgress = [&](const ProgressRequest& r) { return c.cancelAt < 0 || r.done < c.cancelAt; };
        bool open = false;
        int listed = -1;
        this->open([&](QDialog* d) {
            open = d->isVisible();
            listed = child<TRecordList>(d, "lstRecords")->count();
        });
        Clock::setTick(0);
        ASSERT_FALSE(seams.progress.empty()) << c.cancelAt;
        EXPECT_EQ(seams.progress.front().title, QStringLiteral("Lettura delle schede in corso\u2026"));
        EXPECT_EQ(seams.progress.front().total, 2000);
        EXPECT_EQ(open, c.open) << c.cancelAt;
        EXPECT_EQ(listed, c.listed) << c.cancelAt;
        EXPECT_TRUE(seams.messages.empty());
    }
}
