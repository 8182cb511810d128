// Printing, screen font, window list, calculator and help commands of the
// main window.
#include "frmMain.h"

#include "document_windows.h"
#include "external_tools.h"
#include "frmDocument.h"
#include "platform/FontDialog.h"
#include "platform/FontFallback.h"
#include "platform/RichTextPane.h"
#include "printing.h"
#include "runtime.h"
#include "workspace_state.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace brennvik {

void frmMain::mnuFilePrint_Click() { PrintActiveDocument(); }

void frmMain::mnuFileFont_Click() {
    FontChoice font{g_ScreenFontName, double(g_ScreenFontSize)};
    if (!ShowFontDialog(font, PaneFont(g_ScreenFontName, int(g_ScreenFontSize)), QStringLiteral("画面表示のフォント")))
        return;
    g_ScreenFontName = font.name;
    g_ScreenFontSize = CLng(font.size);
    // Only the active window changes now; others keep theirs until reopened.
    frmDocument *doc = ActiveDocumentWindow();
    if (!doc) return;
    const QFont paneFont = PaneFont(g_ScreenFontName, int(g_ScreenFontSize));
    for (RichTextPane *pane : {doc->txtText, doc->txtTextB}) pane->setFont(paneFont);
}

void frmMain::UpdateWindowList() {
    for (QAction *a : m_windowList) {
        mnuView->removeAction(a);
        delete a;
    }
    m_windowList.clear();
    const QList<frmDocument *> docs = OpenDocumentWindows();
    if (docs.isEmpty()) return;
    m_windowList << AddSeparator(mnuView, QStringLiteral("mnuWindowListBar"));
    const frmDocument *active = ActiveDocumentWindow();
    int n = 0;
    for (frmDocument *doc : docs) {
        ++n;
        auto *entry = new QAction(QStringLiteral("&%1 %2").arg(n).arg(doc->Caption()), mnuView);
        entry->setObjectName(QStringLiteral("mnuWindowList_%1").arg(n));
        entry->setCheckable(true);
        entry->setChecked(doc == active);
        QPointer<frmDocument> target(doc);
        connect(entry, &QAction::triggered, this, [this, target] {
            if (!target) return;
            mdiArea->setActiveSubWindow(target->SubWindow());
            target->ActivePane()->setFocus();
        });
        mnuView->addAction(entry);
        m_windowList << entry;
    }
}

void frmMain::mnuToolsCalculator_Click() { StartCalculator(); }

void frmMain::VariableHelp_Click() { OpenHelpFile(QStringLiteral("Variable.hlp")); }

}  // namespace brennvik
