#include "workspace/runtime.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brennvik {
namespace {

TEST(RuntimeTest, ValReadsTheLeadingNumberOnly) {
    const struct {
        const char *text;
        double value;
    } cases[] = {
        {"12abc", 12},    {"abc", 0},      {"", 0},         {"  7.5mm", 7.5},  {"-3", -3},
        {"+4", 4},        {".5", 0.5},     {"1.", 1},       {"1e3", 1000},     {"2E-2", 0.02},
        {"1e", 1},        {"-", 0},        {".", 0},        {"1,5", 1},        {"inf", 0},
        {"nan", 0},       {"&H10", 0},     {"0x10", 0},     {"12.5.3", 12.5},  {"1D2", 100},
        // Blanks and tabs inside the number are left out, not an end.
        {"1 5 0", 150},   {"- 1 2.5", -12.5}, {"1.  8895", 1.8895}, {"4\t1", 41}, {" 5 0 ", 50},
        {"1 x2", 1},      {"1 e 3", 1000}, {" \t ", 0},
    };
    for (const auto &c : cases) EXPECT_DOUBLE_EQ(Val(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(RuntimeTest, ValOfANumberBeyondDoubleRaisesOverflow) {
    try {
        Val(QStringLiteral("1e400"));
        FAIL();
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), kErrOverflow);
    }
}

TEST(RuntimeTest, WholeNumberConversions) {
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(Int(2.9), 2);
    EXPECT_EQ(Fix(-2.5), -2);
    EXPECT_EQ(Int(7.9f), 7.0f);
    // Halves go to the even number.
    const struct {
        double in;
        int out;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {10.5, 10}, {10.51, 11}};
    for (const auto &c : cases) {
        EXPECT_EQ(CInt(c.in), c.out) << c.in;
        EXPECT_EQ(CLng(c.in), c.out) << c.in;
    }
}

TEST(RuntimeTest, ValuesTooLargeForTheirTypeRaiseOverflow) {
    const std::function<void()> calls[] = {
        [] { CInt(32767.5 + 1); },
        [] { CInt(-32769); },
        [] { CLng(3e9); },
        [] { CSng(1e39); },
        [] { CSng(std::nan("")); },
    };
    for (const auto &call : calls) {
        try {
            call();
            ADD_FAILURE() << "no overflow";
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number(), kErrOverflow);
        }
    }
    EXPECT_EQ(CInt(32767.4), 32767);
}

TEST(RuntimeTest, DivisionByZeroRaisesError11) {
    try {
        Divide(1.0, 0.0);
        FAIL();
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), kErrDivisionByZero);
    }
    EXPECT_DOUBLE_EQ(Divide(1.0, 4.0), 0.25);
}

TEST(RuntimeTest, NumberTextOfDoubles) {
    const struct {
        double v;
        const char *text;
    } cases[] = {
        {0, "0"},           {1, "1"},
        {-1, "-1"},         {0.5, "0.5"},
        {-0.5, "-0.5"},     {12.345, "12.345"},
        {1.0 / 3, "0.333333333333333"},
        {100, "100"},       {1234567890123, "1234567890123"},
        {1e15, "1E+15"},    {0.0001, "0.0001"},
        {0.00001, "1E-05"}, {-1.25e-7, "-1.25E-07"},
        {1004.9999999999999, "1005"},
        {3.14159265398, "3.14159265398"},
    };
    for (const auto &c : cases) EXPECT_EQ(NumberText(c.v), QString::fromLatin1(c.text)) << c.text;
}

TEST(RuntimeTest, NumberTextOfFloatsUsesSevenDigits) {
    EXPECT_EQ(NumberText(12.345f), "12.345");
    EXPECT_EQ(NumberText(0.1f), "0.1");
    EXPECT_EQ(NumberText(2500.0f), "2500");
    // From 1E7 on a single is a whole number, written in full below 1E15.
    EXPECT_EQ(NumberText(12345678.0f), "12345678");
    EXPECT_EQ(NumberText(9999999.0f), "9999999");
    EXPECT_EQ(NumberText(-0.001f), "-0.001");
}

TEST(RuntimeTest, StrictParsingOfStoredTexts) {
    double v = 0;
    EXPECT_TRUE(TryParseNumber(" 12.5 ", &v));
    EXPECT_EQ(v, 12.5);
    for (const char *bad : {"abc", "", "12abc", "1 2", "inf"}) EXPECT_FALSE(TryParseNumber(bad, &v)) << bad;

    bool b = false;
    EXPECT_TRUE(TryParseBoolean("True", &b) && b);
    EXPECT_TRUE(TryParseBoolean("false", &b) && !b);
    EXPECT_TRUE(TryParseBoolean("-1", &b) && b);
    EXPECT_TRUE(TryParseBoolean("0", &b) && !b);
    EXPECT_FALSE(TryParseBoolean("yes", &b));
}

TEST(RuntimeTest, AscGivesShiftJisCodes) {
    EXPECT_EQ(Asc(u'G'), 71);
    EXPECT_EQ(Asc(u'\r'), 13);
    EXPECT_EQ(Asc(QChar(0xFF71)), 0xB1);  // half-width katakana a: one byte
    EXPECT_LT(Asc(QChar(0x6F22)), 0);      // a kanji: double-byte, negative
    EXPECT_EQ(Asc(QChar(0x6F22)), int16_t(0x8ABF));
}

}  // namespace
}  // namespace brennvik
