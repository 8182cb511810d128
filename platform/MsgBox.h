#pragma once
// Message boxes with the button and icon codes the program's messages use.
// Tests install a responder: no box opens, the call is recorded and the
// responder's answer is returned.

#include <QFont>
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

// A window manager shortens a title that its title bar has no room for, and
// the box of a short message ("エラーです。") showed "エラー 6" as "エ… 6".
// A box is never narrower than its title in the title bar's font and the
// room the bar takes besides: the window's buttons (minimise, maximise,
// close) and its margins, the window's icon among them.
constexpr int kTitleBarButtonsWidth = 3 * 32;
constexpr int kTitleBarMargins = 2 * 16;
// The desktop's font for window titles, bold as most title bars draw it.
QFont TitleBarFont();
int MsgBoxMinimumWidth(const QString &title);

// A message box lays out every character it holds, and a line of a megabyte
// (a program without line breaks, a binary opened by mistake) keeps the
// toolkit busy for minutes. Messages quote a document's or a box's text, and
// the paths they name, through these.
constexpr qsizetype kQuotedTextLimit = 200;
// The longest path a file system takes; no file that exists has a longer one.
constexpr qsizetype kQuotedPathLimit = 4096;

// A box breaks its lines at blanks, and a run without any (an NC line
// written without blanks) ran out of the box, its end and its "…" unseen.
// A run longer than this many characters may break between any two of its
// characters; shorter ones look as they always did.
constexpr qsizetype kLongestUnbrokenRun = 32;
// The text as a box shows it: a zero width space between every two
// characters of a longer run. The box's copies leave them out again.
QString WithLineBreakChances(const QString &text);

// The text whole up to kQuotedTextLimit characters, otherwise its beginning
// and "…" that tells it goes on.
QString QuotedText(const QString &text);
// The path whole up to kQuotedPathLimit characters, otherwise its beginning,
// "…" and its end, so that the file's name still shows.
QString QuotedPath(const QString &path);

}  // namespace brennvik
