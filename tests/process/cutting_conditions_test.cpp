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

#include <functional>

namespace brennvik {
namespace {

const char kHeader[] = "材料,S45C\r\n工程,工具,T,主軸,切削水,V,F,D,L,U,W,C\r\n";

// A cell that names its row, e.g. "r7c3" for row 7, column 3; the spindle and
// coolant cells are numbers, as a process needs them.
QString Cell(int row, int column) {
    if (column == 4) return QString::number(row);
    if (column == 5) return QString::number(100 + row);
    return QStringLiteral("r%1c%2").arg(row).arg(column);
}

QByteArray RecordLine(int row, int fields = 12) {
    QStringList parts;
    for (int c = 1; c <= fields; ++c) parts << Cell(row, c);
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
        for (int c = 1; c <= 12; ++c) EXPECT_EQ(g_CuttingConditions[r][c], Cell(r, c));
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
    for (int c = 1; c <= 12; ++c) EXPECT_EQ(g_CuttingConditions[4][c], Cell(4, c));
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
    // The rows it lacks are told once, at the load.
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_EQ(m_msgBoxes[0].prompt, "加工条件ファイルの一部が使えません。\n" + path +
                                        "\nファイルが条件 3 で終わっています。条件 4～34 がありません。\n"
                                        "これらの条件を使う工程はエラーになります。");
}

// Rows a process could not use were found only when a process command failed
// with error 13, with no word of the file or the row.
TEST_F(CuttingConditionsTest, RowsProcessesCannotUseAreToldOnceAtTheLoad) {
    auto fileWith = [](std::function<void(int, QByteArray &)> row, int rows = 34) {
        QByteArray bytes = FileWithRecords(0);
        for (int r = 1; r <= rows; ++r) row(r, bytes);
        return bytes;
    };
    const QString head = QStringLiteral("加工条件ファイルの一部が使えません。\n%1\n");
    const QString tail = QStringLiteral("これらの条件を使う工程はエラーになります。");
    const struct {
        const char *what;
        QByteArray bytes;
        QString warning;
    } cases[] = {
        {"cells that are no numbers", fileWith([](int r, QByteArray &b) {
             b += r == 3 ? "r3,t,1,abc,1,1,1,1,1,1,1,1\r\n" : r == 9 ? "r9,t,1,0,,1,1,1,1,1,1,1\r\n" : RecordLine(r);
         }),
         head + "主軸または切削水の欄が数値ではありません: 条件 3（5 行目）、条件 9（11 行目）\n" + tail},
        {"blank lines between the rows", fileWith([](int r, QByteArray &b) {
             b += r == 2 ? "\r\n\r\nr2,t,1,x,1,1,1,1,1,1,1,1\r\n" : RecordLine(r);
         }),
         head + "主軸または切削水の欄が数値ではありません: 条件 2（6 行目）\n" + tail},
        {"spare rows left empty", fileWith([](int r, QByteArray &b) {
             b += (r == 28 || r == 29 || r == 31 || r == 32) ? QByteArray("予備,,,,,,,,,,,\r\n") : RecordLine(r);
         }),
         QString()},
        {"cut short in a row",
         fileWith([](int r, QByteArray &b) { b += r == 20 ? QByteArray("r20,t,1") : RecordLine(r); }, 20),
         head + "主軸または切削水の欄が数値ではありません: 条件 20（22 行目）\n"
                "ファイルが条件 20 で終わっています。条件 21～34 がありません。\n" + tail},
        {"many rows",
         fileWith([](int r, QByteArray &b) { b += r <= 12 ? QByteArray("x,t,1,,,1\r\n") : RecordLine(r); }),
         head + "主軸または切削水の欄が数値ではありません: 条件 1（3 行目）、条件 2（4 行目）、条件 3（5 行目）、"
                "条件 4（6 行目）、条件 5（7 行目）、条件 6（8 行目）、条件 7（9 行目）、条件 8（10 行目）、"
                "条件 9（11 行目）、条件 10（12 行目）、ほか 2 件\n" + tail},
    };
    for (const auto &c : cases) {
        m_msgBoxes.clear();
        const QString path = WriteFile("table.csv", c.bytes);
        EXPECT_TRUE(LoadCuttingConditionsFrom(path)) << c.what;
        if (c.warning.isEmpty()) {
            EXPECT_TRUE(m_msgBoxes.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(m_msgBoxes.size(), 1u) << c.what;
        EXPECT_EQ(m_msgBoxes[0].prompt, c.warning.arg(path)) << c.what;
        EXPECT_EQ(m_msgBoxes[0].title, "加工条件");
        EXPECT_EQ(m_msgBoxes[0].buttons, vbOKOnly | vbExclamation);
    }
    // The table is used as read: a faulty row still fails its process, the others serve.
    EXPECT_EQ(g_CuttingConditions[1][4], "");
    EXPECT_THROW(PrefillProcessDialog(1), RuntimeError);
    EXPECT_NO_THROW(PrefillProcessDialog(13));
    EXPECT_EQ(g_frmProcess->V->text(), "r13c6");
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
