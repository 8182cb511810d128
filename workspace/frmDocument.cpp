#include "frmDocument.h"


#include "document_slots.h"
#include "document_windows.h"
#include "frmMain.h"
#include "platform/Colors.h"
#include "platform/FontFallback.h"
#include "platform/MsgBox.h"
#include "platform/RichTextPane.h"
#include "program_files.h"
#include "typing_aid.h"
#include "workspace_state.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace brennvik {

namespace {
constexpr int kDarkBlue = 0xFF0000;
constexpr int kLightBlue = 0xFFC0C0;

QLabel *PaneLabel(const QString &caption, const QString &name, int bgr, QWidget *parent) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, ColorFromBgr(bgr));
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    label->hide();
    return label;
}

void SetBackColor(QLabel *label, int bgr) {
    QPalette p = label->palette();
    p.setColor(QPalette::Window, ColorFromBgr(bgr));
    label->setPalette(p);
}

// Moves a control to a frame given in twips; a negative size keeps the old one.
void PlaceInTwips(QWidget *w, const QRectF &r) {
    const int width = r.width() < 0 ? w->width() : TwipsToPixels(r.width());
    const int height = r.height() < 0 ? w->height() : TwipsToPixels(r.height());
    w->setGeometry(TwipsToPixels(r.left()), TwipsToPixels(r.top()), width, height);
}
}  // namespace

frmDocument::frmDocument(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmDocument"));
    txtText = new RichTextPane(this);
    txtText->setObjectName(QStringLiteral("txtText"));
    txtTextB = new RichTextPane(this);
    txtTextB->setObjectName(QStringLiteral("txtTextB"));
    txtTextB->hide();
    Label1 = PaneLabel(QStringLiteral("A刃物台"), QStringLiteral("Label1"), kDarkBlue, this);
    Label2 = PaneLabel(QStringLiteral("B刃物台"), QStringLiteral("Label2"), kLightBlue, this);
    m_activePane = txtText;
    connect(txtText, &RichTextPane::GotFocus, this, &frmDocument::txtText_GotFocus);
    connect(txtTextB, &RichTextPane::GotFocus, this, &frmDocument::txtTextB_GotFocus);
    connect(txtText, &RichTextPane::Change, this, &frmDocument::txtText_Change);
    connect(txtTextB, &RichTextPane::Change, this, &frmDocument::txtTextB_Change);
    connect(txtText, &RichTextPane::MouseDown, this, &frmDocument::txtText_MouseDown);
    connect(txtTextB, &RichTextPane::MouseDown, this, &frmDocument::txtTextB_MouseDown);
    connect(txtText, &RichTextPane::KeyPress, this, [this](int k) { ApplyTypingAid(txtText, k, false); });
    connect(txtTextB, &RichTextPane::KeyPress, this, [this](int k) { ApplyTypingAid(txtTextB, k, true); });
}

frmDocument::~frmDocument() {
    // A window deleted without being closed still gives its slot back.
    if (m_slot >= 1 && m_slot <= kDocumentSlots && g_Documents[m_slot] == this) g_DocumentInUse[m_slot] = false;
}

RichTextPane *frmDocument::ActivePane() const { return m_activePane; }

void frmDocument::SetFilePath(const QString &path) {
    m_filePath = path;
    setWindowTitle(path.toUpper());
}

QMdiSubWindow *frmDocument::SubWindow() const { return qobject_cast<QMdiSubWindow *>(parentWidget()); }

bool frmDocument::Unload() {
    if (QMdiSubWindow *sub = SubWindow()) return sub->close();
    return close();
}

void frmDocument::Form_Load() {
    m_slot = g_CurrentDocument;
    Form_Resize();
    const QFont font = PaneFont(g_ScreenFontName, int(g_ScreenFontSize));
    txtText->setFont(font);
    txtTextB->setFont(font);
}

void frmDocument::Form_Resize() {
    const bool split = m_slot >= 1 && m_slot <= kDocumentSlots && g_DocumentSplit[m_slot];
    const DocumentPaneLayout l =
        LayoutDocumentPanes(double(width()) * kTwipsPerPixel, double(height()) * kTwipsPerPixel, split);
    // A hidden pane B takes no more insertions: commands write into pane A.
    if (!split && m_activePane == txtTextB) m_activePane = txtText;
    txtTextB->setVisible(split);
    Label1->setVisible(split);
    Label2->setVisible(split);
    PlaceInTwips(txtText, l.paneA);
    if (split) {
        PlaceInTwips(Label1, l.label1);
        PlaceInTwips(Label2, l.label2);
        PlaceInTwips(txtTextB, l.paneB);
    }
}

void frmDocument::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmDocument::PaneGotFocus(RichTextPane *pane, int label1Color, int label2Color) {
    m_activePane = pane;
    SetBackColor(Label1, label1Color);
    SetBackColor(Label2, label2Color);
    g_CurrentDocument = m_slot;
    if (g_RetilePending) {
        RetileDocuments();
        g_RetilePending = false;
    }
    // Modeless search dialogs stay above the document the user clicked.
    if (g_MainWindowHooks.paneFocused) g_MainWindowHooks.paneFocused();
}

void frmDocument::txtText_GotFocus() { PaneGotFocus(txtText, kDarkBlue, kLightBlue); }
void frmDocument::txtTextB_GotFocus() { PaneGotFocus(txtTextB, kLightBlue, kDarkBlue); }

void frmDocument::PaneChanged() {
    if (g_frmMain) {
        g_frmMain->mnuEditUndo->setEnabled(true);
        if (QAction *undo = g_frmMain->ToolButtonByKey(QStringLiteral("元に戻す"))) undo->setEnabled(true);
    }
    // Either pane marks the whole document changed.
    txtText->SetDataChanged(true);
}

void frmDocument::txtText_Change() { PaneChanged(); }
void frmDocument::txtTextB_Change() { PaneChanged(); }

void frmDocument::PaneMouseDown(Qt::MouseButton button, QPoint globalPosition) {
    if (button == Qt::RightButton && g_frmMain) g_frmMain->mnuEdit->popup(globalPosition);
}

void frmDocument::txtText_MouseDown(Qt::MouseButton button, QPoint p) { PaneMouseDown(button, p); }
void frmDocument::txtTextB_MouseDown(Qt::MouseButton button, QPoint p) { PaneMouseDown(button, p); }

bool frmDocument::Form_QueryUnload() {
    if (QMdiSubWindow *sub = SubWindow(); sub && g_frmMain) g_frmMain->mdiArea->setActiveSubWindow(sub);
    if (!txtText->DataChanged()) return true;
    const QString title = g_frmMain ? g_frmMain->windowTitle() : frmMain::Caption();
    const int answer = MsgBox(QStringLiteral("[") + Caption() + QStringLiteral("]は変更されています。\r\n保存をしますか ?"),
                              vbYesNoCancel | vbExclamation, title);
    if (answer == vbNo) return true;
    if (answer != vbYes) return false;
    g_SaveFileName = IsUntitled() ? AskSaveFileName(QString()) : FilePath();
    // No name chosen, or the save failed: the work is not on disk, so the window stays.
    if (g_SaveFileName.isEmpty()) return false;
    return SaveDocument(this, g_SaveFileName);
}

void frmDocument::Form_Unload() {
    if (m_unloaded) return;
    m_unloaded = true;
    g_RetilePending = true;
    if (m_slot >= 1 && m_slot <= kDocumentSlots) g_DocumentInUse[m_slot] = false;
}

void frmDocument::closeEvent(QCloseEvent *event) {
    if (!m_closeApproved && !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
    RetileDocuments();
}

}  // namespace brennvik
