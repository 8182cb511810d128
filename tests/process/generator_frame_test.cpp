#include "generator_test_support.h"

#include "platform/RichTextPane.h"
#include "process/generator_frame.h"
#include "process/roughing.h"
#include "workspace/document_slots.h"
#include "workspace/program_files.h"
#include "workspace/runtime.h"

#include <QStringList>

namespace brennvik {
namespace {

class GeneratorFrameTest : public InsertingGeneratorTest {
protected:
    // A command whose steps record themselves in m_steps.
    GeneratorCommand Recorded(std::function<void()> dialog, std::function<void()> build = {}) {
        return {[this, dialog] {
                    m_steps << "dialog";
                    dialog();
                },
                [this, build] {
                    m_steps << "build";
                    g_OutputBlock = "NEW\r\n";
                    if (build) build();
                },
                [this] {
                    m_steps << "after insert: " + (m_pane ? m_pane->Text() : QString());
                }};
    }

    QStringList m_steps;
};

TEST_F(GeneratorFrameTest, ConfirmedBlockReplacesTheSelectionThenTheAfterStepRuns) {
    OpenDocument();
    RunGenerator(Recorded(Confirm()));
    EXPECT_EQ(m_pane->Text(), "AAA\r\nNEW\r\n\r\n");
    EXPECT_EQ(m_pane->SelStart(), 10);
    EXPECT_EQ(m_steps, QStringList({"dialog", "build", "after insert: AAA\r\nNEW\r\n\r\n"}));
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(GeneratorFrameTest, CancelOrCloseBoxInsertsNothing) {
    OpenDocument();
    const struct {
        const char *name;
        std::function<void()> dialog;
    } cases[] = {
        {"cancel", Cancel()},
        {"close box", [] {}},  // closing by the close box sets no flag
    };
    for (const auto &c : cases) {
        m_steps.clear();
        g_DialogOK = true;  // an earlier dialog was confirmed
        g_OutputBlock = "OLD";
        RunGenerator(Recorded(c.dialog));
        EXPECT_EQ(m_steps, QStringList({"dialog"})) << c.name;
        EXPECT_EQ(m_pane->Text(), "AAA\r\nBBB\r\n") << c.name;
        EXPECT_EQ(g_OutputBlock, "OLD") << c.name;
    }
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(GeneratorFrameTest, ErrorInTheBuildIsShownAndNothingInserted) {
    OpenDocument();
    g_ParamV = 150;
    g_StartX = -6;  // reference diameter 0
    RunGenerator(Recorded(Confirm(), [] { BuildRoughODBlock(); }));
    ExpectErrorShown(11, kDivisionByZeroText);
    EXPECT_EQ(m_steps, QStringList({"dialog", "build"}));
    EXPECT_EQ(m_pane->Text(), "AAA\r\nBBB\r\n");
}

TEST_F(GeneratorFrameTest, ErrorInTheDialogStepEndsTheCommand) {
    OpenDocument();
    RunGenerator(Recorded([] { RaiseError(kErrTypeMismatch); }));
    ExpectErrorShown(13, "加工条件エラー。素材入力をしてください。");
    EXPECT_EQ(m_steps, QStringList({"dialog"}));
    EXPECT_EQ(m_pane->Text(), "AAA\r\nBBB\r\n");
}

TEST_F(GeneratorFrameTest, NoDocumentIsErrorNinetyOne) {
    RunGenerator(Recorded(Confirm()));
    ExpectErrorShown(91, kNoDocumentText);
    EXPECT_EQ(m_steps, QStringList({"dialog", "build"}));
}

// The bore roughing used to set the material's inner diameter as soon as
// its dialog was confirmed, so a block that then failed changed it anyway.
TEST_F(GeneratorFrameTest, BoreRoughingUpdatesTheMaterialOnlyOnceInserted) {
    const struct {
        const char *name;
        bool document;
        bool confirm;
        double startX;
        float materialID;
    } cases[] = {
        {"inserted", true, true, 30.0004, 30},
        {"cancelled", true, false, 30, 20},
        {"division by zero", true, true, -6, 20},
        {"no document", false, true, 30, 20},
    };
    for (const auto &c : cases) {
        if (c.document && !m_pane) OpenDocument();
        if (!c.document) ResetDocumentSlots();
        g_MaterialID = 20;
        g_ParamV = 100;
        g_StartX = c.startX;
        g_EndX = 20;
        RunGenerator({c.confirm ? Confirm() : Cancel(), BuildRoughIDBlock, TakeWrittenBoreAsMaterialID});
        EXPECT_EQ(g_MaterialID, c.materialID) << c.name;
    }
}

}  // namespace
}  // namespace brennvik
