#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <stdexcept>
#include <unistd.h>

#include "archive/ArchivioSchede.h"
#include "archive/ClientFields.h"
#include "archive/Layouts.h"
#include "archive/LeftOut.h"
#include "archive/RecordNavigator.h"
#include "archive/TestoCorto.h"
#include "platform/Clock.h"
#include "support/Seams.h"
#include "ui/Progress.h"

namespace {

// Two small fields: easy to build by hand, byte for byte.
const RecordLayout& small() {
    static const RecordLayout l("TPiccola", {{"Nome", 5}, {"Flag", 2}});
    return l;
}

}  // namespace

TEST(TestoCorto, EncodesTrimmedCutAndZeroFilled) {
    struct Case {
        const char* text;
        int n;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"  Rossi  ", 8, QByteArray("\x05Rossi\0\0\0", 9)},
        {"Bernardinis", 6,
         QByteArray("\x06"
                    "Bernar",
                    7)},                             // N + 5 characters: the first N
        {"S\u00EC", 2, QByteArray("\x02S\xEC", 3)},  // the flag "Sì"
        {"No", 2, QByteArray("\x02No", 3)},
        {"\u03B1\u03B2c", 4, QByteArray("\x03??c\0", 5)},  // Greek letters: substitutes
        {"", 3, QByteArray("\0\0\0\0", 4)},
    };
    for (const Case& c : cases) EXPECT_EQ(TTestoCorto::encode(QString::fromUtf8(c.text), c.n), c.bytes) << c.text;
}

TEST(TestoCorto, DecodeNeverReadsPastItsField) {
    const QByteArray damaged(
        "\xFF"
        "abc"
        "XYZ",
        7);  // length byte 255 in a field of 3
    EXPECT_EQ(TTestoCorto::decode(damaged.constData(), 3), QStringLiteral("abc"));
    EXPECT_EQ(TTestoCorto::decode(QByteArray("\x03 \xE8 xx", 6).constData(), 5), QStringLiteral("è"));
}

class RecordFile : public SeamsTest {};

TEST_F(RecordFile, MissingFileIsCreatedEmpty) {
    TArchivioSchede a;
    a.open("Nuovo.pro", small());
    EXPECT_EQ(a.count(), 0);
    EXPECT_TRUE(a.eof());
    Record r(small());
    EXPECT_THROW(a.read(r), ArchiveError);
    a.close();
    ASSERT_TRUE(QFile::exists(seams.file("Nuovo.pro")));
    EXPECT_EQ(QFile(seams.file("Nuovo.pro")).size(), 0);
}

TEST_F(RecordFile, AppendThenOverwriteByteForByte) {
    TArchivioSchede a;
    a.open("A.pro", small());
    Record r(small());
    r.set("Nome", "Anna");
    r.set("Flag", Flag::Si);
    a.seek(a.count());
    a.write(r);
    r.set("Nome", "Bruno");
    r.set("Flag", Flag::No);
    a.seek(a.count());
    a.write(r);
    EXPECT_EQ(a.count(), 2);
    EXPECT_EQ(a.position(), 2);
    r.set("Nome", "Al");  // shorter text over a longer one
    a.seek(1);
    a.write(r);
    EXPECT_EQ(a.count(), 2);
    a.close();
    EXPECT_EQ(fileBytes(seams.file("A.pro")), QByteArray("\x04"
                                                         "Anna\0"
                                                         "\x02S\xEC"
                                                         "\x02"
                                                         "Al\0\0\0"
                                                         "\x02No",
                                                         18));

    a.open("A.pro", small());
    a.seek(1);
    a.read(r);
    EXPECT_EQ(r.get("Nome"), QStringLiteral("Al"));
    EXPECT_EQ(a.position(), 2);
    EXPECT_TRUE(a.eof());
    EXPECT_THROW(a.seek(3), ArchiveError);
}

TEST_F(RecordFile, TrailingPartialRecordIsIgnored) {
    writeFile(seams.file("P.pro"), QByteArray("\x01"
                                              "a\0\0\0\0"
                                              "\x02No"
                                              "\x01"
                                              "b\0",
                                              12));
    TArchivioSchede a;
    a.open("P.pro", small());
    EXPECT_EQ(a.count(), 1);
    Record r(small());
    a.read(r);
    EXPECT_TRUE(a.eof());
    EXPECT_THROW(a.read(r), ArchiveError);
    // An append lands on the whole-record boundary, over the partial bytes.
    r.set("Nome", "c");
    a.seek(a.count());
    a.write(r);
    a.close();
    EXPECT_EQ(QFile(seams.file("P.pro")).size(), 18);
}

TEST_F(RecordFile, DamagedLengthByteReadsOnlyItsField) {
    writeFile(seams.file("D.pro"), QByteArray("\xC8"
                                              "abcde"
                                              "\x02No",
                                              9));
    TArchivioSchede a;
    a.open("D.pro", small());
    Record r(small());
    a.read(r);
    EXPECT_EQ(r.get("Nome"), QStringLiteral("abcde"));
    EXPECT_EQ(r.get("Flag"), QStringLiteral("No"));
}

TEST_F(RecordFile, UnopenableFileIsAnAccessErrorAndStaysIntact) {
    // A folder in the way: the file can be neither opened nor created.
    QDir(seams.folder()).mkdir("Cartella.pro");
    TArchivioSchede a;
    EXPECT_THROW(a.open("Cartella.pro", small()), ArchiveError);

    const QByteArray old(
        "\x01"
        "a\0\0\0\0"
        "\x02No",
        9);
    writeFile(seams.file("RO.pro"), old);
    QFile::setPermissions(seams.file("RO.pro"), QFile::ReadOwner | QFile::ReadUser);
    if (::geteuid() == 0) GTEST_SKIP() << "root opens read-only files for writing";
    EXPECT_THROW(a.open("RO.pro", small()), ArchiveError);
    EXPECT_EQ(fileBytes(seams.file("RO.pro")), old);
}

TEST_F(RecordFile, GuardShowsTheAccessMessageInTheAskedBox) {
    QDir(seams.folder()).mkdir("X.pro");
    const bool ok = Archive::guard(nullptr, [] {
        TArchivioSchede a;
        a.open("X.pro", small());
    });
    EXPECT_FALSE(ok);
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Error);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
                             "possedere i privilegi di scrittura nella cartella di installazione del programma."));
    EXPECT_EQ(seams.lastMessage().buttons, MsgButtons::OkCancel);
    Archive::guard(
        nullptr, [] { throw ArchiveError("x"); }, Archive::AccessBox::Plain);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(seams.lastMessage().buttons, MsgButtons::Ok);
}

TEST_F(RecordFile, FileLockedByAnotherProgramIsAnAccessError) {
    QProcess holder;
    holder.start(QStringLiteral(PLENARO_TEST_TOOLS_DIR "/archive_appender"), {seams.folder(), "L.pro", "hold"});
    ASSERT_TRUE(holder.waitForReadyRead(10000));  // it prints once it holds the lock
    TArchivioSchede a;
    EXPECT_THROW(a.open("L.pro", small()), ArchiveError);
    holder.closeWriteChannel();  // it lets go when its input ends
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_NO_THROW(a.open("L.pro", small()));
}

TEST_F(RecordFile, TwoProgramsAppendingAtOnceLoseNothing) {
    const int each = 150;
    QProcess p1, p2;
    for (QProcess* p : {&p1, &p2})
        p->start(QStringLiteral(PLENARO_TEST_TOOLS_DIR "/archive_appender"),
                 {seams.folder(), "C.pro", p == &p1 ? "uno" : "due", QString::number(each)});
    ASSERT_TRUE(p1.waitForFinished(60000));
    ASSERT_TRUE(p2.waitForFinished(60000));
    EXPECT_EQ(p1.exitCode(), 0);
    EXPECT_EQ(p2.exitCode(), 0);

    QMap<QString, int> seen;
    Archive::forEach("C.pro", ClientFields::get().layout(), [&](const Record& r, int) { ++seen[r.get("Cliente")]; });
    EXPECT_EQ(seen.size(), 2 * each);
    for (auto it = seen.begin(); it != seen.end(); ++it) EXPECT_EQ(it.value(), 1) << it.key().toStdString();
}

TEST_F(RecordFile, SaveAtAppendsOrOverwritesAndReadAtReadsOneRecord) {
    Record r(small());
    r.set("Nome", "Anna");
    EXPECT_EQ(Archive::saveAt("S.pro", small(), r, 0), 1);
    r.set("Nome", "Bruno");
    EXPECT_EQ(Archive::saveAt("S.pro", small(), r, 0), 2);
    r.set("Nome", "Carla");
    EXPECT_EQ(Archive::saveAt("S.pro", small(), r, 1), 1);
    EXPECT_EQ(fileBytes(seams.file("S.pro")), QByteArray("\x05"
                                                         "Carla"
                                                         "\0\0\0"
                                                         "\x05"
                                                         "Bruno"
                                                         "\0\0\0",
                                                         18));
    EXPECT_EQ(Archive::readAt("S.pro", small(), 2).get("Nome"), QStringLiteral("Bruno"));
    for (int missing : {0, 3}) EXPECT_THROW(Archive::readAt("S.pro", small(), missing), ArchiveError) << missing;
    EXPECT_THROW(Archive::saveAt("S.pro", small(), r, 4), ArchiveError);  // no gap after the last record
    EXPECT_EQ(QFile(seams.file("S.pro")).size(), 18);
}

// Three cards, then a save on a disk that takes only part of it or nothing:
// the save fails and the file is byte for byte what it was.
TEST_F(RecordFile, SaveOnAFullDiskLeavesTheFileAsItWas) {
    struct Case {
        const char* what;
        qint64 maxSize;
        qint64 position;
    };
    const Case cases[] = {
        {"append, no room", 0, 0},
        {"append, room for part of the card", 31, 0},
        {"overwrite, part of the card taken", 22, 3},  // the write stops inside the last card
        {"overwrite, nothing taken", 0, 2},
    };
    for (const Case& c : cases) {
        const QByteArray old = QByteArray(
                                   "\x04"
                                   "Anna\0"
                                   "\x02S\xEC",
                                   9) +
                               QByteArray(
                                   "\x05"
                                   "Bruno"
                                   "\x02No",
                                   9) +
                               QByteArray(
                                   "\x05"
                                   "Carla"
                                   "\x02S\xEC",
                                   9);
        writeFile(seams.file("F.pro"), old);
        Record r(small());
        r.set("Nome", "Zeno");
        r.set("Flag", Flag::No);
        {
            FullDisk full(c.maxSize);
            EXPECT_THROW(Archive::saveAt("F.pro", small(), r, c.position), ArchiveError) << c.what;
        }
        EXPECT_EQ(fileBytes(seams.file("F.pro")), old) << c.what;
        EXPECT_EQ(Archive::saveAt("F.pro", small(), r, 0), 4) << c.what;  // the next save appends whole
    }
}

// Past 2^31 records: a sparse file of 2-byte records takes no real disk.
TEST_F(RecordFile, CountsAndPositionsPast32Bits) {
    static const RecordLayout tiny("TMinima", {{"C", 1}});
    const qint64 n = (qint64(1) << 31) + 5;
    {
        QFile f(seams.file("G.pro"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        if (!f.resize(n * tiny.size())) GTEST_SKIP() << "no sparse file here";
    }
    TArchivioSchede a;
    a.open("G.pro", tiny);
    EXPECT_EQ(a.count(), n);
    Record r(tiny);
    r.set("C", "z");
    a.seek(n - 1);
    a.write(r);
    EXPECT_TRUE(a.eof());
    EXPECT_EQ(a.position(), n);
    a.close();
    EXPECT_EQ(Archive::readAt("G.pro", tiny, n).get("C"), QStringLiteral("z"));
    r.set("C", "y");
    EXPECT_EQ(Archive::saveAt("G.pro", tiny, r, 0), n + 1);  // appended, not over an earlier card
    EXPECT_EQ(QFile(seams.file("G.pro")).size(), (n + 1) * tiny.size());

    RecordNavigator nav("G.pro", tiny);
    Record got(tiny);
    ASSERT_EQ(nav.last(got), RecordNavigator::Step::Loaded);  // "Ultima"
    EXPECT_EQ(nav.position(), n + 1);
    EXPECT_EQ(got.get("C"), QStringLiteral("y"));
    QFile::remove(seams.file("G.pro"));
}

TEST_F(RecordFile, ReadingAllVisitsEveryCardOnceInOrderAcrossBlocks) {
    // 256-byte cards: a read block holds 4096 of them, so this file spans
    // six blocks, each read while the one before is visited.
    static const RecordLayout wide("TLarga", {{"Testo", 255}});
    const qint64 n = 5 * 4096 + 3;
    QByteArray bytes;
    Record r(wide);
    for (qint64 i = 1; i <= n; ++i) {
        r.set("Testo", QString::number(i));
        bytes += r.bytes();
    }
    writeFile(seams.file("Larga.pro"), bytes + QByteArray("\x03"
                                                          "par",
                                                          4));  // a trailing partial card
    qint64 seen = 0;
    auto readAll = [&] {
        seen = 0;
        Archive::forEach("Larga.pro", wide, [&](const Record& card, qint64 position) {
            ++seen;
            EXPECT_EQ(position, seen);
            if (card.get("Testo") != QString::number(seen)) ADD_FAILURE() << "card " << seen;
        });
    };
    readAll();
    EXPECT_EQ(seen, n);

    // A visitor's own error stops the reading where it was thrown.
    const qint64 stopAt = 2 * 4096 + 7;
    EXPECT_THROW(Archive::forEach("Larga.pro", wide,
                                  [&](const Record&, qint64 position) {
                                      seen = position;
                                      if (position == stopAt) throw std::runtime_error("stop");
                                  }),
                 std::runtime_error);
    EXPECT_EQ(seen, stopAt);

    // "Annulla" in the third block stops it too.
    Clock::setTick(100);
    seams.onProgress = [](const ProgressRequest& request) { return request.done < 3 * 4096; };
    {
        ProgressWork work(nullptr, QStringLiteral("Lettura delle schede in corso\u2026"));
        EXPECT_FALSE(Archive::forEach(
            "Larga.pro", wide, [&](const Record&, qint64 position) { seen = position; }, &work));
    }
    EXPECT_GE(seen, 3 * 4096);
    EXPECT_LT(seen, 3 * 4096 + 200);

    // Stopped either way, the archive reads whole again.
    readAll();
    EXPECT_EQ(seen, n);
}

// The scan behind the lists and summaries hands every card to its visitor
// and counts those the visitor cannot tell, the first of them and why.
TEST_F(RecordFile, AScanCountsTheCardsItCannotTellAndSaysWhy) {
    // Card 1 and 4 are taken, 2 is left; 3, 5 and 6 hold a date, a flag and
    // an amount that each case's visitor may fail to read.
    std::vector<Record> cards;
    for (const char* name : {"si", "no", "data", "si", "stato", "euro"}) {
        Record r(small());
        r.set("Nome", QLatin1String(name));
        cards.push_back(r);
    }
    appendRecords(seams.file("S.pro"), cards);
    const std::pair<QString, Pick> reasons[] = {
        {"data", Pick::unreadableDate()}, {"stato", Pick::unreadableState()}, {"euro", Pick::unreadableAmount()}};
    struct Case {
        QStringList unreadable;
        LeftOut::Telling telling;
        QString told;
    };
    const Case cases[] = {
        {{}, LeftOut::Telling::List, QString()},
        {{"data"},
         LeftOut::Telling::List,
         "1 scheda non \u00E8 elencata perch\u00E9 la data non \u00E8 leggibile (\u00E8 la scheda n. 3)."},
        {{"data", "stato", "euro"},
         LeftOut::Telling::List,
         "3 schede non sono elencate perch\u00E9 la data o lo stato dell'impegno non sono leggibili (la prima \u00E8 "
         "la scheda n. 3)."},
        {{"euro"},
         LeftOut::Telling::List,
         "1 scheda non \u00E8 elencata perch\u00E9 la data o l'importo non sono leggibili (\u00E8 la scheda n. 6)."},
        {{"data"},
         LeftOut::Telling::Sum,
         "Attenzione: 1 scheda non \u00E8 compresa nel riepilogo perch\u00E9 la data o l'importo non sono leggibili "
         "(\u00E8 la scheda n. 3)."},
        {{"data", "euro"},
         LeftOut::Telling::Sum,
         "Attenzione: 2 schede non sono comprese nel riepilogo perch\u00E9 la data o l'importo non sono leggibili (la "
         "prima \u00E8 la scheda n. 3)."},
    };
    for (const Case& c : cases) {
        LeftOut leftOut(c.telling);
        std::vector<qint64> taken;
        EXPECT_TRUE(Archive::scan("S.pro", small(), leftOut, [&](const Record& card, qint64 position) -> Pick {
            const QString name = card.get("Nome");
            if (name == QLatin1String("si")) taken.push_back(position);
            for (const auto& [reason, pick] : reasons)
                if (name == reason && c.unreadable.contains(reason)) return pick;
            return name == QLatin1String("si");
        }));
        EXPECT_EQ(taken, (std::vector<qint64>{1, 4})) << c.told.toStdString();
        EXPECT_EQ(leftOut.message(), c.told);
        EXPECT_EQ(leftOut.count(), c.unreadable.size());
    }
}
