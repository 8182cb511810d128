#pragma once
// A fresh state for the generator tests: the machine settings of a first
// start (neither MacTurn nor MULTUS, home X500 Z500, approach X200 Z50,
// tool shapes on), no material, no earlier spindle speed, and the words of
// a dialog confirmed with spindle forward and coolant on.

#include "support/fixtures.h"
#include "support/text_lines.h"

#include "platform/RichTextPane.h"
#include "process/block_steps.h"
#include "process/machine_settings.h"
#include "process/material.h"
#include "process/process_state.h"
#include "workspace/document_slots.h"
#include "workspace/program_files.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>

namespace brennvik {

// A block's lines; the last, after the final CR LF, is empty.
inline QStringList BlockLines(const QString &block) { return block.split(QStringLiteral("\r\n")); }

class GeneratorTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ResetMaterialState();
        ResetBlockSteps();
        g_SpindleWord = QStringLiteral(" M03 M63");
        g_CoolantWord = QStringLiteral(" M08");
    }

    enum class Machine { Other, MacTurn, Multus };
    static void SetMachine(Machine machine) {
        g_MacTurn = machine == Machine::MacTurn;
        g_MULTUS = machine == Machine::Multus;
    }
    static void SetM867(bool on) {
        g_swM867 = on;
        DeriveM867Words();
    }
};

// A generator run through its frame into an open document.
class InsertingGeneratorTest : public GeneratorTest {
protected:
    // A document whose pane holds two lines with the second one selected.
    void OpenDocument() {
        StartMain();
        NewDocumentWindow();
        m_pane = ActivePaneOfCurrentDocument();
        m_pane->SetText("AAA\r\nBBB\r\n");
        m_pane->Select(5, 3);
    }

    // Stands in for the process dialog: answers as its buttons would.
    static std::function<void()> Confirm() {
        return [] { g_DialogOK = true; };
    }
    static std::function<void()> Cancel() {
        return [] { g_DialogOK = false; };
    }

    void ExpectErrorShown(int number, const char *text) {
        ASSERT_EQ(m_msgBoxes.size(), 1u);
        EXPECT_EQ(m_msgBoxes[0].title, QStringLiteral("エラー ") + QString::number(number));
        EXPECT_EQ(m_msgBoxes[0].prompt, QString::fromUtf8(text));
        EXPECT_EQ(m_msgBoxes[0].buttons, vbOKOnly | vbExclamation);
    }

    RichTextPane *m_pane = nullptr;
};

inline constexpr char kDivisionByZeroText[] = "ゼロ割り算エラー。工具径などのデータが０です。";
inline constexpr char kNoDocumentText[] =
    "ファイルが開いていないので挿入出来ません。新しく作成をする時は[新規]を押してください。";

}  // namespace brennvik
