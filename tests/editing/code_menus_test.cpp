// The G-code and M-code menus: every item inserts its text at the caret of
// the focused pane, replacing the selection.
#include "editing_fixture.h"

#include "editing/code_menus.h"
#include "editing/turret_view.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QMenu>

namespace brennvik {
namespace {

class CodeMenusTest : public EditingFixture {};

TEST_F(CodeMenusTest, EveryItemInsertsItsText) {
    const struct {
        const char *name;
        const char *text;
    } items[] = {
        {"mnuGcode_13", "G13\r\n"},
        {"mnuGcode_14", "G14\r\n"},
        {"GcodeSpindleSelect_1", "G140\r\n"},
        {"GcodeSpindleSelect_2", "G141\r\n"},
        {"GcodeSpindleSelect_3", "G142\r\n"},
        {"GcodeG04", "G04 F"},
        {"mnuGcodeComp_1", " G41"},
        {"mnuGcodeComp_2", " G42"},
        {"mnuGcodeComp_3", " G40"},
        {"mnuGcodeComp_4", " G18"},
        {"mnuGcodeComp_5", " G17"},
        {"mnuGcodeComp_6", " G19"},
        {"GcodeHomeG21", "N000 G21 HP="},
        {"GcodeHomeG20", "N000 G20 HP="},
        {"GcodeG29", "N000 G29 PW="},
        {"GcodeG22", "N000 G22 W D L PW=\r\n"},
        {"GcodeG28", "N000 G28\r\n"},
        {"GcodeG32", "N000 G32 X Z F\r\n"},
        {"GcodeG72", "N000 G72 X Z H D F\r\n"},
        {"GcodeG31", "N000 G31 X Z F\r\n"},
        {"GcodeG71", "N000 G71 X Z H D F\r\n"},
        {"GcodeG34", "N000 G34 X Z F\r\n"},
        {"GcodeG96_1", "G96 S"},
        {"GcodeG96_2", "G97 S"},
        {"GcodeG96_3", "G110 G96 S"},
        {"GcodeG96_4", "G111 G96 S"},
        {"GcodeG75", "G75 L"},
        {"GcodeG76", "G76 L"},
        {"mnuGcodeLap_1", "N000 G85 NAP1 D U W F\r\n"},
        {"mnuGcodeLap_2", "$    G84 XA= DA= FA= XB= DB= FB=\r\n"},
        {"mnuGcodeLap_3", "N000 G87 NAP1 (U W)\r\n"},
        {"mnuGcodeLap_4", "N000 G86 NAP1 D U W F\r\n"},
        {"mnuGcodeLap_5", "N000 G88 NAP1 D H F\r\n"},
        {"mnuGcodeLap_6", "NAP1 G81\r\n"},
        {"mnuGcodeLap_7", "NAP1 G82\r\n"},
        {"mnuGcodeLap_8", "NAP1 G83\r\n"},
        {"mnuGcodeLap_9", "N000 G80\r\n"},
        {"mnuGcodeMap_1", "N000 G181 C X Z I K F Q\r\n"},
        {"mnuGcodeMap_2", "N000 G183 C X Z I K F E Q\r\n"},
        {"mnuGcodeMap_3", "N000 G178 C X Z I K F Q\r\n"},
        {"mnuGcodeMap_4", "N000 G179 C X Z I K F Q\r\n"},
        {"mnuGcodeMap_5", "N000 G184 C X Z I K F Q\r\n"},
        {"mnuGcodeMap_6", "N000 G190 C X Z I D E F Q\r\n"},
        {"mnuGcodeMap_7", "N000 G191 C X Z K D E F Q\r\n"},
        {"mnuGcodeMap_8", "N000 G185 C X Z I K F SA=\r\n"},
        {"mnuGcodeMap_9", "N000 G186 C X Z I K F SA=\r\n"},
        {"mnuGcodeMap_10", "N000 G187 C X Z I K F SA=\r\n"},
        {"mnuGcodeMap_11", "N000 G188 C X Z I K F SA=\r\n"},
        {"mnuGcodeMap_12", "N000 G189 C X Z I K F E Q\r\n"},
        {"mnuGcodeMap_13", "N000 G182 C X Z I K F Q\r\n"},
        {"mnuGcodeMap_14", "N000 G180\r\n"},
        {"GcodeTailstock", "N000 G152 W"},
        {"GcodeG77", "N000 G77 X Z K F\r\n"},
        {"GcodeG78", "N000 G78 X Z K F\r\n"},
        {"McodeDoorFrontOpen_1", " M91"},
        {"McodeDoorFrontOpen_2", " M90"},
        {"McodeDoorCeilingOpen", " M291"},
        {"McodeDoorCeilingClose", " M290"},
        {"McodeCoolantStanderdOn", " M08"},
        {"McodeCoolantStanderdOff", " M09"},
        {"McodeCoolantHipressOn", " M145"},
        {"McodeCoolantHipressOff", " M144"},
        {"McodeCoolantHipress2On", " M175"},
        {"McodeCoolantHipress2Off", " M174"},
        {"McodeAirblowChuckOn", " M89"},
        {"McodeAirblowChuckOff", " M88"},
        {"McodeAirblowWorksensorOn", " M155"},
        {"McodeAirblowWorksensorOff", " M154"},
        {"McodeAirblowTouchsensorOn", " M127"},
        {"McodeAirblowTouchsensorOff", " M126"},
        {"McodeAirblowAdditionalOn", " M51"},
        {"McodeAirblowAdditionalOff", " M50"},
        {"McodeChuckMainClose", " M83"},
        {"McodeChuckMainOpen", " M84"},
        {"McodeChuckSubClose", " M249"},
        {"McodeChuckSubOpen", " M248"},
        {"McodeChuckInterlockMainOn", " M185"},
        {"McodeChuckInterlockMainOff", " M184"},
        {"McodeChuckInterlockSubOn", " M247"},
        {"McodeChuckInterlockSubOff", " M246"},
        {"McodeChuckPressureHigh", " M59"},
        {"McodeChuckPressureLow", " M58"},
        {"McodeChuckBarrierOn", " M25"},
        {"McodeChuckBarrierOff", " M24"},
        {"McodeChuckMissOn", " M133"},
        {"McodeChuckMissOff", " M132"},
        {"McodeChuckMissAirOn", " M131"},
        {"McodeChuckMissAirOff", " M130"},
        {"McodeTailstockAddvance", " M56"},
        {"McodeTailstockRetract", " M55"},
        {"McodeTailstockInterlockOn", " M157"},
        {"McodeTailstockInterlockOff", " M156"},
        {"McodeSpindleM_1", " M03 M63"},
        {"McodeSpindleM_2", " M04 M63"},
        {"McodeSpindleM_3", " M05 M63"},
        {"McodeSpindleM_4", " M19 M63"},
        {"McodeCaxisJointM110", " M110"},
        {"McodeCaxisJointM109", " M109"},
        {"McodeCaxisBrakeM147", " M147"},
        {"McodeCaxisBrakeM146", " M146"},
        {"McodeCaxisPositioningM15", " M15"},
        {"McodeCaxisPositioningM16", " M16"},
        {"McodeCaxisInterlockM153", " M153"},
        {"McodeCaxisInterlockM152", " M152"},
        {"McodeMspindleM_1", " M13 M63"},
        {"McodeMspindleM_2", " M14 M63"},
        {"McodeMspindleM_3", " M12 M63"},
        {"McodeMspindleM_4", " M229 M63"},
    };
    RichTextPane *pane = OpenDocument(QString());
    int count = 0;
    for (const auto &item : items) {
        QAction *entry = m_main->Entry(QString::fromLatin1(item.name));
        ASSERT_NE(entry, nullptr) << item.name;
        pane->SetText(QStringLiteral("N1 X"));
        pane->Select(3, 1);
        entry->trigger();
        const QString text = QString::fromLatin1(item.text);
        EXPECT_EQ(pane->Text(), QStringLiteral("N1 ") + text) << item.name;
        EXPECT_EQ(pane->SelStart(), 3 + text.size()) << item.name << ": caret behind the text";
        EXPECT_EQ(pane->SelLength(), 0) << item.name;
        ++count;
    }
    // Both menus hold just these items.
    int entries = 0;
    for (QMenu *menu : {m_main->Gcode, m_main->Mcode})
        for (QAction *a : menu->findChildren<QAction *>())
            if (!a->menu() && !a->isSeparator() && !a->objectName().isEmpty()) ++entries;
    EXPECT_EQ(entries, count);
}

TEST_F(CodeMenusTest, SubSpindleChuckItemsShowTheCodeTheyInsert) {
    EXPECT_EQ(m_main->Entry(QStringLiteral("McodeChuckSubClose"))->statusTip(), "M249 を挿入します");
    EXPECT_EQ(m_main->Entry(QStringLiteral("McodeChuckSubOpen"))->statusTip(), "M248 を挿入します");
}

TEST_F(CodeMenusTest, InTheTwoTurretViewPaneBTakesTheText) {
    RichTextPane *paneA = OpenDocument(QStringLiteral("G13\r\nA1\r\nG14\r\nB1\r\nNEND M02\r\n"));
    mnuAbView_Click();
    RichTextPane *paneB = g_Documents[g_CurrentDocument]->txtTextB;
    g_Documents[g_CurrentDocument]->txtTextB_GotFocus();
    paneB->SetSelStart(2);
    m_main->RunCommand(QStringLiteral("McodeChuckSubClose"));
    EXPECT_EQ(paneB->Text(), "B1 M249\r\n");
    EXPECT_EQ(paneA->Text(), "A1\r\n");
}

TEST_F(CodeMenusTest, ANameThatIsNoItemInsertsNothing) {
    RichTextPane *pane = OpenDocument(QStringLiteral("X"));
    CodeItem_Click(QStringLiteral("mnuGcode_1"));
    CodeItem_Click(QStringLiteral("GcodeTurret"));
    EXPECT_EQ(pane->Text(), "X");
}

}  // namespace
}  // namespace brennvik
