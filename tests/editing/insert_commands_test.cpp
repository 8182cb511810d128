// The Insert menu: the program header from the comment template, the title
// lines, the date and whole files, at the caret of the focused pane.
#include "editing_fixture.h"

#include "editing/insert_commands.h"
#include "editing/turret_view.h"
#include "platform/AnsiCodec.h"
#include "platform/Clock.h"
#include "workspace/frmMain.h"
#include "workspace/workspace_state.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace brennvik {
namespace {

class InsertCommandsTest : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        SetClock([] { return QDateTime(QDate(2024, 3, 5), QTime(23, 59)); });
    }
    void Run(const char *entry) { ASSERT_TRUE(m_main->RunCommand(QString::fromLatin1(entry))) << entry; }
};

TEST_F(InsertCommandsTest, HeaderFromTheShippedTemplate) {
    QFile shipped(CommentTemplatePath());
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly)) << "Comment.txt is copied beside the program";
    const QString templateText = AnsiCodec::decode(shipped.readAll()).text;
    ASSERT_TRUE(templateText.contains(QStringLiteral("品名")));
    RichTextPane *pane = OpenDocument(QStringLiteral("O1\r\n"));
    pane->SetSelStart(4);
    Run("mnuInsertComment_1");
    // The edit date closes the template's last line.
    EXPECT_EQ(pane->Text(), QStringLiteral("O1\r\n") + templateText + QStringLiteral(" EDIT DATE  : 2024.03.05   )\r\n \r\n"));
    EXPECT_TRUE(pane->Text().contains(QStringLiteral("\r\n( EDIT DATE  : 2024.03.05   )\r\n \r\n")));
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(InsertCommandsTest, HeaderTemplates) {
    const struct {
        const char *what;
        QByteArray bytes;
        const char *inserted;
    } cases[] = {
        {"empty template", "", " EDIT DATE  : 2024.03.05   )\r\n \r\n"},
        {"template ending with a line end", "(HEAD)\r\n", "(HEAD)\r\n EDIT DATE  : 2024.03.05   )\r\n \r\n"},
        {"Shift-JIS template", AnsiCodec::encode(QStringLiteral("(品名:\r\n(")).bytes,
         "(品名:\r\n( EDIT DATE  : 2024.03.05   )\r\n \r\n"},
    };
    RichTextPane *pane = OpenDocument(QString());
    for (const auto &c : cases) {
        pane->SetText(QStringLiteral("[sel]"));
        pane->Select(0, 5);
        InsertCommentHeader(WriteFile(QStringLiteral("Comment.txt"), c.bytes));
        EXPECT_EQ(pane->Text(), QString::fromUtf8(c.inserted)) << c.what;
    }
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(InsertCommandsTest, MissingTemplateIsReportedAndInsertsNothing) {
    RichTextPane *pane = OpenDocument(QStringLiteral("O1"));
    InsertCommentHeader(m_dir.filePath(QStringLiteral("none/Comment.txt")));
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_EQ(m_msgBoxes[0].prompt, "パスが見つかりません。");
    EXPECT_EQ(m_msgBoxes[0].title, "エラー 76");
    // A folder in its place cannot be read: any other failure.
    QDir(m_dir.path()).mkdir(QStringLiteral("Comment.txt"));
    InsertCommentHeader(m_dir.filePath(QStringLiteral("Comment.txt")));
    ASSERT_EQ(m_msgBoxes.size(), 2u);
    EXPECT_EQ(m_msgBoxes[1].prompt, "エラーです。");
    EXPECT_EQ(pane->Text(), "O1");
}

TEST_F(InsertCommandsTest, TitleLinesPutTheCaretBehindTheLabel) {
    const struct {
        int k;
        const char *caption;
        const char *line;
        int caret;
    } titles[] = {
        {1, "空", "(-----<  >-----)", 8},
        {2, "外径荒引", "(-----< OD.ROUGH >-----)", 16},
        {3, "内径荒引", "(-----< ID.ROUGH >-----)", 16},
        {4, "外径仕上", "(-----< OD.FINISH >-----)", 17},
        {5, "内径仕上", "(-----< ID.FINISH >-----)", 17},
        {6, "外径溝入", "(-----< OD.GROOVE W >-----)", 19},
        {7, "内径溝入", "(-----< ID.GROOVE W >-----)", 19},
        {8, "端面溝入", "(-----< FACE GROOVE W >-----)", 21},
        {9, "外径ネジ", "(-----< OD.THREAD >-----)", 17},
        {10, "内径ネジ", "(-----< ID.THREAD >-----)", 17},
        {11, "外径ヌスミ", "(-----< OD.NECKING >-----)", 18},
        {12, "内径ヌスミ", "(-----< ID.NECKING >-----)", 18},
        {13, "ドリル", "(-----< DRILL >-----)", 13},
        {14, "タップ", "(-----< TAP >-----)", 11},
        {15, "リーマ", "(-----< REAMER >-----)", 14},
        {16, "面取り", "(-----< CHAMFER >-----)", 15},
        {17, "バリ取り", "(-----< DEBURRING >-----)", 17},
    };
    RichTextPane *pane = OpenDocument(QString());
    for (const auto &t : titles) {
        const QString name = QStringLiteral("mnuInsertComment2_%1").arg(t.k);
        QAction *entry = m_main->Entry(name);
        ASSERT_NE(entry, nullptr) << t.k;
        EXPECT_EQ(entry->text(), QString::fromUtf8(t.caption));
        pane->SetText(QStringLiteral("O1\r\n[sel]"));
        pane->Select(4, 5);
        entry->trigger();
        EXPECT_EQ(pane->Text(), QStringLiteral("O1\r\n") + QString::fromLatin1(t.line) + QStringLiteral("\r\n")) << t.k;
        EXPECT_EQ(pane->SelStart(), 4 + t.caret) << t.k;
    }
}

TEST_F(InsertCommandsTest, DateHasNoLineEnd) {
    RichTextPane *pane = OpenDocument(QStringLiteral("(DATE ?)"));
    pane->Select(6, 1);
    Run("mnuInsertComment_3");
    EXPECT_EQ(pane->Text(), "(DATE 2024.03.05)");
    EXPECT_EQ(pane->SelStart(), 16);
}

TEST_F(InsertCommandsTest, FileSizeLimit) {
    RichTextPane *pane = OpenDocument(QString());
    const QString fits = WriteFile(QStringLiteral("fits.lib"), QByteArray(65000, 'X'));
    const QString tooLong = WriteFile(QStringLiteral("long.lib"), QByteArray(65001, 'X'));
    g_InsertPathName = QStringLiteral("/nowhere");
    m_openFileAnswer = tooLong;
    Run("mnuInsertFile");
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_EQ(m_msgBoxes[0].prompt, "このファイルはサイズが大きすぎるため開くことが出来ません。");
    EXPECT_EQ(m_msgBoxes[0].title, "Brennvik");
    EXPECT_EQ(pane->Text(), "");
    ASSERT_EQ(m_openFileRequests.size(), 1u);
    EXPECT_EQ(m_openFileRequests[0].initialFolder, "/nowhere");
    EXPECT_EQ(m_openFileRequests[0].filter, "All Files (*.*)|*.*|LIB File (*.lib)|*.lib|System Sub (*.ssb)|*.ssb");
    EXPECT_EQ(g_InsertPathName, QDir::toNativeSeparators(QFileInfo(tooLong).absolutePath()));

    m_openFileAnswer = fits;
    Run("mnuInsertFile");
    EXPECT_EQ(pane->Text().size(), 65000);
    EXPECT_EQ(m_msgBoxes.size(), 1u);
}

TEST_F(InsertCommandsTest, ShiftJisFileIntoPaneBWithoutLineEnd) {
    const QString text = QStringLiteral("(サブプログラム)\r\nN001 G00 X10.\r\nNRTS RTS");
    const QString file = WriteFile(QStringLiteral("sub.ssb"), AnsiCodec::encode(text).bytes);
    RichTextPane *paneA = OpenDocument(QStringLiteral("G13\r\nA1\r\nG14\r\nB1\r\nNEND M02\r\n"));
    mnuAbView_Click();
    frmDocument *doc = g_Documents[g_CurrentDocument];
    doc->txtTextB_GotFocus();
    doc->txtTextB->SetSelStart(4);
    m_openFileAnswer = file;
    Run("mnuInsertFile");
    EXPECT_EQ(doc->txtTextB->Text(), QStringLiteral("B1\r\n") + text);
    EXPECT_EQ(paneA->Text(), "A1\r\n");
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(InsertCommandsTest, CancelIsSilentAndFailuresAreReported) {
    RichTextPane *pane = OpenDocument(QStringLiteral("O1"));
    g_InsertPathName = QStringLiteral("/kept");
    m_openFileAnswer.clear();
    Run("mnuInsertFile");
    EXPECT_TRUE(m_msgBoxes.empty());
    EXPECT_EQ(g_InsertPathName, "/kept");

    // A file that cannot be read used to end the command without a word.
    m_openFileAnswer = m_dir.filePath(QStringLiteral("gone.min"));
    Run("mnuInsertFile");
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_TRUE(m_msgBoxes[0].prompt.startsWith(m_openFileAnswer + QStringLiteral(" を挿入できませんでした。")));

    // Bytes that are no Shift-JIS would leave characters the document cannot save.
    m_openFileAnswer = WriteFile(QStringLiteral("bad.min"), QByteArray("G00\r\nX\x81\x20"));
    Run("mnuInsertFile");
    ASSERT_EQ(m_msgBoxes.size(), 2u);
    EXPECT_TRUE(m_msgBoxes[1].prompt.contains(QStringLiteral("2 行目")));
    EXPECT_EQ(pane->Text(), "O1");
}

}  // namespace
}  // namespace brennvik
