#include "install_commands.h"
#include "workspace/startup.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brennvik"));
    return brennvik::Main(QApplication::arguments().mid(1), brennvik::InstallAllCommands);
}
