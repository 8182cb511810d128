#include "insert_commands.h"

#include "insert_texts.h"
#include "platform/AnsiFiles.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/MsgBox.h"
#include "platform/RichTextPane.h"
#include "workspace/document_windows.h"
#include "workspace/frmMain.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace brennvik {

QString CommentTemplatePath() { return JoinPath(ApplicationFolder(), QStringLiteral("Comment.txt")); }

void InsertCommentHeader(const QString &templatePath) {
    try {
        RichTextPane *pane = FocusedPaneOfActiveDocument();
        if (!pane) RaiseError(kErrObjectNotSet);
        if (!QFileInfo::exists(templatePath)) RaiseError(kErrPathNotFound);
        const AnsiFileRead read = ReadAnsiFile(templatePath);
        if (!read.ok || !read.readable) RaiseError(kErrFileAccess);
        pane->SetSelText(CommentHeaderText(read.text, CurrentDateTime().date()));
    } catch (const RuntimeError &error) {
        ShowErrorMessage(error.number());
    }
}

void mnuInsertComment_Click(int index) {
    if (index == 1) {
        InsertCommentHeader(CommentTemplatePath());
    } else if (index == 3) {
        if (RichTextPane *pane = FocusedPaneOfActiveDocument()) pane->SetSelText(NcDateText(CurrentDateTime().date()));
    }
}

void mnuInsertComment2_Click(int k) {
    RichTextPane *pane = FocusedPaneOfActiveDocument();
    if (!pane || k < 1 || k > kTitleCommentCount) return;
    const int start = pane->SelStart();
    pane->SetSelText(TitleCommentLine(k));
    pane->SetSelStart(TitleCommentCaret(k, start));
}

void mnuInsertFile_Click() {
    RichTextPane *pane = FocusedPaneOfActiveDocument();
    if (!pane) return;
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.initialFolder = g_InsertPathName;
    request.filter = QStringLiteral("All Files (*.*)|*.*|LIB File (*.lib)|*.lib|System Sub (*.ssb)|*.ssb");
    const QString chosen = ShowFileDialog(request);
    // Cancelling is no failure: nothing is said and the folder stays.
    if (chosen.isEmpty()) return;
    g_InsertPathName = QDir::toNativeSeparators(QDir::currentPath());
    if (QFileInfo(chosen).size() > kInsertFileSizeLimit) {
        MsgBox(QStringLiteral("このファイルはサイズが大きすぎるため開くことが出来ません。"));
        return;
    }
    const AnsiFileRead read = ReadAnsiFile(chosen);
    if (!read.ok) {
        MsgBox(QStringLiteral("%1 を挿入できませんでした。\r\n%2").arg(QuotedPath(chosen), read.error),
               vbOKOnly | vbExclamation);
        return;
    }
    // Unreadable bytes would stay in the document as characters it cannot save.
    if (!read.readable) {
        const QString line = QString::number(read.bytes.left(read.firstChangedByte).count('\n') + 1);
        MsgBox(QStringLiteral("%1 の %2 行目に Shift-JIS として読めないバイトがあります。挿入しませんでした。")
                   .arg(QuotedPath(chosen), line),
               vbOKOnly | vbExclamation);
        return;
    }
    pane->SetSelText(read.text);
}

void InstallInsertCommands(frmMain &main) {
    QMenu *insert = main.mnuInsert;
    main.AddEntry(insert, "mnuInsertComment_1", "定型フォーム", [] { mnuInsertComment_Click(1); });
    QMenu *titles = main.AddSubmenu(insert, "mnuInsertComment_2", "(---< ｺﾒﾝﾄ >---)");
    for (int k = 1; k <= kTitleCommentCount; ++k)
        main.AddEntry(titles, QStringLiteral("mnuInsertComment2_%1").arg(k), TitleCommentCaption(k),
                      [k] { mnuInsertComment2_Click(k); });
    main.AddEntry(insert, "mnuInsertComment_3", "日付", [] { mnuInsertComment_Click(3); });
    main.AddSeparator(insert, QStringLiteral("mnuInsertBar1"));
    main.AddEntry(insert, "mnuInsertFile", "ファイル挿入", mnuInsertFile_Click);
}

}  // namespace brennvik
