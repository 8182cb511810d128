#include "editing/size_shift.h"

#include "workspace/runtime.h"

#include <gtest/gtest.h>

namespace brennvik {
namespace {

ShiftFormula Formula(const char *text) {
    ShiftFormula f;
    EXPECT_EQ(ReadShiftFormula(QString::fromUtf8(text), &f), FormulaStatus::Ok) << text;
    return f;
}

ShiftAllResult ShiftAll(const char *text, const char *address, const char *formula, int format) {
    return ShiftAllFrom(QString::fromUtf8(text), QString::fromUtf8(address), Formula(formula), format, 0);
}

TEST(SizeShiftTest, WorkedExamples) {
    const struct {
        const char *text, *address, *formula;
        int format;
        const char *expected;
    } cases[] = {
        {"X50.5 Z10", "X", "100", 1, "X150.5 Z10"},
        {"X50", "X", "100", 1, "X150"},
        {"X50", "X", "100", 2, "X150."},
        {"X50", "X", "100", 3, "X150.0"},
        {"X50", "X", "100", 4, "X150"},
        {"Z-12.5", "Z", "*0.8", 1, "Z-10"},
        {"Z-12.5", "Z", "*0.8", 2, "Z-10."},
        {"Z-12.5", "Z", "*0.8", 3, "Z-10.0"},
        {"Z-12.5", "Z", "*0.8", 4, "Z-10"},
        {"X.5", "X", "/2", 1, "X0.25"},
        {"X.5", "X", "/2", 2, "X0.25"},
        {"X.5", "X", "/2", 4, "X00"},
        {"X-0.5", "X", "+0.2", 1, "X-0.3"},
        {"SB= 100", "SB", "-10", 1, "SB=90"},
        {"X 10", "X", "0", 1, "X10"},
        {"SB=100 S800", "S", "100", 1, "SB=100 S900"},
        {"X12345678901", "X", "1", 1, "X12345678911"},  // ten characters read, the rest stays
        {"X12.125", "X", "0", 3, "X12.125"},
        {"X5", "X", "0", 4, "X05"},
        {"X+5", "X", "0", 1, "X5"},
    };
    for (const auto &c : cases) {
        const ShiftAllResult r = ShiftAll(c.text, c.address, c.formula, c.format);
        EXPECT_EQ(r.text, QString::fromUtf8(c.expected)) << c.text << " " << c.formula << " format " << c.format;
    }
}

TEST(SizeShiftTest, WholeProgramWithCrLfAndJapaneseComments) {
    const ShiftAllResult r = ShiftAll("(外径 荒加工)\r\nN000 G00 X100. Z5.\r\nN000 G01 X80.5 F0.2 (テーパー)\r\n"
                                      "N000 X 60\r\n",
                                      "X", "*0.5", 2);
    EXPECT_EQ(r.text, QString::fromUtf8("(外径 荒加工)\r\nN000 G00 X50. Z5.\r\nN000 G01 X40.25 F0.2 (テーパー)\r\n"
                                        "N000 X30.\r\n"));
    EXPECT_EQ(r.count, 3);
}

TEST(SizeShiftTest, AddressesWithoutNumberAreFoundButNotChanged) {
    const ShiftAllResult r = ShiftAll("SB=100 S\r\nXYZ", "S", "100", 1);
    EXPECT_EQ(r.text, "SB=100 S\r\nXYZ");
    EXPECT_EQ(r.count, 0);
}

TEST(SizeShiftTest, SignOrPointWithoutDigitIsNoNumber) {
    // A lone "-" or "." was read as 0 and rewritten, eating the mark.
    for (const char *text : {"X-Y10", "X.", "X+ Z1", "X-.\r\n"}) {
        const ShiftAllResult r = ShiftAll(text, "X", "100", 1);
        EXPECT_EQ(r.text, QString::fromUtf8(text));
        EXPECT_EQ(r.count, 0) << text;
    }
}

TEST(SizeShiftTest, AddressMadeOfDigitsEnds) {
    // The search resumed one character after the address and met the new number's digits again, forever.
    const ShiftAllResult r = ShiftAll("1 5\r\n1 7", "1", "100", 1);
    EXPECT_EQ(r.text, "1105\r\n1107");
    EXPECT_EQ(r.count, 2);
}

TEST(SizeShiftTest, RewritesOnlyWhereTheAddressStands) {
    // A position that no longer held the address was rewritten all the same.
    EXPECT_FALSE(RewriteAt("Z10 X5", 0, "X", Formula("100"), 1));
    const auto w = RewriteAt("Z10 X5", 4, "X", Formula("100"), 1);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->word, "X105");
    EXPECT_EQ(w->replacedLength, 2);
}

TEST(SizeShiftTest, ReadingTheFormula) {
    const struct {
        const char *text;
        FormulaStatus status;
        ShiftFormula::Kind kind;
        double operand;
    } cases[] = {
        {"100", FormulaStatus::Ok, ShiftFormula::Add, 100},
        {"-10", FormulaStatus::Ok, ShiftFormula::Add, -10},
        {"+2", FormulaStatus::Ok, ShiftFormula::Add, 2},
        {"*0.8", FormulaStatus::Ok, ShiftFormula::Multiply, 0.8},
        {"/2", FormulaStatus::Ok, ShiftFormula::Divide, 2},
        {"/0", FormulaStatus::DivisionByZero, ShiftFormula::Divide, 0},
        {"/0.0", FormulaStatus::DivisionByZero, ShiftFormula::Divide, 0},
        // A formula that is no number used to read as 0 and write zeros.
        {"abc", FormulaStatus::NotANumber, ShiftFormula::Add, 0},
        {"*", FormulaStatus::NotANumber, ShiftFormula::Add, 0},
        {"", FormulaStatus::NotANumber, ShiftFormula::Add, 0},
        {"1OO", FormulaStatus::NotANumber, ShiftFormula::Add, 0},
        {"*x2", FormulaStatus::NotANumber, ShiftFormula::Add, 0},
    };
    for (const auto &c : cases) {
        ShiftFormula f;
        EXPECT_EQ(ReadShiftFormula(QString::fromUtf8(c.text), &f), c.status) << c.text;
        if (c.status != FormulaStatus::Ok) continue;
        EXPECT_EQ(f.kind, c.kind) << c.text;
        EXPECT_DOUBLE_EQ(f.operand, c.operand) << c.text;
    }
}

TEST(SizeShiftTest, FormatsRoundHalvesAwayFromZero) {
    const struct {
        double value;
        int format;
        const char *text;
    } cases[] = {
        {12, 1, "12"},       {12.5, 1, "12.5"},   {-3.25, 1, "-3.25"}, {0.25, 1, "0.25"},
        {12, 2, "12."},      {0.25, 2, "0.25"},   {12, 3, "12.0"},     {12.125, 3, "12.125"},
        {5, 4, "05"},        {150, 4, "150"},     {-5, 4, "-05"},      {2.5, 4, "03"},
        {-2.5, 4, "-03"},    {0.0625, 1, "0.063"}, {1.0005, 1, "1.001"}, {12.3456, 2, "12.346"},
        {-0.0001, 1, "0"},   {-0.0001, 2, "0."},  {0, 3, "0.0"},       {0.9996, 1, "1"},
        {1e20, 1, "100000000000000000000"},
    };
    for (const auto &c : cases) EXPECT_EQ(FormatShiftedValue(c.value, c.format), c.text) << c.value << " " << c.format;
}

TEST(SizeShiftTest, OverflowIsAnError) {
    try {
        ShiftAll("X9999999999", "X", "*1e308", 1);
        FAIL();
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), kErrOverflow);
    }
}

}  // namespace
}  // namespace brennvik
