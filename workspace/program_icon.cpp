#include "program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace brennvik {

namespace {

// A tool: a triangle from its holder's edge at `baseY` to its tip.
void DrawTool(QPainter &p, QPointF tip, double baseY, const QColor &colour) {
    QPainterPath tool;
    tool.moveTo(tip);
    tool.lineTo(tip.x() - 6, baseY);
    tool.lineTo(tip.x() + 8, baseY);
    tool.closeSubpath();
    p.setBrush(colour);
    p.drawPath(tool);
}

// Drawn on a 64-unit square, scaled to the pixmap.
QPixmap IconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    // Ground.
    p.setBrush(QColor(0x1f, 0x3a, 0x68));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    // Chuck and the bar it holds.
    p.setBrush(QColor(0x8a, 0x93, 0x9b));
    p.drawRect(QRectF(8, 18, 12, 28));
    p.setBrush(QColor(0xe6, 0xe9, 0xec));
    p.drawRect(QRectF(20, 26, 34, 12));
    // The tool of turret A from above, of turret B from below.
    DrawTool(p, QPointF(36, 25), 10, QColor(0xf3, 0x9c, 0x12));
    DrawTool(p, QPointF(46, 39), 54, QColor(0x4f, 0xc3, 0xf7));
    return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
    static const QIcon icon = [] {
        QIcon drawn;
        for (int size : {16, 24, 32, 48, 64, 128, 256}) drawn.addPixmap(IconPixmap(size));
        return drawn;
    }();
    return icon;
}

}  // namespace brennvik
