#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "archive/AttachedFiles.h"
#include "archive/TfrmAllegaCartella.h"
#include "support/Seams.h"

namespace {

// The user's own documents, outside the program folder.
class AttachWindow : public SeamsTest {
protected:
    QTemporaryDir docs;

    QString doc(const QString& name, const QByteArray& bytes) {
        const QString path = docs.path() + "/" + name;
        writeFile(path, bytes);
        return path;
    }
    QString attached(const QString& name) { return seams.file("Documenti_Allegati/" + name); }
    void putAttached(const QString& name, const QByteArray& bytes) {
        QDir(seams.folder()).mkpath("Documenti_Allegati");
        writeFile(attached(name), bytes);
    }

    static Attachments card() {
        Attachments a;
        a.files = {"  contratto.pdf ", "vecchio.pdf", ""};
        a.descriptions = {"Contratto firmato ", "", " Nota"};
        return a;
    }

    // Opens the window on the card; the driver is the user.
    std::optional<Attachments> edit(std::function<void(QDialog*)> user, const QString& keyword = "clienti",
                                    const Attachments& current = card()) {
        seams.onModal(std::move(user));
        return TfrmAllegaCartella::edit(nullptr, keyword, current);
    }
};

QLineEdit* field(QDialog* w, const QString& name) { return child<QLineEdit>(w, name); }
QString text(QDialog* w, const QString& name) { return field(w, name)->text(); }
void click(QDialog* w, const QString& name) { child<QAbstractButton>(w, name)->click(); }
bool enabled(QDialog* w, const QString& name) { return child<QAbstractButton>(w, name)->isEnabled(); }

}  // namespace

TEST_F(AttachWindow, ShowsTheCardAndAppliesTheSixValuesTrimmed) {
    const QString source = doc("lettera.pdf", "PDF-1");
    seams.pickFile(source);
    const auto result = edit([&](QDialog* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral(" Allega file"));
        EXPECT_EQ(child<QLabel>(w, "lblMemory")->text(), QStringLiteral("clienti"));
        EXPECT_EQ(text(w, "txtFile01"), QStringLiteral("contratto.pdf"));
        EXPECT_EQ(text(w, "txtDesc01"), QStringLiteral("Contratto firmato"));
        EXPECT_TRUE(field(w, "txtFile01")->isReadOnly());
        EXPECT_EQ(child<QPushButton>(w, "btnSfoglia01")->text(), QStringLiteral("Sfoglia..."));

        click(w, "btnSfoglia03");
        EXPECT_EQ(text(w, "txtFile03"), QStringLiteral("lettera.pdf"));
        EXPECT_TRUE(enabled(w, "btnApri03"));
        field(w, "txtDesc03")->setText("  Lettera di incarico  ");
        click(w, "btnApplica");
    });
    ASSERT_EQ(seams.fileRequests.size(), 1u);
    EXPECT_EQ(seams.fileRequests[0].kind, FileDialogKind::Open);
    EXPECT_EQ(seams.fileRequests[0].caption, QStringLiteral("Selezionare il file da allegare:"));
    EXPECT_EQ(seams.fileRequests[0].filter, QStringLiteral("Tutti i file (*.*)"));
    EXPECT_EQ(fileBytes(attached("lettera.pdf")), QByteArray("PDF-1"));
    EXPECT_TRUE(seams.messages.empty());  // no question for a new name

    Attachments expected;
    expected.files = {"contratto.pdf", "vecchio.pdf", "lettera.pdf"};
    expected.descriptions = {"Contratto firmato", "", "Lettera di incarico"};
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, expected);
}

TEST_F(AttachWindow, EveryWindowThatTakesAttachmentsIsNamedAndGetsThemBack) {
    for (const char* keyword : {"pratica", "clienti", "protocollo", "dipendenti", "libri"}) {
        QString shown;
        EXPECT_TRUE(edit(
                        [&](QDialog* w) {
                            shown = child<QLabel>(w, "lblMemory")->text();
                            click(w, "btnApplica");
                        },
                        keyword)
                        .has_value())
            << keyword;
        EXPECT_EQ(shown, QString::fromLatin1(keyword));
    }
}

TEST_F(AttachWindow, AnnullaLeavesTheCardButKeepsTheCopiedFile) {
    seams.pickFile(doc("lettera.pdf", "PDF-1"));
    EXPECT_FALSE(edit([](QDialog* w) {
                     click(w, "btnSfoglia01");
                     click(w, "btnAnnulla");
                 }).has_value());
    EXPECT_EQ(fileBytes(attached("lettera.pdf")), QByteArray("PDF-1"));
}

TEST_F(AttachWindow, SameNameAsksBeforeOverwriting) {
    struct Case {
        MsgAnswer answer;
        QByteArray kept;
    };
    for (const Case& c : {Case{MsgAnswer::No, "vecchia"}, Case{MsgAnswer::Yes, "nuova"}}) {
        putAttached("lettera.pdf", "vecchia");
        seams.messages.clear();
        seams.pickFile(doc("lettera.pdf", "nuova"));
        seams.answer(c.answer);
        const auto result = edit([](QDialog* w) {
            click(w, "btnSfoglia02");
            click(w, "btnApplica");
        });
        ASSERT_EQ(seams.messages.size(), 1u);
        EXPECT_EQ(seams.messages[0].kind, MsgKind::Confirmation);
        EXPECT_EQ(seams.messages[0].buttons, MsgButtons::YesNo);
        EXPECT_EQ(seams.messages[0].text,
                  QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                                 "stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"));
        // Either way the card names the file of that name in the folder.
        EXPECT_EQ(result->files[1], QStringLiteral("lettera.pdf"));
        EXPECT_EQ(fileBytes(attached("lettera.pdf")), c.kept);
        EXPECT_EQ(QDir(seams.file("Documenti_Allegati")).entryList(QDir::Files), QStringList{"lettera.pdf"});
    }
}

TEST_F(AttachWindow, AFileAlreadyInTheFolderIsKeptAsItIs) {
    putAttached("lettera.pdf", "contenuto");
    seams.pickFile(attached("lettera.pdf"));
    const auto result = edit([](QDialog* w) {
        click(w, "btnSfoglia01");
        click(w, "btnApplica");
    });
    EXPECT_EQ(result->files[0], QStringLiteral("lettera.pdf"));
    EXPECT_EQ(fileBytes(attached("lettera.pdf")), QByteArray("contenuto"));
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(AttachWindow, CancelledDialogChangesNothing) {
    const auto result = edit([](QDialog* w) {
        click(w, "btnSfoglia02");  // nothing scripted: the user cancels
        click(w, "btnApplica");
    });
    EXPECT_EQ(seams.fileRequests.size(), 1u);
    EXPECT_EQ(result->files[1], QStringLiteral("vecchio.pdf"));
    EXPECT_TRUE(seams.messages.empty());
    EXPECT_FALSE(QFileInfo::exists(seams.file("Documenti_Allegati")));
}

TEST_F(AttachWindow, FailedCopyWarnsAndLeavesTheSlot) {
    struct Case {
        const char* what;
        std::function<QString()> prepare;  // gives the file the user picks
        bool fullDisk;
    };
    const Case cases[] = {
        {"folder cannot be created",
         [this] {
             writeFile(seams.file("Documenti_Allegati"), "un file, non una cartella");
             return doc("lettera.pdf", "PDF-1");
         },
         false},
        {"source cannot be read", [this] { return docs.path() + "/sparito.pdf"; }, false},
        {"disk full while overwriting",
         [this] {
             putAttached("lettera.pdf", "vecchia");
             return doc("lettera.pdf", "nuova e piu' lunga");
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString folder = seams.file("Documenti_Allegati");
        QDir(folder).removeRecursively();
        QFile::remove(folder);
        seams.messages.clear();
        seams.pickFile(c.prepare());
        const auto result = edit([&](QDialog* w) {
            std::unique_ptr<FullDisk> full;
            if (c.fullDisk) full = std::make_unique<FullDisk>();
            click(w, "btnSfoglia02");
            full.reset();
            EXPECT_EQ(text(w, "txtFile02"), QStringLiteral("vecchio.pdf"));
            click(w, "btnApplica");
        });
        ASSERT_EQ(seams.messages.size(), c.fullDisk ? 2u : 1u);  // after the overwrite question
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
        EXPECT_EQ(
            seams.lastMessage().text,
            QStringLiteral(
                "Attenzione: non \u00E8 stato possibile copiare il file nella cartella dei documenti allegati.\r\n\r\n"
                "Accertarsi che il file sia leggibile e di possedere i privilegi di scrittura nella cartella di "
                "installazione del programma."));
        EXPECT_TRUE(seams.lastMessage().text.startsWith("Attenzione: "));
        EXPECT_EQ(result->files[1], QStringLiteral("vecchio.pdf"));
        if (c.fullDisk) {
            // The earlier file is whole and no half copy is left beside it.
            EXPECT_EQ(fileBytes(attached("lettera.pdf")), QByteArray("vecchia"));
            EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"lettera.pdf"});
        }
    }
}

TEST_F(AttachWindow, ClearEmptiesTheNameOnly) {
    putAttached("contratto.pdf", "PDF");
    const auto result = edit([](QDialog* w) {
        auto* clear = child<QToolButton>(w, "imgCancella01");
        EXPECT_FALSE(clear->toolTip().isEmpty());
        EXPECT_FALSE(clear->accessibleName().isEmpty());
        clear->click();
        EXPECT_EQ(text(w, "txtFile01"), QString());
        EXPECT_FALSE(enabled(w, "btnApri01"));
        click(w, "btnApplica");
    });
    EXPECT_EQ(result->files[0], QString());
    EXPECT_EQ(result->descriptions[0], QStringLiteral("Contratto firmato"));
    EXPECT_EQ(fileBytes(attached("contratto.pdf")), QByteArray("PDF"));
}

TEST_F(AttachWindow, ApriOpensTheQuotedPathOfANamedFile) {
    Attachments current = card();
    current.files[2] = "   ";  // blanks only: nothing to open
    edit(
        [](QDialog* w) {
            EXPECT_TRUE(enabled(w, "btnApri01"));
            EXPECT_TRUE(enabled(w, "btnApri02"));
            EXPECT_FALSE(enabled(w, "btnApri03"));
            click(w, "btnApri01");
            click(w, "btnAnnulla");
        },
        "clienti", current);
    EXPECT_EQ(seams.opened,
              QStringList{"\"" + QDir::toNativeSeparators(seams.folder() + "Documenti_Allegati/contratto.pdf") + "\""});
}
