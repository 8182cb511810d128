#include "support/dialog_helpers.h"
#include "support/fixtures.h"

#include "platform/Modal.h"
#include "process/cutting_conditions.h"
#include "process/frmProcess.h"
#include "process/frmProcessSetup.h"
#include "process/frmUGC.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/runtime.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace brennvik {
namespace {

class ProcessDialogTest : public ProgramFixture {
protected:
    // Shows the dialog through the modal seam and runs `script` on it.
    void ShowScripted(const std::function<void(frmProcess *)> &script) {
        ScriptNextModal([script](QWidget *w) { script(qobject_cast<frmProcess *>(w)); });
        ShowProcessDialog();
    }
    void Confirm(const std::function<void(frmProcess *)> &fill) {
        ShowScripted([fill](frmProcess *f) {
            fill(f);
            f->Command1->click();
        });
    }
};

TEST_F(ProcessDialogTest, BoxesReadTheirLeadingNumber) {
    const struct {
        const char *text;
        double value;
    } cases[] = {
        {"", 0}, {"12.5abc", 12.5}, {"1.5mm", 1.5}, {"abc", 0}, {"  7", 7}, {"-3.25", -3.25}, {"1e3", 1000}, {".5", 0.5},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        Confirm([&](frmProcess *f) {
            for (QLineEdit *box : {f->ToolNumber, f->V, f->F, f->U, f->W, f->D, f->L, f->C, f->B, f->SZ, f->StartX,
                                   f->StartZ, f->StartC, f->EndX, f->EndZ, f->EndC})
                box->setText(text);
        });
        ASSERT_TRUE(g_DialogOK) << c.text;
        // Hidden boxes (B, SZ) are read like shown ones.
        for (double v : {g_ToolNumber, g_ParamV, g_ParamF, g_ParamU, g_ParamW, g_ParamD, g_ParamL, g_ParamB, g_ParamSZ,
                         g_StartX, g_StartZ, g_EndX, g_EndZ})
            EXPECT_EQ(v, c.value) << c.text;
        for (float v : {g_ParamC, g_StartC, g_EndC}) EXPECT_EQ(v, float(c.value)) << c.text;
    }
}

TEST_F(ProcessDialogTest, FieldsGoIntoTheirOwnVariables) {
    Confirm([](frmProcess *f) {
        const std::pair<QLineEdit *, const char *> texts[] = {
            {f->ToolNumber, "5"}, {f->V, "150"},    {f->F, "0.25"},    {f->U, "0.4"},    {f->W, "0.1"},
            {f->D, "2.5"},        {f->L, "3"},      {f->C, "0.5"},     {f->B, "30"},     {f->SZ, "12"},
            {f->StartX, "40"},    {f->StartZ, "0"}, {f->StartC, "15"}, {f->EndX, "60"}, {f->EndZ, "-35"},
            {f->EndC, "270"}};
        for (const auto &t : texts) t.first->setText(QString::fromLatin1(t.second));
        f->Option2->setChecked(true);
    });
    EXPECT_EQ(g_ToolNumber, 5);
    EXPECT_EQ(g_ParamV, 150);
    EXPECT_EQ(g_ParamF, 0.25);
    EXPECT_EQ(g_ParamU, 0.4);
    EXPECT_EQ(g_ParamW, 0.1);
    EXPECT_EQ(g_ParamD, 2.5);
    EXPECT_EQ(g_ParamL, 3);
    EXPECT_EQ(g_ParamC, 0.5f);
    EXPECT_EQ(g_ParamB, 30);
    EXPECT_EQ(g_ParamSZ, 12);
    EXPECT_EQ(g_StartX, 40);
    EXPECT_EQ(g_StartZ, 0);
    EXPECT_EQ(g_StartC, 15.0f);
    EXPECT_EQ(g_EndX, 60);
    EXPECT_EQ(g_EndZ, -35);
    EXPECT_EQ(g_EndC, 270.0f);
    EXPECT_FALSE(g_ChamferIsC);
}

TEST_F(ProcessDialogTest, OptionsGiveTheirWordsByMachineType) {
    enum Machine { Other, MacTurn, MULTUS };
    const struct {
        Machine machine;
        const char *toolType;
        bool forward, coolant, tipAt0;
        const char *b;
        const char *spindle, *coolantWord, *tip, *g52, *bAxis, *m263;
    } cases[] = {
        {Other, "HSK", true, true, true, "45", " M03 M63", " M08", "", "", "", ""},
        {Other, "HSK", false, false, false, "90", " M04 M63", " M09", "", "", "", ""},
        {MacTurn, "HSK", true, true, false, "0", " M03 M63", " M08", " M603", "", "", ""},
        {MacTurn, "HSK", true, true, true, "45", " M03 M63", " M08", " M602", " G52", " BA=45", ""},
        // A MacTurn with BT tools shows B, yet writes no B-axis or tip word.
        {MacTurn, "BT", true, true, true, "45", " M03 M63", " M08", "", "", "", ""},
        {MULTUS, "BT", true, false, true, "90", " M03 M63", " M09", " M602", "", " BT=1", " M263"},
        {MULTUS, "HSK", false, true, false, "45", " M04 M63", " M08", " M603", " G52", " BA=45", " M263"},
        {MULTUS, "HSK", true, true, true, "12.3456", " M03 M63", " M08", " M602", " G52", " BA=12.345", " M263"},
        {MULTUS, "HSK", true, true, true, "-30deg", " M03 M63", " M08", " M602", " G52", " BA=-30", " M263"},
        {MULTUS, "HSK", true, true, true, "", " M03 M63", " M08", " M602", "", "", " M263"},
    };
    for (const auto &c : cases) {
        g_MacTurn = c.machine == MacTurn;
        g_MULTUS = c.machine == MULTUS;
        g_ToolType = QString::fromLatin1(c.toolType);
        Confirm([&](frmProcess *f) {
            (c.forward ? f->SpindleCW : f->SpindleCCW)->setChecked(true);
            (c.coolant ? f->CoolantON : f->CoolantOFF)->setChecked(true);
            (c.tipAt0 ? f->M602 : f->M603)->setChecked(true);
            f->B->setText(QString::fromLatin1(c.b));
        });
        const std::string at = std::string(c.toolType) + " machine " + std::to_string(c.machine) + " B " + c.b;
        EXPECT_EQ(g_SpindleWord, QString::fromLatin1(c.spindle)) << at;
        EXPECT_EQ(g_CoolantWord, QString::fromLatin1(c.coolantWord)) << at;
        EXPECT_EQ(g_TipPositionWord, QString::fromLatin1(c.tip)) << at;
        EXPECT_EQ(g_G52Word, QString::fromLatin1(c.g52)) << at;
        EXPECT_EQ(g_BAxisWord, QString::fromLatin1(c.bAxis)) << at;
        EXPECT_EQ(g_M263Word, QString::fromLatin1(c.m263)) << at;
    }
}

TEST_F(ProcessDialogTest, HiddenTipFrameStillGivesTheDesignOption) {
    g_MULTUS = true;
    g_ToolType = QStringLiteral("BT");
    Confirm([](frmProcess *f) { f->TipPostion->setVisible(false); });
    EXPECT_EQ(g_TipPositionWord, " M602");
}

TEST_F(ProcessDialogTest, PrefillCopiesItsRow) {
    const struct {
        int row;
        const char *fields[12];
        bool forward, coolantOn;
    } cases[] = {
        {1, {"ハイスドリル", "ドリル", "8", "0", "1", "25", "0.12", "5", "1", "10", "0", "0"}, true, true},
        {5, {"外径荒引き", "荒バイト", "1", "1", "0", "120m/min", "0.3", "2.5", "", "0.4", "0.1", "1"}, false, false},
        {20, {"Mタップ端面", "タップ", "T24", " 0 ", "2", "8", "1.25", "0", "0", "8", "0", "0"}, true, false},
        {34, {"計測", "センサ", "40", "-1", "1", "1", "", "", "", "0.02", "0.1", ""}, false, true},
    };
    for (const auto &c : cases)
        for (int col = 1; col <= 12; ++col) g_CuttingConditions[c.row][col] = QString::fromUtf8(c.fields[col - 1]);
    for (const auto &c : cases) {
        frmProcess *f = EnsureProcessForm();
        f->StartX->setText(QStringLiteral("33"));
        PrefillProcessDialog(c.row);
        EXPECT_EQ(f->ToolNumber->text(), QString::fromUtf8(c.fields[2])) << c.row;
        EXPECT_EQ(f->SpindleCW->isChecked(), c.forward) << c.row;
        EXPECT_EQ(f->SpindleCCW->isChecked(), !c.forward) << c.row;
        EXPECT_EQ(f->CoolantON->isChecked(), c.coolantOn) << c.row;
        EXPECT_EQ(f->CoolantOFF->isChecked(), !c.coolantOn) << c.row;
        const QLineEdit *boxes[] = {f->V, f->F, f->D, f->L, f->U, f->W, f->C};
        for (int i = 0; i < 7; ++i) EXPECT_EQ(boxes[i]->text(), QString::fromUtf8(c.fields[5 + i])) << c.row << " " << i;
        // Nothing but the row's fields changes.
        EXPECT_EQ(f->StartX->text(), "33");
        EXPECT_EQ(f->B->text(), "0");
    }
}

TEST_F(ProcessDialogTest, PrefillOfAnEmptyOrTextDirectionIsATypeMismatch) {
    const struct {
        const char *spindle, *coolant;
    } cases[] = {{"", "1"}, {"0", ""}, {"abc", "1"}, {"0", "on"}};
    for (const auto &c : cases) {
        g_CuttingConditions[3][3] = QStringLiteral("7");
        g_CuttingConditions[3][4] = QString::fromLatin1(c.spindle);
        g_CuttingConditions[3][5] = QString::fromLatin1(c.coolant);
        try {
            PrefillProcessDialog(3);
            ADD_FAILURE() << "no error for " << c.spindle << "/" << c.coolant;
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number(), kErrTypeMismatch);
        }
        // The tool number was already put in.
        EXPECT_EQ(g_frmProcess->ToolNumber->text(), "7");
    }
    // A row no file fills (no table loaded, or beyond 34) is the same error.
    for (int row : {0, 12, 35, 50}) {
        try {
            PrefillProcessDialog(row);
            ADD_FAILURE() << "no error for row " << row;
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number(), kErrTypeMismatch);
        }
    }
}

TEST_F(ProcessDialogTest, CancelAndCloseBoxKeepTheLastConfirmedValues) {
    Confirm([](frmProcess *f) {
        f->ToolNumber->setText(QStringLiteral("5"));
        f->SpindleCW->setChecked(true);
    });
    ASSERT_TRUE(g_DialogOK);
    ShowScripted([](frmProcess *f) {
        f->ToolNumber->setText(QStringLiteral("9"));
        f->SpindleCCW->setChecked(true);
        f->Command2->click();
    });
    EXPECT_FALSE(g_DialogOK);
    EXPECT_EQ(g_ToolNumber, 5);
    EXPECT_EQ(g_SpindleWord, " M03 M63");

    // The close box counts as cancelling, whatever an earlier dialog left in the flag.
    g_DialogOK = true;
    ShowScripted([](frmProcess *f) {
        f->ToolNumber->setText(QStringLiteral("9"));
        f->close();
    });
    EXPECT_FALSE(g_DialogOK);
    EXPECT_EQ(g_ToolNumber, 5);
    EXPECT_EQ(g_frmProcess, nullptr);
}

// A box given "1e39" was cast to float out of range; now it is error 6 in the command's trap.
TEST_F(ProcessDialogTest, ValueTooLargeForItsVariableIsAnOverflowAndChangesNothing) {
    Confirm([](frmProcess *f) {
        f->ToolNumber->setText(QStringLiteral("5"));
        f->C->setText(QStringLiteral("1"));
    });
    for (const char *box : {"C", "StartC", "EndC", "V"}) {
        g_SpindleWord = QStringLiteral("before");
        try {
            Confirm([box](frmProcess *f) {
                f->ToolNumber->setText(QStringLiteral("9"));
                f->SpindleCW->setChecked(true);
                SetBoxText(f, box, QString::fromLatin1(box == std::string("V") ? "1e400" : "1e39"));
            });
            ADD_FAILURE() << "no error for " << box;
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number(), kErrOverflow) << box;
        }
        EXPECT_FALSE(g_DialogOK) << box;
        EXPECT_EQ(g_ToolNumber, 5) << box;
        EXPECT_EQ(g_ParamC, 1.0f) << box;
        EXPECT_EQ(g_SpindleWord, "before") << box;
        EXPECT_EQ(g_frmProcess, nullptr) << box;
    }
    // The largest float still fits.
    Confirm([](frmProcess *f) { f->C->setText(QStringLiteral("3.4e38")); });
    EXPECT_TRUE(g_DialogOK);
    EXPECT_EQ(g_ParamC, 3.4e38f);
}

TEST_F(ProcessDialogTest, ReopenedDialogIsBackAtItsDesignState) {
    frmProcess *first = EnsureProcessForm();
    const QPointer<frmProcess> firstGuard(first);
    const QString designTitle = first->windowTitle();
    ShowScripted([](frmProcess *f) {
        f->setWindowTitle(QStringLiteral("外径荒引き"));
        f->LabelD->setText(QStringLiteral("切込み量"));
        f->LabelAttn->setText(QStringLiteral("注：開始点のZ軸はマイナス側です。"));
        f->L->setVisible(false);
        f->B->setVisible(true);
        f->Frame3->setVisible(true);
        f->B->setText(QStringLiteral("45"));
        f->EndX->setText(QStringLiteral("50"));
        f->M603->setChecked(true);
        f->Option2->setChecked(true);
        f->Command1->click();
    });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(firstGuard.isNull());

    frmProcess *f = EnsureProcessForm();
    EXPECT_EQ(f->windowTitle(), designTitle);
    EXPECT_EQ(f->LabelD->text(), "ステップ");
    EXPECT_EQ(f->LabelAttn->text(), "");
    EXPECT_EQ(f->B->text(), "0");
    EXPECT_EQ(f->EndX->text(), "");
    EXPECT_TRUE(f->M602->isChecked());
    EXPECT_TRUE(f->Option1->isChecked());
    for (QWidget *hidden : std::initializer_list<QWidget *>{f->B, f->SZ, f->LabelB, f->LabelB2, f->LabelSZ, f->Frame3})
        EXPECT_FALSE(hidden->isVisibleTo(f)) << hidden->objectName().toStdString();
    for (QWidget *shown : std::initializer_list<QWidget *>{f->L, f->TipPostion, f->ToolNumber, f->EndC})
        EXPECT_TRUE(shown->isVisibleTo(f)) << shown->objectName().toStdString();
}

TEST_F(ProcessDialogTest, DesignCaptions) {
    frmProcess *f = EnsureProcessForm();
    const std::pair<const char *, const char *> captions[] = {
        {"Label1", "工具番号"},  {"Label10", "T"},         {"LabelB", "B軸角度"},          {"LabelB2", "B"},
        {"LabelV", "周　速(m/min)"}, {"Labelv2", "V"},      {"LabelF", "送り速度(mm/rev)"}, {"LabelF2", "F"},
        {"LabelU", "仕上げ代"},  {"LabelU2", "U"},         {"LabelW", "仕上げ代"},         {"LabelW2", "W"},
        {"LabelD", "ステップ"},  {"LabelD2", "D"},         {"LabelL", "引き抜き"},         {"LabelL2", "L"},
        {"LabelC", "面取り量"},  {"LabelC2", "C"},         {"LabelCZ", ""},                {"LabelSZ", "Z"},
        {"LabelStart", "開始点"}, {"LabelStartX", "X"},    {"LabelStartZ", "Z"},           {"LabelStartC", "C"},
        {"LabelEnd", "終　点"},  {"LabelEndX", "X"},       {"LabelEndZ", "Z"},             {"LabelEndC", "C"},
        {"EndZ2", "終　点"},     {"LabelAttn", ""},
        {"Label2", "注：入力個所の移動はTABキー      を押してください。"},
    };
    for (const auto &c : captions)
        if (auto *label = Child<QLabel>(f, c.first)) {
            EXPECT_EQ(label->text(), QString::fromUtf8(c.second)) << c.first;
        }
    const std::pair<const char *, const char *> buttons[] = {
        {"Command1", "実　行"}, {"Command2", "キャンセル"}, {"SpindleCW", "正転"}, {"SpindleCCW", "逆転"},
        {"CoolantON", "入り"},  {"CoolantOFF", "切り"},    {"M602", "0°"},       {"M603", "180°"},
        {"Option1", "C"},       {"Option2", "R"},
    };
    for (const auto &c : buttons)
        if (auto *b = Child<QAbstractButton>(f, c.first)) {
            EXPECT_EQ(b->text(), QString::fromUtf8(c.second)) << c.first;
        }
    EXPECT_EQ(f->Frame1->title(), "主軸");
    EXPECT_EQ(f->Frame2->title(), "切削水");
    EXPECT_EQ(f->TipPostion->title(), "刃先位置");
    EXPECT_EQ(f->Frame3->title(), "面取り");
}

// 実　行 stood 22 pixels high and キャンセル 26, two pixels apart: each
// button took the height its own caption's fallback face asked for.
TEST_F(ProcessDialogTest, TheButtonsOfEveryProcessDialogStandInOneLineAtOneHeight) {
    frmProcessSetup setup;
    frmUGC ugc;
    const std::pair<QWidget *, std::vector<const char *>> dialogs[] = {
        {EnsureProcessForm(), {"Command1", "Command2"}},
        {&setup, {"Command1", "Command2"}},
        {&ugc, {"Material", "Command1", "Command2"}},
    };
    for (const auto &[dialog, names] : dialogs) {
        dialog->show();
        QApplication::processEvents();
        const QRect first = Child<QPushButton>(dialog, names[0])->geometry();
        for (const char *name : names) {
            auto *button = Child<QPushButton>(dialog, name);
            EXPECT_EQ(button->geometry().top(), first.top()) << dialog->objectName().toStdString() << " " << name;
            EXPECT_EQ(button->height(), first.height()) << dialog->objectName().toStdString() << " " << name;
            EXPECT_GE(button->height(), button->sizeHint().height()) << name;
        }
        dialog->hide();
    }
}

TEST_F(ProcessDialogTest, EnterMovesOnlyAlongTheChainAndNeverPressesOk) {
    g_DialogOK = true;
    ShowScripted([](frmProcess *f) {
        for (QPushButton *b : f->findChildren<QPushButton *>()) {
            EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
            EXPECT_FALSE(b->autoDefault()) << b->objectName().toStdString();
        }
        ASSERT_TRUE(ActivateWindow(f));
        f->V->setText(QStringLiteral("150"));
        f->F->setText(QStringLiteral("0.25"));
        f->ToolNumber->setFocus();
        QTest::keyClick(f->ToolNumber, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), f->V);
        // The box reached by Enter has its whole text selected.
        EXPECT_EQ(f->V->selectedText(), "150");
        QTest::keyClick(f->V, Qt::Key_Enter);
        EXPECT_EQ(QApplication::focusWidget(), f->F);
        EXPECT_EQ(f->F->selectedText(), "0.25");
        QTest::keyClick(f->F, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), f->U);
        // An empty box keeps its caret.
        EXPECT_FALSE(f->U->hasSelectedText());
        QTest::keyClick(f->U, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), f->U);
        f->Command1->setFocus();
        QTest::keyClick(f->Command1, Qt::Key_Return);
        EXPECT_EQ(g_frmProcess, f);  // still loaded: Enter pressed nothing
        f->Command2->click();
    });
    EXPECT_FALSE(g_DialogOK);
}

TEST_F(ProcessDialogTest, ABoxClickedIntoKeepsItsWholeTextSelected) {
    // The click that gave the focus put the caret down and undid the selection.
    ShowScripted([](frmProcess *f) {
        ASSERT_TRUE(ActivateWindow(f));
        f->V->setText(QStringLiteral("150"));
        QTest::mouseClick(f->V, Qt::LeftButton, {}, QPoint(4, f->V->height() / 2));
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), f->V);
        EXPECT_EQ(f->V->selectedText(), "150");
        f->Command2->click();
    });
}

TEST_F(ProcessDialogTest, TabGoesThroughTheFieldsInOrder) {
    ShowScripted([](frmProcess *f) {
        f->B->setVisible(true);
        f->SZ->setVisible(true);
        ASSERT_TRUE(ActivateWindow(f));
        const QList<QWidget *> order = {f->ToolNumber, f->B,      f->V,      f->F,      f->U,    f->W,
                                        f->D,          f->L,      f->C,      f->SZ,     f->StartX, f->StartZ,
                                        f->StartC,     f->EndX,   f->EndZ,   f->EndC,   f->Command1, f->Command2};
        f->ToolNumber->setFocus();
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), order[i]) << order[i]->objectName().toStdString();
        }
        // Hidden fields are passed over.
        f->B->setVisible(false);
        f->ToolNumber->setFocus();
        QTest::keyClick(f->ToolNumber, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), f->V);
        f->Command2->click();
    });
}

TEST_F(ProcessDialogTest, LeavingBRelabelsEndCOnlyInTheTiltedDrillAndTapDialogs) {
    const struct {
        const char *caption;
        const char *b;
        const char *endC;
    } cases[] = {
        {"Y/B軸 Mドリル", "90", "X"}, {"Y/B軸 Mドリル", "45", "Z"}, {"Y/B軸 Mタップ", "90abc", "X"},
        {"Y/B軸 Mタップ", "", "Z"},   {"Y/B軸 Mキーミゾ", "90", "C"}, {"外径荒引き", "90", "C"},
    };
    for (const auto &c : cases) {
        ShowScripted([&](frmProcess *f) {
            f->setWindowTitle(QString::fromUtf8(c.caption));
            f->B->setVisible(true);
            f->B->setText(QString::fromUtf8(c.b));
            ASSERT_TRUE(ActivateWindow(f));
            f->B->setFocus();
            f->V->setFocus();  // the focus leaves B
            EXPECT_EQ(f->LabelEndC->text(), QString::fromUtf8(c.endC)) << c.caption << " " << c.b;
            f->Command2->click();
        });
    }
}

}  // namespace
}  // namespace brennvik
