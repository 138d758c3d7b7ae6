#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "support/Seams.h"
#include "ui/FocusMark.h"
#include "ui/KeyFilters.h"
#include "ui/Link.h"
#include "ui/Messages.h"
#include "ui/PictureButton.h"

namespace {

// Three fields in a window, the middle one digits only.
struct Window {
    QWidget w;
    QLineEdit* a = new QLineEdit(&w);
    QLineEdit* digits = new QLineEdit(&w);
    QLineEdit* c = new QLineEdit(&w);
    Window() {
        a->setGeometry(10, 10, 100, 20);
        digits->setGeometry(10, 40, 100, 20);
        c->setGeometry(10, 70, 100, 20);
        KeyFilters::enterChain({a, digits, c});
        KeyFilters::digitsOnly(digits);
        digits->setObjectName("txtDigits");
        TFocusMark::attach(digits);
        w.show();
        QApplication::setActiveWindow(&w);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    }
};

}  // namespace

TEST(Controls, DigitsOnlyFieldDiscardsOtherKeys) {
    Window win;
    win.digits->setFocus();
    QTest::keyClicks(win.digits, "1a2-b3 ");
    EXPECT_EQ(win.digits->text(), QStringLiteral("123"));
    QTest::keyClick(win.digits, Qt::Key_Left);
    QTest::keyClick(win.digits, Qt::Key_Backspace);
    QTest::keyClick(win.digits, Qt::Key_Delete);
    EXPECT_EQ(win.digits->text(), QStringLiteral("1"));
    QTest::keyClick(win.digits, Qt::Key_Home);  // not among the allowed keys
    QTest::keyClicks(win.digits, "9");
    EXPECT_EQ(win.digits->text(), QStringLiteral("19"));
    // A paste keeps only the digits.
    win.digits->clear();
    win.digits->insert("IT 60 X");
    emit win.digits->textEdited(win.digits->text());
    EXPECT_EQ(win.digits->text(), QStringLiteral("60"));
}

TEST(Controls, EnterMovesAlongTheChainAndWraps) {
    Window win;
    win.a->setFocus();
    QTest::keyClick(win.a, Qt::Key_Return);
    EXPECT_TRUE(win.digits->hasFocus());
    QTest::keyClick(win.digits, Qt::Key_Enter);  // still moves on from a digits-only field
    EXPECT_TRUE(win.c->hasFocus());
    QTest::keyClick(win.c, Qt::Key_Return);
    EXPECT_TRUE(win.a->hasFocus());
}

TEST(Controls, FocusMarkShowsOnlyWhileItsControlHasTheFocus) {
    Window win;
    auto* mark = win.w.findChild<QWidget*>("effDigits");
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->geometry(), win.digits->geometry().adjusted(-4, -4, 4, 4));
    win.a->setFocus();
    EXPECT_FALSE(mark->isVisible());
    win.digits->setFocus();
    EXPECT_TRUE(mark->isVisible());
    win.c->setFocus();
    EXPECT_FALSE(mark->isVisible());
}

TEST(Controls, PictureButtonTellsItsHint) {
    QWidget w;
    auto* b = new TPictureButton("cmdSalva", ":/img/icona.svg", "Salva", "Salva la scheda corrente in archivio.", &w);
    EXPECT_EQ(b->toolTip(), QStringLiteral("Salva la scheda corrente in archivio."));
    EXPECT_EQ(b->accessibleName(), QStringLiteral("Salva"));
    EXPECT_FALSE(b->icon().isNull());
    QSignalSpy spy(b, &TPictureButton::hovered);
    w.show();
    QTest::mouseMove(b);
    ASSERT_GE(spy.count(), 1);
    EXPECT_EQ(spy.last().at(0).toString(), QStringLiteral("Salva la scheda corrente in archivio."));
}

TEST(Messages, ParagraphBreaksShowAsEmptyLines) {
    EXPECT_EQ(Msg::displayText("a\n\r\n\rb"), QStringLiteral("a\n\nb"));
    EXPECT_EQ(Msg::displayText("a\r\n\r\nb"), QStringLiteral("a\n\nb"));
}

TEST(Controls, LinkTurnsOrangeWhileHeldOnItsTextOrPictureAndClicksFromBoth) {
    QWidget w;
    auto* link = new TLink("lnkWeb", "www.esempio.it", &w);
    link->setGeometry(40, 0, 200, 24);
    auto* picture = new TPictureButton("imgWeb", ":/img/icona.svg", "Sito", "Visita il sito", &w, QSize(32, 32));
    link->addPicture(picture);
    QSignalSpy clicks(link, &TLink::clicked);
    w.show();
    auto colour = [&] { return link->palette().color(QPalette::WindowText); };
    EXPECT_EQ(colour(), QColor(0xFF00008BU));
    EXPECT_TRUE(link->font().underline());

    for (QWidget* target : {static_cast<QWidget*>(link), static_cast<QWidget*>(picture)}) {
        QTest::mousePress(target, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(colour(), QColor(0xFFFFA500U)) << target->objectName().toStdString();
        QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(colour(), QColor(0xFF00008BU));
    }
    EXPECT_EQ(clicks.count(), 2);
    // Released away from the text: back to blue, no click.
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(5, 60));
    EXPECT_EQ(colour(), QColor(0xFF00008BU));
    EXPECT_EQ(clicks.count(), 2);
}
