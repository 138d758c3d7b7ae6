#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/IniFile.h"
#include "platform/Shell.h"
#include "support/Seams.h"

class IniTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("s.ini"));
};

TEST_F(IniTest, ReadsWindowsFileIgnoringCaseOfNames) {
    writeFile(
        path,
        "; settings\r\n[Altro]\r\nValore=no\r\n[ACCESSO]\r\n  valore = 0A1B \r\n[Citt\xE0]\r\nNome=\"Forl\xEC\"\r\n");
    EXPECT_EQ(IniFile::readString(path, "Accesso", "Valore"), QStringLiteral("0A1B"));
    EXPECT_EQ(IniFile::readString(path, "altro", "VALORE"), QStringLiteral("no"));
    EXPECT_EQ(IniFile::readString(path, "Città", "Nome"), QStringLiteral("Forlì"));
    EXPECT_EQ(IniFile::readString(path, "Accesso", "Manca"), QString());
    EXPECT_EQ(IniFile::readString(dir.filePath("manca.ini"), "Accesso", "Valore"), QString());
}

TEST_F(IniTest, WriteReplacesOneValueAndKeepsEveryOtherLine) {
    writeFile(path, "; commento\r\n[Altro]\r\nA=1\r\n\r\n[Accesso]\r\nValore=00\r\nAltra=x\r\n[Fine]\r\nB=2\r\n");
    IniFile::writeString(path, "accesso", "VALORE", "FF");
    EXPECT_EQ(fileBytes(path),
              QByteArray("; commento\r\n[Altro]\r\nA=1\r\n\r\n[Accesso]\r\nVALORE=FF\r\nAltra=x\r\n[Fine]\r\nB=2\r\n"));
    IniFile::writeString(path, "Altro", "Nuova", "Sì");
    IniFile::writeString(path, "Nuova", "K", "v");
    EXPECT_EQ(fileBytes(path), QByteArray("; "
                                          "commento\r\n[Altro]\r\nA=1\r\nNuova=S\xEC\r\n\r\n[Accesso]\r\nVALORE="
                                          "FF\r\nAltra=x\r\n[Fine]\r\nB=2\r\n\r\n[Nuova]\r\nK=v\r\n"));
}

TEST_F(IniTest, FirstWriteCreatesTheFile) {
    IniFile::writeString(path, "Accesso", "Valore", "AB");
    EXPECT_EQ(fileBytes(path), QByteArray("[Accesso]\r\nValore=AB\r\n"));
    EXPECT_EQ(IniFile::readString(path, "Accesso", "Valore"), QStringLiteral("AB"));
}

TEST_F(IniTest, UnwritableStoreIsRefusedAndKept) {
    EXPECT_THROW(IniFile::writeString(dir.filePath("manca/s.ini"), "Accesso", "Valore", "CD"), IniError);
    writeFile(path, "[Accesso]\r\nValore=AB\r\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
    if (::geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
    EXPECT_THROW(IniFile::writeString(path, "Accesso", "Valore", "CD"), IniError);
    EXPECT_EQ(IniFile::readString(path, "Accesso", "Valore"), QStringLiteral("AB"));
}

TEST_F(IniTest, WriteOnAFullDiskFailsAndKeepsTheOldFile) {
    writeFile(path, "[Accesso]\r\nValore=AB\r\n");
    {
        FullDisk full;
        EXPECT_THROW(IniFile::writeString(path, "Accesso", "Valore", "CD"), IniError);
    }
    EXPECT_EQ(fileBytes(path), QByteArray("[Accesso]\r\nValore=AB\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"s.ini"});
}

// Stores saved by other editors: a UTF-8 byte-order mark, or CR alone at the
// ends of lines. They read as the same settings, and a write gives back every
// other line in Windows-1252 with CRLF.
TEST_F(IniTest, StoresFromOtherEditorsReadAndKeepTheirLines) {
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"UTF-8 with a byte-order mark",
         "\xEF\xBB\xBF[Accesso]\r\nValore=0A1B\r\n[Citt\xC3\xA0]\r\nNome=Forl\xC3\xAC\r\n"},
        {"CR line ends", "[Accesso]\rValore=0A1B\r[Citt\xE0]\rNome=Forl\xEC\r"},
        {"CR line ends, no CR at the end", "[Accesso]\rValore=0A1B\r[Citt\xE0]\rNome=Forl\xEC"},
    };
    for (const Case& c : cases) {
        writeFile(path, c.bytes);
        EXPECT_EQ(IniFile::readString(path, "Accesso", "Valore"), QStringLiteral("0A1B")) << c.what;
        EXPECT_EQ(IniFile::readString(path, "Citt\u00E0", "Nome"), QStringLiteral("Forl\u00EC")) << c.what;
        IniFile::writeString(path, "Accesso", "Valore", "FF");
        EXPECT_EQ(fileBytes(path), QByteArray("[Accesso]\r\nValore=FF\r\n[Citt\xE0]\r\nNome=Forl\xEC\r\n")) << c.what;
    }
}

TEST(Shell, CommandsBecomeDesktopAddresses) {
    EXPECT_EQ(Shell::urlFor(QStringLiteral("\"mailto:a@b.it?subject=Software Plenaro&body=Salve, ciao\"")).toEncoded(),
              QByteArray("mailto:a@b.it?subject=Software%20Plenaro&body=Salve,%20ciao"));
    EXPECT_EQ(Shell::urlFor(QStringLiteral("\"/tmp/Guida e note.pdf\"")),
              QUrl::fromLocalFile(QStringLiteral("/tmp/Guida e note.pdf")));
    EXPECT_EQ(Shell::urlFor(QStringLiteral("https://www.esempio.it/a b")).toEncoded(),
              QByteArray("https://www.esempio.it/a%20b"));
    EXPECT_EQ(Shell::urlFor(QStringLiteral("www.esempio.it")).toString(), QStringLiteral("http://www.esempio.it"));
}

// The desktop's own opener, played by a script: its verdict on the address
// reaches the caller, at once or when it ends.
TEST(Shell, TheDesktopOpenersVerdictReachesTheCaller) {
    Shell::resetOpener();
    QTemporaryDir bin;
    const QString seen = bin.filePath("seen");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    struct Case {
        int exitCode;
        bool failed;
    };
    for (const Case c : {Case{0, false}, Case{3, true}, Case{4, true}}) {
        writeFile(bin.filePath("xdg-open"), "#!/bin/sh\nprintf '%s' \"$1\" > " + QFile::encodeName(seen) + "\nexit " +
                                                QByteArray::number(c.exitCode) + "\n");
        QFile::setPermissions(bin.filePath("xdg-open"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove(seen);
        bool failed = false;
        TMisc::Open(QStringLiteral("\"https://www.esempio.it/a b\""), [&] { failed = true; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(seen); }, 5000));
        QTest::qWait(c.failed ? 0 : 200);
        if (c.failed) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return failed; }, 5000)) << c.exitCode;
        }
        EXPECT_EQ(failed, c.failed) << c.exitCode;
        EXPECT_EQ(fileBytes(seen), QByteArray("https://www.esempio.it/a%20b"));
    }
    // No opener at all, and no other program the desktop knows: failed at once.
    QFile::remove(bin.filePath("xdg-open"));
    bool failed = false;
    TMisc::Open(QStringLiteral("https://www.esempio.it"), [&] { failed = true; });
    EXPECT_TRUE(failed);
    qputenv("PATH", path);
}
