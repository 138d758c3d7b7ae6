#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "archive/ArchivioSchede.h"
#include "archive/RecordNavigator.h"
#include "support/Seams.h"

namespace {

const RecordLayout& stub() {
    static const RecordLayout l("TStub", {{"Nome", 6}});
    return l;
}

Record card(const char* name) {
    Record r(stub());
    r.set("Nome", name);
    return r;
}

using Step = RecordNavigator::Step;

class Navigator : public SeamsTest {
protected:
    RecordNavigator nav{"Stub.pro", stub()};
    Record got{stub()};

    void archive(std::initializer_list<const char*> names) {
        std::vector<Record> records;
        for (const char* n : names) records.push_back(card(n));
        appendRecords(seams.file("Stub.pro"), records);
    }
    // The step's outcome, the card it shows ("-" when none was read) and the position after it.
    std::string walk(Step (RecordNavigator::*step)(Record&)) {
        got = Record(stub());
        const Step s = (nav.*step)(got);
        const char* what = s == Step::Loaded ? "loaded" : s == Step::Empty ? "empty" : "nothing";
        return std::string(what) + " " + (s == Step::Loaded ? got.get("Nome").toStdString() : "-") + " @" +
               std::to_string(nav.position());
    }
};

}  // namespace

TEST_F(Navigator, BrowsesThreeCardsFromEveryStart) {
    archive({"Anna", "Bruno", "Carla"});
    struct Case {
        int from;
        Step (RecordNavigator::*step)(Record&);
        const char* expected;
    };
    const Case cases[] = {
        {0, &RecordNavigator::next, "loaded Anna @1"},      // a new card stands before the first
        {0, &RecordNavigator::previous, "loaded Anna @1"},  // and goes to the first going back
        {2, &RecordNavigator::next, "loaded Carla @3"},    {2, &RecordNavigator::previous, "loaded Anna @1"},
        {3, &RecordNavigator::next, "nothing - @3"},      // the last card: nothing happens
        {1, &RecordNavigator::previous, "nothing - @1"},  // the first card: nothing happens
        {2, &RecordNavigator::first, "loaded Anna @1"},    {0, &RecordNavigator::last, "loaded Carla @3"},
    };
    for (const Case& c : cases) {
        nav.setPosition(c.from);
        EXPECT_EQ(walk(c.step), c.expected) << "from " << c.from;
    }
}

TEST_F(Navigator, EmptyArchiveIsToldAndLeavesANewCard) {
    for (auto step :
         {&RecordNavigator::first, &RecordNavigator::last, &RecordNavigator::next, &RecordNavigator::previous}) {
        nav.startNew();
        EXPECT_EQ(walk(step), "empty - @0");
    }
    EXPECT_TRUE(QFile::exists(seams.file("Stub.pro")));  // opened by the open-or-create rule
}

TEST_F(Navigator, SaveAppendsANewCardThenOverwritesIt) {
    archive({"Anna", "Bruno"});
    nav.save(card("Dario"));
    EXPECT_EQ(nav.position(), 3);
    nav.save(card("Dora"));
    EXPECT_EQ(nav.position(), 3);
    nav.setPosition(1);
    nav.save(card("Ada"));
    EXPECT_EQ(fileBytes(seams.file("Stub.pro")), card("Ada").bytes() + card("Bruno").bytes() + card("Dora").bytes());
}

TEST_F(Navigator, FailedStepKeepsThePositionShown) {
    archive({"Anna", "Bruno"});
    nav.setPosition(2);
    // A folder where the archive should be: it cannot be opened.
    QFile::remove(seams.file("Stub.pro"));
    ASSERT_TRUE(QDir(seams.folder()).mkdir("Stub.pro"));
    EXPECT_THROW(walk(&RecordNavigator::previous), ArchiveError);
    EXPECT_THROW(nav.save(card("Carla")), ArchiveError);
    EXPECT_THROW(nav.check(), ArchiveError);
    EXPECT_EQ(nav.position(), 2);
}
