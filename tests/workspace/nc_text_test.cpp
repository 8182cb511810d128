#include "workspace/nc_text.h"

#include "support/fixtures.h"
#include "workspace/runtime.h"

#include <type_traits>
#include <utility>

namespace brennvik {
namespace {

TEST(FormatNcNumberTest, WorkedExamples) {
    const struct {
        double argument;
        double floored;
        const char *text;
    } cases[] = {
        {0, 0, "0"},
        {0.0005, 0, "0"},
        {0.001, 0.001, "0.001"},
        {0.5, 0.5, "0.5"},
        {0.9999, 0.999, "0.999"},
        {1, 1, "1"},
        {1.2345, 1.234, "1.234"},
        {12.3456, 12.345, "12.345"},
        {100, 100, "100"},
        {1.005, 1.004, "1.004"},
        {-0.0005, -0.001, "-0.001"},
        {-0.5, -0.5, "-0.5"},
        {-1, -1, "-1"},
        {-1.0005, -1.001, "-1.001"},
        {-12.3456, -12.346, "-12.346"},
    };
    for (const auto &c : cases) {
        double v = c.argument;
        EXPECT_EQ(FormatNcNumber(v), QString::fromLatin1(c.text)) << c.argument;
        EXPECT_DOUBLE_EQ(v, c.floored) << "the variable holds the floored value";
        // A second call finds the value already floored and says the same.
        EXPECT_EQ(FormatNcNumber(v), QString::fromLatin1(c.text)) << c.argument;
    }
}

TEST(FormatNcNumberTest, FloatVariableIsFlooredInSinglePrecision) {
    float f = 12.3456f;
    EXPECT_EQ(FormatNcNumber(f), "12.345");
    EXPECT_EQ(f, Int(12.3456f * 1000.0f) / 1000.0f);
    float small = -0.0005f;
    EXPECT_EQ(FormatNcNumber(small), "-0.001");
}

// A value the formatting may not floor has to be passed as a copy on
// purpose: a constant variable would silently keep its unfloored value.
template <typename T, typename = void>
struct Formattable : std::false_type {};
template <typename T>
struct Formattable<T, std::void_t<decltype(FormatNcNumber(std::declval<T>()))>> : std::true_type {};
static_assert(Formattable<double &>::value && Formattable<float &>::value && Formattable<double>::value);
static_assert(!Formattable<const double &>::value && !Formattable<const float &>::value);

TEST(FormatNcNumberTest, TemporariesAndTexts) {
    const double kept = 1.2345;
    EXPECT_EQ(FormatNcNumber(kept * 2), "2.469");
    EXPECT_EQ(FormatNcNumber(double(kept)), "1.234");
    EXPECT_EQ(kept, 1.2345);
    EXPECT_EQ(FormatNcNumber(7), "7");
    EXPECT_EQ(FormatNcNumber(QStringLiteral("12.3456")), "12.345");
    EXPECT_EQ(FormatNcNumber(QString()), "0");
    try {
        FormatNcNumber(QStringLiteral("X1"));
        FAIL();
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), kErrTypeMismatch);
    }
}

TEST(FormatNcNumberTest, NeverBlankSignOrExponentInRange) {
    for (double v : {1e14 + 0.5, -99999999999999.0, 0.0009, 123456.789, -0.9999}) {
        const QString t = FormatNcNumber(v);
        EXPECT_FALSE(t.contains(u' ') || t.contains(u'+') || t.contains(u'E')) << t.toStdString();
        EXPECT_FALSE(t.contains(u'.') && t.endsWith(u'0')) << t.toStdString();
    }
}

// Singles of 1E7 and more came out as "1E+07".
TEST(FormatNcNumberTest, LargeSinglesInPlainDigits) {
    const struct {
        float v;
        const char *text;
    } cases[] = {
        {9999999.0f, "9999999"},   {10000000.0f, "10000000"},    {16777216.0f, "16777216"},
        {-12345678.0f, "-12345678"}, {2.5e9f, "2500000000"},
        // The single product of these does not come back to the whole number.
        {10000021.0f, "10000021"}, {123456789.0f, "123456792"},
    };
    for (const auto &c : cases) {
        float v = c.v;
        EXPECT_EQ(FormatNcNumber(v), QString::fromLatin1(c.text)) << c.text;
        EXPECT_EQ(v, c.v) << c.text;
    }
}

TEST(FormatTwoDigitsTest, Examples) {
    const struct {
        double argument;
        double floored;
        const char *text;
    } cases[] = {
        {0, 0, "00"}, {7, 7, "07"}, {10, 10, "10"}, {123, 123, "123"},
        {7.9, 7, "07"}, {9.99, 9, "09"}, {-3, -3, "03"}, {-12, -12, "012"},
    };
    for (const auto &c : cases) {
        double v = c.argument;
        EXPECT_EQ(FormatTwoDigits(v), QString::fromLatin1(c.text)) << c.argument;
        EXPECT_EQ(v, c.floored);
    }
    float f = 9.99f;
    EXPECT_EQ(FormatTwoDigits(f), "09");
    EXPECT_EQ(f, 9.0f);
}

class ErrorMessageTest : public ProgramFixture {};

TEST_F(ErrorMessageTest, TitlesAndTexts) {
    const struct {
        int number;
        const char *title;
        const char *text;
    } cases[] = {
        {11, "エラー 11", "ゼロ割り算エラー。工具径などのデータが０です。"},
        {13, "エラー 13", "加工条件エラー。素材入力をしてください。"},
        {76, "エラー 76", "パスが見つかりません。"},
        {91, "エラー 91", "ファイルが開いていないので挿入出来ません。新しく作成をする時は[新規]を押してください。"},
        {5, "エラー 5", "エラーです。"},
    };
    for (const auto &c : cases) {
        m_msgBoxes.clear();
        ShowErrorMessage(c.number);
        ASSERT_EQ(m_msgBoxes.size(), 1u);
        EXPECT_EQ(m_msgBoxes[0].title, QString::fromUtf8(c.title));
        EXPECT_EQ(m_msgBoxes[0].prompt, QString::fromUtf8(c.text));
        EXPECT_EQ(m_msgBoxes[0].buttons, vbOKOnly | vbExclamation);
    }
    m_msgBoxes.clear();
    ShowErrorMessage(0);
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(ErrorMessageTest, InsertAtCaretBeforeAnyDocumentIsSilent) {
    EXPECT_NO_THROW(InsertAtCaret(QStringLiteral("N000 G00")));
    EXPECT_TRUE(m_msgBoxes.empty());
}

}  // namespace
}  // namespace brennvik
