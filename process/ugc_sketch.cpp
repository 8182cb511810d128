#include "ugc_sketch.h"

#include <QLabel>
#include <QPainter>

namespace brennvik {

UgcSketch::UgcSketch(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setMinimumSize(sizeHint());
    const QColor text = palette().color(QPalette::WindowText);
    // Chuck body at the left, jaw, blank from x 70 to 250 around the axis
    // y 85, centre coming in from the right.
    const QLineF lines[kLines + 1] = {
        {},
        {70, 35, 70, 135},     // 1 blank, chuck-side face
        {236, 35, 236, 135},   // 2 outer diameter OD
        {70, 14, 250, 14},     // 3 blank length OL
        {70, 35, 250, 35},     // 4 blank, outer contour top
        {250, 35, 250, 135},   // 5 blank, free face (no centre)
        {40, 150, 70, 150},    // 6 jaw grip length
        {30, 135, 30, 150},    // 7 jaw grip step
        {40, 135, 70, 135},    // 8 jaw, gripping face
        {40, 135, 40, 160},    // 9 jaw, back
        {70, 135, 70, 160},    // 10 jaw, front
        {40, 160, 70, 160},    // 11 jaw, base
        {250, 35, 250, 75},    // 12 face above the centre hole
        {250, 58, 300, 58},    // 13 centre length
        {70, 135, 250, 135},   // 14 blank, outer contour bottom
        {250, 95, 250, 135},   // 15 face below the centre hole
        {262, 70, 300, 70},    // 16 centre, upper flank
        {290, 70, 290, 100},   // 17 centre diameter
        {250, 5, 250, 165},    // 18 program origin P
        {244, 75, 244, 95},    // 19 inner diameter / centre hole
    };
    for (int n = 1; n <= kLines; ++n) m_lines[size_t(n)] = {lines[n], text, 1, true};
    m_shape1 = QRectF(4, 20, 34, 130);
    for (int n : {12, 13, 15, 16, 17}) m_lines[size_t(n)].visible = false;

    auto *blank = new QLabel(QStringLiteral("素　材"), this);
    blank->move(140, 75);
    auto *jaw = new QLabel(QStringLiteral("爪"), this);
    jaw->move(48, 138);
    Label11 = new QLabel(QStringLiteral("センタ"), this);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label11->move(262, 104);
    Label11->setVisible(false);
}

void UgcSketch::SetLine(int number, const QColor &colour, int width) {
    Line(number).colour = colour;
    Line(number).width = width;
    update();
}

void UgcSketch::SetLineVisible(int number, bool visible) {
    Line(number).visible = visible;
    update();
}

void UgcSketch::SetLineColour(int number, const QColor &colour) {
    Line(number).colour = colour;
    update();
}

void UgcSketch::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(m_shape1);
    for (int n = 1; n <= kLines; ++n) {
        const SketchLine &l = m_lines[size_t(n)];
        if (!l.visible) continue;
        painter.setPen(QPen(l.colour, l.width));
        painter.drawLine(l.line);
    }
}

}  // namespace brennvik
