// Messages that quote a document's text, a typed text or a path quote a
// line of ordinary length whole, and only the beginning of a line of a
// megabyte (a path: its beginning and its end), with a mark that it goes on.
// A message box holding a megabyte took the toolkit minutes to lay out.
#include "support/fixtures.h"

#include "editing/frmFind.h"
#include "platform/RichTextPane.h"
#include "workspace/workspace_state.h"
#include "process/cutting_conditions.h"
#include "workspace/document_slots.h"
#include "workspace/frmDocument.h"
#include "workspace/frmMain.h"
#include "workspace/program_files.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace brennvik {
namespace {

const QString kOrdinary = QStringLiteral("N000 G01 X12.345 Z-6.789 F0.2");

// One line of a megabyte that is no path of any file.
QString Megabyte() {
    QString line;
    while (line.size() < 1000000) line += kOrdinary + u' ';
    return line.left(1000000);
}

const QString kNoFolder = QStringLiteral("/no/such/folder/");

class LongQuotesTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        StartMain();
        // Stop at the first question, close documents without saving.
        m_msgBoxAnswer = [](const MsgBoxCall &c) { return (c.buttons & 7) == vbOK ? vbOK : vbNo; };
    }
    RichTextPane *Open(const QString &text) {
        NewDocumentWindow();
        RichTextPane *pane = g_Documents[g_CurrentDocument]->txtText;
        pane->LoadText(text);
        return pane;
    }
    void CloseAll() {
        for (int n = 1; n <= kDocumentSlots; ++n)
            if (g_DocumentInUse[n]) g_Documents[n]->Unload();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(LongQuotesTest, AMessageQuotesAnOrdinaryLineWholeAndOnlyTheBeginningOfAMegabyte) {
    const struct {
        const char *message;
        bool path;  // the beginning and the end of it stand around the mark
        std::function<QString(const QString &)> quoted;  // what the message quotes, whole
        std::function<void(const QString &)> press;
    } rows[] = {
        {"comparison", false, [](const QString &t) { return t; }, [this](const QString &t) {
             RichTextPane *current = Open(t + QStringLiteral("\r\n"));
             Open(t.left(t.size() - 1) + QStringLiteral("#\r\n"));
             g_CurrentDocument = 1;
             m_main->RunCommand(QStringLiteral("mnuToolCompe"));
             // The line is still marked whole.
             EXPECT_EQ(current->SelStart(), 0);
             EXPECT_EQ(current->SelLength(), t.size());
         }},
        {"two-turret view", false, [](const QString &t) { return QStringLiteral("G13 ") + t; },
         [this](const QString &t) {
             Open(QStringLiteral("G13 ") + t + QStringLiteral("\r\nN1\r\nG14\r\nN2\r\nNEND M02\r\n"));
             m_main->RunCommand(QStringLiteral("mnuAbView"));
         }},
        {"find", false, [](const QString &t) { return t.left(32767); }, [this](const QString &t) {
             Open(QStringLiteral("G00\r\n"));
             m_main->RunCommand(QStringLiteral("mnuSearchFind"));
             g_frmFind->txtFind->setText(t);
             g_frmFind->NextFind->click();
             g_frmFind->close();
         }},
        {"file not opened", true, [](const QString &t) { return kNoFolder + t; },
         [](const QString &t) { OpenFileInNewDocument(kNoFolder + t); }},
        {"files left out", true, [](const QString &t) { return kNoFolder + t; }, [this](const QString &t) {
             for (int n = 1; n <= kDocumentSlots; ++n) Open(QString());
             OpenFilesInNewDocuments({kNoFolder + t});
         }},
        {"file not inserted", true, [](const QString &t) { return kNoFolder + t; }, [this](const QString &t) {
             Open(QString());
             m_openFileAnswer = kNoFolder + t;
             m_main->RunCommand(QStringLiteral("mnuInsertFile"));
         }},
        {"cutting conditions", true, [](const QString &t) { return kNoFolder + t; },
         [](const QString &t) { LoadCuttingConditionsFrom(kNoFolder + t); }},
        {"calculator", true, [](const QString &t) { return kNoFolder + t; }, [this](const QString &t) {
             SaveSettingText(QStringLiteral("Settings"), QStringLiteral("CalculatorProgram"), kNoFolder + t);
             m_main->RunCommand(QStringLiteral("mnuToolsCalculator"));
         }},
    };
    const QString megabyte = Megabyte();
    for (const auto &row : rows) {
        for (const QString &text : {kOrdinary, megabyte}) {
            SCOPED_TRACE(std::string(row.message) + (text == kOrdinary ? ", ordinary" : ", a megabyte"));
            m_msgBoxes.clear();
            row.press(text);
            ASSERT_FALSE(m_msgBoxes.empty());
            const QString prompt = m_msgBoxes.front().prompt;
            const QString whole = row.quoted(text);
            if (text == kOrdinary) {
                EXPECT_TRUE(prompt.contains(whole)) << prompt.toStdString();
            } else {
                const QString bounded = row.path ? whole.left(100) + u'…' + whole.right(100) : whole.left(200) + u'…';
                EXPECT_TRUE(prompt.contains(bounded)) << prompt.left(1000).toStdString();
                EXPECT_FALSE(prompt.contains(whole.left(row.path ? 101 : 201)));
                EXPECT_LT(prompt.size(), 1000);
            }
            CloseAll();
        }
    }
}

// Of many files left out, ten are named and the rest counted.
TEST_F(LongQuotesTest, FilesLeftOutAreNamedUpToTenAndTheRestCounted) {
    for (int n = 1; n <= kDocumentSlots; ++n) Open(QString());
    QStringList files;
    for (int i = 1; i <= 25; ++i) files << kNoFolder + QStringLiteral("P%1.MIN").arg(i);
    OpenFilesInNewDocuments(files);
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_EQ(m_msgBoxes[0].prompt, QStringLiteral("同時に開けるファイルは 6 つまでです。次のファイルは開いていません。\r\n") +
                                        files.mid(0, 10).join(QStringLiteral("\r\n")) +
                                        QStringLiteral("\r\nほか 15 件"));
    CloseAll();
}

}  // namespace
}  // namespace brennvik
