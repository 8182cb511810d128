#pragma once
// Document windows in their slots: creating one in a free slot, the active
// one, arranging them in the main window, and closing them all.

#include <QList>
#include <QRectF>
#include <QSize>
#include <cstdint>

class QRect;
class QWidget;

namespace brennvik {

class frmDocument;
class RichTextPane;

// Takes the lowest free slot and shows an empty document window in it; it is
// then the current document. Returns the slot, or 0 when all six are taken:
// the refusal is shown and the current document stays as it was.
int16_t NewDocumentWindow();

// The main window's active document window, or null when no document is open.
frmDocument *ActiveDocumentWindow();
// The pane that last had the focus in the active document window, where
// the insertion commands write; nullptr when no document is open.
RichTextPane *FocusedPaneOfActiveDocument();
// The open document windows in slot order.
QList<frmDocument *> OpenDocumentWindows();

// How the document windows are arranged.
enum DocumentArrangement : int {
    kArrangeCascade = 0,
    kArrangeTileHorizontal = 1,  // one above the other
    kArrangeTileVertical = 2,    // side by side
};
// Arranges the open windows; each then lays out its panes again.
void ArrangeDocumentWindows(int arrangement);
// Arranges them by the checked tiling entry of the View menu; no entry
// checked leaves them as they are.
void RetileDocuments();

// Frames of `count` tiled windows in an area: a grid of about the square root
// of the count, the last column (row when horizontal) taking the rest.
QList<QRect> TileRects(int count, QSize area, bool horizontal);

// Where a document window's panes and labels stand, in twips, for an inner
// size in twips.
struct DocumentPaneLayout {
    bool split = false;
    QRectF paneA, paneB, label1, label2;
};
DocumentPaneLayout LayoutDocumentPanes(double widthTwips, double heightTwips, bool split);

// Every open pane inserts or overwrites as the Insert key's state says.
void PanesFollowInsertKeyState();

// Runs every open document's close check, then closes them all; false, with
// every window left open, when one check was cancelled.
bool CloseAllDocuments();

}  // namespace brennvik
