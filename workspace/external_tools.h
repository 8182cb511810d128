#pragma once
// The programs beside this one: the external calculator of the Tools menu and
// the viewer of the help files. Which program each is, is a setting of
// section "Settings" ("CalculatorProgram", "HelpViewer"); a program that
// cannot be started is reported and this one goes on.

#include <QString>

namespace brennvik {

// The calculator program: the stored setting, else the desktop's calculator
// when one is installed, else empty.
QString CalculatorProgram();
// The help viewer: the stored setting, else the desktop's opener.
QString HelpViewerProgram();

// Starts the external calculator; its task identifier is kept in
// g_CalculatorTask. Every call starts a further one.
void StartCalculator();

// The path of a help file in the folder "help" beside the program.
QString HelpFilePath(const QString &fileName);
// Shows a help file in the viewer, its path passed as one argument. A missing
// file or viewer is reported in a message.
void ShowHelpFile(const QString &path);
// ShowHelpFile of a help file beside the program.
void OpenHelpFile(const QString &fileName);

}  // namespace brennvik
