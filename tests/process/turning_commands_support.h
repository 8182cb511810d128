#pragma once
// The turning commands as the user runs them: a program with a document,
// the process menu's entries triggered, the process dialog answered by a
// script, and the dialog as a command set it up compared control by
// control with the design state.

#include "generator_test_support.h"
#include "support/dialog_helpers.h"

#include "platform/FileDialogs.h"
#include "platform/Modal.h"
#include "platform/RichTextPane.h"
#include "process/cutting_conditions.h"
#include "process/frmProcess.h"
#include "workspace/document_slots.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QByteArray>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace brennvik {

// What a control shows: its text or caption, whether it is shown, and
// for an option whether it is selected.
struct ControlState {
    QString text;
    bool visible = true;
    bool checked = false;
    bool operator==(const ControlState &o) const {
        return text == o.text && visible == o.visible && checked == o.checked;
    }
    bool operator!=(const ControlState &o) const { return !(*this == o); }
};
using DialogState = QMap<QString, ControlState>;

inline DialogState StateOf(frmProcess *form) {
    // A control's own visibility, whatever its frame's.
    auto shown = [](QWidget *w) { return w->isVisibleTo(w->parentWidget()); };
    DialogState state;
    state[QStringLiteral("caption")] = {form->windowTitle(), true, false};
    for (QLabel *w : form->findChildren<QLabel *>()) state[w->objectName()] = {w->text(), shown(w), false};
    for (QLineEdit *w : form->findChildren<QLineEdit *>()) state[w->objectName()] = {w->text(), shown(w), false};
    for (QGroupBox *w : form->findChildren<QGroupBox *>()) state[w->objectName()] = {w->title(), shown(w), false};
    for (QRadioButton *w : form->findChildren<QRadioButton *>())
        state[w->objectName()] = {w->text(), shown(w), w->isChecked()};
    return state;
}

// The controls whose state differs, one line each.
inline std::string Differences(const DialogState &expected, const DialogState &actual) {
    auto describe = [](const ControlState &s) {
        return QStringLiteral("\"%1\"%2%3").arg(s.text, s.visible ? "" : " hidden", s.checked ? " checked" : "");
    };
    QString out;
    for (auto it = expected.begin(); it != expected.end(); ++it)
        if (actual.value(it.key()) != it.value())
            out += it.key() + ": expected " + describe(it.value()) + ", got " + describe(actual.value(it.key())) + "\n";
    for (const QString &key : actual.keys())
        if (!expected.contains(key)) out += key + ": unexpected\n";
    return out.toStdString();
}

// A condition table whose every cell names its row and column ("5.6" is
// V of row 5); even rows turn forward with coolant, odd rows the other way.
inline void FillTestConditionTable() {
    for (int row = 1; row <= kCuttingConditionRows; ++row) {
        for (int column = 1; column <= kCuttingConditionFields; ++column)
            g_CuttingConditions[row][column] = QStringLiteral("%1.%2").arg(row).arg(column);
        g_CuttingConditions[row][4] = QString::number(row % 2);
        g_CuttingConditions[row][5] = QString::number((row + 1) % 2);
    }
}

// The dialog as a command leaves it, described by its differences from the
// design state.
struct ExpectedSetup {
    const char *command;
    const char *caption;
    int row;
    std::vector<std::pair<const char *, const char *>> captions;  // labels recaptioned or blanked
    std::vector<const char *> hidden;
    std::vector<const char *> shown;
    std::vector<std::pair<const char *, const char *>> texts;  // presets
};

inline DialogState ExpectedState(const DialogState &design, const ExpectedSetup &e) {
    DialogState state = design;
    state[QStringLiteral("caption")].text = QString::fromUtf8(e.caption);
    // The pre-fill from the row.
    const QString row = QString::number(e.row);
    state[QStringLiteral("ToolNumber")].text = row + ".3";
    const char *const boxes[] = {"V", "F", "D", "L", "U", "W", "C"};
    for (int i = 0; i < 7; ++i) state[QString::fromLatin1(boxes[i])].text = row + "." + QString::number(6 + i);
    const bool even = e.row % 2 == 0;
    state[QStringLiteral("SpindleCW")].checked = even;
    state[QStringLiteral("SpindleCCW")].checked = !even;
    state[QStringLiteral("CoolantON")].checked = even;
    state[QStringLiteral("CoolantOFF")].checked = !even;
    // A machine that is neither MacTurn nor MULTUS has no tool-tip position.
    state[QStringLiteral("TipPostion")].visible = false;
    for (const auto &c : e.captions) state[QString::fromLatin1(c.first)].text = QString::fromUtf8(c.second);
    for (const char *name : e.hidden) state[QString::fromLatin1(name)].visible = false;
    for (const char *name : e.shown) state[QString::fromLatin1(name)].visible = true;
    for (const auto &t : e.texts) state[QString::fromLatin1(t.first)].text = QString::fromUtf8(t.second);
    return state;
}
// One way of closing the dialog of a command that takes a new bore, and
// the bore it leaves.
struct BoreCase {
    const char *name;
    std::function<void(frmProcess *)> answer;
    float materialID;
    bool inserted;
};

class TurningCommandsTest : public GeneratorTest {
protected:
    void SetUp() override {
        GeneratorTest::SetUp();
        SetFileDialogResponder([this](const FileDialogRequest &) { return m_saveAnswer; });
    }
    void TearDown() override {
        // Documents changed by a test close without saving.
        m_msgBoxAnswer = [](const MsgBoxCall &) { return int(vbNo); };
        GeneratorTest::TearDown();
        SetFileDialogResponder({});
    }
    void CloseMainWithoutSaving() {
        m_msgBoxAnswer = [](const MsgBoxCall &) { return int(vbNo); };
        CloseMain();
        m_msgBoxAnswer = {};
        m_pane = nullptr;
    }

    // The program with one new document holding three lines, the second
    // one selected.
    void StartWithDocument() {
        StartMain();
        m_main->mnuFileNew->trigger();
        m_pane = ActivePaneOfCurrentDocument();
        m_pane->SetText("AAA\r\nBBB\r\nCCC\r\n");
        m_pane->Select(5, 5);
    }

    QAction *Action(const char *name) { return Child<QAction>(m_main, name); }

    // Runs a command from its menu entry; `script` answers its dialog.
    // False when no dialog was shown.
    bool RunCommand(const char *command, std::function<void(frmProcess *)> script) {
        bool shown = false;
        ScriptNextModal([&shown, script](QWidget *w) {
            shown = true;
            script(qobject_cast<frmProcess *>(w));
        });
        Action(command)->trigger();
        SetModalDriver({});
        return shown;
    }

    // Fills boxes by name, then presses "実　行".
    static std::function<void(frmProcess *)> Confirm(std::vector<std::pair<const char *, const char *>> boxes) {
        return [boxes](frmProcess *f) {
            for (const auto &box : boxes) SetBoxText(f, box.first, QString::fromUtf8(box.second));
            f->Command1->click();
        };
    }

    void ExpectErrorShown(int number, const char *text, const char *command) {
        ASSERT_EQ(m_msgBoxes.size(), 1u) << command;
        EXPECT_EQ(m_msgBoxes[0].title, QStringLiteral("エラー ") + QString::number(number)) << command;
        EXPECT_EQ(m_msgBoxes[0].prompt, QString::fromUtf8(text)) << command;
    }

    // Runs each command against a test condition table and the material
    // OD 62, ID 20.5, origin 2.5, and compares the dialog it shows with the
    // design state changed as the case says; cancels every dialog.
    void ExpectSetups(const std::vector<ExpectedSetup> &cases) {
        frmProcess designForm;
        const DialogState design = StateOf(&designForm);
        StartWithDocument();
        FillTestConditionTable();
        g_MaterialOD = 62;
        g_MaterialID = 20.5f;
        g_UgcOrigin = 2.5;
        for (const ExpectedSetup &c : cases) {
            DialogState seen;
            ASSERT_TRUE(RunCommand(c.command, [&seen](frmProcess *f) {
                seen = StateOf(f);
                f->Command2->click();
            })) << c.command;
            EXPECT_EQ(Differences(ExpectedState(design, c), seen), "") << c.command;
            EXPECT_EQ(g_frmProcess, nullptr) << c.command << ": the dialog is unloaded";
        }
        EXPECT_EQ(m_pane->Text(), "AAA\r\nBBB\r\nCCC\r\n");
        EXPECT_TRUE(m_msgBoxes.empty());
    }

    // Runs the command with its dialog filled and confirmed: its block
    // replaces the selected second line, the caret after it.
    void ExpectBlockAtTheCaret(const char *command, const std::vector<std::pair<const char *, const char *>> &boxes,
                               const QString &golden) {
        m_msgBoxes.clear();
        ASSERT_TRUE(RunCommand(command, Confirm(boxes))) << command;
        EXPECT_EQ(m_pane->Text(), "AAA\r\n" + golden + "CCC\r\n") << command;
        EXPECT_EQ(m_pane->SelStart(), 5 + golden.size()) << command;
        EXPECT_EQ(m_pane->SelLength(), 0) << command;
        EXPECT_TRUE(m_msgBoxes.empty()) << command;
    }

    // The bytes of the current document saved through File > Save As under
    // that name in the test folder.
    QByteArray SavedAs(const char *name) {
        m_saveAnswer = m_dir.filePath(QString::fromLatin1(name));
        m_main->mnuFileSaveAs->trigger();
        QFile saved(m_saveAnswer);
        EXPECT_TRUE(saved.open(QIODevice::ReadOnly)) << name;
        return saved.readAll();
    }

    // Runs the command once per case from a bore of 20: the bore is the same
    // when the dialog closes, and afterwards as the case says; a block whose
    // header holds `header` is in the document only when the case says so.
    // The bore finishing then starts from the last case's bore.
    void ExpectBoreTakenOnlyOnceInserted(const char *command, const std::vector<BoreCase> &cases,
                                         const char *header, const char *finishStartX) {
        for (const BoreCase &c : cases) {
            g_MaterialID = 20;
            m_pane->SetText(QString());
            m_msgBoxes.clear();
            float duringDialog = -1;
            RunCommand(command, [&](frmProcess *f) {
                c.answer(f);
                duringDialog = g_MaterialID;
            });
            EXPECT_EQ(duringDialog, 20) << command << " " << c.name << ": unchanged when the dialog closes";
            EXPECT_EQ(g_MaterialID, c.materialID) << command << " " << c.name;
            EXPECT_EQ(m_pane->Text().contains(QString::fromLatin1(header)), c.inserted) << command << " " << c.name;
        }
        QString startX;
        RunCommand("ProcessFinishID", [&](frmProcess *f) {
            startX = BoxText(f, "StartX");
            f->Command2->click();
        });
        EXPECT_EQ(startX, finishStartX) << command;
    }

    // Cancels each command's dialog, and closes it by its close box, after
    // filling a start X and a speed: nothing is inserted, and the block, the
    // spindle speed and the material's bore stay as they were.
    void ExpectCancelAndCloseBoxInsertNothing(const std::vector<const char *> &commands) {
        StartWithDocument();
        const struct {
            const char *name;
            std::function<void(frmProcess *)> close;
        } ways[] = {
            {"cancel", [](frmProcess *f) { f->Command2->click(); }},
            {"close box", [](frmProcess *f) { f->close(); }},
        };
        for (const char *command : commands) {
            for (const auto &way : ways) {
                g_OutputBlock = "OLD";
                g_SpindleSpeed = 1230;
                g_MaterialID = 20;
                ASSERT_TRUE(RunCommand(command, [&way](frmProcess *f) {
                    SetBoxText(f, "StartX", "30");
                    SetBoxText(f, "V", "100");
                    way.close(f);
                })) << command;
                EXPECT_FALSE(g_DialogOK) << command << " " << way.name;
                EXPECT_EQ(m_pane->Text(), "AAA\r\nBBB\r\nCCC\r\n") << command << " " << way.name;
                EXPECT_EQ(g_OutputBlock, "OLD") << command << " " << way.name;
                EXPECT_EQ(g_SpindleSpeed, 1230) << command << " " << way.name;
                EXPECT_EQ(g_MaterialID, 20) << command << " " << way.name;
            }
        }
        EXPECT_TRUE(m_msgBoxes.empty());
    }

    RichTextPane *m_pane = nullptr;
    QString m_saveAnswer;
};

}  // namespace brennvik
