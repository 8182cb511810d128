// The two-lines-two-circles window as the user meets it: opened from the
// menu and the toolbar, typed into, switched between the line directions,
// tabbed through, and inserting into a document.
#include "calc_tangent/CalcPicture.h"
#include "calc_tangent/frmLine2Circle2.h"
#include "calculator_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace brennvik {
namespace {

class frmLine2Circle2Test : public CalculatorWindowFixture {
protected:
    // Inserts go into an empty document.
    void SetUp() override {
        CalculatorWindowFixture::SetUp();
        m_pane->SetText(QString());
    }

    frmLine2Circle2 *Open() { return OpenFromEntry("Line2Circle2", g_frmLine2Circle2); }

    static QStringList Texts(frmLine2Circle2 *w) {
        QStringList texts;
        for (QLineEdit *box : {w->Text1, w->Text2, w->Text3, w->Text4, w->Text5, w->Text6, w->Text7, w->Text8, w->Text9,
                               w->Text10, w->Text11, w->Text12, w->Text13, w->Text14, w->Text15, w->Text16})
            texts << box->text();
        return texts;
    }
};

TEST_F(frmLine2Circle2Test, OpensHorizontalWithTheAcrossBoxOfPoint3Locked) {
    frmLine2Circle2 *w = Open();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "2直線と2円の接点");
    EXPECT_TRUE(w->Option3->isChecked());
    EXPECT_TRUE(w->Option1->isChecked());
    EXPECT_TRUE(w->Text7->isReadOnly());
    EXPECT_FALSE(w->Text8->isReadOnly());
    EXPECT_EQ(w->Label21->text(), "※Z軸位置は接点１・接点２．接点３のいずれかを入力してください。");
    EXPECT_EQ(w->Frame2->title(), "線の方向");
    m_main->tbToolBar_ButtonClick(m_main->ToolButtonByKey(QStringLiteral("2直線と2円")));
    EXPECT_EQ(g_frmLine2Circle2, w);

    // "垂直" swaps the locked box, words the note for X and puts the focus into Text1.
    w->Option4->click();
    EXPECT_TRUE(w->Text8->isReadOnly());
    EXPECT_FALSE(w->Text7->isReadOnly());
    EXPECT_EQ(w->Text8->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(w->Text7->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(w->Label21->text(), "※X軸位置は接点１・接点２．接点３のいずれかを入力してください。");
    EXPECT_TRUE(w->Text1->hasFocus());
    // Enter in Text6 still reaches the locked Text8; Text7 and Text8 lead back to Text1.
    const std::pair<QLineEdit *, QLineEdit *> order[] = {
        {w->Text3, w->Text4}, {w->Text6, w->Text8}, {w->Text8, w->Text1}, {w->Text7, w->Text1}};
    for (const auto &[box, next] : order) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_TRUE(next->hasFocus()) << box->objectName().toStdString();
    }
}

TEST_F(frmLine2Circle2Test, SolvesFromTheAlongLineBoxFilledLastAndInsertsWithoutBlank) {
    frmLine2Circle2 *w = Open();
    ASSERT_TRUE(w);
    const std::pair<QLineEdit *, const char *> inputs[] = {
        {w->Text1, "50"}, {w->Text2, "0"}, {w->Text3, "8"}, {w->Text4, "30"}, {w->Text6, "6"}};
    for (const auto &[box, text] : inputs) TypeAndEnter(box, text);
    EXPECT_EQ(Texts(w), QStringList({"50", "0", "8", "30", "13.416", "6", "38.571", "7.666", "34", "0", "-2.286",
                                     "-7.666", "42", "13.416", "1.714", "5.75"}));
    EXPECT_EQ(w->Picture1->property("printedTexts").toStringList(), QStringList({"1", "2", "3"}));

    // Typing Z3 empties Z1 and Z2; the solution then starts from Z3.
    TypeAndEnter(w->Text8, "10");
    EXPECT_EQ(w->Text2->text(), "2.333");
    EXPECT_EQ(w->Text5->text(), "15.749");
    EXPECT_EQ(w->Text8->text(), "10");

    // Circle 2 to the minus side keeps point 1, the first filled box.
    w->Option2->click();
    EXPECT_EQ(w->Text2->text(), "2.333");
    EXPECT_EQ(w->Text5->text(), "-11.084");

    w->Command1->click();
    w->Command5->click();
    EXPECT_EQ(m_pane->Text(), "X50 Z2.333\r\nI" + w->Text11->text() + " K" + w->Text12->text() + "\r\n");
}

TEST_F(frmLine2Circle2Test, TabbingThroughASolvedWindowChangesNoBox) {
    frmLine2Circle2 *w = Open();
    ASSERT_TRUE(w);
    // Solved from Z3: re-solving from the floored Z1 would move Z3 to 7.665.
    const std::pair<QLineEdit *, const char *> inputs[] = {
        {w->Text1, "50"}, {w->Text3, "8"}, {w->Text4, "30"}, {w->Text6, "6"}, {w->Text8, "7.666"}};
    for (const auto &[box, text] : inputs) TypeAndEnter(box, text);
    const QStringList solved = Texts(w);
    ASSERT_EQ(solved.at(1), "-0.001");
    TabThroughTenTimes(w, w->Text1);
    EXPECT_EQ(Texts(w), solved);
}

}  // namespace
}  // namespace brennvik
