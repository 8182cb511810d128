#pragma once
// Message boxes with the button and icon codes the program's messages use.
// Tests install a responder: no box opens, the call is recorded and the
// responder's answer is returned.

#include <QString>
#include <functional>

namespace brennvik {

enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,  // the second button answers Enter
};

enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbYes = 6,
    vbNo = 7,
};

struct MsgBoxCall {
    QString prompt;
    int buttons = 0;  // style: buttons + icon
    QString title;
};

using MsgBoxResponder = std::function<int(const MsgBoxCall &)>;

// The application title used when a box is shown without one.
inline QString ApplicationTitle() { return QStringLiteral("Brennvik"); }

// Shows the box (or asks the responder) and returns the button pressed.
// An empty title gives the application title.
int MsgBox(const QString &prompt, int buttons = vbOKOnly, const QString &title = QString());

// Installs a responder; an empty one restores real boxes.
void SetMsgBoxResponder(MsgBoxResponder responder);

}  // namespace brennvik
