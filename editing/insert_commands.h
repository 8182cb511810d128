#pragma once
// The Insert menu "挿入": the program header from the comment template
// beside the program, the process title lines, the date and whole files.

#include <QString>

namespace brennvik {

class frmMain;

// "Comment.txt" in the program's folder.
QString CommentTemplatePath();

// Index 1 "定型フォーム" (the header from the comment template), 3 "日付";
// any other index does nothing.
void mnuInsertComment_Click(int index);
// Puts the header built from the template at `templatePath` at the caret;
// a missing template is error 76, any other failure error 75, reported and
// nothing inserted.
void InsertCommentHeader(const QString &templatePath);
// Title line k = 1..17; the caret ends right behind its label.
void mnuInsertComment2_Click(int k);
// "ファイル挿入": a chosen file's whole text at the caret.
void mnuInsertFile_Click();

void InstallInsertCommands(frmMain &main);

}  // namespace brennvik
