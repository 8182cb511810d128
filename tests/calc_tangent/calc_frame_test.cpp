// The calculator window frame: the shared rules (insert lines, plane
// captions, read-out, views, the failure text), the rendering of a drawing,
// and a small calculator built on the frame for its window behaviour.
#include "calc_tangent/CalcPicture.h"
#include "calc_tangent/DrawingCalculatorWindow.h"
#include "calc_tangent/calc_math.h"
#include "calc_tangent/calc_render.h"
#include "support/dialog_helpers.h"
#include "support/fixtures.h"
#include "platform/WindowPrinter.h"
#include "qt_printing.h"
#include "workspace/runtime.h"

#include <QApplication>
#include <cmath>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brennvik {
namespace {

TEST(CalcFrameTest, InsertLinesAreTheBoxTextsAsTheyStand) {
    EXPECT_EQ(PointLine("100", "-50", Plane::XZ), " X100 Z-50\r\n");
    EXPECT_EQ(PointLine("5", "5", Plane::XY), " X5 Y5\r\n");
    EXPECT_EQ(CentreLine("0.5", "-0.25", Plane::XZ), " I0.5 K-0.25\r\n");
    EXPECT_EQ(CentreLine("1", "2", Plane::XY), " I1 J2\r\n");
    // Before any computation the boxes are empty.
    EXPECT_EQ(PointLine("", "", Plane::XZ), " X Z\r\n");
}

TEST(CalcFrameTest, ResultBoxesHoldFlooredNcWordsAndNeverNan) {
    CalcForm form;
    double kept = 12.3456;
    form.SetResult("Text1", kept);
    form.SetResult("Text2", -0.0004 + 0);
    EXPECT_EQ(form.Text("Text1"), "12.345");
    EXPECT_EQ(kept, 12.345);
    EXPECT_EQ(form.Text("Text2"), "-0.001");
    EXPECT_THROW(form.SetResult("Text3", std::nan("")), RuntimeError);
    EXPECT_THROW(form.SetResult("Text3", 1e308 * 10), RuntimeError);
    EXPECT_FALSE(form.Texts().contains("Text3"));
}

TEST(CalcFrameTest, PlaneCaptionsSwitchBothWaysAndLeaveOthers) {
    const struct {
        const char *xz;
        const char *xy;
    } pairs[] = {{"Z", "Y"}, {"K", "J"}, {"CZ", "CY"}, {"X Z 挿入", "X Y 挿入"}, {"I K 挿入", "I J 挿入"},
                 {"XZL挿入", "XYL挿入"}};
    for (const auto &p : pairs) {
        EXPECT_EQ(PlaneCaption(QString::fromUtf8(p.xz), Plane::XY), QString::fromUtf8(p.xy));
        EXPECT_EQ(PlaneCaption(QString::fromUtf8(p.xy), Plane::XZ), QString::fromUtf8(p.xz));
    }
    for (const char *other : {"X", "I", "R", "直 線 １    X"})
        EXPECT_EQ(PlaneCaption(QString::fromUtf8(other), Plane::XY), QString::fromUtf8(other));
}

TEST(CalcFrameTest, ReadoutShowsTheDiameterOrTheVerticalValueFlooredToThousandths) {
    const struct {
        double x, y;
        Plane plane;
        const char *text;
    } cases[] = {
        {-45.5, -50, Plane::XZ, "X 100  Z-45.5 "},
        {12.34567, 10, Plane::XZ, "X-20  Z 12.345 "},
        {0, 0, Plane::XZ, "X 0  Z 0 "},
        {-0.0004, -5, Plane::XY, "X-0.001  Y 5 "},
        {7.5, 2.25, Plane::XY, "X 7.5  Y-2.25 "},
    };
    for (const auto &c : cases) EXPECT_EQ(ReadoutText(c.x, c.y, c.plane), QString::fromUtf8(c.text)) << c.text;
}

// The longest read-outs of a view are as long as any read-out in it: a
// sweep over a fine grid of the view's points finds none longer, and one
// as long.
TEST(CalcFrameTest, LongestReadoutsAreAsLongAsAnyOfTheView) {
    const struct {
        const char *what;
        ViewScale view;
    } views[] = {
        {"the default view", DefaultView()},
        {"a part near the origin", {-20, -8, 30, 16.55}},
        {"a part far out", {-98765.4, -51234.5, 4000, 2207.13}},
        {"under one millimetre", {-0.4, -0.2, 0.8, 0.44}},
    };
    for (const auto &v : views)
        for (Plane plane : {Plane::XZ, Plane::XY}) {
            qsizetype longest = 0;
            for (const QString &t : LongestReadouts(v.view, plane)) longest = std::max(longest, t.size());
            qsizetype swept = 0;
            // Off the grid's round values, so that the numbers have every decimal.
            for (int i = 0; i < 200; ++i)
                for (int k = 0; k < 200; ++k) {
                    const QString t = ReadoutText(v.view.left + v.view.width * (i + 0.371) / 200,
                                                  v.view.top + v.view.height * (k + 0.629) / 200, plane);
                    swept = std::max(swept, t.size());
                }
            EXPECT_GE(longest, swept) << v.what;
            EXPECT_LE(longest, swept + 1) << v.what;
        }
}

TEST(CalcFrameTest, FailureTextLandsInsideTheView) {
    Drawing drawing;
    drawing.SetScale({0, 0, 100, 50});
    // Where the last operation left the text position: far outside.
    drawing.Line({0, 0}, {500, -300}, kConstruction);
    drawing.PrintFailure();
    const Primitive &text = drawing.Primitives().back();
    EXPECT_EQ(text.text, FailureText());
    EXPECT_EQ(text.colour, kRed);
    EXPECT_GE(text.p1.x(), 0);
    EXPECT_LE(text.p1.x() + drawing.TextWidth(FailureText()), 100);
    EXPECT_EQ(text.p1.y(), 0);
    // A position inside the view is kept.
    drawing.SetTextPosition({10, 20});
    drawing.PrintFailure();
    EXPECT_EQ(drawing.Primitives().back().p1, QPointF(10, 20));
}

TEST(CalcFrameTest, ScalesOfNoSizeOrNoNumberFail) {
    Drawing drawing;
    for (const ViewScale &s : {ViewScale{0, 0, 0, 10}, ViewScale{0, 0, 10, 0},
                               ViewScale{std::numeric_limits<double>::quiet_NaN(), 0, 10, 10}}) {
        EXPECT_THROW(drawing.SetScale(s), RuntimeError);
    }
    EXPECT_THROW(drawing.Line({0, 0}, {std::numeric_limits<double>::infinity(), 0}, kRed), RuntimeError);
    EXPECT_EQ(drawing.Primitives().size(), 1u);
}

bool HasColourNear(const QImage &image, QPoint at, QColor colour) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (image.pixelColor(at + QPoint(dx, dy)) == colour) return true;
    return false;
}

TEST(CalcFrameTest, RenderedDrawingShowsBackgroundCircleAndRedFailureText) {
    Drawing drawing;
    drawing.SetScale({-50, -25, 100, 50});
    drawing.Circle({0, 0}, 10, kConstruction);
    drawing.SetTextPosition({-45, 10});
    drawing.PrintFailure();
    CalcPicture picture;
    picture.SetDrawing(drawing);
    const QImage image = picture.Render();
    ASSERT_EQ(image.size(), QSize(589, 325));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::black));
    // The circle's rightmost point: 10 of 100 scale units right of the middle.
    const QPoint right(int(294.5 + 58.9), 162);
    EXPECT_TRUE(HasColourNear(image, right, QColor(255, 255, 15)));
    EXPECT_FALSE(HasColourNear(image, QPoint(294, 162), QColor(255, 255, 15)));
    // The failure text: strongly red pixels where it was printed, none elsewhere.
    auto redPixels = [&](const QRect &area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 80 && c.blue() < 80) ++n;
            }
        return n;
    };
    const QPoint textAt(int(5 * 5.89), int(35 * 6.5));
    EXPECT_GT(redPixels(QRect(textAt, QSize(200, 16))), 20);
    EXPECT_EQ(redPixels(QRect(0, 0, 589, 150)), 0);
    // On paper: white, and the yellow circle inverted to dark blue.
    picture.SetPrinting(true);
    const QImage paper = picture.Render();
    EXPECT_EQ(paper.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_TRUE(HasColourNear(paper, right, QColor(0, 0, 240)));
}

TEST(CalcFrameTest, PlacementAtTheLowerRightStaysOnTheScreen) {
    EXPECT_EQ(LowerRightPlacement(QRect(0, 0, 1280, 1024), QSize(600, 700), 97, 63), QPoint(583, 261));
    EXPECT_EQ(LowerRightPlacement(QRect(0, 0, 800, 600), QSize(600, 700), 97, 63), QPoint(103, 0));
}

// A small calculator on the frame: one input, one result, a print button.
class frmTestCalc : public DrawingCalculatorWindow {
public:
    frmTestCalc() : DrawingCalculatorWindow("frmTestCalc", QStringLiteral("試験")) {
        Text1 = InputBox("Text1");
        Text2 = InputBox("Text2");
        Text3 = ResultBox("Text3");
        Label3 = Label("Label3", QStringLiteral("Z"));
        Command10 = Button("Command10", QStringLiteral("印　刷"), [this] { PrintWindow(); });
        auto *layout = new QVBoxLayout(this);
        for (QWidget *w : {static_cast<QWidget *>(Picture1), static_cast<QWidget *>(Text1),
                           static_cast<QWidget *>(Text2), static_cast<QWidget *>(Label3),
                           static_cast<QWidget *>(Text3), static_cast<QWidget *>(PlaneFrame()),
                           static_cast<QWidget *>(Command10)})
            layout->addWidget(w);
        SetEnterOrder({Text1, Text2, OptionXY});
        SetPlaneCaptions({Label3});
        RecalcWhenPictureFocused();
    }
    QLineEdit *Text1, *Text2, *Text3;
    QLabel *Label3;
    QPushButton *Command10;
    int computed = 0;
    std::vector<bool> printingWhenComputed;

protected:
    void Compute(CalcForm &f, Drawing &d) override {
        ++computed;
        printingWhenComputed.push_back(Picture1->Printing());
        if (f.IsEmpty("Text1")) return;
        d.Clear();
        d.SetScale({-50, -25, 100, 50});
        d.Circle({0, 0}, 10, kConstruction);
        d.SetTextColour(kGreen);
        d.SetTextPosition({-40, -20});
        d.Print(QStringLiteral("PRINTED"));
        f.SetResult("Text3", Divide(1.0, f.Number("Text1")));
    }
};

class DrawingCalculatorWindowTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        m_window = new frmTestCalc;
        m_window->show();
        ASSERT_TRUE(ActivateWindow(m_window));
    }
    static void MoveMouse(QWidget *over, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), over->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(over, &move);
    }
    frmTestCalc *m_window = nullptr;
};

TEST_F(DrawingCalculatorWindowTest, LosingTheFocusRecomputesARepaintOnlyRedraws) {
    m_window->Text1->setFocus();
    m_window->Text1->setText(QStringLiteral("4"));
    QTest::keyClick(m_window->Text1, Qt::Key_Return);
    EXPECT_TRUE(m_window->Text2->hasFocus());
    EXPECT_EQ(m_window->Text3->text(), "0.25");
    EXPECT_EQ(m_window->Picture1->property("printedTexts").toStringList(), QStringList({"PRINTED"}));
    const int computed = m_window->computed;
    m_window->repaint();
    m_window->Picture1->repaint();
    EXPECT_EQ(m_window->computed, computed);
    // The windows that ask for it recompute when their drawing gets the focus.
    m_window->Picture1->setFocus();
    EXPECT_EQ(m_window->computed, computed + 2);

    // Division by zero: the result keeps its text, the failure is printed.
    m_window->Text1->setText(QStringLiteral("0"));
    m_window->Text1->setFocus();
    m_window->Text2->setFocus();
    EXPECT_EQ(m_window->Text3->text(), "0.25");
    EXPECT_EQ(m_window->Picture1->PrintedTexts(), QStringList({"PRINTED", FailureText()}));
}

TEST_F(DrawingCalculatorWindowTest, PlaneSwitchRelabelsRecomputesAndFocusesTheFirstBox) {
    m_window->Text2->setFocus();
    const int computed = m_window->computed;
    m_window->OptionXY->click();
    EXPECT_EQ(m_window->Label3->text(), "Y");
    EXPECT_TRUE(m_window->Text1->hasFocus());
    EXPECT_GT(m_window->computed, computed);
    // Clicking the selected option again still recomputes and focuses.
    m_window->Text2->setFocus();
    const int again = m_window->computed;
    m_window->OptionXY->click();
    EXPECT_EQ(m_window->Label3->text(), "Y");
    EXPECT_TRUE(m_window->Text1->hasFocus());
    EXPECT_GT(m_window->computed, again);
    m_window->OptionXZ->click();
    EXPECT_EQ(m_window->Label3->text(), "Z");
}

TEST_F(DrawingCalculatorWindowTest, ReadoutFollowsTheMouseOverTheDrawingOnly) {
    m_window->Text1->setText(QStringLiteral("4"));
    m_window->Recalc();
    // The middle of the area is the scale's origin; a quarter up is X = 25 as a diameter.
    MoveMouse(m_window->Picture1, QPoint(294, 81));
    EXPECT_TRUE(m_window->Picture3->isVisible());
    EXPECT_TRUE(m_window->Picture3->text().startsWith(u"X 25."));
    EXPECT_EQ(m_window->Picture1->cursor().shape(), Qt::CrossCursor);
    MoveMouse(m_window, QPoint(2, m_window->height() - 2));
    EXPECT_FALSE(m_window->Picture3->isVisible());
}

QString PdfText(const QString &path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(DrawingCalculatorWindowTest, PrintingDrawsOnWhiteThenComesBack) {
    const QString pdf = m_dir.filePath(QStringLiteral("calc.pdf"));
    SetPrinterFactory([pdf] {
        auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    });
    m_window->Text1->setText(QStringLiteral("4"));
    m_window->printingWhenComputed.clear();
    m_window->Command10->click();
    EXPECT_EQ(m_window->printingWhenComputed, std::vector<bool>({true, false}));
    EXPECT_FALSE(m_window->Picture1->Printing());
    EXPECT_TRUE(m_window->Picture3->isVisible());
    EXPECT_TRUE(m_msgBoxes.empty());
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(u"PRINTED")) << text.toStdString();
    EXPECT_TRUE(text.contains(u"印")) << text.toStdString();
}

TEST_F(DrawingCalculatorWindowTest, PrintingWithoutAPrinterOnlySaysSo) {
    SetPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    m_window->Text1->setText(QStringLiteral("4"));
    const int computed = m_window->computed;
    m_window->Command10->click();
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_EQ(m_msgBoxes[0].prompt, "プリンターが見つかりません。");
    EXPECT_EQ(m_window->computed, computed);
    EXPECT_FALSE(m_window->Picture1->Printing());
    EXPECT_FALSE(m_window->Picture3->isVisible());
}

TEST_F(DrawingCalculatorWindowTest, KeepInFrontAndInsertWithoutDocument) {
    m_window->SetKeepInFront(true);
    EXPECT_TRUE(m_window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(m_window->isVisible());
    m_window->SetKeepInFront(false);
    EXPECT_FALSE(m_window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(m_window->isVisible());
    // No document: nothing happens, nothing is shown.
    m_window->Insert(QStringLiteral(" X1 Z2\r\n"));
    EXPECT_TRUE(m_msgBoxes.empty());
}

}  // namespace
}  // namespace brennvik
