// The threading, grooving and drilling commands as the user runs them:
// from the process menu through the scripted process dialog into the
// document.
#include "turning_commands_support.h"

namespace brennvik {
namespace {

const std::vector<const char *> kCommands = {"ProcessThreadFace", "ProcessThreadOD", "ProcessThreadID",
                                             "ProcessGrooveOD",   "ProcessGrooveID", "ProcessGrooveFace",
                                             "ProcessDrillHss",   "ProcessDrillU"};

using Boxes = std::vector<std::pair<const char *, const char *>>;

// An M24 x 1.5 thread cut from Z5 to Z-20.
const Boxes kThreadODBoxes = {{"ToolNumber", "7"}, {"V", "120"},    {"F", "1.5"},     {"D", "0.3"},
                              {"U", "0.05"},      {"L", "0"},      {"C", "1"},       {"StartX", "30"},
                              {"StartZ", "5"},    {"EndX", "24"},  {"EndZ", "-20"}};
const QString kThreadODGolden = Lines({"(-----< OD.THREAD M24*P1.5 >-----)", "NOEX VTLIN[7]=13 VTLFN[7]=1 VTLA1[7]=60",
                                       "NOEX VTLL[7]=40", "N000 G00 X30 Z50 T070707 M42 S1590 M03 M63 M08",
                                       "NT07     Z5", "N000 G71 X22.05 Z-20 H1.95 D0.3 U0.05 F1.5", "N000 G00 X200",
                                       "N000     X500 Z500", "\t"});

// A groove 5 wide from a diameter of 50 down to 40, cut with a 3 mm tool,
// its walls chamfered 0.5.
const Boxes kGrooveODBoxes = {{"ToolNumber", "5"}, {"V", "120"},     {"F", "0.08"},   {"D", "2"},
                              {"L", "3"},         {"U", "0.2"},     {"W", "0.1"},    {"C", "0.5"},
                              {"StartX", "50"},   {"StartZ", "-20"}, {"EndX", "40"},  {"EndZ", "-15"}};
const QString kGrooveODGolden = Lines(
    {"(-----< OD.GROOVE W5 >-----)", "NOEX VTLIN[5]=19 VTLFN[5]=1 VTLA1[5]=180", "NOEX VTLW[5]=3 VTLL[5]=40",
     "N000 G00 X200 Z-19.9 T050505 M42 S700 M03 M63 M08", "NT05     X54", "N000 G96 S120",
     "N000 G73 X40.2 Z-15.1 D2 K2.5 F0.08 T25", "N000 G00 Z-21", "N000 G01 X51 G41 F0.3", "N000     Z-20 A-45 F0.08",
     "N000     X40 G40 I-1", "N000     Z-19.9", "N000 G00 X54", "N000     Z-14 T250525", "N000 G01 X51 G42 F0.3",
     "N000     Z-15 A-135 F0.08", "N000     X40 G40 I-1", "N000     Z-19.9 T50505", "N000 G00 X200 G97 S700 M63",
     "N000     X500 Z500", "\t"});

// A hole of 10 drilled 30 deep in one peck.
const Boxes kDrillHssBoxes = {{"ToolNumber", "5"}, {"V", "25"}, {"F", "0.1"},    {"U", "10"},
                              {"D", "0"},         {"L", "0"},  {"StartZ", "0"}, {"EndZ", "-30"}};
const QString kDrillHssGolden =
    Lines({"(-----< DRILL D10 >-----)", "NOEX VTLIN[5]=22 VTLFN[5]=1 VTLA1[5]=118", "NOEX VTLD[5]=10 VTLL[5]=50",
           "N000 G00 X0 Z50 T0505 M42 S790 M03 M63 M08", "NT05 G74 X0 Z-30 K47 D34 F0.1", "N000 G00 X500 Z500",
           "\t"});

// A carbide drill of 12 through 30, at half feed over 2 in and 3 out.
const Boxes kDrillCarbideBoxes = {{"ToolNumber", "6"}, {"V", "80"}, {"F", "0.2"},    {"U", "12"},
                                  {"D", "2"},         {"L", "3"},  {"StartZ", "0"}, {"EndZ", "-30"}};
const QString kDrillCarbideGolden =
    Lines({"(-----< DRILL D12 >-----)", "NOEX VTLIN[6]=23 VTLFN[6]=1 VTLA1[6]=180", "NOEX VTLD[6]=12 VTLL[6]=50",
           "N000 G00 X0 Z50 T0606 M42 S2120 M03 M63 M08", "NT06     Z3", "N000 G01 Z-2 F0.1", "N000     Z-27 F0.2",
           "N000     Z-30 F0.1", "N000 G00 Z50", "N000     X500 Z500", "\t"});

using CycleCommandsTest = TurningCommandsTest;

TEST_F(CycleCommandsTest, EachCommandSetsUpTheDialog) {
    // What the three threads recaption alike.
    const Boxes threadCaptions = {{"LabelL", "切り上げ"}, {"LabelD", "切り込み量"}, {"LabelC", "条数"},
                                  {"LabelC2", "J"},       {"LabelEndC", ""},        {"LabelStart", "ｻｲｸﾙ基準点"}};
    Boxes diameterThreadCaptions = threadCaptions;
    diameterThreadCaptions.insert(diameterThreadCaptions.end(),
                                  {{"LabelW", ""}, {"LabelW2", ""}, {"LabelEnd", "呼び径"}});
    Boxes faceThreadCaptions = threadCaptions;
    faceThreadCaptions.insert(faceThreadCaptions.end(), {{"LabelU", ""}, {"LabelU2", ""}});

    auto grooveCaptions = [](const char *widthLetter, const char *note) {
        return Boxes{{"LabelStartC", ""},
                     {"LabelEndC", ""},
                     {"LabelL", "バイト巾"},
                     {"LabelL2", widthLetter},
                     {"LabelAttn", note}};
    };
    const char minusSide[] = "注：開始点のZ軸はマイナス側です。";
    const std::vector<const char *> grooveHidden = {"StartC", "EndC"};

    const Boxes drillCaptions = {{"LabelU", "ドリル径"}, {"LabelD2", "D"}, {"LabelC", ""},      {"LabelC2", ""},
                                 {"LabelW", ""},         {"LabelW2", ""},  {"LabelStartX", ""}, {"LabelStartC", ""},
                                 {"LabelEndX", ""},      {"LabelEndC", ""}};
    Boxes carbideCaptions = drillCaptions;
    carbideCaptions.insert(carbideCaptions.end(), {{"LabelD", "入り際"}, {"LabelL", "抜け際"}});
    const std::vector<const char *> drillHidden = {"C", "W", "StartX", "StartC", "EndX", "EndC"};

    ExpectSetups({
        {"ProcessThreadFace", "端面ネジ切り", 14, faceThreadCaptions, {"U", "EndC"}, {}, {{"StartC", "0"}}},
        {"ProcessThreadOD", "外径ネジ切り", 15, diameterThreadCaptions, {"W", "EndC"}, {}, {{"StartC", "0"}}},
        {"ProcessThreadID", "内径ネジ切り", 16, diameterThreadCaptions, {"W", "EndC"}, {}, {{"StartC", "0"}}},
        {"ProcessGrooveOD", "外径ミゾ入れ", 12, grooveCaptions("K", minusSide), grooveHidden, {"Frame3"}, {}},
        {"ProcessGrooveID", "内径ミゾ入れ", 13, grooveCaptions("K", minusSide), grooveHidden, {"Frame3"}, {}},
        {"ProcessGrooveFace", "端面ミゾ入れ", 11, grooveCaptions("W", "注：開始点のX軸は径の小さい方です。"),
         grooveHidden, {"Frame3"}, {}},
        {"ProcessDrillHss", "ハイスドリル", 1, drillCaptions, drillHidden, {}, {{"StartZ", "2.5"}}},
        {"ProcessDrillU", "超硬ドリル", 2, carbideCaptions, drillHidden, {}, {{"StartZ", "2.5"}}},
    });
}

TEST_F(CycleCommandsTest, DrillStartsAtTheProgramOriginOnceOneWasEntered) {
    StartWithDocument();
    const struct {
        const char *name;
        bool materialEntered;
        const char *startZ;
    } cases[] = {{"no material entered", false, ""}, {"origin 1.5", true, "1.5"}};
    for (const auto &c : cases) {
        ResetMaterialState();
        if (c.materialEntered) g_UgcOrigin = 1.5;
        for (const char *command : {"ProcessDrillHss", "ProcessDrillU"}) {
            QString startZ = "unread";
            RunCommand(command, [&startZ](frmProcess *f) {
                startZ = BoxText(f, "StartZ");
                f->Command2->click();
            });
            EXPECT_EQ(startZ, c.startZ) << command << " " << c.name;
        }
    }
}

TEST_F(CycleCommandsTest, MachineTypeShowsTheBAxisAndTheToolTipPosition) {
    StartWithDocument();
    SetMachine(Machine::MacTurn);
    g_ToolType = "HSK";
    for (const char *command : kCommands) {
        bool bShown = false, tipShown = false;
        RunCommand(command, [&](frmProcess *f) {
            bShown = f->B->isVisible() && f->LabelB->isVisible() && f->LabelB2->isVisible();
            tipShown = f->TipPostion->isVisible();
            f->Command2->click();
        });
        EXPECT_TRUE(bShown) << command;
        EXPECT_TRUE(tipShown) << command;
    }
}

TEST_F(CycleCommandsTest, ConfirmedDialogPutsTheBlockAtTheCaret) {
    const struct {
        const char *command;
        Boxes boxes;
        QString golden;
    } cases[] = {
        {"ProcessThreadOD", kThreadODBoxes, kThreadODGolden},
        {"ProcessGrooveOD", kGrooveODBoxes, kGrooveODGolden},
        {"ProcessDrillHss", kDrillHssBoxes, kDrillHssGolden},
        {"ProcessDrillU", kDrillCarbideBoxes, kDrillCarbideGolden},
    };
    for (const auto &c : cases) {
        StartWithDocument();
        ExpectBlockAtTheCaret(c.command, c.boxes, c.golden);
        CloseMainWithoutSaving();
    }
}

// The boxes each command reads into its own words: the thread's starts and
// C, the wall shape of the groove, the face groove's approach.
TEST_F(CycleCommandsTest, BlockCarriesWhatTheDialogSays) {
    const struct {
        const char *command;
        Boxes boxes;
        bool rounded;  // "R" chosen in the chamfer frame
        QStringList lines;
    } cases[] = {
        {"ProcessThreadFace",
         {{"ToolNumber", "2"}, {"V", "80"}, {"F", "1.25"}, {"D", "0.3"}, {"W", "0.05"}, {"L", "0"}, {"C", "1"},
          {"StartX", "40"}, {"StartZ", "2"}, {"EndX", "10"}, {"EndZ", "0"}},
         false,
         {"(-----< OD.THREAD FACE P1.25 >-----)", "N000 G00 X40 Z50 T020202 M42 S630 M03 M63 M08",
          "N000 G72 X10 Z0 H0.812 D0.3 W0.05 F1.25", "N000 G00 Z50"}},
        {"ProcessThreadID",
         {{"ToolNumber", "12"}, {"V", "80"}, {"F", "1.5"}, {"D", "0.2"}, {"U", "0.05"}, {"L", "1"}, {"C", "2"},
          {"StartX", "20"}, {"StartZ", "5"}, {"StartC", "180"}, {"EndX", "24"}, {"EndZ", "-20"}},
         false,
         {"(-----< ID.THREAD M24*P1.5 >-----)", "NOEX VTLD[12]=20 VTLL[12]=45",
          "N000 G71 X24 Z-20 H1.5 D0.2 U0.05 L1 M23 Q2 C180 F1.5", "N000 G00 Z50"}},
        {"ProcessGrooveOD", kGrooveODBoxes, true,
         {"N000 G02 X49 Z-20 L0.5 F0.08", "N000 G03 X49 Z-15 L0.5 F0.08"}},
        {"ProcessGrooveID",
         {{"ToolNumber", "6"}, {"V", "80"}, {"F", "0.05"}, {"D", "1"}, {"L", "3"}, {"U", "0.1"}, {"W", "0.05"},
          {"C", "0.3"}, {"StartX", "30"}, {"StartZ", "-20"}, {"EndX", "36"}, {"EndZ", "-15"}},
         true,
         {"(-----< ID.GROOVE W5 >-----)", "N000 G73 X35.9 Z-15.05 D1 K2.5 F0.05 T26",
          "N000 G03 X30.6 Z-20 L0.3 F0.05", "N000 G02 X30.6 Z-15 L0.3 F0.05", "N000 G00 X26"}},
        {"ProcessGrooveFace",
         {{"ToolNumber", "11"}, {"V", "80"}, {"F", "0.05"}, {"D", "1"}, {"L", "3"}, {"U", "0.1"}, {"W", "0.05"},
          {"C", "0.3"}, {"StartX", "40"}, {"StartZ", "0"}, {"EndX", "50"}, {"EndZ", "-5"}},
         false,
         {"(-----< OD.GROOVE FACE W5 >-----)", "N000 G00 X40.1 Z50 T111111 M42 S630 M03 M63 M08",
          "NT11     Z2 G96 S80", "N000 G74 X49.9 Z-4.95 D1 I2.5 F0.05 T31", "N000     X40 A135 F0.05"}},
    };
    StartWithDocument();
    for (const auto &c : cases) {
        m_pane->SetText(QString());
        m_msgBoxes.clear();
        ASSERT_TRUE(RunCommand(c.command, [&c](frmProcess *f) {
            if (c.rounded) f->Option2->click();
            Confirm(c.boxes)(f);
        })) << c.command;
        const QStringList lines = BlockLines(m_pane->Text());
        for (const QString &line : c.lines) EXPECT_TRUE(lines.contains(line)) << c.command << ": " << line.toStdString();
        EXPECT_EQ(lines.value(lines.size() - 2), "\t") << c.command;
        EXPECT_TRUE(m_msgBoxes.empty()) << c.command;
    }
}

TEST_F(CycleCommandsTest, CancelOrCloseBoxInsertsNothing) { ExpectCancelAndCloseBoxInsertNothing(kCommands); }

TEST_F(CycleCommandsTest, FailedCommandShowsItsErrorAndInsertsNothing) {
    const struct {
        const char *command;
        Boxes boxes;
    } zeroDivisors[] = {
        // The OD groove turns at its mouth diameter plus 4, the ID groove at minus 4.
        {"ProcessGrooveOD", {{"V", "100"}, {"StartX", "-4"}}},
        {"ProcessGrooveID", {{"V", "100"}, {"StartX", "4"}}},
        // A drill of no diameter.
        {"ProcessDrillHss", {{"V", "25"}, {"U", "0"}}},
        {"ProcessDrillU", {{"V", "80"}, {"U", "0"}}},
    };
    StartWithDocument();
    for (const auto &c : zeroDivisors) {
        m_msgBoxes.clear();
        g_OutputBlock = "OLD";
        ASSERT_TRUE(RunCommand(c.command, Confirm(c.boxes))) << c.command;
        ExpectErrorShown(11, kDivisionByZeroText, c.command);
        EXPECT_EQ(m_pane->Text(), "AAA\r\nBBB\r\nCCC\r\n") << c.command;
    }
    CloseMainWithoutSaving();

    // The process menu is hidden without a document; the handlers are still reached.
    StartMain();
    for (const char *command : kCommands) {
        m_msgBoxes.clear();
        ASSERT_TRUE(RunCommand(command, Confirm({{"V", "100"}, {"StartX", "30"}, {"EndX", "24"}, {"U", "10"}})))
            << command;
        ExpectErrorShown(91, kNoDocumentText, command);
    }
}

// A drilling command used to take the drill's diameter as the blank's bore
// as soon as the dialog was confirmed, so a block that failed (a drill of
// diameter 0) changed it too.
TEST_F(CycleCommandsTest, DrillingTakesTheBoreOnlyOnceTheBlockIsIn) {
    StartWithDocument();
    const std::vector<BoreCase> cases = {
        {"cancelled", [](frmProcess *f) { f->Command2->click(); }, 20, false},
        {"closed by its close box", [](frmProcess *f) { f->close(); }, 20, false},
        {"division by zero", Confirm({{"V", "25"}, {"U", "0"}}), 20, false},
        // The bore is the diameter as the block writes it.
        {"inserted", Confirm({{"V", "25"}, {"U", "10.0004"}, {"EndZ", "-30"}}), 10, true},
    };
    for (const char *command : {"ProcessDrillHss", "ProcessDrillU"})
        ExpectBoreTakenOnlyOnceInserted(command, cases, "DRILL D10", "10");
}

TEST_F(CycleCommandsTest, SavedBlocksHaveTheBytesOfTheGoldens) {
    StartMain();
    m_main->mnuFileNew->trigger();
    ASSERT_TRUE(RunCommand("ProcessThreadOD", Confirm(kThreadODBoxes)));
    ASSERT_TRUE(RunCommand("ProcessGrooveOD", Confirm(kGrooveODBoxes)));
    ASSERT_TRUE(RunCommand("ProcessDrillHss", Confirm(kDrillHssBoxes)));
    EXPECT_EQ(SavedAs("CYCLES.MIN"), (kThreadODGolden + kGrooveODGolden + kDrillHssGolden).toLatin1());
}

}  // namespace
}  // namespace brennvik
