#include "documents_fixture.h"

#include "platform/RichTextPane.h"
#include "workspace/document_slots.h"
#include "workspace/document_windows.h"
#include "workspace/frmDocument.h"
#include "workspace/frmMain.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace brennvik {
namespace {

class DocumentWindowsTest : public DocumentsFixture {
protected:
    QStringList Captions() const {
        QStringList out;
        for (frmDocument *d : OpenDocumentWindows()) out << d->Caption();
        return out;
    }
    static QColor BackColor(QLabel *l) { return l->palette().color(QPalette::Window); }
    // The user clicks into a pane.
    static void ClickInto(RichTextPane *pane) {
        pane->setFocus();
        QApplication::processEvents();
    }
};

TEST_F(DocumentWindowsTest, NewWindowTakesTheLowestFreeSlotWithAFreshWindow) {
    frmMain *m = StartMain();
    for (int i = 0; i < 4; ++i) m->mnuFileNew_Click();
    EXPECT_EQ(Captions(), QStringList({"無題 1", "無題 2", "無題 3", "無題 4"}));
    QPointer<frmDocument> old = Doc(3);
    g_DocumentSplit[3] = true;
    ASSERT_TRUE(Doc(3)->Unload());
    QApplication::processEvents();
    EXPECT_FALSE(g_DocumentInUse[3]);
    m->mnuFileNew_Click();
    EXPECT_EQ(g_CurrentDocument, 3);
    EXPECT_NE(Doc(3), old.data());
    EXPECT_FALSE(g_DocumentSplit[3]);
    EXPECT_EQ(Doc(3)->Caption(), "無題 3");
    EXPECT_EQ(Doc(3)->SubWindow()->windowTitle(), "無題 3");
    EXPECT_EQ(ActiveDocumentWindow(), Doc(3));
}

// The default screen font does not exist here; the toolkit's stand-in was
// proportional, so "N000     X40" did not line up under "N000 G01 Z0.5".
TEST_F(DocumentWindowsTest, PanesWriteInColumnsWithTheDefaultFont) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    EXPECT_EQ(g_ScreenFontName, "ＭＳ ゴシック");
    for (RichTextPane *pane : {Doc(1)->txtText, Doc(1)->txtTextB}) {
        const QFontMetrics metrics(pane->font());
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("N000 G01 ")),
                  metrics.horizontalAdvance(QStringLiteral("N000     ")));
        EXPECT_TRUE(metrics.inFont(QChar(0x5DE5))) << "Japanese in the pane's own font";
        EXPECT_EQ(pane->font().pointSize(), 12);
    }
}

TEST_F(DocumentWindowsTest, SeventhDocumentIsRefusedAndTheCurrentOneStays) {
    frmMain *m = StartMain();
    for (int i = 0; i < 6; ++i) m->mnuFileNew_Click();
    EXPECT_TRUE(m_msgBoxes.empty());
    ClickInto(Doc(4)->txtText);
    ASSERT_EQ(g_CurrentDocument, 4);
    m->mnuFileNew_Click();
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_EQ(m_msgBoxes[0].prompt, "同時にこれ以上ファイルを開けません。");
    EXPECT_EQ(m_msgBoxes[0].buttons, vbOKOnly | vbExclamation);
    EXPECT_EQ(m_msgBoxes[0].title, "Brennvik");
    // The refusal used to leave slot 0 current, so the next command found no document.
    EXPECT_EQ(g_CurrentDocument, 4);
    EXPECT_EQ(m->mdiArea->subWindowList().size(), 6);
    // Opening a file is refused the same way: no window, no recent entry.
    const QString file = WriteFile("a.min", "N1\r\n");
    m_msgBoxes.clear();
    m->mnuFileRecentFile[1]->setText(file);
    m->mnuFileRecentFile_Click(1);
    EXPECT_EQ(Prompts(), QStringList({"同時にこれ以上ファイルを開けません。"}));
    EXPECT_EQ(m->mdiArea->subWindowList().size(), 6);
    EXPECT_EQ(m->mnuFileRecentFile[2]->text(), "RecentFile2");
    EXPECT_EQ(g_CurrentDocument, 4);
}

TEST_F(DocumentWindowsTest, FirstDocumentShowsTheDocumentCommands) {
    frmMain *m = StartMain();
    EXPECT_FALSE(m->mnuEdit->menuAction()->isVisible());
    m->mnuFileNew_Click();
    for (QMenu *menu : {m->mnuEdit, m->mnuInsert, m->Process, m->mnuTools, m->ClosPoint, m->Gcode, m->Mcode})
        EXPECT_TRUE(menu->menuAction()->isVisible()) << menu->objectName().toStdString();
    for (int i = 1; i <= 33; ++i) EXPECT_TRUE(m->ToolButton(i)->isVisible()) << i;
    for (QAction *a : {m->mnuFileSave, m->mnuFileSaveAs, m->mnuFileClose, m->mnuFilePrint, m->mnuEditCopy,
                       m->mnuEditCut, m->mnuEditPaste, m->Entry("mnuToolsSizeShift"), m->Entry("mnuToolsNumberArrange"),
                       m->Entry("mnuSearchFind"), m->Entry("mnuSearchReplace"), m->Entry("mnuSearchNextFind")})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    // Undo waits for the first change; Redo never comes.
    EXPECT_FALSE(m->mnuEditUndo->isEnabled());
    EXPECT_FALSE(m->ToolButton(12)->isEnabled());
    EXPECT_FALSE(Doc(1)->txtText->DataChanged());
    Doc(1)->txtText->SetSelText("N1");
    EXPECT_TRUE(m->mnuEditUndo->isEnabled());
    EXPECT_TRUE(m->ToolButton(12)->isEnabled());
    EXPECT_FALSE(m->mnuEditRedo->isEnabled());
    // Closing the last document hides nothing.
    Doc(1)->Unload();
    EXPECT_TRUE(m->mnuEdit->menuAction()->isVisible());
}

TEST_F(DocumentWindowsTest, TileRectsFormAGrid) {
    const QSize area(900, 600);
    const struct {
        int count;
        bool horizontal;
        QList<QRect> rects;
    } cases[] = {
        {1, false, {QRect(0, 0, 900, 600)}},
        {2, false, {QRect(0, 0, 450, 600), QRect(450, 0, 450, 600)}},
        {2, true, {QRect(0, 0, 900, 300), QRect(0, 300, 900, 300)}},
        {3, true, {QRect(0, 0, 900, 200), QRect(0, 200, 900, 200), QRect(0, 400, 900, 200)}},
        {5, false,
         {QRect(0, 0, 450, 300), QRect(0, 300, 450, 300), QRect(450, 0, 450, 200), QRect(450, 200, 450, 200),
          QRect(450, 400, 450, 200)}},
        {5, true,
         {QRect(0, 0, 450, 300), QRect(450, 0, 450, 300), QRect(0, 300, 300, 300), QRect(300, 300, 300, 300),
          QRect(600, 300, 300, 300)}},
        {0, false, {}},
    };
    for (const auto &c : cases) EXPECT_EQ(TileRects(c.count, area, c.horizontal), c.rects) << c.count << c.horizontal;
}

TEST_F(DocumentWindowsTest, TilingEntriesArrangeTheWindowsAndKeepTheirMark) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    m->mnuFileNew_Click();
    const QSize area = m->mdiArea->contentsRect().size();
    // Side by side at start: the vertical entry carries the mark.
    EXPECT_TRUE(m->mnuWindowTileVertical->isChecked());
    EXPECT_EQ(Doc(2)->SubWindow()->geometry(), QRect(area.width() / 2, 0, area.width() / 2, area.height()));
    m->mnuWindowTileHorizontal->trigger();
    EXPECT_TRUE(m->mnuWindowTileHorizontal->isChecked());
    EXPECT_FALSE(m->mnuWindowTileVertical->isChecked());
    EXPECT_EQ(Doc(2)->SubWindow()->geometry(), QRect(0, area.height() / 2, area.width(), area.height() / 2));
    // A new window and a resized main window are tiled by the marked entry.
    m->mnuFileNew_Click();
    EXPECT_EQ(Doc(3)->SubWindow()->geometry(),
              QRect(0, 2 * (area.height() / 3), area.width(), area.height() / 3));
    m->resize(m->width() + 150, m->height() + 90);
    const QSize bigger = m->mdiArea->contentsRect().size();
    ASSERT_NE(bigger, area);
    EXPECT_EQ(Doc(1)->SubWindow()->geometry(), QRect(0, 0, bigger.width(), bigger.height() / 3));
    m->mnuWindowTileVertical->trigger();
    EXPECT_TRUE(m->mnuWindowTileVertical->isChecked());
    EXPECT_FALSE(m->mnuWindowTileHorizontal->isChecked());
    EXPECT_EQ(Doc(1)->SubWindow()->width(), bigger.width() / 3);
}

TEST_F(DocumentWindowsTest, PaneLayoutInTwips) {
    const DocumentPaneLayout plain = LayoutDocumentPanes(6000, 4000, false);
    EXPECT_EQ(plain.paneA, QRectF(15, 15, 5970, 3970));
    const DocumentPaneLayout split = LayoutDocumentPanes(6000, 4000, true);
    EXPECT_EQ(split.paneA, QRectF(15, 315, 2975, 3670));
    EXPECT_EQ(split.paneB, QRectF(3020, 315, 2975, 3670));
    EXPECT_EQ(split.label1.topLeft(), QPointF(15, 0));
    EXPECT_EQ(split.label2.topLeft(), QPointF(3020, 0));
}

TEST_F(DocumentWindowsTest, EachWindowLaysOutItsPanesFromItsOwnSize) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    m->mnuFileNew_Click();
    g_DocumentSplit[2] = true;
    Doc(1)->SubWindow()->resize(400, 300);
    Doc(2)->SubWindow()->resize(600, 400);  // 9000 × 6000 twips inside, less the frame
    // Resizing window 2 used to lay out window 1 with window 2's size.
    for (frmDocument *d : {Doc(1), Doc(2)}) {
        const QSize own = d->size();
        if (d == Doc(1)) {
            EXPECT_EQ(d->txtText->geometry(), QRect(1, 1, own.width() - 2, own.height() - 2));
            EXPECT_FALSE(d->txtTextB->isVisibleTo(d));
            EXPECT_FALSE(d->Label1->isVisibleTo(d));
        } else {
            const double w = own.width() * 15.0, h = own.height() * 15.0;
            EXPECT_EQ(d->txtText->geometry(),
                      QRect(1, 21, TwipsToPixels((w - 50) / 2), TwipsToPixels(h - 330)));
            EXPECT_EQ(d->txtTextB->geometry().left(), TwipsToPixels(w / 2 + 20));
            EXPECT_TRUE(d->txtTextB->isVisibleTo(d));
            EXPECT_TRUE(d->Label1->isVisibleTo(d));
            EXPECT_TRUE(d->Label2->isVisibleTo(d));
        }
    }
}

TEST_F(DocumentWindowsTest, PaneFocusMakesItsSlotCurrentAndDarkensItsLabel) {
    frmMain *m = StartMain();
    for (int i = 0; i < 3; ++i) m->mnuFileNew_Click();
    g_DocumentSplit[3] = true;
    Doc(3)->Form_Resize();
    ClickInto(Doc(1)->txtText);
    EXPECT_EQ(g_CurrentDocument, 1);
    ClickInto(Doc(3)->txtTextB);
    EXPECT_EQ(g_CurrentDocument, 3);
    EXPECT_EQ(BackColor(Doc(3)->Label2), QColor(0, 0, 255));
    EXPECT_EQ(BackColor(Doc(3)->Label1), QColor(0xC0, 0xC0, 0xFF));
    EXPECT_EQ(Doc(3)->ActivePane(), Doc(3)->txtTextB);
    EXPECT_EQ(ActivePaneOfCurrentDocument(), Doc(3)->txtTextB);
    ClickInto(Doc(3)->txtText);
    EXPECT_EQ(BackColor(Doc(3)->Label1), QColor(0, 0, 255));
    EXPECT_EQ(BackColor(Doc(3)->Label2), QColor(0xC0, 0xC0, 0xFF));
    EXPECT_EQ(Doc(3)->Label1->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(Doc(3)->Label1->text(), "A刃物台");
    EXPECT_EQ(Doc(3)->Label2->text(), "B刃物台");
}

TEST_F(DocumentWindowsTest, AClosedWindowRetilesAtTheNextPaneFocusOnce) {
    frmMain *m = StartMain();
    for (int i = 0; i < 3; ++i) m->mnuFileNew_Click();
    const QSize area = m->mdiArea->contentsRect().size();
    Doc(3)->Unload();
    EXPECT_TRUE(g_RetilePending);
    Doc(1)->SubWindow()->setGeometry(10, 10, 200, 150);
    ClickInto(Doc(2)->txtText);
    EXPECT_FALSE(g_RetilePending);
    EXPECT_EQ(Doc(1)->SubWindow()->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    Doc(1)->SubWindow()->setGeometry(10, 10, 200, 150);
    ClickInto(Doc(1)->txtText);
    EXPECT_EQ(Doc(1)->SubWindow()->geometry(), QRect(10, 10, 200, 150));
}

TEST_F(DocumentWindowsTest, ClosedCurrentSlotIsNoDocument) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    Doc(1)->Unload();
    QApplication::processEvents();
    EXPECT_EQ(g_CurrentDocument, 1);  // closing leaves it
    try {
        CurrentDocumentWindow();
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), kErrObjectNotSet);
    }
    // The file and clipboard commands find no document and do nothing.
    m->mnuFileSave_Click();
    m->mnuFileSaveAs_Click();
    m->mnuFileClose_Click();
    m->mnuEditCut_Click();
    m->mnuEditPaste_Click();
    EXPECT_TRUE(m_dialogs.empty());
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(DocumentWindowsTest, RightClickPopsUpTheEditMenu) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    RichTextPane *pane = Doc(1)->txtText;
    QTest::mouseClick(pane->viewport(), Qt::LeftButton);
    EXPECT_FALSE(m->mnuEdit->isVisible());
    QTest::mouseClick(pane->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(m->mnuEdit->isVisible());
    m->mnuEdit->hide();
}

TEST_F(DocumentWindowsTest, DroppedFilesOpenInTheirOrder) {
    frmMain *m = StartMain();
    const QString a = WriteFile("a.min", "A\r\n"), b = WriteFile("b.min", "B\r\n"), c = WriteFile("c.min", "C\r\n");
    QMimeData text;
    text.setText("N000 G00");
    QDropEvent ignored(QPointF(50, 80), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m, &ignored);
    EXPECT_TRUE(OpenDocumentWindows().isEmpty());
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b), QUrl::fromLocalFile(c)});
    QDragEnterEvent enter(QPoint(50, 80), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 80), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m, &drop);
    EXPECT_EQ(Captions(), QStringList({a.toUpper(), b.toUpper(), c.toUpper()}));
    EXPECT_EQ(Doc(3)->txtText->Text(), "C\r\n");
    EXPECT_TRUE(m->mnuEdit->menuAction()->isVisible());
    EXPECT_EQ(m->mnuFileRecentFile[1]->text(), c);
    // Over a pane the files go on to the main window instead of being pasted as names.
    QDragEnterEvent overPane(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Doc(1)->txtText->viewport(), &overPane);
    EXPECT_TRUE(overPane.isAccepted());
    QDropEvent dropOnPane(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Doc(1)->txtText->viewport(), &dropOnPane);
    EXPECT_EQ(Doc(1)->txtText->Text(), "A\r\n");
}

}  // namespace
}  // namespace brennvik
