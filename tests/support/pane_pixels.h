#pragma once
// What a text pane shows of one of its lines, read from its pixels: whether
// its characters are drawn red, and whether a selection band lies behind
// them.

#include "platform/RichTextPane.h"

#include <QColor>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>

namespace brennvik {

struct LineLook {
    int redPixels = 0;   // of the characters, drawn red
    int darkPixels = 0;  // of the characters, drawn black or near it
    int bandPixels = 0;  // of the background, in the colour of the selection band
    bool shown = false;  // the line lies in the visible part of the pane
};

// The look of line `line` (0-based) of the pane as it is painted now; the
// band is the colour the pane's palette gives a selection with or without
// the focus.
inline LineLook LookOfLine(RichTextPane &pane, int line, bool focused) {
    LineLook look;
    const QTextBlock block = pane.document()->findBlockByNumber(line);
    QTextCursor start(block), end(block);
    end.movePosition(QTextCursor::EndOfBlock);
    const QRect first = pane.cursorRect(start);
    const QRect last = pane.cursorRect(end);
    const QImage image = pane.viewport()->grab().toImage();
    // Up to the caret at the line's end, which a focused pane draws black.
    const int caret = last.center().x();
    const QRect area = QRect(first.topLeft(), QPoint(caret - 2, first.bottom())).intersected(image.rect());
    look.shown = !area.isEmpty() && block.length() > 1;
    const QBrush bandBrush = pane.palette().brush(focused ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
    const QColor band = bandBrush.style() == Qt::NoBrush ? QColor() : bandBrush.color();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90) ++look.redPixels;
            else if (c.red() < 70 && c.green() < 70 && c.blue() < 70) ++look.darkPixels;
            else if (band.isValid() && c.rgb() == band.rgb()) ++look.bandPixels;
        }
    return look;
}

}  // namespace brennvik
