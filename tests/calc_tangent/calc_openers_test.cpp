// The openers of the intersection calculators: the menu entry and the
// toolbar key each show the window's single instance.
#include "calc_tangent/frmCircleCircle.h"
#include "calc_tangent/frmCirclePoint.h"
#include "calc_tangent/frmLineR.h"
#include "calc_tangent/frmLineRPoint.h"
#include "calculator_window_fixture.h"
#include "platform/WindowPrinter.h"

#include <QPrinter>
#include <QPushButton>

#include <functional>

namespace brennvik {
namespace {

using CalculatorWindowOpenersTest = CalculatorWindowFixture;

TEST_F(CalculatorWindowOpenersTest, EachOpenerShowsOneWindowAndASecondClickBringsItBack) {
    SetPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    const struct {
        const char *entry;
        const char *toolKey;
        const char *caption;
        const char *print;
        std::function<DrawingCalculatorWindow *()> instance;
    } openers[] = {
        {"LineCycle", "直線と円の交点", "直線と円の交点", "Command10", [] { return g_frmLineR.data(); }},
        {"LineCirclePoint", "1点を通り直線に接する円", "1点を通り直線と接する円", "Command10",
         [] { return g_frmLineRPoint.data(); }},
        {"CirclePoint", "円に接する点", "円と接する点", "Command10", [] { return g_frmCirclePoint.data(); }},
        {"CircleCircle", "2円の交点", "2円の交点", "Command7", [] { return g_frmCircleCircle.data(); }},
    };
    for (const auto &o : openers) {
        SCOPED_TRACE(o.entry);
        EXPECT_EQ(m_main->Entry(QString::fromLatin1(o.entry))->text(), QString::fromUtf8(o.toolKey));
        m_main->Entry(QString::fromLatin1(o.entry))->trigger();
        DrawingCalculatorWindow *w = o.instance();
        ASSERT_TRUE(w);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(o.caption));
        EXPECT_EQ(w->parentWidget(), nullptr);

        // The toolbar key shows the same window with its boxes as they were.
        SetBoxText(w, "Text1", QStringLiteral("7"));
        w->hide();
        m_main->tbToolBar_ButtonClick(m_main->ToolButtonByKey(QString::fromUtf8(o.toolKey)));
        EXPECT_EQ(o.instance(), w);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(BoxText(w, "Text1"), "7");

        // Its print button prints, here only to say there is no printer.
        m_msgBoxes.clear();
        ClickControl(w, o.print);
        ASSERT_EQ(m_msgBoxes.size(), 1u);
        EXPECT_EQ(m_msgBoxes[0].prompt, "プリンターが見つかりません。");

        // キャンセル unloads it; the next opening starts afresh.
        ClickControl(w, "Command2");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(o.instance());
        m_main->Entry(QString::fromLatin1(o.entry))->trigger();
        ASSERT_TRUE(o.instance());
        EXPECT_EQ(BoxText(o.instance(), "Text1"), "");
    }
}

}  // namespace
}  // namespace brennvik
