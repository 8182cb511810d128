// The chamfer and relief-groove windows as the user meets them: opened from
// the menu and the toolbar, filled along their Enter order, and inserting
// into a document.
#include "calc_corner/frmChamfer.h"
#include "calc_corner/frmNeck.h"
#include "calc_tangent/CalcPicture.h"
#include "calc_tangent/qt_printing.h"
#include "calc_tangent/calculator_window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace brennvik {
namespace {

class CornerWindowsTest : public CalculatorWindowFixture {
protected:
    static QStringList Texts(std::initializer_list<QLineEdit *> boxes) {
        QStringList texts;
        for (QLineEdit *box : boxes) texts << box->text();
        return texts;
    }
};

TEST_F(CornerWindowsTest, ChamferOpensFromTheLastEntryAndTheToolbarAsOneInstance) {
    frmChamfer *w = OpenFromEntry("Chamfer", g_frmChamfer);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "面取り");
    EXPECT_EQ(w->Text4->text(), "45");
    for (QRadioButton *on : {w->OD, w->Option1, w->Option3}) EXPECT_TRUE(on->isChecked()) << on->objectName().toStdString();
    // Computed on opening: the bare corner.
    EXPECT_EQ(w->Picture1->Primitives().size(), 4u);
    // The first "面取り" of the menu is another calculator's.
    EXPECT_NE(m_main->ClosPoint->actions().first(), m_main->Entry(QStringLiteral("Chamfer")));

    w->Text1->setText(QStringLiteral("50"));
    m_main->tbToolBar_ButtonClick(m_main->ToolButtonByKey(QStringLiteral("面取り")));
    EXPECT_EQ(g_frmChamfer, w);
    EXPECT_EQ(w->Text1->text(), "50");

    w->Command3->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(g_frmChamfer);
}

TEST_F(CornerWindowsTest, ChamferRecomputesAsTheChamferIsTypedAndInsertsItsTwoLines) {
    frmChamfer *w = OpenFromEntry("Chamfer", g_frmChamfer);
    ASSERT_TRUE(w);
    const std::pair<QLineEdit *, QLineEdit *> order[] = {{w->Text1, w->Text2}, {w->Text2, w->Text3},
                                                         {w->Text3, w->Text4}, {w->Text4, w->Text5},
                                                         {w->Text5, w->Text6}, {w->Text6, w->Text7}};
    for (const auto &[box, next] : order) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_TRUE(next->hasFocus()) << box->objectName().toStdString();
    }
    // The nose radius is no tab stop.
    EXPECT_FALSE(w->Text7->focusPolicy() & Qt::TabFocus);

    TypeAndEnter(w->Text1, "50");
    TypeAndEnter(w->Text2, "0");
    EXPECT_EQ(Texts({w->Text8, w->Text9, w->Text10, w->Text11}), QStringList({"", "", "", ""}));
    // No Enter, no leaving the box: every change of C recomputes.
    w->Text3->setFocus();
    QTest::keyClicks(w->Text3, QStringLiteral("1"));
    EXPECT_EQ(Texts({w->Text8, w->Text9, w->Text10, w->Text11}), QStringList({"47.999", "0", "50", "-1"}));
    w->Text7->setFocus();
    QTest::keyClicks(w->Text7, QStringLiteral("0.4"));
    EXPECT_EQ(Texts({w->Text8, w->Text9, w->Text10, w->Text11}), QStringList({"47.531", "0", "50", "-1.235"}));
    w->Option4->click();
    EXPECT_EQ(Texts({w->Text8, w->Text9, w->Text10, w->Text11}), QStringList({"47.531", "0.8", "50", "-0.435"}));

    w->Command1->click();
    w->Command2->click();
    EXPECT_EQ(m_pane->Text(), "AAA\r\nN000 G01 X47.531 Z0.8\r\nN000     X50 Z-0.435\r\n\r\n");

    // 90 degrees, pasted over 45: the red failure text, the boxes as they were.
    w->Text4->setFocus();
    w->Text4->selectAll();
    w->Text4->insert(QStringLiteral("90"));
    EXPECT_EQ(w->Picture1->property("printedTexts").toStringList().last(), "交点が求まりません!!");
    EXPECT_EQ(Texts({w->Text8, w->Text9, w->Text10, w->Text11}), QStringList({"47.531", "0.8", "50", "-0.435"}));
}

TEST_F(CornerWindowsTest, ChamferKeepsTheReadoutShownOverItsBackground) {
    frmChamfer *w = OpenFromEntry("Chamfer", g_frmChamfer);
    ASSERT_TRUE(w);
    QTest::mouseMove(w->Picture1, QPoint(10, 10));
    EXPECT_TRUE(w->Picture3->isVisible());
    QTest::mouseMove(w, QPoint(w->width() - 5, w->height() - 5));
    EXPECT_TRUE(w->Picture3->isVisible());
}

TEST_F(CornerWindowsTest, NeckOpensFromItsEntryAndTheToolbarAndInsertsTheProfile) {
    frmNeck *w = OpenFromEntry("Neck", g_frmNeck);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "ヌスミ形状");
    EXPECT_TRUE(w->Option2->isChecked());
    m_main->tbToolBar_ButtonClick(m_main->ToolButtonByKey(QStringLiteral("ヌスミ形状")));
    EXPECT_EQ(g_frmNeck, w);

    // Enter goes round the five inputs.
    const std::pair<QLineEdit *, QLineEdit *> order[] = {
        {w->Text1, w->Text2}, {w->Text2, w->Text3}, {w->Text3, w->Text4}, {w->Text4, w->Text5}, {w->Text5, w->Text1}};
    for (const auto &[box, next] : order) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_TRUE(next->hasFocus()) << box->objectName().toStdString();
    }

    w->Option1->click();
    for (const auto &[box, text] :
         {std::pair{w->Text1, "20"}, {w->Text2, "0"}, {w->Text3, "0.4"}, {w->Text4, "30"}, {w->Text5, "30"}})
        TypeAndEnter(box, text);
    EXPECT_EQ(Texts({w->Text6, w->Text7, w->Text8, w->Text9, w->Text10, w->Text11, w->Text12, w->Text13, w->Text14,
                     w->Text15}),
              QStringList({"20.8", "0", "20", "-0.4", "20.107", "-0.601", "0.346", "0.2", "30", "-9.168"}));
    EXPECT_EQ(w->Picture1->property("printedTexts").toStringList(), QStringList({" 1", "2", "3", "4"}));

    w->Command9->click();
    w->Command6->click();
    w->Command5->click();
    EXPECT_EQ(m_pane->Text(),
              "AAA\r\n"
              "N000 G01 X30 Z-9.168\r\n"
              "N000     X20.107 Z-0.601\r\n"
              "N000 G03 X20.8 Z0 L0.4\r\n"
              " I0.346 K0.2\r\n"
              "N000 G01 X20.8 Z0\r\n"
              "N000 G02 X20.107 Z-0.601 L0.4\r\n"
              "N000 G01 X30 Z-9.168\r\n"
              "\r\n");
}

}  // namespace
}  // namespace brennvik
