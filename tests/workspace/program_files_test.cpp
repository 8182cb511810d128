#include "documents_fixture.h"

#include "platform/Clipboard.h"
#include "platform/RichTextPane.h"
#include "platform/SettingsStore.h"
#include "workspace/document_slots.h"
#include "workspace/frmDocument.h"
#include "workspace/frmMain.h"
#include "workspace/program_files.h"
#include "workspace/workspace_state.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace brennvik {
namespace {

class ProgramFilesTest : public DocumentsFixture {
protected:
    QStringList VisibleRecentFiles() const {
        QStringList out;
        for (int n = 1; n <= 5; ++n)
            if (m_main->mnuFileRecentFile[size_t(n)]->isVisible()) out << m_main->mnuFileRecentFile[size_t(n)]->text();
        return out;
    }
    // Answers the message boxes with these buttons in order.
    void Answer(QList<int> answers) {
        m_msgBoxAnswer = [answers](const MsgBoxCall &) mutable { return answers.isEmpty() ? int(vbOK) : answers.takeFirst(); };
    }
    void Activate(frmDocument *d) { m_main->mdiArea->setActiveSubWindow(d->SubWindow()); }
};

const QString kCloseQuestionOf2 = QStringLiteral("[無題 2]は変更されています。\r\n保存をしますか ?");

TEST_F(ProgramFilesTest, CommandLineFilesOpenAndStayInTheRecentListAfterARestart) {
    const QString a = WriteFile("a.min", "N1\r\n");
    const QString b = WriteFile("b c.min", "N2\r\n");
    const QString before = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    StartMain({"a.min", "b c.min"});
    QDir::setCurrent(before);
    ASSERT_EQ(OpenDocumentWindows().size(), 2);
    // The window keeps the whole path as the file system names it; the caption is in upper case.
    EXPECT_EQ(Doc(1)->FilePath(), a);
    EXPECT_EQ(Doc(2)->FilePath(), b);
    EXPECT_EQ(Doc(1)->Caption(), a.toUpper());
    EXPECT_EQ(Doc(2)->Caption(), b.toUpper());
    EXPECT_EQ(Doc(2)->txtText->Text(), "N2\r\n");
    EXPECT_FALSE(Doc(1)->txtText->DataChanged());
    EXPECT_EQ(VisibleRecentFiles(), QStringList({b, a}));
    // Opened before the main window showed, they used to stay collapsed in its corner.
    const QSize area = m_main->mdiArea->contentsRect().size();
    EXPECT_EQ(Doc(2)->SubWindow()->geometry(), QRect(area.width() / 2, 0, area.width() / 2, area.height()));
    CloseMain();
    StartMain();
    EXPECT_TRUE(OpenDocumentWindows().isEmpty());
    EXPECT_EQ(VisibleRecentFiles(), QStringList({b, a}));
}

// Files beyond the sixth each gave a refusal that named no file.
TEST_F(ProgramFilesTest, FilesBeyondTheSixthAreNamedInOneMessage) {
    QStringList files;
    for (int i = 1; i <= 8; ++i) files << WriteFile(QStringLiteral("p%1.min").arg(i), "N1\r\n");
    StartMain(files);
    EXPECT_EQ(OpenDocumentWindows().size(), 6);
    EXPECT_EQ(Doc(6)->FilePath(), files[5]);
    EXPECT_EQ(Prompts(), QStringList({"同時に開けるファイルは 6 つまでです。次のファイルは開いていません。\r\n" +
                                      files[6] + "\r\n" + files[7]}));
    EXPECT_EQ(m_msgBoxes[0].buttons, vbOKOnly | vbExclamation);
    EXPECT_EQ(VisibleRecentFiles().size(), 5);
    EXPECT_EQ(VisibleRecentFiles().front(), files[5]);
    // Dropped files likewise, once a slot is free again.
    m_msgBoxes.clear();
    Doc(2)->Unload();
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(files[6]), QUrl::fromLocalFile(files[7])});
    m_main->MDIForm_OLEDragDrop(&dropped);
    EXPECT_EQ(Doc(2)->FilePath(), files[6]);
    EXPECT_EQ(Prompts(), QStringList({"同時に開けるファイルは 6 つまでです。次のファイルは開いていません。\r\n" +
                                      files[7]}));
}

TEST_F(ProgramFilesTest, SavingAnEditChangesOnlyItsBytes) {
    // Backslash, tilde, a Japanese comment and no final line end.
    const QByteArray original = "O1234\r\n(\x83\x65\x83\x58\x83\x67\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80)\r\n"
                                "N000 G00 X\\1 Z~2\r\nN000 M02";
    const QString path = WriteFile("Prog.min", original);
    frmMain *m = StartMain({path});
    RichTextPane *pane = Doc(1)->txtText;
    const int x = int(pane->Text().indexOf("X"));
    pane->Select(x, 1);
    pane->SetSelText("U");
    EXPECT_TRUE(pane->DataChanged());
    m->mnuFileSave_Click();
    EXPECT_TRUE(m_dialogs.empty());
    EXPECT_TRUE(m_msgBoxes.empty());
    QByteArray expected = original;
    expected[original.indexOf("X\\1")] = 'U';  // the X of the block, not the trail byte of ス
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_EQ(g_SaveFileName, path);
    EXPECT_FALSE(pane->DataChanged());
    EXPECT_EQ(Doc(1)->Caption(), path.toUpper());
    // On a case-sensitive file system the upper-case caption names another file.
    EXPECT_FALSE(QFileInfo::exists(path.toUpper()));
    EXPECT_EQ(VisibleRecentFiles(), QStringList({path}));  // Save adds no entry
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ProgramFilesTest, ACharacterShiftJisCannotHoldIsNotSaved) {
    const QString path = WriteFile("old.min", "N1\r\n");
    frmMain *m = StartMain({path});
    Doc(1)->txtText->SetText("N1\r\nN2 (€)\r\nN3");
    m->mnuFileSave_Click();
    // The euro sign used to be written as "?", silently.
    EXPECT_EQ(Prompts(), QStringList({"2 行目の文字「€」は Shift-JIS で保存できません。\r\n2: N2 (€)\r\n保存していません。"}));
    EXPECT_EQ(m_msgBoxes[0].buttons, vbOKOnly | vbExclamation);
    EXPECT_EQ(ReadFile(path), QByteArray("N1\r\n"));
    EXPECT_TRUE(Doc(1)->txtText->DataChanged());
    EXPECT_TRUE(g_DocumentInUse[1]);
    EXPECT_EQ(UnsavableCharacterMessage("¥", 0),
              "1 行目の文字「¥」は Shift-JIS で保存できません。\r\n1: ¥\r\n保存していません。");
}

TEST_F(ProgramFilesTest, AFileThatIsNotValidShiftJisOpensWithAWarning) {
    const struct {
        const char *name;
        QByteArray bytes;
        QString warning;
    } cases[] = {
        {"valid", "N1 (\x8A\xBF)\r\n", QString()},
        {"a byte that is no Shift-JIS", "N1\r\nN2 \x80\r\n",
         "%1 の 2 行目に Shift-JIS として読めないバイトがあります。読めないバイトは「\uFFFD」で表示しています。\r\n"
         "「\uFFFD」をほかの文字に置き換えるまで、このファイルは保存できません。"},
        {"a code written back another way", "N1\r\n\r\n(\xED\x40)",
         "%1 の 3 行目に、Shift-JIS では別の符号で書き戻される文字があります。\r\n保存するとファイルのバイトが変わります。"},
        // Lines ending in a bare CR were all counted as line 1.
        {"a bad byte after bare CR line ends", "N1\rN2\rN3 \x80\r",
         "%1 の 3 行目に Shift-JIS として読めないバイトがあります。読めないバイトは「\uFFFD」で表示しています。\r\n"
         "「\uFFFD」をほかの文字に置き換えるまで、このファイルは保存できません。"},
    };
    StartMain();
    for (const auto &c : cases) {
        m_msgBoxes.clear();
        const QString path = WriteFile("w.min", c.bytes);
        OpenFileInNewDocument(path);
        // Such a file used to open silently, and a save then changed its bytes.
        EXPECT_EQ(Prompts(), c.warning.isEmpty() ? QStringList() : QStringList({c.warning.arg(path)})) << c.name;
        EXPECT_EQ(ActiveDocumentWindow()->FilePath(), path) << c.name;
        EXPECT_FALSE(ActiveDocumentWindow()->txtText->DataChanged()) << c.name;
        // The warning said the file cannot be saved until the marks are replaced: it is not.
        if (c.warning.contains(u'\uFFFD')) {
            m_msgBoxes.clear();
            m_main->mnuFileSave_Click();
            EXPECT_EQ(ReadFile(path), c.bytes) << c.name;
            EXPECT_EQ(m_msgBoxes.size(), 1u) << c.name;
        }
    }
}

TEST_F(ProgramFilesTest, AFailedSaveKeepsTheDocumentChangedAndTheOldFileWhole) {
    const QString old = WriteFile("old.min", "OLD\r\n");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder"));
    const struct {
        QString target;
        const char *problem;
    } targets[] = {
        {m_dir.filePath("old.min/new.min"), "保存先のフォルダが見つかりません。"},
        {m_dir.filePath("folder"), "同じ名前のフォルダがあります。"},
    };
    frmMain *m = StartMain({old});
    Doc(1)->txtText->SetText("NEW\r\n");
    for (const auto &[target, problem] : targets) {
        m_msgBoxes.clear();
        const QCursor *cursorAtMessage = reinterpret_cast<const QCursor *>(1);
        m_msgBoxAnswer = [&](const MsgBoxCall &) {
            cursorAtMessage = QApplication::overrideCursor();
            return int(vbOK);
        };
        ScriptFileDialogs({target});
        m->mnuFileSaveAs_Click();
        ASSERT_EQ(m_msgBoxes.size(), 1u) << target.toStdString();
        // The platform's English text used to stand alone, naming no file.
        EXPECT_EQ(m_msgBoxes[0].prompt, "ファイルを保存できません。\r\n" + target + "\r\n" + problem +
                                            "\r\n保存していません。文書は開いたままで、変更もそのまま残っています。");
        EXPECT_EQ(m_msgBoxes[0].buttons, vbOKOnly | vbExclamation);
        EXPECT_EQ(m_msgBoxes[0].title, "Brennvik");
        EXPECT_EQ(cursorAtMessage, nullptr);  // the normal pointer is back before the message
        EXPECT_TRUE(Doc(1)->txtText->DataChanged());
        EXPECT_EQ(Doc(1)->FilePath(), old);
        EXPECT_EQ(Doc(1)->Caption(), old.toUpper());
        EXPECT_EQ(ReadFile(old), QByteArray("OLD\r\n"));
        EXPECT_EQ(VisibleRecentFiles(), QStringList({old}));
    }
    EXPECT_EQ(m_dialogs[0].fileName, old);  // Save As proposes the real path
}

TEST_F(ProgramFilesTest, AFileThatCannotBeOpenedIsReportedAndTheCurrentSlotStays) {
    const QString a = WriteFile("a.min", "A\r\n");
    StartMain({a});
    ASSERT_EQ(g_CurrentDocument, 1);
    const QCursor *cursorAtMessage = reinterpret_cast<const QCursor *>(1);
    m_msgBoxAnswer = [&](const MsgBoxCall &) {
        cursorAtMessage = QApplication::overrideCursor();
        return int(vbOK);
    };
    OpenFileInNewDocument(m_dir.filePath("missing.min"));
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_EQ(m_msgBoxes[0].prompt,
              "ファイルを開けません。\r\n" + m_dir.filePath("missing.min") + "\r\nファイルが見つかりません。");
    EXPECT_EQ(m_msgBoxes[0].buttons, vbOKOnly | vbExclamation);
    EXPECT_EQ(m_msgBoxes[0].title, "Brennvik");
    EXPECT_EQ(cursorAtMessage, nullptr);
    QApplication::processEvents();
    EXPECT_FALSE(g_DocumentInUse[2]);
    EXPECT_EQ(m_main->mdiArea->subWindowList().size(), 1);
    // The failed open used to leave its freed slot current.
    EXPECT_EQ(g_CurrentDocument, 1);
    EXPECT_EQ(VisibleRecentFiles(), QStringList({a}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Such a name was reported as a missing file.
TEST_F(ProgramFilesTest, ANameTooLongIsReportedAsSuchOnOpenAndSave) {
    const QString tooLong = m_dir.filePath(QString(300, u'n') + ".min");
    const QString tooLongText =
        "\r\n名前が長すぎます。パス全体か、その中のファイル名かフォルダ名が、システムの扱える長さを超えています。";
    frmMain *m = StartMain({WriteFile("a.min", "A\r\n")});
    OpenFileInNewDocument(tooLong);
    EXPECT_EQ(Prompts(), QStringList({"ファイルを開けません。\r\n" + tooLong + tooLongText}));
    m_msgBoxes.clear();
    ScriptFileDialogs({tooLong});
    m->mnuFileSaveAs_Click();
    EXPECT_EQ(Prompts(), QStringList({"ファイルを保存できません。\r\n" + tooLong + tooLongText +
                                      "\r\n保存していません。文書は開いたままで、変更もそのまま残っています。"}));
}

TEST_F(ProgramFilesTest, SaveOfAnUntitledDocumentAsksForAName) {
    frmMain *m = StartMain();
    g_SavePathName = m_dir.path();
    m->mnuFileNew_Click();
    Doc(1)->txtText->SetText("N1\r\nN2");
    ScriptFileDialogs({QString()});
    m->mnuFileSave_Click();
    ASSERT_EQ(m_dialogs.size(), 1u);
    const FileDialogRequest &r = m_dialogs[0];
    EXPECT_EQ(r.kind, FileDialogRequest::Kind::SaveAs);
    EXPECT_EQ(r.fileName, "");
    EXPECT_EQ(r.initialFolder, m_dir.path());
    EXPECT_EQ(r.filter, "Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb|All Files (*.*)|*.*");
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_EQ(r.flags, 2050);
    // Cancelled: nothing written, still untitled, no recent entry.
    EXPECT_EQ(Doc(1)->Caption(), "無題 1");
    EXPECT_TRUE(VisibleRecentFiles().isEmpty());
    EXPECT_TRUE(Doc(1)->txtText->DataChanged());
    QDir(m_dir.path()).mkdir("sub");
    const QString path = m_dir.filePath("sub/Neu");
    ScriptFileDialogs({path});
    m->mnuFileSave_Click();
    EXPECT_EQ(ReadFile(path), QByteArray("N1\r\nN2"));  // the name as typed, no extension added
    EXPECT_EQ(Doc(1)->FilePath(), path);
    EXPECT_EQ(Doc(1)->Caption(), path.toUpper());
    EXPECT_FALSE(Doc(1)->txtText->DataChanged());
    EXPECT_EQ(g_SavePathName, m_dir.filePath("sub"));
    EXPECT_EQ(VisibleRecentFiles(), QStringList({path}));
    // Save As of a titled document proposes its path and adds it again.
    ScriptFileDialogs({path});
    m->mnuFileSaveAs_Click();
    EXPECT_EQ(m_dialogs.back().fileName, path);
    EXPECT_EQ(VisibleRecentFiles(), QStringList({path, path}));
}

TEST_F(ProgramFilesTest, OpenDialogOpensTheChosenFile) {
    const QString a = WriteFile("a.min", "A\r\n");
    frmMain *m = StartMain();
    g_OpenPathName = RootFolder();
    ScriptFileDialogs({QString(), a});
    m->mnuFileOpen_Click();
    EXPECT_TRUE(OpenDocumentWindows().isEmpty());
    EXPECT_EQ(m_dialogs[0].kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(m_dialogs[0].initialFolder, RootFolder());
    EXPECT_EQ(m_dialogs[0].filter, "All Files (*.*)|*.*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb");
    EXPECT_EQ(m_dialogs[0].flags, 0);
    EXPECT_EQ(g_OpenPathName, RootFolder());
    m->mnuFileOpen_Click();
    EXPECT_EQ(Doc(1)->txtText->Text(), "A\r\n");
    EXPECT_EQ(g_OpenPathName, m_dir.path());
    EXPECT_TRUE(m->mnuEdit->menuAction()->isVisible());
}

TEST_F(ProgramFilesTest, RecentFilesNewestFirst) {
    const QString a = WriteFile("a.min", "A"), b = WriteFile("b.min", "B"), c = WriteFile("c.min", "C");
    frmMain *m = StartMain();
    for (const QString &f : {a, b, c}) OpenFileInNewDocument(f);
    EXPECT_EQ(VisibleRecentFiles(), QStringList({c, b, a}));
    EXPECT_EQ(m->mnuFileRecentFile[4]->text(), "RecentFile1");
    // Opening the same file again gives a second window and a second entry.
    m->mnuFileRecentFile_Click(3);
    EXPECT_EQ(Doc(4)->Caption(), a.toUpper());
    EXPECT_EQ(VisibleRecentFiles(), QStringList({a, c, b, a}));
    for (const QString &f : {b, c}) OpenFileInNewDocument(f);
    EXPECT_EQ(VisibleRecentFiles(), QStringList({c, b, a, c, b}));
}

TEST_F(ProgramFilesTest, AnEntryShowsOnlyWhileItHoldsAPath) {
    WriteSettingsFile("[Settings]\nRecentFile2=/kept.min\n");
    StartMain();
    OpenFileInNewDocument(WriteFile("a.min", "A"));
    // Entry 2 used to stay visible with the placeholder caption "RecentFile1".
    EXPECT_EQ(VisibleRecentFiles(), QStringList({m_dir.filePath("a.min"), "/kept.min"}));
}

TEST_F(ProgramFilesTest, ClosingAChangedDocumentAsks) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    m->mnuFileNew_Click();
    Doc(2)->txtTextB->SetText("N1");  // a change in pane B alone is a change
    EXPECT_TRUE(Doc(2)->txtText->DataChanged());
    Answer({vbCancel});
    EXPECT_FALSE(Doc(2)->Unload());
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_EQ(m_msgBoxes[0].prompt, kCloseQuestionOf2);
    EXPECT_EQ(m_msgBoxes[0].title, "Brennvik Ver.3.14");
    EXPECT_EQ(m_msgBoxes[0].buttons, vbYesNoCancel | vbExclamation);
    EXPECT_TRUE(g_DocumentInUse[2]);
    Answer({vbNo});
    EXPECT_TRUE(Doc(2)->Unload());
    EXPECT_FALSE(g_DocumentInUse[2]);
    // An unchanged window closes without a question.
    m_msgBoxes.clear();
    EXPECT_TRUE(Doc(1)->Unload());
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(ProgramFilesTest, YesWithoutAWrittenFileKeepsTheWindowOpen) {
    const QString old = WriteFile("old.min", "OLD\r\n");
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    m->mnuFileNew_Click();
    Doc(2)->txtText->SetText("N1");
    // Yes, then a cancelled file-name dialog, used to close the window and lose the work.
    Answer({vbYes});
    ScriptFileDialogs({QString()});
    EXPECT_FALSE(Doc(2)->Unload());
    EXPECT_EQ(m_dialogs.size(), 1u);
    EXPECT_TRUE(g_DocumentInUse[2]);
    // Yes and a save that fails: the window stays as well.
    Answer({vbYes, vbOK});
    ScriptFileDialogs({old + "/x.min"});
    EXPECT_FALSE(Doc(2)->Unload());
    EXPECT_TRUE(g_DocumentInUse[2]);
    EXPECT_TRUE(Doc(2)->txtText->DataChanged());
    // Yes and a written file closes it.
    const QString path = m_dir.filePath("two.min");
    Answer({vbYes});
    ScriptFileDialogs({path});
    EXPECT_TRUE(Doc(2)->Unload());
    EXPECT_EQ(ReadFile(path), QByteArray("N1"));
    EXPECT_FALSE(g_DocumentInUse[2]);
}

TEST_F(ProgramFilesTest, FileCloseAsksThenTheWindowAsksAgain) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    m->mnuFileNew_Click();
    Doc(2)->txtText->SetText("N1");
    Answer({vbCancel});
    m->mnuFileClose_Click();
    EXPECT_EQ(Prompts(), QStringList({"データが変更されています。保存しますか ?"}));
    EXPECT_EQ(m_msgBoxes[0].title, "Brennvik");
    EXPECT_EQ(m_msgBoxes[0].buttons, vbYesNoCancel | vbExclamation);
    EXPECT_TRUE(g_DocumentInUse[2]);
    m_msgBoxes.clear();
    Answer({vbYes});
    ScriptFileDialogs({QString()});
    m->mnuFileClose_Click();
    EXPECT_EQ(Prompts(), QStringList({"データが変更されています。保存しますか ?"}));  // nothing written: it stays
    EXPECT_TRUE(g_DocumentInUse[2]);
    m_msgBoxes.clear();
    Answer({vbNo, vbNo});
    m->mnuFileClose_Click();
    EXPECT_EQ(Prompts(), QStringList({"データが変更されています。保存しますか ?", kCloseQuestionOf2}));
    EXPECT_FALSE(g_DocumentInUse[2]);
}

TEST_F(ProgramFilesTest, ExitWithAChangedDocumentAndCancelKeepsTheProgramRunning) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    m->mnuFileNew_Click();
    m->mnuFileNew_Click();
    Doc(1)->txtText->SetText("N1");
    Doc(2)->txtText->SetText("N2");
    Answer({vbNo, vbCancel});
    m->mnuFileExit_Click();
    EXPECT_EQ(Prompts(), QStringList({"[無題 1]は変更されています。\r\n保存をしますか ?", kCloseQuestionOf2}));
    EXPECT_TRUE(m->isVisible());
    // Every window stays as it was, also those whose question came first.
    for (int n = 1; n <= 3; ++n) EXPECT_TRUE(g_DocumentInUse[n]) << n;
    EXPECT_TRUE(Doc(1)->txtText->DataChanged());
    // Yes with a cancelled file-name dialog stops the exit too.
    m_msgBoxes.clear();
    Answer({vbYes});
    ScriptFileDialogs({QString()});
    EXPECT_FALSE(m->close());
    EXPECT_EQ(m_msgBoxes.size(), 1u);
    for (int n = 1; n <= 3; ++n) EXPECT_TRUE(g_DocumentInUse[n]) << n;
    m_msgBoxes.clear();
    Answer({vbNo, vbNo});
    ClearSettingsWriteLog();
    EXPECT_TRUE(m->close());
    EXPECT_EQ(m_msgBoxes.size(), 2u);  // each asked once
    EXPECT_FALSE(SettingsWriteLog().isEmpty());
    delete m;
    m_main = nullptr;
}

TEST_F(ProgramFilesTest, SavingInTheTurretViewWritesTheSavedFormOfItsOwnSlot) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    m->mnuFileNew_Click();
    g_DocumentSplit[1] = true;
    g_DocumentHeader[1] = "O1234\r\n";
    g_DocumentTrailer[1] = "%\r\n";
    g_DocumentHeader[2] = "WRONG\r\n";
    Doc(1)->txtText->SetText("");
    Doc(1)->txtTextB->SetText("N004 G00 X200.");
    // Slot 2 had the focus last; the save of window 1 used to take slot 2's view state.
    Activate(Doc(1));
    g_CurrentDocument = 2;
    const QString path = m_dir.filePath("ab.min");
    ScriptFileDialogs({path, path});
    m->mnuFileSave_Click();
    EXPECT_EQ(ReadFile(path), QByteArray("O1234\r\nG13\r\n\r\nG14\r\nN004 G00 X200.\r\nNEND M02\r\n%\r\n"));
    EXPECT_EQ(g_DocumentPartA[1], "\r\n");
    EXPECT_EQ(g_DocumentPartB[1], "N004 G00 X200.\r\n");
    EXPECT_EQ(g_DocumentHeader[1], "O1234\r\n");  // the view stays on and can be saved again
    Doc(1)->txtText->SetText("N002 G00 X100. Z50.\r\n");
    m->mnuFileSaveAs_Click();
    EXPECT_EQ(ReadFile(path),
              QByteArray("O1234\r\nG13\r\nN002 G00 X100. Z50.\r\nG14\r\nN004 G00 X200.\r\nNEND M02\r\n%\r\n"));
}

TEST_F(ProgramFilesTest, SavedFormOfTurretsAlwaysWritesEverySection) {
    EXPECT_EQ(SavedFormOfTurrets("O1234\r\n(TURRET TEST)\r\n", "N002 G00 X100. Z50.\r\n", "N004 G00 X200.\r\n", "%\r\n"),
              "O1234\r\n(TURRET TEST)\r\nG13\r\nN002 G00 X100. Z50.\r\nG14\r\nN004 G00 X200.\r\nNEND M02\r\n%\r\n");
    EXPECT_EQ(SavedFormOfTurrets("", "", "", ""), "G13\r\n\r\nG14\r\n\r\nNEND M02\r\n");
    EXPECT_EQ(SavedFormOfTurrets("H\r\n", "A", "B", ""), "H\r\nG13\r\nA\r\nG14\r\nB\r\nNEND M02\r\n");
}

TEST_F(ProgramFilesTest, ClipboardCommandsWorkOnTheFocusedPane) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    frmDocument *d = Doc(1);
    d->txtText->SetText("N1 X10.\r\nN2");
    d->txtText->SetDataChanged(false);
    d->txtText->Select(0, 2);
    m->mnuEditCopy_Click();
    EXPECT_EQ(ClipboardGetText(), "N1");
    d->txtText->Select(3, 0);
    m->mnuEditCopy_Click();
    EXPECT_EQ(ClipboardGetText(), "");  // nothing selected empties the clipboard
    EXPECT_FALSE(d->txtText->DataChanged());
    d->txtText->Select(2, 7);
    m->mnuEditCut_Click();
    EXPECT_EQ(ClipboardGetText(), " X10.\r\n");
    EXPECT_EQ(d->txtText->Text(), "N1N2");
    EXPECT_TRUE(d->txtText->DataChanged());
    EXPECT_TRUE(m->mnuEditUndo->isEnabled());
    g_DocumentSplit[1] = true;
    d->Form_Resize();
    d->txtTextB->setFocus();
    QApplication::processEvents();
    d->txtTextB->SetText("B");
    d->txtTextB->SetSelStart(1);
    m->mnuEditPaste_Click();
    EXPECT_EQ(d->txtTextB->Text(), "B X10.\r\n");
    EXPECT_EQ(d->txtText->Text(), "N1N2");
    // With nothing on the clipboard, a paste leaves the selection alone.
    ClipboardClear();
    d->txtTextB->Select(0, 1);
    m->mnuEditPaste_Click();
    EXPECT_EQ(d->txtTextB->Text(), "B X10.\r\n");
}

}  // namespace
}  // namespace brennvik
