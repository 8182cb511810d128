// Runner of the tests that need a real X display (started by xvfb-run):
// what the system's keyboard state does can only be seen there.
#include "platform/InterfaceFont.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path()));
    QApplication app(argc, argv);
    brennvik::UseInterfaceFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
