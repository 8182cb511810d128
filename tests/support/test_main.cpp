// Test runner: one offscreen application for all GUI tests; no modal prompt
// ever opens because every test installs responders through the fixtures.
#include "platform/InterfaceFont.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    // Offscreen, but for the tests that need a real display (they name it).
    qputenv("QT_QPA_PLATFORM", qgetenv("BRENNVIK_TEST_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                           : qgetenv("BRENNVIK_TEST_PLATFORM"));
    // The toolkit keeps settings of its own (the file dialogs' history) in
    // the configuration folder; the tests keep theirs in a folder of the run.
    QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path()));
    QApplication app(argc, argv);
    // Every window measures its captions in the font the program gives them,
    // whether or not a test before it started the main window.
    brennvik::UseInterfaceFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
