#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/ProgramFolder.h"
#include "support/Seams.h"

// An installation shared by several users keeps the guide and the alert sound
// beside the program, and each user's folder holds only the user's files.
class ProgramFolderTest : public ::testing::Test {
protected:
    QTemporaryDir installed, archives;
    QString in(const QTemporaryDir& d, const char* name) const { return d.path() + QLatin1Char('/') + name; }
    void TearDown() override { ProgramFolder::init({}); }
};

TEST_F(ProgramFolderTest, ADeliveredFileIsTheFoldersOwnElseTheOneBesideTheProgram) {
    struct Case {
        const char* what;
        bool inFolder, besideProgram, expectBeside;
    };
    const Case cases[] = {
        {"only in the folder", true, false, false},
        {"only beside the program", false, true, true},
        {"in both: the folder's own copy wins", true, true, false},
        {"in neither: the folder's name, as before", false, false, false},
    };
    ProgramFolder::init({in(installed, "plenaro"), QStringLiteral("--cartella"), archives.path()});
    ASSERT_EQ(ProgramFolder::path(), archives.path() + QLatin1Char('/'));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(in(archives, "Guida.pdf"));
        QFile::remove(in(installed, "Guida.pdf"));
        if (c.inFolder) writeFile(in(archives, "Guida.pdf"), "utente");
        if (c.besideProgram) writeFile(in(installed, "Guida.pdf"), "installata");
        EXPECT_EQ(ProgramFolder::delivered(QStringLiteral("Guida.pdf")),
                  c.expectBeside ? in(installed, "Guida.pdf") : in(archives, "Guida.pdf"));
    }
}

TEST_F(ProgramFolderTest, WithoutAFolderOnTheCommandLineTheProgramsOwnFolderHoldsEverything) {
    writeFile(in(installed, "Avviso.mp3"), "suono");
    ProgramFolder::init({in(installed, "plenaro")});
    EXPECT_EQ(ProgramFolder::path(), installed.path() + QLatin1Char('/'));
    EXPECT_EQ(ProgramFolder::file(QStringLiteral("Contatti.pro")), in(installed, "Contatti.pro"));
    EXPECT_EQ(ProgramFolder::delivered(QStringLiteral("Avviso.mp3")), in(installed, "Avviso.mp3"));
}
