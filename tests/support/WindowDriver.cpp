#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "archive/Layouts.h"
#include "archive/RecordWindow.h"
#include "support/Seams.h"
#include "ui/FieldEditor.h"
#include "ui/RecordList.h"

QWidget* WindowDriver::ctl(const char* name) const { return child<QWidget>(window_, QLatin1String(name)); }
QComboBox* WindowDriver::list(const char* name) const { return child<QComboBox>(window_, QLatin1String(name)); }

QString WindowDriver::text(const char* name) const {
    if (TFieldEditor* e = TFieldEditor::of(ctl(name))) return e->text();
    return child<QLabel>(window_, QLatin1String(name))->text();
}

void WindowDriver::put(const char* name, const QString& value) const { TFieldEditor::of(ctl(name))->setText(value); }

void WindowDriver::click(const char* button) const { child<QAbstractButton>(window_, QLatin1String(button))->click(); }

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

QMap<QString, QString> WindowDriver::screen(const RecordLayout& layout) const {
    auto* window = static_cast<TRecordWindow*>(window_);
    QMap<QString, QString> values;
    for (const FieldDef& f : layout.fields()) values[f.name] = window->fieldText(f.name);
    values["lblPosizione"] = pos();
    return values;
}

WindowDriver::Import WindowDriver::importVerdi(
    Seams& seams, const RecordLayout& layout, const char* button, const char* keyword,
    std::initializer_list<std::pair<const char*, const char*>> clientFields) const {
    Record c(Layouts::TSchedaCliente());
    for (const FieldDef& f : Layouts::TSchedaCliente().fields()) c.set(f.name, "C" + f.name.left(f.capacity - 1));
    c.set("Cliente", "Verdi Giuseppe");
    for (const auto& [field, value] : clientFields) c.set(QLatin1String(field), QString::fromUtf8(value));
    writeFile(seams.file("Contatti.pro"), c.bytes());

    Import import;
    import.before = screen(layout);
    const size_t opened = seams.modals.size();
    seams.onModal([keyword](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Trova clienti in archivio"));
        EXPECT_EQ(child<QLabel>(d, "lblMemory")->text(), QLatin1String(keyword));
        child<QLineEdit>(d, "txtCliente")->setText("verdi");
        press(d, "btnCerca");
        auto* found = child<TRecordList>(d, "lstRecords");
        ASSERT_EQ(found->count(), 1);
        doubleClickLine(found, 0);
    });
    click(button);
    EXPECT_EQ(seams.modals.size(), opened + 1);
    if (seams.modals.size() > opened) {
        EXPECT_EQ(seams.modals.back().className, QStringLiteral("TfrmTrovaClienti"));
    }
    import.after = screen(layout);
    return import;
}
