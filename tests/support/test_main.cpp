// Test runner: one offscreen application for all GUI tests; no modal prompt
// ever opens because every test installs responders through the fixtures.
#include "platform/InterfaceFont.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Every window measures its captions in the font the program gives them,
    // whether or not a test before it started the main window.
    brennvik::UseInterfaceFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
