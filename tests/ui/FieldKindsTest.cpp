#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "support/Seams.h"
#include "ui/FieldEditor.h"

namespace {

// A window with a field of the kind under test and a second field to leave to.
struct Form {
    QWidget w;
    QLineEdit* other = new QLineEdit(&w);
    Form() { other->setGeometry(0, 100, 80, 20); }
    void show() {
        w.show();
        QApplication::setActiveWindow(&w);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    }
};

QString typedInto(QLineEdit* e, const QString& keys) {
    e->setFocus();
    typeText(e, keys);
    return e->text();
}

}  // namespace

TEST(FieldKinds, TextRulesRewriteWhileTypingAndOnLeaving) {
    struct Case {
        unsigned rules;
        const char* typed;
        const char* whileTyping;
        const char* afterLeaving;
    };
    const Case cases[] = {
        {FieldKinds::Plain, " rossi 3 ", " rossi 3 ", " rossi 3 "},
        {FieldKinds::Upper, " via è 1 ", " VIA è 1 ", " VIA è 1 "},  // only a to z
        {FieldKinds::UpperOnRelease, "20a ", "20A ", "20A "},
        {FieldKinds::TrimmedUpper, " rss mra ", "RSSMRA", "RSSMRA"},  // a blank typed last is gone before the next key
        {FieldKinds::Trimmed, " a@b.it ", "a@b.it", "a@b.it"},
        {FieldKinds::TrimmedOnExit, " a@b.it ", " a@b.it ", "a@b.it"},
        {FieldKinds::DigitsOnly, "33a1-2 ", "3312", "3312"},
    };
    for (const Case& c : cases) {
        Form f;
        QLineEdit* e = FieldKinds::text(&f.w, "txtCampo", c.rules);
        f.show();
        EXPECT_EQ(typedInto(e, QString::fromUtf8(c.typed)), QString::fromUtf8(c.whileTyping)) << c.typed;
        f.other->setFocus();
        EXPECT_EQ(e->text(), QString::fromUtf8(c.afterLeaving)) << c.typed;
        EXPECT_EQ(TFieldEditor::of(e)->text(), e->text());
    }
}

TEST(FieldKinds, AmountTakesDigitsAndCommaAndIsWrittenByTheAmountRuleOnLeaving) {
    struct Case {
        const char* typed;
        const char* left;
    };
    const Case cases[] = {{"7", "7,00"},    {"12,5", "12,50"}, {"3,456", "3,46"},
                          {"", "0,00"},     {",5", "0,50"},    {"1.000", "1000,00"} /* the point never gets in */,
                          {"1,2,3", "0,00"}};
    for (const Case& c : cases) {
        Form f;
        QLineEdit* e = FieldKinds::amount(&f.w, "txtImporto");
        f.show();
        typedInto(e, QString::fromUtf8(c.typed));
        f.other->setFocus();
        EXPECT_EQ(e->text(), QString::fromUtf8(c.left)) << c.typed;
    }
}

TEST(FieldKinds, EditorsCarryTheStoredTextBothWays) {
    QWidget w;
    QCheckBox* flag = FieldKinds::flag(&w, "chkFlag", "Flag");
    TFieldEditor* e = TFieldEditor::of(flag);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->text(), QStringLiteral("No"));
    e->setText(QStringLiteral("S\u00EC"));
    EXPECT_TRUE(flag->isChecked());
    e->setText(QStringLiteral("forse"));  // neither: the box stays as it was
    EXPECT_TRUE(flag->isChecked());
    EXPECT_EQ(e->text(), QStringLiteral("S\u00EC"));
    e->clear();
    EXPECT_FALSE(flag->isChecked());

    QComboBox* list = FieldKinds::pickList(&w, "txtMese", {"Gennaio", "Febbraio"}, 100);
    TFieldEditor* l = TFieldEditor::of(list);
    l->setText(QStringLiteral("Febbraio"));
    EXPECT_EQ(l->text(), QStringLiteral("Febbraio"));
    EXPECT_EQ(list->currentIndex(), -1);  // shown, not chosen
    l->clear();
    EXPECT_EQ(l->text(), QString());

    // A new card empties a hidden value but keeps a derived one, worked out again at the next save.
    QLabel* file = FieldKinds::hidden(&w, "lblFile01");
    QLabel* date = FieldKinds::derived(&w, "lblDataRit");
    TFieldEditor::of(file)->setText(QStringLiteral("a.pdf"));
    TFieldEditor::of(date)->setText(QStringLiteral("01/01/2000"));
    TFieldEditor::of(file)->clear();
    TFieldEditor::of(date)->clear();
    EXPECT_EQ(file->text(), QString());
    EXPECT_EQ(date->text(), QStringLiteral("01/01/2000"));
    EXPECT_FALSE(file->isVisibleTo(&w));

    EXPECT_EQ(TFieldEditor::of(new QLineEdit(&w)), nullptr);  // a control that is no field
}
