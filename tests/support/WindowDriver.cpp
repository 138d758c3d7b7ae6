#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "support/Seams.h"
#include "archive/RecordWindow.h"
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

void WindowDriver::expectEnterRing(const QStringList& ring) const {
    child<QWidget>(window_, ring.front())->setFocus();
    for (int i = 1; i < ring.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ASSERT_TRUE(child<QWidget>(window_, ring[i])->hasFocus()) << ring[i].toStdString();
    }
}

QString requiredWarning(const char* what) {
    return QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ") + QString::fromUtf8(what);
}

void WindowDriver::expectSaveRefused(Seams& seams, const char* control, const char* value, const char* what,
                                     const char* focus) const {
    ctl("txtNote")->setFocus();
    if (control) put(control, QString::fromUtf8(value));
    seams.messages.clear();
    click("cmdSalva");
    ASSERT_EQ(seams.messages.size(), 1u) << what;
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(seams.lastMessage().text, requiredWarning(what));
    EXPECT_TRUE(ctl(focus)->hasFocus()) << focus;
}

void WindowDriver::showActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

void expectFieldsFitTheScreen(TRecordWindow& w, const RecordLayout& layout, const QStringList& unseen) {
    w.resize(1366, 740);
    QApplication::processEvents();
    EXPECT_LE(w.minimumSizeHint().height(), 740);
    EXPECT_LE(w.minimumSizeHint().width(), 1366);
    for (const FieldDef& f : layout.fields()) {
        QWidget* c = w.fieldControl(f.name);
        ASSERT_NE(c, nullptr) << f.name.toStdString();
        if (unseen.contains(f.name)) {
            EXPECT_FALSE(c->isVisible()) << f.name.toStdString();
            continue;
        }
        const QRect r(c->mapTo(&w, QPoint(0, 0)), c->size());
        EXPECT_TRUE(c->isVisible() && w.rect().contains(r)) << f.name.toStdString();
    }
}

void press(QWidget* window, const char* button) { child<QAbstractButton>(window, QLatin1String(button))->click(); }

QString fit(const QString& text, int width) { return text.leftJustified(width, QLatin1Char(' '), true); }

void WindowDriver::expectHints(const std::vector<std::pair<const char*, const char*>>& hints) const {
    auto* info = child<QLabel>(window_, "panInfo");
    for (const auto& [control, hint] : hints) {
        QTest::mouseMove(ctl("lblPosizione"));
        EXPECT_EQ(info->text(), QString()) << control;
        QTest::mouseMove(ctl(control));
        EXPECT_EQ(info->text(), QString::fromUtf8(hint)) << control;
    }
}
