#include "workspace/typing_aid.h"

#include <gtest/gtest.h>

namespace brennvik {
namespace {

int Key(char c) { return static_cast<unsigned char>(c); }

TEST(TypingAidTest, Cases) {
    const struct {
        const char *text;  // the caret stands at the end
        int key;
        bool paneB;
        const char *insertion;
    } cases[] = {
        {"", 'G', false, "N000 "},
        {"", 'M', false, "N000 "},
        {"", 'X', false, "N000     "},
        {"N000 G\r\n", 'X', false, "N000     "},
        {"N000 G\r\n", '(', false, ""},
        {"N000 G\r\n", 'N', false, ""},
        {"N000 G\r\n", 'O', false, ""},
        {"N000 G\r\n", 9, false, ""},
        {"", 'g', false, "N000     "},  // lower case is no P, G, C or M at a line start
        {"N000 G00", 'X', false, " "},
        {"N000 G00", 'x', false, " "},   // but a letter behind a value
        {"N000 G00 ", 'X', false, ""},
        {"#1=", 'X', false, ""},
        {"#1=", 'X', true, ""},
        {"1.", 'X', false, ""},
        {"1.", 'X', true, " "},
        {"1:", 'X', false, ""},
        {"1:", 'X', true, " "},
        {"N000 G", '0', false, ""},
        {"G", '0', false, ""},          // one character in: no line start
        {"1", 'X', false, " "},
        {"", 13, false, ""},
        {"N000 G00", 13, false, ""},
        {"", 8, false, ""},
        {"G00\n", 'X', false, " "},      // a bare LF is no line end
        {"(荒加工)", 'X', false, " "},    // ")" is a mark like a digit
        {"荒", 'X', false, " "},          // a double-byte character has a negative code
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(TypingAidInsertion(text, int(text.size()), c.key, c.paneB), QString::fromUtf8(c.insertion))
            << c.text << " key " << c.key << (c.paneB ? " B" : " A");
    }
}

TEST(TypingAidTest, TypingABlockIntoAnEmptyPane) {
    QString text;
    for (const char c : std::string("G00X100")) {
        text += TypingAidInsertion(text, int(text.size()), Key(c), false);
        text += QChar::fromLatin1(c);
    }
    EXPECT_EQ(text, "N000 G00 X100");
}

}  // namespace
}  // namespace brennvik
