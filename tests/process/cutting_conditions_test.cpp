#include "support/fixtures.h"

#include "platform/AnsiCodec.h"
#include "process/cutting_conditions.h"
#include "process/frmProcess.h"
#include "process/machine_settings.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

namespace brennvik {
namespace {

const char kHeader[] = "材料,S45C\r\n工程,工具,T,主軸,切削水,V,F,D,L,U,W,C\r\n";

// A record line whose fields name their row, e.g. "r7c3" for row 7, column 3.
QByteArray RecordLine(int row, int fields = 12) {
    QStringList parts;
    for (int c = 1; c <= fields; ++c) parts << QStringLiteral("r%1c%2").arg(row).arg(c);
    return parts.join(u',').toLatin1() + "\r\n";
}

QByteArray FileWithRecords(int count) {
    QByteArray bytes = AnsiCodec::encode(QString::fromUtf8(kHeader)).bytes;
    for (int r = 1; r <= count; ++r) bytes += RecordLine(r);
    return bytes;
}

class CuttingConditionsTest : public ProgramFixture {
protected:
    // Fills the whole table with "old" values, as a previous file would.
    void FillTableWithOldValues() {
        for (int r = 1; r <= kCuttingConditionRows; ++r)
            for (int c = 1; c <= kCuttingConditionFields; ++c) g_CuttingConditions[r][c] = QStringLiteral("old");
    }
    bool Load(const QByteArray &bytes) { return LoadCuttingConditionsFrom(WriteFile("table.csv", bytes)); }
    void ExpectTableIsOld() {
        for (int r = 1; r <= kCuttingConditionRows; ++r)
            for (int c = 1; c <= kCuttingConditionFields; ++c) ASSERT_EQ(g_CuttingConditions[r][c], "old") << r << c;
    }
};

TEST_F(CuttingConditionsTest, ThirtyFourRecordsFillTheTable) {
    ASSERT_TRUE(Load(FileWithRecords(34)));
    for (int r = 1; r <= 34; ++r)
        for (int c = 1; c <= 12; ++c) EXPECT_EQ(g_CuttingConditions[r][c], QStringLiteral("r%1c%2").arg(r).arg(c));
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(CuttingConditionsTest, RecordsBeyondThirtyFourAreNotRead) {
    ASSERT_TRUE(Load(FileWithRecords(40)));
    EXPECT_EQ(g_CuttingConditions[34][12], "r34c12");
    EXPECT_EQ(g_CuttingConditions[34][1], "r34c1");
}

// A file with fewer records used to leave the previous material's rows in place.
TEST_F(CuttingConditionsTest, AShorterFileLeavesNoRowsOfThePreviousOne) {
    FillTableWithOldValues();
    ASSERT_TRUE(Load(FileWithRecords(16)));
    EXPECT_EQ(g_CuttingConditions[16][12], "r16c12");
    for (int r = 17; r <= 34; ++r)
        for (int c = 1; c <= 12; ++c) EXPECT_EQ(g_CuttingConditions[r][c], "") << r << c;
}

// A line with 13 or 11 fields used to shift every later record by a field.
TEST_F(CuttingConditionsTest, AFaultyLineDoesNotShiftTheLinesAfterIt) {
    QByteArray bytes = FileWithRecords(0);
    bytes += RecordLine(1);
    bytes += RecordLine(2, 13);
    bytes += RecordLine(3, 11);
    bytes += RecordLine(4);
    ASSERT_TRUE(Load(bytes));
    EXPECT_EQ(g_CuttingConditions[2][12], "r2c12");
    EXPECT_EQ(g_CuttingConditions[3][1], "r3c1");
    EXPECT_EQ(g_CuttingConditions[3][11], "r3c11");
    EXPECT_EQ(g_CuttingConditions[3][12], "");
    for (int c = 1; c <= 12; ++c) EXPECT_EQ(g_CuttingConditions[4][c], QStringLiteral("r4c%1").arg(c));
}

TEST_F(CuttingConditionsTest, FieldsFollowTheSequentialInputRules) {
    const struct {
        const char *line;
        QStringList fields;
    } cases[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"  a,   b  ,c", {"a", "b", "c"}},
        {"\"ハイス, ドリル\",\" 工具A \",3", {"ハイス, ドリル", " 工具A ", "3"}},
        {"\"quoted\" rest,next", {"quoted", "next"}},
        {"\"open,to the end", {"open,to the end"}},
        {",,", {"", "", ""}},
        {"", {""}},
        {"120m/min,0.3", {"120m/min", "0.3"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SplitConditionLine(QString::fromUtf8(c.line)), c.fields) << c.line;
}

TEST_F(CuttingConditionsTest, QuotedFieldsAndBlankLines) {
    QByteArray bytes = FileWithRecords(0);
    bytes += AnsiCodec::encode(QStringLiteral("\"外径荒引き, 2回\", \"荒バイト\" ,1,0,1,180,0.3,2.5,0,0.4,0.1,1\r\n")).bytes;
    bytes += "\r\n   \r\n";  // blank lines hold no record
    bytes += "row2,tool,2,0,1,100,0.1,1,1,1,1,1";  // no line end after the last record
    ASSERT_TRUE(Load(bytes));
    EXPECT_EQ(g_CuttingConditions[1][1], "外径荒引き, 2回");
    EXPECT_EQ(g_CuttingConditions[1][2], "荒バイト");
    EXPECT_EQ(g_CuttingConditions[1][6], "180");
    EXPECT_EQ(g_CuttingConditions[2][1], "row2");
    EXPECT_EQ(g_CuttingConditions[2][12], "1");
}

TEST_F(CuttingConditionsTest, JapaneseTextInTheFirstColumnsReadsAsWritten) {
    // ソ and 表 end in the byte 0x5C; ～ and № are code-page-932 extensions.
    const QString names = QStringLiteral("外径ソ表面荒引き～№1,内径ﾊﾞｲﾄ　予備");
    QByteArray bytes = AnsiCodec::encode(QString::fromUtf8(kHeader)).bytes;
    const EncodeResult line = AnsiCodec::encode(names + QStringLiteral(",1,0,1,180,0.3,2.5,0,0.4,0.1,1\r\n"));
    ASSERT_TRUE(line.ok);
    bytes += line.bytes;
    ASSERT_TRUE(Load(bytes));
    EXPECT_EQ(g_CuttingConditions[1][1], "外径ソ表面荒引き～№1");
    EXPECT_EQ(g_CuttingConditions[1][2], "内径ﾊﾞｲﾄ　予備");
    EXPECT_EQ(g_CuttingConditions[1][3], "1");
}

// A file that could not be read used to be ignored without a word, half read.
TEST_F(CuttingConditionsTest, AFileThatCannotBeReadKeepsTheTableAndSaysWhy) {
    const struct {
        const char *what;
        QByteArray bytes;
        const char *reason;
    } cases[] = {
        {"header only", AnsiCodec::encode(QString::fromUtf8(kHeader)).bytes, "加工条件が1行もありません。"},
        {"one line", "S45C\r\n", "加工条件が1行もありません。"},
        {"empty", "", "加工条件が1行もありません。"},
        {"bad bytes", FileWithRecords(2) + "\xFF\xFF,x\r\n", "Shift-JIS で読めないバイトがあります（"},
    };
    for (const auto &c : cases) {
        FillTableWithOldValues();
        m_msgBoxes.clear();
        const QString path = WriteFile("table.csv", c.bytes);
        EXPECT_FALSE(LoadCuttingConditionsFrom(path)) << c.what;
        ExpectTableIsOld();
        ASSERT_EQ(m_msgBoxes.size(), 1u) << c.what;
        EXPECT_TRUE(m_msgBoxes[0].prompt.startsWith(QStringLiteral("加工条件ファイルを読み込めません。\n") + path + u'\n'))
            << c.what;
        EXPECT_TRUE(m_msgBoxes[0].prompt.contains(QString::fromUtf8(c.reason))) << c.what;
        EXPECT_TRUE(m_msgBoxes[0].prompt.endsWith(QStringLiteral("加工条件は前のままです。"))) << c.what;
        EXPECT_EQ(m_msgBoxes[0].title, "加工条件");
        EXPECT_EQ(m_msgBoxes[0].buttons, vbOKOnly | vbExclamation);
    }
}

TEST_F(CuttingConditionsTest, AMissingFileKeepsTheTableAndSaysSo) {
    FillTableWithOldValues();
    g_CsvFileName = m_dir.filePath(QStringLiteral("nowhere/AL.CSV"));
    LoadCuttingConditions();
    ExpectTableIsOld();
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_EQ(m_msgBoxes[0].prompt, QStringLiteral("加工条件ファイルを読み込めません。\n") + g_CsvFileName +
                                        QStringLiteral("\nファイルが見つかりません。\n加工条件は前のままです。"));
}

TEST_F(CuttingConditionsTest, StartUpLoadsTheStoredFile) {
    const QString path = WriteFile("AL.CSV", FileWithRecords(3));
    WriteSettingsFile(("[Parameter]\nCsvFileName=" + path + "\n").toUtf8());
    StartMain();
    EXPECT_EQ(g_CsvFileName, path);
    EXPECT_EQ(g_CuttingConditions[3][12], "r3c12");
    EXPECT_EQ(g_CuttingConditions[4][1], "");
    EXPECT_TRUE(m_msgBoxes.empty());
}

// The shipped table: every row a process asks for pre-fills the dialog.
TEST_F(CuttingConditionsTest, TheShippedS45CTableLoadsAtStartUpAndFitsEveryProcess) {
    QFile file(JoinPath(ApplicationFolder(), QStringLiteral("加工条件/S45C.CSV")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(AnsiCodec::decode(bytes).ok);
    EXPECT_EQ(bytes.count("\r\n"), 36);
    EXPECT_EQ(bytes.count('\n'), 36);

    StartMain();
    EXPECT_TRUE(m_msgBoxes.empty());
    const char *processes[] = {
        "ハイスドリル",     "超硬ドリル",       "端面外径荒引き",   "外径端面荒引き", "外径荒引き",
        "内径荒引き",       "端面外径仕上げ",   "外径端面仕上げ",   "外径仕上げ",     "内径仕上げ",
        "端面ミゾ入れ",     "外径ミゾ入れ",     "内径ミゾ入れ",     "端面ネジ切り",   "外径ネジ切り",
        "内径ネジ切り",     "Mドリル端面",      "Mドリル側面",      "Y/B軸 Mドリル",  "Mタップ端面",
        "Mタップ側面",      "Y/B軸 Mタップ",    "Mキーミゾ端面",    "Mキーミゾ側面",  "Y/B軸 Mキーミゾ",
        "M創成加工端面",    "M創成加工側面",    "予備",             "予備",           "エンドミル円傾斜面",
        "予備",             "予備",             "プラネットタップ傾斜面", "計測",
    };
    for (int row = 1; row <= 34; ++row) {
        EXPECT_EQ(g_CuttingConditions[row][1], QString::fromUtf8(processes[row - 1])) << row;
        for (int col = 3; col <= 12; ++col) {
            double v = -1;
            EXPECT_TRUE(TryParseNumber(g_CuttingConditions[row][col], &v)) << row << " " << col;
            EXPECT_GE(v, 0) << row << " " << col;
        }
        EXPECT_NO_THROW(PrefillProcessDialog(row)) << row;
    }
    // Turning at a speed and feed, a drill with its diameter, the probe without coolant.
    PrefillProcessDialog(5);
    EXPECT_GT(Val(g_frmProcess->V->text()), 0);
    EXPECT_GT(Val(g_frmProcess->F->text()), 0);
    EXPECT_GT(Val(g_frmProcess->D->text()), 0);
    PrefillProcessDialog(1);
    EXPECT_GT(Val(g_frmProcess->U->text()), 0);
    PrefillProcessDialog(34);
    EXPECT_TRUE(g_frmProcess->CoolantOFF->isChecked());
}

}  // namespace
}  // namespace brennvik
