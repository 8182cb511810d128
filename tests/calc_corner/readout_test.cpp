// The mouse read-out of every drawing calculator: the box holds the whole
// text of the positions far out in the drawing, in the font it is drawn in.
#include "calc_corner/frmChamfer.h"
#include "calc_corner/frmNeck.h"
#include "calc_corner/frmXY_XC.h"
#include "calc_tangent/calculator_window_fixture.h"
#include "calc_tangent/frmCircleCircle.h"
#include "calc_tangent/frmCirclePoint.h"
#include "calc_tangent/frmLine2Circle2.h"
#include "calc_tangent/frmLineR.h"
#include "calc_tangent/frmLineRLine.h"
#include "calc_tangent/frmLineRPoint.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

#include <functional>
#include <vector>

namespace brennvik {
namespace {

class ReadoutTest : public CalculatorWindowFixture {
protected:
    // Moves the mouse over the drawing area to a pixel, as the user would.
    static void MoveOver(CalcPicture *picture, QPoint pixel) {
        QMouseEvent move(QEvent::MouseMove, QPointF(pixel), picture->mapToGlobal(QPointF(pixel)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
    }

    // Every read-out box shown over the drawing holds its whole text.
    static void ExpectReadoutsFit(DrawingCalculatorWindow *w, const std::string &where) {
        for (QLabel *box : w->Picture1->findChildren<QLabel *>()) {
            if (!box->isVisible()) continue;
            const QFontMetrics metrics(box->font());
            EXPECT_FALSE(box->text().isEmpty()) << where;
            EXPECT_LE(metrics.horizontalAdvance(box->text()), box->width())
                << where << " " << box->objectName().toStdString() << " \"" << box->text().toStdString() << "\"";
            EXPECT_LE(metrics.height(), box->height()) << where << " " << box->objectName().toStdString();
            EXPECT_TRUE(w->Picture1->rect().contains(box->geometry())) << where;
        }
    }

    // Hovers the typical far position and the corners of the area.
    static void HoverFarPositions(DrawingCalculatorWindow *w, QPointF typical, const std::string &where) {
        CalcPicture *picture = w->Picture1;
        std::vector<QPoint> pixels = {PixelOf(picture, typical)};
        const QRect area = picture->rect();
        for (QPoint corner : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
            pixels.push_back(corner);
        for (QPoint pixel : pixels) {
            if (!area.contains(pixel)) continue;
            MoveOver(picture, pixel);
            ASSERT_TRUE(w->Picture3->isVisible()) << where;
            ExpectReadoutsFit(w, where);
        }
    }
};

// X 123.456, Z -78.912 in the X-Z plane (plotted at Z, -X / 2), and X
// -123.456, Y -78.912 in the X-Y plane: a minus sign or the blank before a
// number, the read-out is as long.
const QPointF kFarXZ(-78.912, -61.728);
const QPointF kFarXY(-123.456, 78.912);

using Inputs = std::vector<std::pair<const char *, const char *>>;

// The read-out was sized in twips for a font this platform does not have:
// a position like X -123.456, Z -78.912 needed about 201 pixels where the
// box had 161 to 177, and its end was cut.
TEST_F(ReadoutTest, EveryDrawingCalculatorShowsItsFarPositionsWhole) {
    const struct {
        const char *entry;
        std::function<DrawingCalculatorWindow *()> instance;
        // A part whose drawing holds the typical position.
        Inputs inputs;
        QPointF typical;
    } windows[] = {
        {"LineCircleLine", [] { return g_frmLineRLine.data(); },
         {{"Text1", "200"}, {"Text2", "0"}, {"Text3", "0"}, {"Text4", "0"}, {"Text5", "-100"}, {"Text6", "90"},
          {"Text9", "50"}, {"Text20", "0.8"}},
         kFarXZ},
        {"LineCycle", [] { return g_frmLineR.data(); },
         {{"Text1", "200"}, {"Text2", "0"}, {"Text3", "0"}, {"Text4", "120"}, {"Text5", "-100"}, {"Text6", "100"}},
         kFarXZ},
        {"LineCirclePoint", [] { return g_frmLineRPoint.data(); },
         {{"Text1", "120"}, {"Text2", "0"}, {"Text3", "0"}, {"Text4", "180"}, {"Text5", "-120"}, {"Text8", "60"}},
         kFarXZ},
        {"CirclePoint", [] { return g_frmCirclePoint.data(); },
         {{"Text1", "200"}, {"Text2", "-100"}, {"Text3", "60"}, {"Text4", "0"}}, kFarXZ},
        {"CircleCircle", [] { return g_frmCircleCircle.data(); },
         {{"Text1", "0"}, {"Text2", "0"}, {"Text3", "100"}, {"Text4", "200"}, {"Text5", "-100"}, {"Text6", "100"}},
         kFarXZ},
        {"Line2Circle2", [] { return g_frmLine2Circle2.data(); },
         {{"Text1", "200"}, {"Text2", "-40"}, {"Text3", "32"}, {"Text4", "120"}, {"Text6", "24"}}, kFarXZ},
        {"Neck", [] { return g_frmNeck.data(); },
         {{"Text1", "120"}, {"Text2", "-80"}, {"Text3", "4"}, {"Text4", "30"}, {"Text5", "130"}}, kFarXZ},
        {"Chamfer", [] { return g_frmChamfer.data(); },
         {{"Text1", "124"}, {"Text2", "-79"}, {"Text3", "1.5"}, {"Text4", "30"}, {"Text5", "1"}, {"Text6", "0.5"},
          {"Text7", "0.8"}},
         kFarXZ},
        {"XY_XC", [] { return g_frmXY_XC.data(); }, {}, kFarXY},
    };
    for (const auto &c : windows) {
        m_main->Entry(QString::fromLatin1(c.entry))->trigger();
        DrawingCalculatorWindow *w = c.instance();
        ASSERT_TRUE(w) << c.entry;
        ASSERT_TRUE(ActivateWindow(w)) << c.entry;
        for (const auto &[box, text] : c.inputs) TypeAndEnter(Child<QLineEdit>(w, box), text);
        const ViewScale &view = w->Picture1->CurrentDrawing().Scale();
        const QRectF shown(view.left, view.top, view.width, view.height);
        EXPECT_TRUE(shown.contains(c.typical)) << c.entry << ": the drawing holds the position; it shows " << view.left
                                               << " " << view.top << " " << view.width << " " << view.height;
        HoverFarPositions(w, c.typical, c.entry);
        w->close();
    }
}

// A drawing fitted around a part far from the origin shows longer numbers:
// the box widens with the view, and in the X-Y plane too.
TEST_F(ReadoutTest, TheBoxWidensForTheViewOfAFarPart) {
    frmCircleCircle *w = OpenFromEntry("CircleCircle", g_frmCircleCircle);
    ASSERT_TRUE(w);
    Fill({{w->Text1, "-98000"}, {w->Text2, "-76000"}, {w->Text3, "3000"},
          {w->Text4, "-96000"}, {w->Text5, "-75000"}, {w->Text6, "3000"}});
    ASSERT_FALSE(w->Text7->text().isEmpty()) << "the circles meet";
    const int designWidth = TwipsToPixels(2415);
    HoverFarPositions(w, QPointF(-76000, 49000), "X-Z");
    EXPECT_GT(w->Picture3->width(), designWidth);
    w->OptionXY->click();
    HoverFarPositions(w, QPointF(-97000, 76000), "X-Y");
}

}  // namespace
}  // namespace brennvik
