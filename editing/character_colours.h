#pragma once
// Edit > 文字の識別 and 文字の色を黒に戻す: colouring the focused pane so
// that the numbers of a program stand out, and back to black. Colour is no
// change of the text: the document stays as saved.

#include <QList>
#include <QString>

namespace brennvik {

// A run of characters, positions as a pane's text counts them.
struct CharacterRun {
    int start = 0;
    int length = 0;
};

// The runs of characters that are not the digits 0 to 9.
QList<CharacterRun> NonDigitRuns(const QString &text);

// Every character but the digits turns blue; the caret stays where it was
// and the next find starts there.
void mnuColor_Click();
// The whole pane turns black; the caret goes to the start.
void mnuColorBlack_Click();

}  // namespace brennvik
