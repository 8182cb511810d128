#include "support/dialog_helpers.h"
#include "support/fixtures.h"

#include "platform/SettingsStore.h"
#include "process/process_commands.h"
#include "process/frmProcess.h"
#include "process/frmProcessSetup.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace brennvik {
namespace {

class MachineSettingsTest : public ProgramFixture {
protected:
    // Opens the dialog from the Process menu and runs `script` on it.
    void OpenSetup(const std::function<void(frmProcessSetup *)> &script) {
        ScriptNextModal([script](QWidget *w) { script(qobject_cast<frmProcessSetup *>(w)); });
        ProcessSetup_Click();
    }
    QList<QAction *> MachineTypeEntries() const {
        return {m_main->Entry("ProcessMT"),      m_main->Entry("ProcessMDrillSlant"), m_main->Entry("ProcessMKeySlant"),
                m_main->Entry("ProcessMTapSlant"), m_main->Entry("ProcessMCircle"),   m_main->Entry("ProcessMPlanetTap")};
    }
    void ExpectEntriesVisible(bool visible, const char *when) {
        for (QAction *a : MachineTypeEntries())
            EXPECT_EQ(a->isVisible(), visible) << when << " " << a->objectName().toStdString();
    }
};

TEST_F(MachineSettingsTest, EmptyStoreShowsTheDefaults) {
    StartMain();
    EXPECT_EQ(g_M867Word, "");
    EXPECT_EQ(g_M866Line, "");
    OpenSetup([](frmProcessSetup *d) {
        EXPECT_EQ(d->windowTitle(), "パラメータ設定");
        EXPECT_EQ(d->txtMaxS->text(), "2500");
        EXPECT_EQ(d->txtHomeX->text(), "500");
        EXPECT_EQ(d->txtHomeZ->text(), "500");
        EXPECT_EQ(d->txtAppX->text(), "200");
        EXPECT_EQ(d->txtAppZ->text(), "50");
        EXPECT_TRUE(d->mcOther->isChecked());
        EXPECT_TRUE(d->txtHomeX->isVisible());
        EXPECT_TRUE(d->txtHomeZ->isVisible());
        EXPECT_EQ(d->LabelAppX->text(), "X");
        EXPECT_FALSE(d->TurretH->isEnabled());
        EXPECT_FALSE(d->AtcMacro->isEnabled());
        EXPECT_FALSE(d->chkToolType->isEnabled());
        EXPECT_FALSE(d->chkM867->isVisible());
        EXPECT_TRUE(d->H2->isChecked());
        EXPECT_TRUE(d->M421->isChecked());
        EXPECT_TRUE(d->HSK->isChecked());
        for (QCheckBox *on : {d->ChkToolFrom, d->ChkOsp, d->ChkPanel})
            EXPECT_TRUE(on->isChecked()) << on->objectName().toStdString();
        for (QCheckBox *off : {d->chkToolLife, d->chkM867, d->ChkBturret, d->ChkMeasuer, d->ChkDoor, d->ChkLoadMoniter,
                               d->ChkOptionalStop})
            EXPECT_FALSE(off->isChecked()) << off->objectName().toStdString();
        d->Command2->click();
    });
}

TEST_F(MachineSettingsTest, DesignCaptions) {
    frmProcessSetup d;
    const std::pair<QAbstractButton *, const char *> captions[] = {
        {d.chkToolLife, "工具寿命管理"},   {d.ChkOsp, "OSP-U100以降"},       {d.chkM867, "M867 (アンチ解除)"},
        {d.ChkBturret, "２サドル"},         {d.ChkMeasuer, "機内計測使用"},    {d.ChkPanel, "パネルチェック"},
        {d.ChkDoor, "自動ドア使用"},        {d.ChkToolFrom, "工具形状出力"},   {d.ChkLoadMoniter, "ロードモニター"},
        {d.ChkOptionalStop, "オプショナル　　　　　　ストップ"},
        {d.mcOther, "その他"},   {d.mcMacTurn, "MacTurn"}, {d.mcMULTUS, "MULTUS"}, {d.H1, "H1"}, {d.H2, "H2"},
        {d.M321, "M321"},        {d.M421, "M421"},         {d.M441, "M441"},       {d.TD, "TD指令"},
        {d.HSK, "HSK CAPT"},     {d.BT, "BT"},             {d.Command1, "設　定"}, {d.Command2, "キャンセル"},
    };
    for (const auto &c : captions) EXPECT_EQ(c.first->text(), QString::fromUtf8(c.second)) << c.second;
    EXPECT_EQ(d.FrameMachine->title(), "機　種");
    EXPECT_EQ(d.TurretH->title(), "刃物台タイプ");
    EXPECT_EQ(d.AtcMacro->title(), "ATCマクロ");
    EXPECT_EQ(d.chkToolType->title(), "工具タイプ");
}

TEST_F(MachineSettingsTest, ConfirmingWritesEveryKeyAsTextInOrder) {
    StartMain();
    ClearSettingsWriteLog();
    OpenSetup([](frmProcessSetup *d) {
        d->txtMaxS->setText(QStringLiteral("3000.5"));
        d->txtAppX->setText(QStringLiteral("abc"));
        d->ChkDoor->setChecked(true);
        d->ChkPanel->setChecked(false);
        d->Command1->click();
    });
    EXPECT_TRUE(g_DialogOK);
    const QStringList expected = {
        "Parameter/MaxS",       "Parameter/HomeX",      "Parameter/HomeZ",       "Parameter/AppX",
        "Parameter/AppZ",       "Parameter/TG",         "Parameter/OSPU100",     "Parameter/MacTurn",
        "Parameter/MULTUS",     "Parameter/Bturret",    "Parameter/Measuer",     "Parameter/PanelChk",
        "Parameter/AutoDoor",   "Parameter/TurretType", "Parameter/ToolType",    "Parameter/AtcMacroType",
        "Parameter/ToolFrom",   "Parameter/LoadMoniter", "Parameter/OptionalStop", "Parameter/swM867",
    };
    EXPECT_EQ(SettingsWriteLog(), expected);
    const std::pair<const char *, const char *> stored[] = {
        {"MaxS", "3000.5"},    {"HomeX", "500"},      {"HomeZ", "500"},     {"AppX", "0"},
        {"AppZ", "50"},        {"TG", "False"},       {"OSPU100", "True"},  {"MacTurn", "False"},
        {"MULTUS", "False"},   {"Bturret", "False"},  {"Measuer", "False"}, {"PanelChk", "False"},
        {"AutoDoor", "True"},  {"TurretType", "2"},   {"ToolType", "HSK"},  {"AtcMacroType", "M321"},
        {"ToolFrom", "True"},  {"LoadMoniter", "False"}, {"OptionalStop", "False"}, {"swM867", "False"},
    };
    for (const auto &s : stored) EXPECT_EQ(StoredSetting("Parameter", s.first), QString::fromLatin1(s.second)) << s.first;
    EXPECT_EQ(g_MaxS, 3000.5f);
    EXPECT_EQ(g_AppX, 0);
    EXPECT_TRUE(g_AutoDoor);
    EXPECT_FALSE(g_PanelChk);
    // Machine type other: the macro is M321 whatever was selected.
    EXPECT_EQ(g_AtcMacroType, "M321");
}

TEST_F(MachineSettingsTest, MachineTypeRuleOfTheDialog) {
    enum Machine { MacTurn, MULTUS, Other };
    const struct {
        Machine machine;
        const char *labelAppX;
        bool homeShown, framesOn, h1On, h2On, macrosOn, hskOn, btOn, toolTypeOn, m867Shown;
    } cases[] = {
        {MacTurn, "G21 HP=4", false, true, true, true, true, true, true, true, false},
        {MULTUS, "G20 HP=4", false, true, true, false, true, true, false, false, true},
        {Other, "X", true, false, false, false, false, false, false, false, false},
    };
    StartMain();
    for (const auto &c : cases) {
        OpenSetup([&](frmProcessSetup *d) {
            // Start from another type so that the click changes the selection.
            (c.machine == Other ? d->mcMacTurn : d->mcOther)->click();
            d->H2->setChecked(true);
            d->BT->setChecked(true);
            (c.machine == MacTurn ? d->mcMacTurn : c.machine == MULTUS ? d->mcMULTUS : d->mcOther)->click();
            const std::string at = std::to_string(c.machine);
            EXPECT_EQ(d->LabelAppX->text(), QString::fromLatin1(c.labelAppX)) << at;
            EXPECT_EQ(d->txtHomeX->isVisible(), c.homeShown) << at;
            EXPECT_EQ(d->txtHomeZ->isVisible(), c.homeShown) << at;
            EXPECT_EQ(d->LabelAppZ->isVisible(), c.homeShown) << at;
            EXPECT_EQ(d->TurretH->isEnabled(), c.framesOn) << at;
            EXPECT_EQ(d->AtcMacro->isEnabled(), c.framesOn) << at;
            EXPECT_EQ(d->H1->isEnabled(), c.h1On) << at;
            EXPECT_EQ(d->H2->isEnabled(), c.h2On) << at;
            for (QRadioButton *m : {d->M321, d->M421, d->M441, d->TD}) EXPECT_EQ(m->isEnabled(), c.macrosOn) << at;
            EXPECT_EQ(d->BT->isEnabled(), c.btOn) << at;
            EXPECT_EQ(d->chkToolType->isEnabled(), c.toolTypeOn) << at;
            EXPECT_EQ(d->chkM867->isVisible(), c.m867Shown) << at;
            if (c.machine == MULTUS) {
                EXPECT_TRUE(d->H1->isChecked());
                EXPECT_TRUE(d->HSK->isChecked());
            } else {
                EXPECT_TRUE(d->H2->isChecked()) << at;
                EXPECT_TRUE(d->BT->isChecked()) << at;
                EXPECT_EQ(d->HSK->testAttribute(Qt::WA_Disabled), !c.hskOn) << at;
            }
            d->Command2->click();
        });
    }
}

TEST_F(MachineSettingsTest, StoredTurretAndToolTypeShowOnMultusThoughDisabled) {
    WriteSettingsFile("[Parameter]\nMULTUS=True\nTurretType=2\nToolType=BT\nAtcMacroType=TD\n");
    StartMain();
    OpenSetup([](frmProcessSetup *d) {
        EXPECT_TRUE(d->mcMULTUS->isChecked());
        EXPECT_TRUE(d->H2->isChecked());
        EXPECT_FALSE(d->H2->isEnabled());
        EXPECT_TRUE(d->BT->isChecked());
        EXPECT_FALSE(d->BT->isEnabled());
        EXPECT_TRUE(d->TD->isChecked());
        EXPECT_TRUE(d->chkM867->isVisible());
        d->Command1->click();
    });
    EXPECT_EQ(StoredSetting("Parameter", "TurretType"), "2");
    EXPECT_EQ(StoredSetting("Parameter", "ToolType"), "BT");
    EXPECT_EQ(StoredSetting("Parameter", "AtcMacroType"), "TD");
    EXPECT_EQ(StoredSetting("Parameter", "MULTUS"), "True");
    EXPECT_EQ(StoredSetting("Parameter", "MacTurn"), "False");
}

TEST_F(MachineSettingsTest, ProcessEntriesFollowTheMachineTypeAfterTheDialog) {
    StartMain();
    ExpectEntriesVisible(false, "start");
    OpenSetup([](frmProcessSetup *d) {
        d->mcMacTurn->click();
        d->Command1->click();
    });
    EXPECT_TRUE(g_MacTurn);
    ExpectEntriesVisible(true, "MacTurn");
    OpenSetup([](frmProcessSetup *d) {
        d->mcMULTUS->click();
        d->Command1->click();
    });
    EXPECT_TRUE(g_MULTUS);
    EXPECT_FALSE(g_MacTurn);
    ExpectEntriesVisible(true, "MULTUS");
    // Cancel and close box: the entries follow the unchanged type.
    OpenSetup([](frmProcessSetup *d) {
        d->mcOther->click();
        d->Command2->click();
    });
    ExpectEntriesVisible(true, "cancelled");
    OpenSetup([](frmProcessSetup *d) {
        d->mcOther->click();
        d->close();
    });
    ExpectEntriesVisible(true, "closed");
    EXPECT_TRUE(g_MULTUS);
    OpenSetup([](frmProcessSetup *d) {
        d->mcOther->click();
        d->Command1->click();
    });
    EXPECT_FALSE(g_MacTurn);
    EXPECT_FALSE(g_MULTUS);
    ExpectEntriesVisible(false, "other");
}

TEST_F(MachineSettingsTest, ConfirmingShowsOrHidesTheBAxisFieldsOfTheProcessDialog) {
    StartMain();
    const struct {
        const char *option;
        const char *toolType;
        bool shown;
    } cases[] = {{"mcMacTurn", "BT", true}, {"mcMULTUS", "HSK", true}, {"mcOther", "HSK", false}};
    for (const auto &c : cases) {
        OpenSetup([&](frmProcessSetup *d) {
            ClickControl(d, c.option);
            ClickControl(d, c.toolType);
            d->Command1->click();
        });
        ASSERT_NE(g_frmProcess, nullptr) << c.option;
        for (QWidget *w : std::initializer_list<QWidget *>{g_frmProcess->LabelB, g_frmProcess->LabelB2, g_frmProcess->B,
                                                           g_frmProcess->TipPostion})
            EXPECT_EQ(w->isVisibleTo(g_frmProcess), c.shown) << c.option << " " << w->objectName().toStdString();
    }
}

TEST_F(MachineSettingsTest, M867SettingGivesTheMultusWords) {
    StartMain();
    OpenSetup([](frmProcessSetup *d) {
        d->mcMULTUS->click();
        d->chkM867->setChecked(true);
        d->Command1->click();
    });
    EXPECT_EQ(g_M867Word, " M867");
    EXPECT_EQ(g_M866Line, "N000 M866\r\n");
    EXPECT_EQ(StoredSetting("Parameter", "swM867"), "True");
    // A hidden check box is read all the same.
    OpenSetup([](frmProcessSetup *d) {
        d->mcOther->click();
        d->Command1->click();
    });
    EXPECT_TRUE(g_swM867);
    EXPECT_EQ(g_M867Word, " M867");
}

TEST_F(MachineSettingsTest, CancelAndCloseBoxChangeNoSetting) {
    StartMain();
    ClearSettingsWriteLog();
    g_DialogOK = true;
    OpenSetup([](frmProcessSetup *d) {
        d->txtMaxS->setText(QStringLiteral("999"));
        d->mcMULTUS->click();
        d->close();
    });
    // Nothing reads the flag after this dialog; the close box leaves it.
    EXPECT_TRUE(g_DialogOK);
    OpenSetup([](frmProcessSetup *d) {
        d->txtMaxS->setText(QStringLiteral("999"));
        d->ChkDoor->setChecked(true);
        d->Command2->click();
    });
    EXPECT_FALSE(g_DialogOK);
    EXPECT_TRUE(SettingsWriteLog().isEmpty());
    EXPECT_EQ(g_MaxS, 2500.0f);
    EXPECT_FALSE(g_AutoDoor);
    EXPECT_FALSE(g_MULTUS);
    EXPECT_EQ(g_frmProcessSetup, nullptr);
}

TEST_F(MachineSettingsTest, CloseBoxOfTheProcessDialogAfterConfirmedSettingsLeavesTheFlagFalse) {
    StartMain();
    OpenSetup([](frmProcessSetup *d) { d->Command1->click(); });
    ASSERT_TRUE(g_DialogOK);
    ScriptNextModal([](QWidget *w) { w->close(); });
    ShowProcessDialog();
    EXPECT_FALSE(g_DialogOK);
}

// "1e39" in the speed limit was cast to a float out of range; now it is error 6 and nothing is stored.
TEST_F(MachineSettingsTest, ValueTooLargeIsAnOverflowAndStoresNothing) {
    StartMain();
    ClearSettingsWriteLog();
    OpenSetup([](frmProcessSetup *d) {
        d->txtMaxS->setText(QStringLiteral("1e39"));
        d->txtHomeX->setText(QStringLiteral("123"));
        d->mcMacTurn->click();
        d->Command1->click();
    });
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_EQ(m_msgBoxes[0].title, "エラー 6");
    EXPECT_TRUE(SettingsWriteLog().isEmpty());
    EXPECT_EQ(g_MaxS, 2500.0f);
    EXPECT_EQ(g_HomeX, 500);
    EXPECT_FALSE(g_MacTurn);
    ExpectEntriesVisible(false, "after the error");
}

TEST_F(MachineSettingsTest, NumberFieldsSelectTheirTextOnFocus) {
    StartMain();
    OpenSetup([](frmProcessSetup *d) {
        ASSERT_TRUE(ActivateWindow(d));
        for (QLineEdit *box : {d->txtMaxS, d->txtHomeX, d->txtHomeZ, d->txtAppX, d->txtAppZ}) {
            box->setFocus();
            EXPECT_EQ(box->selectedText(), box->text()) << box->objectName().toStdString();
        }
        d->txtAppZ->clear();
        d->txtMaxS->setFocus();
        d->txtAppZ->setFocus();
        EXPECT_FALSE(d->txtAppZ->hasSelectedText());
        d->Command2->click();
    });
}

TEST_F(MachineSettingsTest, ReopenedDialogIsFilledAfresh) {
    StartMain();
    OpenSetup([](frmProcessSetup *d) {
        d->mcMacTurn->click();
        d->txtAppZ->setText(QStringLiteral("75.5"));
        d->chkToolLife->setChecked(true);
        d->Command1->click();
    });
    OpenSetup([](frmProcessSetup *d) {
        EXPECT_TRUE(d->mcMacTurn->isChecked());
        EXPECT_EQ(d->txtAppZ->text(), "75.5");
        EXPECT_TRUE(d->chkToolLife->isChecked());
        EXPECT_EQ(d->LabelAppX->text(), "G21 HP=4");
        EXPECT_FALSE(d->txtHomeX->isVisible());
        d->Command2->click();
    });
}

}  // namespace
}  // namespace brennvik
