#include "platform/SettingsStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brennvik {
namespace {

TEST(SettingsStoreTest, ValuesRoundTripAsTextBySectionAndKey) {
    QTemporaryDir dir;
    SetSettingsFilePath(dir.filePath("s.ini"));
    ClearSettingsWriteLog();
    EXPECT_EQ(GetSetting("Brennvik", "Settings", "Missing", "dflt"), "dflt");
    SaveSetting("Brennvik", "Settings", "ScreenFontName", "ＭＳ ゴシック");
    SaveSetting("Brennvik", "Parameter", "MaxS", "2500");
    SaveSetting("Brennvik", "Parameter", "Path", "C:\\加工条件");
    EXPECT_EQ(GetSetting("Brennvik", "Settings", "ScreenFontName"), "ＭＳ ゴシック");
    EXPECT_EQ(GetSetting("Brennvik", "Parameter", "MaxS"), "2500");
    EXPECT_EQ(GetSetting("Brennvik", "Parameter", "Path"), "C:\\加工条件");
    EXPECT_EQ(GetSetting("Brennvik", "Settings", "MaxS", "none"), "none");
    EXPECT_EQ(SettingsWriteLog(), QStringList({"Settings/ScreenFontName", "Parameter/MaxS", "Parameter/Path"}));
    SetSettingsFilePath(QString());
}

TEST(SettingsStoreTest, DefaultFileIsInTheUsersConfigurationFolder) {
    SetSettingsFilePath(QString());
    EXPECT_TRUE(SettingsFilePath().endsWith("Brennvik/Brennvik.ini"));
}

}  // namespace
}  // namespace brennvik
