// What a user of this platform meets in the first minutes: standard dialogs
// in Japanese, Enter on a focused button, dialogs over the main window at
// their design size, and the program's own icon.
#include "support/dialog_helpers.h"
#include "support/fixtures.h"

#include "calc_corner/RPM.h"
#include "editing/frmFind.h"
#include "editing/frmNumberArrange.h"
#include "editing/frmReplace.h"
#include "editing/frmSizeShift.h"
#include "platform/Modal.h"
#include "platform/RichTextPane.h"
#include "process/frmProcess.h"
#include "process/frmProcessSetup.h"
#include "process/frmUGC.h"
#include "process/machine_settings.h"
#include "workspace/document_slots.h"
#include "workspace/frmDocument.h"
#include "workspace/frmMain.h"
#include "workspace/program_icon.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace brennvik {
namespace {

class PlatformBehaviourTest : public ProgramFixture {
protected:
    RichTextPane *StartWithDocument(const QString &text) {
        StartMain();
        m_main->mnuFileNew->trigger();
        RichTextPane *pane = ActivePaneOfCurrentDocument();
        pane->SetText(text);
        return pane;
    }
    // Runs a menu entry whose dialog is modal, with `script` in place of the user.
    void RunModal(const char *entry, std::function<void(QWidget *)> script) {
        ScriptNextModal(std::move(script));
        EXPECT_TRUE(m_main->RunCommand(QString::fromLatin1(entry))) << entry;
    }
    static void PressKeyOn(QWidget *window, const char *control, Qt::Key key) {
        ASSERT_TRUE(ActivateWindow(window));
        auto *target = Child<QWidget>(window, control);
        ASSERT_TRUE(target);
        target->setFocus();
        QTest::keyClick(target, key);
    }
};

// Yes, No and Cancel of every question and the file dialogs read English.
TEST_F(PlatformBehaviourTest, StandardDialogsSpeakJapanese) {
    StartMain();
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QStringList buttons;
    for (QMessageBox::StandardButton b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
        buttons << box.button(b)->text().remove(QRegularExpression(QStringLiteral("\\(&.\\)|&")));
    EXPECT_EQ(buttons, QStringList({"はい", "いいえ", "キャンセル"}));

    QFileDialog open;
    open.setOption(QFileDialog::DontUseNativeDialog);
    QStringList labels;
    for (QLabel *label : open.findChildren<QLabel *>()) labels << label->text();
    EXPECT_TRUE(labels.join(u'|').contains(QStringLiteral("ファイル名"))) << labels.join(u'|').toStdString();
}

// Enter on a focused 実　行, 実行 or 設　定 did nothing; Space pressed it.
TEST_F(PlatformBehaviourTest, EnterOnAFocusedButtonPressesIt) {
    const struct {
        const char *name;
        Qt::Key key;
    } keys[] = {{"Enter", Qt::Key_Return}, {"keypad Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space}};
    RichTextPane *pane = StartWithDocument(QString());
    for (const auto &k : keys) {
        pane->SetText(QStringLiteral("G00\r\n"));
        RunModal("ProcessRoughOD", [&k](QWidget *w) { PressKeyOn(w, "Command1", k.key); });
        EXPECT_TRUE(pane->Text().contains(QStringLiteral("(-----< OD.ROUGH >-----)"))) << k.name << ": 実　行";

        pane->SetText(QStringLiteral("G00\r\n"));
        ASSERT_TRUE(m_main->RunCommand(QStringLiteral("mnuToolsNumberArrange")));
        frmNumberArrange *arrange = g_frmNumberArrange;
        ASSERT_TRUE(arrange);
        arrange->FromTop->setChecked(true);
        PressKeyOn(arrange, "Command1", k.key);
        EXPECT_EQ(pane->Text(), "N001 G00\r\n") << k.name << ": 実行";
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    RunModal("ProcessSetup", [](QWidget *w) {
        SetBoxText(w, "txtMaxS", QStringLiteral("3000"));
        PressKeyOn(w, "Command1", Qt::Key_Return);
    });
    EXPECT_EQ(g_MaxS, 3000.0f) << "設　定";
    RunModal("ProcessSetup", [](QWidget *w) {
        SetBoxText(w, "txtMaxS", QStringLiteral("4000"));
        PressKeyOn(w, "Command2", Qt::Key_Return);
    });
    EXPECT_EQ(g_MaxS, 3000.0f) << "キャンセル";
    EXPECT_TRUE(m_msgBoxes.empty());
    pane->SetDataChanged(false);
}

// Enter in a box keeps its own rule: it moves the focus and presses nothing.
TEST_F(PlatformBehaviourTest, EnterInABoxMovesTheFocusOnly) {
    RichTextPane *pane = StartWithDocument(QStringLiteral("G00\r\n"));
    QString focusAfterEnter;
    bool stillOpen = false;
    RunModal("ProcessRoughOD", [&](QWidget *w) {
        PressKeyOn(w, "ToolNumber", Qt::Key_Return);
        focusAfterEnter = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        PressKeyOn(w, "U", Qt::Key_Return);
        stillOpen = g_frmProcess != nullptr;
        ClickControl(w, "Command2");
    });
    EXPECT_EQ(focusAfterEnter, "V");
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(pane->Text(), "G00\r\n");

    // In the renumbering dialog Enter walks the boxes to 実行, and then presses it.
    ASSERT_TRUE(m_main->RunCommand(QStringLiteral("mnuToolsNumberArrange")));
    frmNumberArrange *arrange = g_frmNumberArrange;
    arrange->FromTop->setChecked(true);
    PressKeyOn(arrange, "DigitNo", Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), arrange->Command1);
    EXPECT_EQ(pane->Text(), "G00\r\n");
    QTest::keyClick(arrange->Command1, Qt::Key_Return);
    EXPECT_EQ(pane->Text(), "N001 G00\r\n");
}

// Dialogs had no owner: they opened in the middle of the screen and could be
// maximised.
TEST_F(PlatformBehaviourTest, DialogsOpenOverTheMainWindowAtTheirDesignSize) {
    StartWithDocument(QStringLiteral("G00\r\n"));
    QStringList seen;
    auto check = [this, &seen](QWidget *w) {
        seen << w->objectName();
        auto *dialog = qobject_cast<QDialog *>(w);
        ASSERT_TRUE(dialog) << w->objectName().toStdString();
        const std::string name = dialog->objectName().toStdString();
        EXPECT_EQ(dialog->parentWidget(), m_main) << name;
        EXPECT_TRUE(dialog->isWindow()) << name;
        dialog->layout()->activate();
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << name;
        EXPECT_EQ(dialog->size(), dialog->minimumSize()) << name;
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint) << name;
        EXPECT_TRUE(m_main->frameGeometry().contains(dialog->frameGeometry().center())) << name;
    };
    auto checkAndClose = [&check](QWidget *w) {
        check(w);
        w->close();
    };
    RunModal("ProcessRoughOD", checkAndClose);
    RunModal("ProcessSetup", checkAndClose);
    ScriptNextModal(checkAndClose);
    ShowMaterialDialog();
    // The modeless ones.
    const struct {
        const char *entry;
        std::function<QDialog *()> dialog;
    } modeless[] = {
        {"mnuSearchFind", [] { return g_frmFind.data(); }},
        {"mnuSearchReplace", [] { return g_frmReplace.data(); }},
        {"mnuToolsSizeShift", [] { return g_frmSizeShift.data(); }},
        {"mnuToolsNumberArrange", [] { return g_frmNumberArrange.data(); }},
    };
    for (const auto &m : modeless) {
        ASSERT_TRUE(m_main->RunCommand(QString::fromLatin1(m.entry)));
        ASSERT_TRUE(m.dialog()) << m.entry;
        checkAndClose(m.dialog());
    }
    EXPECT_EQ(seen, QStringList({"frmProcess", "frmProcessSetup", "frmUGC", "frmFind", "frmReplace", "frmSizeShift",
                                 "frmNumberArrange"}));
}

// The program switched the system's Caps Lock on; its CAPS now lives in the
// program and only the document panes follow it.
TEST_F(PlatformBehaviourTest, CapsLockOfTheProgramTypesCapitalsIntoThePanes) {
    RichTextPane *pane = StartWithDocument(QString());
    EXPECT_TRUE(m_main->StatusPanel(3)->property("keyOn").toBool()) << "on at start";
    QTest::keyClicks(pane, QStringLiteral("g50 s1000"));
    EXPECT_EQ(pane->Text(), "G50 S1000");

    // The automatic numbering sees the capital the user gets.
    pane->SetText(QString());
    ASSERT_TRUE(m_main->RunCommand(QStringLiteral("mnuToolsAutoNo")));
    QTest::keyClicks(pane, QStringLiteral("g0"));
    EXPECT_EQ(pane->Text(), "N000 G0");
    ASSERT_TRUE(m_main->RunCommand(QStringLiteral("mnuToolsAutoNo")));

    // A box of a dialog keeps what is typed.
    ASSERT_TRUE(m_main->RunCommand(QStringLiteral("mnuSearchFind")));
    QTest::keyClicks(g_frmFind->txtFind, QStringLiteral("g01"));
    EXPECT_EQ(g_frmFind->txtFind->text(), "g01");

    // A click on the CAPS panel switches it off.
    QTest::mouseClick(m_main->StatusPanel(3), Qt::LeftButton);
    EXPECT_FALSE(m_main->StatusPanel(3)->property("keyOn").toBool());
    pane->SetText(QString());
    QTest::keyClicks(pane, QStringLiteral("g50"));
    EXPECT_EQ(pane->Text(), "g50");
}

// The keyboard's Caps Lock key did nothing, and a capital the system's lock
// made came into a pane while the CAPS panel was off.
TEST_F(PlatformBehaviourTest, TheCapsLockKeySwitchesTheProgramsLockInAnyWindow) {
    RichTextPane *pane = StartWithDocument(QString());
    ASSERT_TRUE(ActivateWindow(m_main));
    pane->setFocus();
    QTest::keyClick(pane, Qt::Key_CapsLock);
    EXPECT_FALSE(m_main->StatusPanel(3)->property("keyOn").toBool());
    // What the system's lock (now on) gives is typed as the panel says.
    QTest::keyClicks(pane, QStringLiteral("G50"));
    QTest::keyClick(pane, Qt::Key_S, Qt::ShiftModifier);
    EXPECT_EQ(pane->Text(), "g50S");

    // Pressed in a dialog, too; the dialog's box keeps what is typed.
    ASSERT_TRUE(m_main->RunCommand(QStringLiteral("mnuSearchFind")));
    ASSERT_TRUE(ActivateWindow(g_frmFind));
    QTest::keyClick(g_frmFind->txtFind, Qt::Key_CapsLock);
    EXPECT_TRUE(m_main->StatusPanel(3)->property("keyOn").toBool());
    QTest::keyClicks(g_frmFind->txtFind, QStringLiteral("g01"));
    EXPECT_EQ(g_frmFind->txtFind->text(), "g01");
    g_frmFind->close();

    pane->SetText(QString());
    QTest::keyClicks(pane, QStringLiteral("g50"));
    EXPECT_EQ(pane->Text(), "G50");
}

// Every chord of Alt, Meta or Alt+Shift with these keys.
void TypeUntakenChords(QWidget *box) {
    for (const Qt::KeyboardModifiers chord :
         {Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers(Qt::MetaModifier), Qt::AltModifier | Qt::ShiftModifier})
        for (const Qt::Key key : {Qt::Key_I, Qt::Key_Z, Qt::Key_X, Qt::Key_Q, Qt::Key_5, Qt::Key_Space, Qt::Key_Backspace})
            QTest::keyClick(box, key, chord);
}

// Alt+I (挿入 has no access key) used to type "i" and mark the program changed.
TEST_F(PlatformBehaviourTest, AnAltChordNoMenuTakesTypesNothing) {
    RichTextPane *pane = StartWithDocument(QStringLiteral("G00"));
    pane->Select(3, 0);
    pane->SetDataChanged(false);
    ASSERT_TRUE(ActivateWindow(m_main));
    pane->setFocus();
    TypeUntakenChords(pane);
    for (const Qt::KeyboardModifiers chord : {Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers(Qt::MetaModifier)})
        QTest::keyClick(pane, Qt::Key_Tab, chord);
    EXPECT_EQ(pane->Text(), "G00");
    EXPECT_FALSE(pane->DataChanged());

    // AltGr comes as the group switch and types what it makes.
    QTest::keyClick(pane, '@', Qt::GroupSwitchModifier);
    EXPECT_EQ(pane->Text(), "G00@");

    // A menu's access key still opens its menu.
    QTest::keyClick(pane, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(m_main->mnuFile->isVisible());
    m_main->mnuFile->close();
}

// In 検索 Alt+Z, Alt+X, Alt+Q typed "zxq"; in 回転数の計算 Alt+F made V
// "f150", which reads 0, so "S0" went into the program.
TEST_F(PlatformBehaviourTest, AnAltChordTypesNothingIntoTheBoxesOfDialogsAndCalculators) {
    RichTextPane *pane = StartWithDocument(QString());
    ASSERT_TRUE(m_main->RunCommand(QStringLiteral("mnuSearchFind")));
    ASSERT_TRUE(m_main->RunCommand(QStringLiteral("mnuToolsrpm")));
    ASSERT_TRUE(g_frmFind && g_RPM);
    const struct {
        QWidget *window;
        QLineEdit *box;
    } boxes[] = {{g_frmFind, g_frmFind->txtFind}, {g_RPM, g_RPM->V}, {g_RPM, g_RPM->Diameter}};
    for (const auto &[window, box] : boxes) {
        ASSERT_TRUE(ActivateWindow(window));
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, QStringLiteral("150"));
        TypeUntakenChords(box);
        QTest::keyClick(box, Qt::Key_F, Qt::AltModifier);
        EXPECT_EQ(box->text(), "150") << box->objectName().toStdString();
        // AltGr types what it makes.
        QTest::keyClick(box, '@', Qt::GroupSwitchModifier);
        EXPECT_EQ(box->text(), "150@") << box->objectName().toStdString();
    }
    g_frmFind->close();

    // The speed is read whole, and the spindle speed goes into the program.
    g_RPM->V->clear();
    QTest::keyClick(g_RPM->V, Qt::Key_F, Qt::AltModifier);
    QTest::keyClicks(g_RPM->V, QStringLiteral("150"));
    g_RPM->Diameter->setText(QStringLiteral("40"));
    g_RPM->Diameter_Enter();
    EXPECT_EQ(pane->Text(), "1190");
}

// With no document the Tools menu is hidden, yet Ctrl+N opened the speed
// calculator, which has nothing to insert into.
TEST_F(PlatformBehaviourTest, TheShortcutsOfAHiddenMenuDoNothing) {
    StartMain();
    ASSERT_TRUE(m_main->RunCommand(QStringLiteral("mnuFilePrinterSetup")));
    QWidget *printSetting = QApplication::activeModalWidget();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("PrintSetting")) printSetting = w;
    ASSERT_TRUE(printSetting);
    int hidden = 0, triggered = 0;
    for (QWidget *window : {static_cast<QWidget *>(m_main), printSetting}) {
        ASSERT_TRUE(ActivateWindow(window));
        for (QAction *top : m_main->menuBar()->actions()) {
            if (top->isVisible() || !top->menu()) continue;
            for (QAction *a : top->menu()->actions()) {
                if (a->shortcut().isEmpty()) continue;
                ++hidden;
                QObject::connect(a, &QAction::triggered, [&triggered] { ++triggered; });
                const QKeyCombination key = a->shortcut()[0];
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, key.key(),
                                key.keyboardModifiers());
            }
        }
    }
    printSetting->close();
    EXPECT_GT(hidden, 0);
    EXPECT_EQ(triggered, 0);
    EXPECT_FALSE(g_RPM);

    // Shown again with a document, they work.
    m_main->mnuFileNew->trigger();
    ASSERT_TRUE(ActivateWindow(m_main));
    QTest::keyClick(m_main, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(g_RPM);
    if (g_RPM) g_RPM->close();
}

TEST_F(PlatformBehaviourTest, WindowsShowTheProgramsOwnIcon) {
    StartWithDocument(QString());
    const QImage own = ProgramIcon().pixmap(32).toImage();
    EXPECT_FALSE(own.isNull());
    EXPECT_EQ(m_main->windowIcon().pixmap(32).toImage(), own);
    QImage dialogIcon;
    RunModal("ProcessRoughOD", [&dialogIcon](QWidget *w) {
        dialogIcon = w->windowIcon().pixmap(32).toImage();
        w->close();
    });
    EXPECT_EQ(dialogIcon, own);
}

}  // namespace
}  // namespace brennvik
