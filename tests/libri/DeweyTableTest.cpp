// The Dewey table compiled into the program, checked line by line against
// the form, order and counts the catalogue relies on.
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

#include "libri/DeweyTable.h"
#include "support/Seams.h"

namespace {

// The class numbers that have no line.
const char* kMissing =
    "000 007-009 024 029 040-049 104 112 125 132 134 136 151 159 163-164 217 237 244 256-258 298 308-309 "
    "311-313 329 396-397 401-409 416 424 426 434 436 444 446 454 456 464 466 474 476 484 486 504 517-518 524 "
    "571 626 654-656 689 699 744 762 768 775-777 804 819 908 921-928 974-979 991-992";

QSet<int> missingClasses() {
    QSet<int> out;
    for (const QString& span : QString::fromLatin1(kMissing).split(QLatin1Char(' '))) {
        const QStringList ends = span.split(QLatin1Char('-'));
        for (int c = ends.first().toInt(); c <= ends.last().toInt(); ++c) out.insert(c);
    }
    return out;
}

class DeweyTableTest : public ::testing::Test {
protected:
    QByteArray bytes;
    QStringList lines;

    void SetUp() override {
        QFile f(QStringLiteral(":/dewey/dewey.txt"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        bytes = f.readAll();
        lines = QString::fromLatin1(bytes).split(QLatin1Char('\n'));
        ASSERT_EQ(lines.takeLast(), QString());  // the last line ends like the others
    }
    static int classOf(const QString& line) { return line.left(3).toInt(); }
    // The line that opens each class.
    QMap<int, QString> heads() const {
        QMap<int, QString> h;
        for (const QString& l : lines)
            if (!h.contains(classOf(l))) h.insert(classOf(l), l);
        return h;
    }
};

}  // namespace

TEST_F(DeweyTableTest, ThreeThousandSevenHundredTwentyOneAsciiLinesInClassOrder) {
    EXPECT_EQ(lines.size(), 3721);
    EXPECT_EQ(DeweyTable::lines(), lines);  // what the window lists is the compiled text
    EXPECT_FALSE(bytes.contains('\r'));
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_FALSE(bytes.endsWith("\n\n"));
    for (char c : bytes) ASSERT_TRUE(c == '\n' || (c >= 32 && c < 127)) << int(c);

    // Three digits, a blank and an upper-case caption without accented
    // letters; single blanks; at most 120 characters.
    const QRegularExpression form(QStringLiteral("^\\d{3} [A-Z0-9.,'()/-]([A-Z0-9 .,'()/-]*[A-Z0-9.,'()/-])?$"));
    int previous = 0;
    for (const QString& l : lines) {
        EXPECT_TRUE(form.match(l).hasMatch()) << l.toStdString();
        EXPECT_FALSE(l.contains(QStringLiteral("  "))) << l.toStdString();
        EXPECT_LE(l.size(), 120) << l.toStdString();
        EXPECT_GE(classOf(l), previous) << l.toStdString();
        previous = classOf(l);
    }
    EXPECT_EQ(lines.first(), QStringLiteral("001 CONOSCENZA"));
    EXPECT_EQ(lines.last(), QStringLiteral("999 STORIA DI MONDI EXTRATERRESTRI"));
    EXPECT_EQ(DeweyTable::classOf(QStringLiteral("945 STORIA. ITALIA, 476-774")), QStringLiteral("945"));
}

TEST_F(DeweyTableTest, EightHundredNinetyNineClassesAndNoneOfTheMissingOnes) {
    QSet<int> present;
    for (const QString& l : lines) present.insert(classOf(l));
    const QSet<int> missing = missingClasses();
    EXPECT_EQ(missing.size(), 1000 - 899);
    EXPECT_EQ(present.size(), 899);
    for (int c = 0; c <= 999; ++c) EXPECT_NE(present.contains(c), missing.contains(c)) << c;
}

TEST_F(DeweyTableTest, LinesPerHundredAndTheLongestClasses) {
    const int perHundred[] = {155, 129, 256, 487, 87, 296, 297, 663, 800, 551};
    QMap<int, int> perClass;
    int hundreds[10] = {};
    for (const QString& l : lines) {
        ++perClass[classOf(l)];
        ++hundreds[classOf(l) / 100];
    }
    for (int h = 0; h < 10; ++h) EXPECT_EQ(hundreds[h], perHundred[h]) << h << "00";
    EXPECT_EQ(perClass[914], 166);
    EXPECT_EQ(perClass[945], 139);
    for (auto it = perClass.begin(); it != perClass.end(); ++it)
        if (it.key() != 914 && it.key() != 945) {
            EXPECT_LT(it.value(), 139) << it.key();
        }
}

TEST_F(DeweyTableTest, MainClassesAndHeadingsOpenTheirClassesWithTheirSubdivisionsAfter) {
    const QMap<int, QString> head = heads();
    const char* opening[] = {
        "001 CONOSCENZA",
        "100 FILOSOFIA E PSICOLOGIA",
        "200 RELIGIONE",
        "300 SCIENZE SOCIALI",
        "400 SCIENZE DEL LINGUAGGIO",
        "500 SCIENZE NATURALI E MATEMATICA (SCIENZE PURE)",
        "600 TECNOLOGIA (SCIENZE APPLICATE)",
        "700 LE ARTI",
        "800 LETTERATURA E RETORICA",
        "900 GEOGRAFIA E STORIA",
        "004 ELABORAZIONE DEI DATI SCIENZA DEGLI ELABORATORI",
        "853 NARRATIVA ITALIANA",
        "945 STORIA. ITALIA",
    };
    for (const char* l : opening) EXPECT_EQ(head.value(classOf(QLatin1String(l))), QLatin1String(l));
    for (const char* l : {"004 MICROELABORATORI DIGITALI", "005 LINGUAGGI DI PROGRAMMAZIONE",
                          "853 NARRATIVA ITALIANA, 1375-1492", "945 STORIA. ITALIA, 476-774"})
        EXPECT_TRUE(lines.contains(QLatin1String(l))) << l;
}

TEST_F(DeweyTableTest, EveryCaptionOnceExceptTheDoubledKeyboardLine) {
    // A caption used twice, even under two classes, would be a placeholder;
    // the table has one such line, and has it twice.
    QMap<QString, int> captions;
    for (const QString& l : lines) ++captions[l.mid(4)];
    for (auto it = captions.begin(); it != captions.end(); ++it) {
        if (it.key() == QStringLiteral("STRUMENTI A CORDA E TASTIERA")) continue;
        EXPECT_EQ(it.value(), 1) << it.key().toStdString();
    }
    EXPECT_EQ(lines.count(QStringLiteral("786 STRUMENTI A CORDA E TASTIERA")), 2);
    EXPECT_EQ(captions.value(QStringLiteral("STRUMENTI A CORDA E TASTIERA")), 2);

    // The first line about fiction, whatever its case, is a line of 808.
    const auto narrativa = std::find_if(lines.begin(), lines.end(), [](const QString& l) {
        return l.contains(QStringLiteral("narrativa"), Qt::CaseInsensitive);
    });
    ASSERT_NE(narrativa, lines.end());
    EXPECT_EQ(classOf(*narrativa), 808);
}
