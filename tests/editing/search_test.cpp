#include "editing/search.h"

#include <gtest/gtest.h>

namespace brennvik {
namespace {

TEST(FindFromTest, Cases) {
    const struct {
        const char *text, *what;
        int from, expected;
    } cases[] = {
        {"abab", "ab", 0, 0},
        {"abab", "ab", 2, 2},
        {"abab", "ab", 4, -1},   // no wrap to the beginning
        {"aaaa", "aa", 2, 2},    // successive finds never overlap
        {"G01 X1", "g01", 0, -1},  // case matters
        {"N000 Ｘ10 X10", "X", 0, 9},  // full-width and half-width differ
        {"abc", "", 0, -1},     // an empty search text matches nothing
        {"abc", "c", 9, -1},
        {"G00\r\n(荒加工)\r\nG01", "G01", 0, 12},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FindFrom(QString::fromUtf8(c.text), QString::fromUtf8(c.what), c.from), c.expected)
            << c.text << " / " << c.what << " from " << c.from;
}

TEST(ReplaceAllFromTest, Cases) {
    const struct {
        const char *text, *what, *with;
        int from;
        const char *expected;
        int count, caret;
    } cases[] = {
        {"ABAB", "AB", "X", 0, "XX", 2, 2},
        {"XX", "X", "XX", 0, "XXXX", 2, 4},  // goes on behind the inserted text
        {"G00 X10 G00", "G00 ", "", 0, "X10 G00", 1, 0},  // an empty replacement deletes
        {"A A A", "A", "B", 2, "A B B", 2, 5},
        {"abc", "x", "y", 1, "abc", 0, 1},
        {"G00 X10\r\n(工具 外径荒)\r\nG00 X20\r\n", "G00", "G01", 0, "G01 X10\r\n(工具 外径荒)\r\nG01 X20\r\n", 2, 22},
    };
    for (const auto &c : cases) {
        const ReplaceAllResult r = ReplaceAllFrom(QString::fromUtf8(c.text), QString::fromUtf8(c.what),
                                                  QString::fromUtf8(c.with), c.from);
        EXPECT_EQ(r.text, QString::fromUtf8(c.expected)) << c.text;
        EXPECT_EQ(r.count, c.count) << c.text;
        EXPECT_EQ(r.caret, c.caret) << c.text;
    }
}

TEST(ReplaceAtTest, SplicesAtThePosition) {
    EXPECT_EQ(ReplaceAt("N000 G00 X1\r\n", 5, 3, "G01"), "N000 G01 X1\r\n");
    EXPECT_EQ(ReplaceAt("abc", 3, 0, "d"), "abcd");
}

}  // namespace
}  // namespace brennvik
