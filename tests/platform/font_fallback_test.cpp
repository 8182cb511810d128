#include "platform/FontFallback.h"
#include "platform/InterfaceFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QList>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace brennvik {
namespace {

bool HasJapanese(const QFont &font) {
    const QString family = QFontInfo(font).family();
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese) &&
           QFontMetrics(font).inFont(QChar(0x5DE5));  // 工
}

// The columns the generators write line up, and a Japanese character takes two.
bool KeepsColumns(const QFont &font) {
    const QFontMetrics m(font);
    return m.horizontalAdvance(QStringLiteral("N000 G01 ")) == m.horizontalAdvance(QStringLiteral("N000     ")) &&
           m.horizontalAdvance(QChar(0x5DE5)) == m.horizontalAdvance(QStringLiteral("XX"));
}

// The default families name fonts this platform does not have; the
// toolkit's own choice for them was a proportional font.
TEST(FontFallbackTest, MissingFamiliesGetAJapaneseFontOfTheirKind) {
    ASSERT_FALSE(QFontDatabase::hasFamily(QStringLiteral("ＭＳ ゴシック")));
    const QFont pane = PaneFont(QStringLiteral("ＭＳ ゴシック"), 12);
    EXPECT_EQ(pane.pointSize(), 12);
    EXPECT_TRUE(HasJapanese(pane)) << QFontInfo(pane).family().toStdString();
    EXPECT_TRUE(KeepsColumns(pane)) << QFontInfo(pane).family().toStdString();

    const QFont print = PrintFont(QStringLiteral("ＭＳ 明朝"), 11);
    EXPECT_EQ(print.pointSize(), 11);
    EXPECT_TRUE(HasJapanese(print)) << QFontInfo(print).family().toStdString();
    // A serif that keeps the listing's columns, as the stored default does.
    const QString printFamily = QFontInfo(print).family();
    EXPECT_TRUE(printFamily.contains(QStringLiteral("Serif")) || printFamily.contains(QStringLiteral("Mincho")))
        << printFamily.toStdString();
    EXPECT_TRUE(KeepsColumns(print)) << printFamily.toStdString();
}

TEST(FontFallbackTest, InstalledFamiliesAreUsedAsChosen) {
    for (const char *family : {"Noto Sans CJK JP", "Noto Serif CJK JP"}) {
        ASSERT_TRUE(QFontDatabase::hasFamily(QString::fromLatin1(family))) << family;
        EXPECT_EQ(QFontInfo(PaneFont(QString::fromLatin1(family), 10)).family(), family);
        EXPECT_EQ(QFontInfo(PrintFont(QString::fromLatin1(family), 10)).family(), family);
    }
}

// The interface keeps a desktop font that has Japanese; one without gets a
// Japanese sans serif of the same size.
TEST(FontFallbackTest, InterfaceFontHasJapaneseAtTheDesktopSize) {
    const struct {
        const char *desktop;
        double size;
        const char *family;
    } cases[] = {
        {"DejaVu Sans", 9, "Noto Sans CJK JP"},
        {"DejaVu Serif", 10.5, "Noto Sans CJK JP"},
        {"Noto Sans CJK JP", 11, "Noto Sans CJK JP"},
        {"Noto Serif CJK JP", 9, "Noto Serif CJK JP"},
    };
    for (const auto &c : cases) {
        QFont desktop(QString::fromLatin1(c.desktop));
        desktop.setPointSizeF(c.size);
        const QFont chosen = InterfaceFont(desktop);
        EXPECT_EQ(QFontInfo(chosen).family(), c.family) << c.desktop;
        EXPECT_EQ(chosen.pointSizeF(), c.size) << c.desktop;
        EXPECT_TRUE(HasJapanese(chosen)) << c.desktop;
    }
}

}  // namespace
}  // namespace brennvik
