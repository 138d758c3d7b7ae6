#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "support/Seams.h"
#include "ui/FieldEditor.h"

QWidget* WindowDriver::ctl(const char* name) const { return child<QWidget>(window_, QLatin1String(name)); }
QComboBox* WindowDriver::list(const char* name) const { return child<QComboBox>(window_, QLatin1String(name)); }

QString WindowDriver::text(const char* name) const {
    if (TFieldEditor* e = TFieldEditor::of(ctl(name))) return e->text();
    return child<QLabel>(window_, QLatin1String(name))->text();
}

void WindowDriver::put(const char* name, const QString& value) const { TFieldEditor::of(ctl(name))->setText(value); }

void WindowDriver::click(const char* button) const {
    child<QAbstractButton>(window_, QLatin1String(button))->click();
}

void WindowDriver::type(const char* name, const QString& t) const {
    auto* e = child<QLineEdit>(window_, QLatin1String(name));
    e->setFocus();
    e->clear();
    typeText(e, t);
}

void WindowDriver::showActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}
