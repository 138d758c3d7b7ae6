#include <gtest/gtest.h>

#include "report/CardReport.h"
#include "report/PreparedReport.h"
#include "support/Seams.h"

namespace {

// A small look with every optional piece switched off; cases switch them on.
CardLook plainLook() {
    CardLook l;
    l.reportName = "repProva";
    l.titleHeight = 40;
    l.rowsTop = 60;
    l.rowPitch = 30;
    l.rowHeight = 26;
    l.captionWidth = 150;
    l.valueLeft = 160;
    return l;
}

const std::vector<CardRow> kRows = {
    {"Cognome e nome:", "  Rossi Mario \t"},
    {"Data:", " 07 Marzo 2024", "txtData"},
    {"Note:", ""},
};

class CardReportTest : public SeamsTest {
protected:
    std::shared_ptr<const PreparedReport> prepared(const CardLook& look, const std::vector<CardRow>& rows = kRows) {
        auto rep = CardReport::build(look, "SCHEDA DI PROVA", rows);
        return rep->prepare();
    }
};

}  // namespace

TEST_F(CardReportTest, RowsInOrderUnderTheTitleValuesTrimmedStampAtTheFoot) {
    seams.setNow(QDateTime(QDate(2025, 3, 5), QTime(9, 5, 7)));
    const auto r = prepared(plainLook());
    ASSERT_EQ(r->pageCount(), 1);
    EXPECT_EQ(r->name, QStringLiteral("repProva"));
    EXPECT_EQ(r->orientation, QPageLayout::Portrait);
    const PreparedPage& page = r->pages[0];
    EXPECT_EQ(page.memo("txtTitolo")->text(), QStringLiteral("SCHEDA DI PROVA"));

    struct Row {
        const char* caption;
        const char* value;
        const char* caption_text;
        const char* value_text;
    };
    const Row rows[] = {{"titCampo01", "txtCampo01", "Cognome e nome:", "Rossi Mario"},
                        {"titCampo02", "txtData", "Data:", "07 Marzo 2024"},
                        {"titCampo03", "txtCampo03", "Note:", ""}};
    double previous = page.memo("txtTitolo")->geometry().bottom();
    for (const Row& row : rows) {
        const TMemo* caption = page.memo(row.caption);
        const TMemo* value = page.memo(row.value);
        ASSERT_NE(caption, nullptr) << row.caption;
        ASSERT_NE(value, nullptr) << row.value;
        EXPECT_EQ(caption->text(), QString::fromUtf8(row.caption_text));
        EXPECT_EQ(value->text(), QString::fromUtf8(row.value_text));
        EXPECT_EQ(value->top(), caption->top());  // side by side
        EXPECT_LT(caption->geometry().right(), value->left());
        EXPECT_GT(caption->top(), previous);  // each row below the one before
        previous = caption->top();
    }
    EXPECT_EQ(page.memo("txtCampo02"), nullptr);  // the row named its own box

    const TMemo* stamp = page.memo("txtCalce");
    ASSERT_NE(stamp, nullptr);
    EXPECT_EQ(stamp->text(), QStringLiteral("Stampa eseguita in data 05/03/2025 alle ore 09:05:07"));
    EXPECT_NEAR(stamp->geometry().bottom(), r->paperSize.height() - Report::mm(10), 1e-6);
    EXPECT_GT(stamp->top(), previous);
}

TEST_F(CardReportTest, OptionalPiecesFollowTheLook) {
    struct Case {
        const char* what;
        void (*set)(CardLook&);
        const char* object;
    };
    const Case cases[] = {
        {"logo", [](CardLook& l) { l.logoSize = QSizeF(170, 64); }, "imgLogo"},
        {"heading rule", [](CardLook& l) { l.headingRule = 50; }, "linSepara01"},
        {"row frames", [](CardLook& l) { l.framedRows = true; }, "shpRiga03"},
        {"column rule", [](CardLook& l) { l.columnRule = 155; }, "linVerticale"},
        {"closing rule", [](CardLook& l) { l.closingRule = true; }, "linSepara02"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(prepared(plainLook())->pages[0].find(c.object), nullptr) << c.what;
        CardLook look = plainLook();
        c.set(look);
        EXPECT_NE(prepared(look)->pages[0].find(c.object), nullptr) << c.what;
    }
}

TEST_F(CardReportTest, LongValueShrinksOnlyWhereTheLookSaysSo) {
    const std::vector<CardRow> rows = {{"Note:", QString(40, 'x').append(' ').repeated(6)}};
    for (bool shrinks : {false, true}) {
        CardLook look = plainLook();
        look.shrinkValues = shrinks;
        const TMemo* note = prepared(look, rows)->pages[0].memo("txtCampo01");
        ASSERT_NE(note, nullptr);
        if (shrinks) {
            EXPECT_LT(note->pointSize(), 10);
            EXPECT_LE(note->lines().size() * note->pitch(), note->height());
        } else {
            EXPECT_EQ(note->pointSize(), 10);
        }
        EXPECT_EQ(note->lines().join("").remove(' ').size(), 240);  // nothing lost either way
    }
}
