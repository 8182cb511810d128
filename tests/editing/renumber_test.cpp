#include "editing/renumber.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace brennvik {
namespace {

QString Lines(const QStringList &lines) { return lines.join(QStringLiteral("\r\n")); }

// The worked example: from the top, three digits, start 10, step 10, one blank.
RenumberOptions Example() {
    RenumberOptions o;
    o.digits = 3;
    o.start = 10;
    o.step = 10;
    o.spaceN = 1;
    return o;
}

const QStringList kExampleIn = {
    "O1234", "(TITLE)", "G50 S2000", "NT01 G00 X100", "N5 G01 X50", "     Z-10", "/G00 X200", "NCYL X80", "M02",
    "G00 X300", "",
};

TEST(RenumberTest, WorkedExampleAndItsVariants) {
    struct Case {
        const char *name;
        std::function<void(RenumberOptions &)> change;
        QStringList expected;
    };
    const Case cases[] = {
        {"one blank", [](RenumberOptions &) {},
         {"O1234", "(TITLE)", "N010 G50 S2000", "NT01 G00 X100", "N030 G01 X50", "N040 Z-10", "N050 /G00 X200",
          "N060 NCYL X80", "N070 M02", "N010 G00 X300", ""}},
        {"five blanks", [](RenumberOptions &o) { o.spaceN = 5; },
         {"O1234", "(TITLE)", "N010 G50 S2000", "NT01 G00 X100", "N030 G01 X50", "N040     Z-10", "N050 /G00 X200",
          "N060 NCYL     X80", "N070 M02", "N010 G00 X300", ""}},
        {"no blank", [](RenumberOptions &o) { o.spaceN = 0; },
         {"O1234", "(TITLE)", "N010G50 S2000", "NT01G00 X100", "N030G01 X50", "N040Z-10", "N050/G00 X200",
          "N060 NCYLX80", "N070M02", "N010G00 X300", ""}},
        {"number after the slash", [](RenumberOptions &o) { o.bdel = 1; },
         {"O1234", "(TITLE)", "N010 G50 S2000", "NT01 G00 X100", "N030 G01 X50", "N040 Z-10", "/N050 G00 X200",
          "N060 NCYL X80", "N070 M02", "N010 G00 X300", ""}},
        {"stop at M02", [](RenumberOptions &o) { o.stopAtEnd = true; },
         {"O1234", "(TITLE)", "N010 G50 S2000", "NT01 G00 X100", "N030 G01 X50", "N040 Z-10", "N050 /G00 X200",
          "N060 NCYL X80", "N070 M02", "G00 X300", ""}},
        {"continuous", [](RenumberOptions &o) { o.continuous = true; },
         {"O1234", "(TITLE)", "N010 G50 S2000", "NT01 G00 X100", "N030 G01 X50", "N040 Z-10", "N050 /G00 X200",
          "N060 NCYL X80", "N070 M02", "N080 G00 X300", ""}},
        {"delete", [](RenumberOptions &o) { o.deleteNumbers = true; },
         {"O1234", "(TITLE)", " G50 S2000", "NT01 G00 X100", "G01 X50", " Z-10", "/G00 X200", "NCYL X80", " M02",
          " G00 X300", ""}},
    };
    for (const Case &c : cases) {
        RenumberOptions o = Example();
        c.change(o);
        EXPECT_EQ(RenumberText(Lines(kExampleIn), 0, o), Lines(c.expected)) << c.name;
    }
}

TEST(RenumberTest, EdgeCases) {
    const struct {
        const char *name;
        QStringList in;
        int digits;
        QStringList expected;
    } cases[] = {
        {"last line without line end", {"G00", "G01"}, 3, {"N010 G00", "N020 G01"}},
        {"Japanese comment and empty lines", {"(外径荒加工 T01)", "", "G00 X10 (ﾃｽﾄ)", "\tM03", "-"}, 3,
         {"(外径荒加工 T01)", "", "N010 G00 X10 (ﾃｽﾄ)", "\tM03", "-"}},
        {"lower-case n is a normal line", {"n10 G00"}, 3, {"N010 n10 G00"}},
        {"one digit is not padded", {"G00", "G01"}, 1, {"N10 G00", "N20 G01"}},
        {"more digits than asked are written whole", {"G00"}, 2, {"N10 G00"}},
        {"M020 is no end", {"M020", "G00"}, 3, {"N010 M020", "N020 G00"}},
        {"first M2 on the line is inside M25", {"N010 M25 M2", "G00"}, 3, {"N010 M25 M2", "N020 G00"}},
        {"M30 restarts", {"G00", "M30", "G01"}, 3, {"N010 G00", "N020 M30", "N010 G01"}},
        {"RTS restarts", {"G00", "RTS", "G01"}, 3, {"N010 G00", "N020 RTS", "N010 G01"}},
        {"M2 restarts", {"G00", "M2", "G01"}, 3, {"N010 G00", "N020 M2", "N010 G01"}},
    };
    for (const auto &c : cases) {
        RenumberOptions o = Example();
        o.digits = c.digits;
        EXPECT_EQ(RenumberText(Lines(c.in), 0, o), Lines(c.expected)) << c.name;
    }
}

TEST(RenumberTest, FromTheLineAfterTheCaret) {
    const QString text = Lines({"N1 G00", "N2 G01", "N3 G02", "N4 G03"});
    RenumberOptions o = Example();
    // The caret in the second line: lines three and four are numbered.
    EXPECT_EQ(RenumberText(text, 10, o), Lines({"N1 G00", "N2 G01", "N010 G02", "N020 G03"}));
    // The caret at the start of the second line still leaves that line alone.
    EXPECT_EQ(RenumberText(text, 8, o), Lines({"N1 G00", "N2 G01", "N010 G02", "N020 G03"}));
    // The caret at the very start of the text numbers from the first line.
    EXPECT_EQ(RenumberText(text, 0, o), Lines({"N010 G00", "N020 G01", "N030 G02", "N040 G03"}));
    // The caret in the last line: nothing follows.
    EXPECT_EQ(RenumberText(text, 26, o), text);
    // An end code on the caret's line behind the caret counts.
    EXPECT_EQ(RenumberText(Lines({"N1 M02", "G00"}), 1, [] { auto o = Example(); o.stopAtEnd = true; return o; }()),
              Lines({"N1 M02", "G00"}));
}

TEST(RenumberTest, OldWordIsNAndItsDigitsOnly) {
    // The character after "N" was taken into the old word even when it was the line's CR.
    RenumberOptions o = Example();
    EXPECT_EQ(RenumberText(Lines({"N", "G01 X1", ""}), 0, o), Lines({"N010 ", "N020 G01 X1", ""}));
    EXPECT_EQ(RenumberText(Lines({"N\tG01"}), 0, o), Lines({"N010 \tG01"}));
    EXPECT_EQ(RenumberText(Lines({"N12X5"}), 0, o), Lines({"N010 X5"}));
}

TEST(RenumberTest, EndCodeAtLineStartOrRightBehindTheNumberCounts) {
    // Deleting numbers leaves "M02" at the line start, which the check used to start one character too late for.
    RenumberOptions del = Example();
    del.deleteNumbers = true;
    del.spaceN = 0;
    del.stopAtEnd = true;
    EXPECT_EQ(RenumberText(Lines({"N010 M02", "N020 G00", ""}), 0, del), Lines({"M02", "N020 G00", ""}));
    // Without blanks "N070M02" used to hide the end code.
    RenumberOptions tight = Example();
    tight.spaceN = 0;
    tight.stopAtEnd = true;
    EXPECT_EQ(RenumberText(Lines({"M02", "G00"}), 0, tight), Lines({"N010M02", "G00"}));
    tight.bdel = 1;
    EXPECT_EQ(RenumberText(Lines({"/M02", "G00"}), 0, tight), Lines({"/N010M02", "G00"}));
}

TEST(RenumberTest, BlockSkipNumberIsReplaced) {
    // A block-skip line that had a number after "/" got a second one.
    RenumberOptions o = Example();
    o.bdel = 1;
    EXPECT_EQ(RenumberText(Lines({"/N050 G00 X200", "/N7G01"}), 0, o), Lines({"/N010 G00 X200", "/N020 G01"}));
    o.bdel = 0;
    EXPECT_EQ(RenumberText(Lines({"/N050 G00 X200"}), 0, o), Lines({"N010 /G00 X200"}));
    o.deleteNumbers = true;
    EXPECT_EQ(RenumberText(Lines({"/N050 G00 X200", "/G01", "/NT01 G00"}), 0, o),
              Lines({"/G00 X200", "/G01", "/NT01 G00"}));
}

// Deleting on a block-skip line took every blank after the number ("/G00"
// from "/N050  G00"); it takes the number and the one blank behind it.
TEST(RenumberTest, DeletingOnBlockSkipLinesTakesOneBlank) {
    const struct {
        const char *in, *out;
    } cases[] = {
        {"/N050  G00", "/ G00"},   {"/N050 G00", "/G00"},       {"/N050G00", "/G00"},
        {"/N7     X10", "/    X10"}, {"/N050", "/"},           {"/ N050 G00", "/ N050 G00"},
        {"/G01", "/G01"},          {"/NT01 G00", "/NT01 G00"},
    };
    RenumberOptions o = Example();
    o.deleteNumbers = true;
    for (const auto &c : cases) {
        for (int bdel : {0, 1}) {
            o.bdel = bdel;
            EXPECT_EQ(RenumberText(Lines({c.in, ""}), 0, o), Lines({c.out, ""})) << c.in << " BDEL " << bdel;
        }
    }
}

// The digit count is taken to a whole number before it is checked; "3.4"
// used to be refused.
TEST(RenumberTest, DigitCountIsRoundedThenChecked) {
    const struct {
        const char *text;
        int digits;  // 0: refused
    } cases[] = {
        {"3", 3},   {"3.4", 3}, {"2.5", 2}, {"3.5", 4}, {"0.6", 1}, {"9.4", 9}, {" 4 ", 4},
        {"0.4", 0}, {"9.6", 0}, {"0.5", 0}, {"0", 0},   {"10", 0},  {"-1", 0},  {"99999", 0},
        {"1e300", 0}, {"abc", 0}, {"", 0},  {"3x", 0},
    };
    for (const auto &c : cases) {
        int digits = 0;
        const bool accepted = DigitCountFromText(QString::fromLatin1(c.text), &digits);
        EXPECT_EQ(accepted, c.digits != 0) << c.text;
        if (accepted) {
            EXPECT_EQ(digits, c.digits) << c.text;
        }
    }
}

TEST(RenumberTest, EndCodeInRegion) {
    const QString text = QStringLiteral("N010 M25 M2\r\nM02\r\nN030M30\r\nX1 M020\r\n");
    EXPECT_FALSE(EndCodeInRegion(text, 0, 12, "M2"));  // only the first M2, inside M25, is judged
    EXPECT_TRUE(EndCodeInRegion(text, 13, 17, "M02"));
    EXPECT_TRUE(EndCodeInRegion(text, 18, 26, "M30"));
    EXPECT_FALSE(EndCodeInRegion(text, 27, 35, "M02"));
    EXPECT_FALSE(EndCodeInRegion(text, 13, 17, "RTS"));
    EXPECT_FALSE(EndCodeInRegion(text, 0, -1, "M02"));
    EXPECT_TRUE(EndCodeInRegion(QStringLiteral("M02\r\n"), 0, 4, "M02"));
}

}  // namespace
}  // namespace brennvik
