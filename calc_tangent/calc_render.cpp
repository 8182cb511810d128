#include "calc_render.h"

#include "platform/Colors.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

#include <cmath>

namespace brennvik {

namespace {

QColor Inverted(const QColor &c) { return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()); }

// Maps scale coordinates of one Scale primitive to the target rectangle.
struct Mapping {
    ViewScale scale;
    QRectF target;
    QPointF Map(QPointF p) const {
        return {target.left() + (p.x() - scale.left) * target.width() / scale.width,
                target.top() + (p.y() - scale.top) * target.height() / scale.height};
    }
    // Circles are round on the area; their radius counts in horizontal units.
    double Length(double r) const { return std::fabs(r * target.width() / scale.width); }
};

}  // namespace

QColor ColourOf(ColourRef colour) {
    if (colour == kButtonShadow) return QColor(160, 160, 160);
    if (colour == kGrayText) return QColor(128, 128, 128);
    return ColorFromBgr(int(colour & 0xFFFFFF));
}

void RenderDrawing(QPainter &painter, const Drawing &drawing, const QRectF &target, bool printing) {
    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, printing ? Qt::white : Qt::black);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QFont font = painter.font();
    const double lineHeight = target.height() * kDrawingTextHeightTwips / drawing.AreaTwips().height();
    font.setPixelSize(std::max(1, int(std::lround(lineHeight * 0.75))));
    painter.setFont(font);

    Mapping mapping{drawing.Scale(), target};
    for (const Primitive &p : drawing.Primitives()) {
        const QColor colour = ColourOf(p.colour);
        const QColor drawn = printing ? Inverted(colour) : colour;
        switch (p.kind) {
        case PrimitiveKind::Scale:
            mapping.scale = p.scale;
            break;
        case PrimitiveKind::Line:
            painter.setPen(QPen(drawn, 1, p.style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine));
            painter.drawLine(mapping.Map(p.p1), mapping.Map(p.p2));
            break;
        case PrimitiveKind::Circle: {
            const double r = mapping.Length(p.radius);
            painter.setPen(QPen(drawn, 1));
            painter.drawEllipse(mapping.Map(p.p1), r, r);
            break;
        }
        case PrimitiveKind::Text: {
            // Texts keep their colour: only lines and circles are inverted.
            painter.setPen(colour);
            const QPointF at = mapping.Map(p.p1);
            painter.drawText(QRectF(at, QSizeF(target.width() * 4, lineHeight)),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, p.text);
            break;
        }
        }
    }
    painter.restore();
}

}  // namespace brennvik
