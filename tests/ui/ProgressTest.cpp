#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "support/Seams.h"
#include "ui/Progress.h"

namespace {

QWidget* progressWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("frmAvanzamento") && w->isVisible()) return w;
    return nullptr;
}

}  // namespace

// The window itself, without the tests' script: it opens once the work has
// run half a second, names the work, moves its bar, and its "Annulla" (or
// Esc) stops the work at the next step.
TEST_F(SeamsTest, TheProgressWindowOpensLateAndAnnullaStopsTheWork) {
    Progress::resetHandler();
    QWidget owner;
    Clock::setTick(100);
    bool seen = false;
    QString named, button;
    int bar = -1;
    QPointer<QWidget> shown;
    // Runs at the window's first turn of the event loop, while the work goes on.
    QTimer::singleShot(0, [&] {
        QWidget* w = progressWindow();
        if (!w) return;
        seen = true;
        shown = w;
        named = w->findChild<QLabel*>("lblLavoro")->text();
        bar = w->findChild<QProgressBar*>("prbAvanzamento")->value();
        auto* annulla = w->findChild<QPushButton*>("btnAnnulla");
        button = annulla->text();
        annulla->click();
    });
    qint64 stopped = -1;
    {
        ProgressWork work(&owner, QStringLiteral("Esportazione in corso\u2026"), 1000);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        for (qint64 i = 0; i < 1000; ++i)
            if (!work.step(i)) {
                stopped = i;
                break;
            }
        EXPECT_TRUE(work.cancelled());
    }
    EXPECT_TRUE(seen);
    EXPECT_EQ(named, QStringLiteral("Esportazione in corso\u2026"));
    EXPECT_EQ(button, QStringLiteral("Annulla"));
    EXPECT_GT(bar, 0);
    EXPECT_LT(bar, 100);  // thousandths: a few steps in
    EXPECT_GT(stopped, 0);
    EXPECT_LT(stopped, 100);
    EXPECT_TRUE(shown.isNull());  // gone with the work
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Esc on the window stops the work as "Annulla" does.
    QTimer::singleShot(0, [] {
        if (QWidget* w = progressWindow()) QTest::keyClick(w, Qt::Key_Escape);
    });
    {
        ProgressWork work(&owner, QStringLiteral("Esportazione in corso\u2026"), 1000);
        qint64 i = 0;
        while (i < 1000 && work.step(i)) ++i;
        EXPECT_LT(i, 100);
        EXPECT_TRUE(work.cancelled());
    }
    EXPECT_EQ(progressWindow(), nullptr);

    // Work done within half a second never opens it.
    Clock::setTick(1);
    {
        ProgressWork work(&owner, QStringLiteral("Esportazione in corso\u2026"), 1000);
        for (qint64 i = 0; i < 1000; ++i) EXPECT_TRUE(work.step(i));
        EXPECT_EQ(progressWindow(), nullptr);
    }
}
