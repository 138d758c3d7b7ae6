#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/DateField.h"
#include "ui/TfrmCalendario.h"

namespace {

const QDate kPicked(2025, 4, 10);

QCalendarWidget* calendarOf(QDialog* w) { return child<QCalendarWidget>(w, "calAppuntamenti"); }
QString modeOf(QDialog* w) { return child<QLabel>(w, "lblMemory")->text(); }

// The picker's driver: picks a day and takes it with "Importa".
Seams::Driver importing(QDate day, QString* mode = nullptr) {
    return [day, mode](QDialog* w) {
        if (mode) *mode = modeOf(w);
        calendarOf(w)->setSelectedDate(day);
        press(w, "btnImportaData");
    };
}

using DatePicker = SeamsTest;

}  // namespace

TEST_F(DatePicker, OpensOnTodayInItalian) {
    TfrmCalendario picker;
    QCalendarWidget* cal = calendarOf(&picker);
    EXPECT_EQ(picker.windowTitle(), QStringLiteral(" Importazione data"));
    EXPECT_EQ(cal->selectedDate(), QDate(2025, 3, 5));  // the clock of the seams
    // Whatever the system's language (the tests run in the C locale).
    EXPECT_EQ(child<QToolButton>(cal, "qt_calendar_monthbutton")->text(), QStringLiteral("marzo"));
    auto* view = child<QTableView>(cal, "qt_calendar_calendarview");
    EXPECT_EQ(view->model()->data(view->model()->index(0, 0)).toString(), QStringLiteral("lun"));
    EXPECT_EQ(child<QPushButton>(&picker, "btnImportaData")->text(), QStringLiteral("Importa"));
    EXPECT_EQ(child<QPushButton>(&picker, "btnAnnulla")->text(), QStringLiteral("Annulla"));
    EXPECT_FALSE(child<QLabel>(&picker, "lblMemory")->isVisibleTo(&picker));
}

TEST_F(DatePicker, ImportReturnsTheChosenDayForTheDateFields) {
    // "Importa", or Enter on the calendar.
    const std::function<void(QDialog*)> ways[] = {
        [](QDialog* w) { press(w, "btnImportaData"); },
        [](QDialog* w) {
            QTest::keyClick(child<QTableView>(calendarOf(w), "qt_calendar_calendarview"), Qt::Key_Return);
        },
    };
    for (const char* keyword : {"data", "datareg"}) {
        for (const auto& take : ways) {
            seams.modals.clear();
            QString seenMode;
            seams.onModal([&](QDialog* w) {
                seenMode = modeOf(w);
                calendarOf(w)->setSelectedDate(kPicked);
                take(w);
                EXPECT_FALSE(w->isVisible());
            });
            EXPECT_EQ(TfrmCalendario::pick(nullptr, QString::fromLatin1(keyword)), kPicked) << keyword;
            EXPECT_EQ(seenMode, QString::fromLatin1(keyword));
            ASSERT_EQ(seams.modals.size(), 1u);
            EXPECT_EQ(seams.modals[0].className, QStringLiteral("TfrmCalendario"));
        }
    }
}

TEST_F(DatePicker, CancelGivesNothing) {
    const std::function<void(QDialog*)> cancels[] = {
        [](QDialog* w) { press(w, "btnAnnulla"); }, [](QDialog* w) { QTest::keyClick(w, Qt::Key_Escape); },
        [](QDialog*) {},  // closed from its title bar
    };
    for (const auto& cancel : cancels) {
        seams.onModal([&](QDialog* w) {
            calendarOf(w)->setSelectedDate(kPicked);
            cancel(w);
        });
        EXPECT_EQ(TfrmCalendario::pick(nullptr, "data"), std::nullopt);
    }
}

namespace {

// A date field between two ordinary fields.
class DateFieldTest : public SeamsTest {
protected:
    QWidget w;
    QLineEdit* before = new QLineEdit(&w);
    QLineEdit* date = new QLineEdit(&w);
    QLineEdit* after = new QLineEdit(&w);

    void SetUp() override {
        auto* l = new QVBoxLayout(&w);
        for (QLineEdit* e : {before, date, after}) l->addWidget(e);
        DateField::attach(date, "datareg");
        date->setText("01/02/2024");
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        date->setFocus();
    }
};

}  // namespace

TEST_F(DateFieldTest, BackspaceAndDeleteEmptyIt) {
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete}) {
        date->setText("01/02/2024");
        date->setCursorPosition(5);
        QTest::keyClick(date, key);
        EXPECT_EQ(date->text(), QString()) << key;
    }
    EXPECT_TRUE(seams.modals.empty());
}

TEST_F(DateFieldTest, OtherKeysOpenThePickerAndWriteTheDay) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Case keys[] = {{Qt::Key_A, Qt::NoModifier},
                         {Qt::Key_5, Qt::NoModifier},
                         {Qt::Key_Return, Qt::NoModifier},
                         {Qt::Key_Space, Qt::NoModifier},
                         {Qt::Key_V, Qt::ControlModifier}};
    QApplication::clipboard()->setText("testo libero");  // a paste asks for a date too
    for (const Case& c : keys) {
        date->setText("01/02/2024");
        seams.modals.clear();
        QString mode;
        seams.onModal(importing(kPicked, &mode));
        QTest::keyClick(date, c.key, c.modifiers);
        EXPECT_EQ(date->text(), QStringLiteral("10/04/2025")) << c.key;
        EXPECT_EQ(mode, QStringLiteral("datareg"));
        EXPECT_EQ(seams.modals.size(), 1u);
    }
}

TEST_F(DateFieldTest, CancellingThePickerLeavesTheText) {
    seams.onModal([](QDialog* w) {
        calendarOf(w)->setSelectedDate(kPicked);
        press(w, "btnAnnulla");
    });
    QTest::keyClick(date, Qt::Key_X);
    EXPECT_EQ(date->text(), QStringLiteral("01/02/2024"));
    EXPECT_EQ(seams.modals.size(), 1u);
}

TEST_F(DateFieldTest, TabAndShiftTabStillLeave) {
    QTest::keyClick(date, Qt::Key_Shift);
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(before->hasFocus());
    EXPECT_TRUE(seams.modals.empty());
}
