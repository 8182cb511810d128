// Every keyed toolbar button runs the command of the menu entry it stands for.
#include "support/fixtures.h"

#include "workspace/frmMain.h"
#include "workspace/workspace_state.h"

#include <QAction>
#include <QMenu>

namespace brennvik {
namespace {

class ToolbarTest : public ProgramFixture {};

struct KeyCommand {
    const char *key;
    const char *entry;
    bool calculator;  // its window is built with the calculators
};

const KeyCommand kKeys[] = {
    {"新規", "mnuFileNew", false},
    {"開く", "mnuFileOpen", false},
    {"保存", "mnuFileSave", false},
    {"プリント", "mnuFilePrint", false},
    {"切り取り", "mnuEditCut", false},
    {"コピー", "mnuEditCopy", false},
    {"貼り付け", "mnuEditPaste", false},
    {"検索", "mnuSearchFind", false},
    {"元に戻す", "mnuEditUndo", false},
    {"自動シーケンス番号挿入", "mnuToolsAutoNo", false},
    {"シーケンス番号アレンジ", "mnuToolsNumberArrange", false},
    {"データの計算による変更", "mnuToolsSizeShift", false},
    {"回転数の計算", "mnuToolsrpm", true},
    {"面粗さによる送り速度", "mnuToolsFeed", true},
    {"電卓", "mnuToolsCalculator", false},
    {"ファイルの比較", "mnuToolCompe", false},
    {"AB表示", "mnuAbView", false},
    {"テーパーのノーズR補正", "AngleNoseR", true},
    {"直線と角度", "LineAngle", true},
    {"2直線と接する円", "LineCircleLine", true},
    {"直線と円の交点", "LineCycle", true},
    {"1点を通り直線に接する円", "LineCirclePoint", true},
    {"円に接する点", "CirclePoint", true},
    {"ヌスミ形状", "Neck", true},
    {"2円の交点", "CircleCircle", true},
    {"2直線と2円", "Line2Circle2", true},
    {"XY-XC変換", "XY_XC", true},
    {"面取り", "Chamfer", true},
};

TEST_F(ToolbarTest, EveryKeyRunsItsEntrysCommandAndKeepsTheNumberingButtonPressed) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    int keyed = 0;
    for (int i = 1; i <= 33; ++i) keyed += m->ToolButton(i)->isSeparator() ? 0 : 1;
    EXPECT_EQ(keyed, int(std::size(kKeys)));
    for (const KeyCommand &k : kKeys) {
        const QString key = QString::fromUtf8(k.key), entry = QString::fromLatin1(k.entry);
        ASSERT_NE(m->Entry(entry), nullptr) << k.entry;
        if (!k.calculator) {
            EXPECT_TRUE(m->HasCommand(entry)) << k.entry << " has no command";
        }
        QString ran;
        m->SetCommand(entry, [&ran, entry] { ran = entry; });
        QAction *button = m->ToolButtonByKey(key);
        ASSERT_NE(button, nullptr) << k.key;
        button->setEnabled(true);  // Undo's button waits for a change
        g_AutoSequenceNo = true;
        m->ToolButton(14)->setChecked(false);
        button->trigger();
        EXPECT_EQ(ran, entry) << k.key;
        EXPECT_TRUE(m->ToolButton(14)->isChecked()) << k.key;
    }
    g_AutoSequenceNo = false;
}

TEST_F(ToolbarTest, TheButtonChamferOpensTheChamferAndTheFirstMenuChamferTheNoseRadius) {
    frmMain *m = StartMain();
    // Both menu entries read the same; only their object names tell them apart.
    EXPECT_EQ(m->Entry("AngleNoseR")->text(), "面取り");
    EXPECT_EQ(m->Entry("Chamfer")->text(), "面取り");
    EXPECT_EQ(m->ClosPoint->actions().first(), m->Entry("AngleNoseR"));
    EXPECT_EQ(m->ClosPoint->actions().last(), m->Entry("Chamfer"));
    QStringList ran;
    for (const char *entry : {"AngleNoseR", "Chamfer"})
        m->SetCommand(QString::fromLatin1(entry), [&ran, entry] { ran << QString::fromLatin1(entry); });
    m->ToolButtonByKey("面取り")->trigger();
    m->Entry("AngleNoseR")->trigger();
    EXPECT_EQ(ran, QStringList({"Chamfer", "AngleNoseR"}));
}

}  // namespace
}  // namespace brennvik
