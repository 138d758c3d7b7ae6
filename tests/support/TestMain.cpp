#include <QApplication>
#include <gtest/gtest.h>

#include "platform/Formats.h"
#include "ui/Resources.h"

int main(int argc, char** argv) {
    // Headless: the real widgets, no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    Formats::apply();
    initPlenaroResources();
    return RUN_ALL_TESTS();
}
