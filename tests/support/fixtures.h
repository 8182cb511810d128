#pragma once
// Shared test fixtures: a private settings file, scripted message boxes and
// modal dialogs, and a fresh program state for every test.

#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/MsgBox.h"
#include "platform/FileDialogs.h"

class QWidget;

namespace brennvik {

class frmMain;

// The one screen of every test that starts the main window: the desktop a
// 1920 x 1080 screen leaves windows beside a 40-pixel panel.
constexpr QRect kTestScreen(0, 0, 1920, 1040);

// The smallest screen the program is meant for: a laptop's.
constexpr QRect kSmallScreen(0, 0, 1366, 768);
// What a typical window manager puts around a window: a title bar of about
// 30 pixels and borders of a few.
constexpr QMargins kTypicalFrame(4, 30, 4, 4);

// Resets every module's state, points the settings store at an empty file
// in a temporary folder, puts the screen at kTestScreen and records message
// boxes (answering with `msgBoxAnswer`, OK by default).
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a raw INI text as the settings file.
    void WriteSettingsFile(const QByteArray &ini);
    QByteArray ReadSettingsFile() const;
    // A value of the settings file, or a null string when absent.
    QString StoredSetting(const QString &section, const QString &key) const;

    // Starts the main window as the program does (without its event loop).
    frmMain *StartMain(const QStringList &files = {});
    // Closes the main window as the user would and deletes it.
    void CloseMain();

    // A file in the temporary folder with these bytes.
    QString WriteFile(const QString &name, const QByteArray &bytes);

    QTemporaryDir m_dir;
    std::vector<MsgBoxCall> m_msgBoxes;
    std::function<int(const MsgBoxCall &)> m_msgBoxAnswer;
    // The Open dialog answers with this path; empty means cancel.
    QString m_openFileAnswer;
    std::vector<FileDialogRequest> m_openFileRequests;
    frmMain *m_main = nullptr;
};

// Runs `script` on the next modal window instead of waiting for a user.
void ScriptNextModal(std::function<void(QWidget *)> script);

}  // namespace brennvik
