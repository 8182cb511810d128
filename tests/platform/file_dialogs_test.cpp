#include "platform/FileDialogs.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brennvik {
namespace {

TEST(FileDialogsTest, FiltersBecomeDialogNameFilters) {
    EXPECT_EQ(DialogNameFilters("Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb|All Files (*.*)|*.*"),
              "Main File (*.min);;System Sub (*.ssb);;All Files (*)");
    EXPECT_EQ(DialogNameFilters("Text|*.txt;*.doc"), "Text (*.txt *.doc)");
}

TEST(FileDialogsTest, AChoiceMovesTheCurrentFolderACancelDoesNot) {
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    FileDialogRequest seen;
    QString answer;
    SetFileDialogResponder([&](const FileDialogRequest &r) {
        seen = r;
        return answer;
    });
    FileDialogRequest r;
    r.kind = FileDialogRequest::Kind::SaveAs;
    r.fileName = "x.min";
    r.flags = cdlOFNOverwritePrompt;
    EXPECT_EQ(ShowFileDialog(r), QString());
    EXPECT_EQ(seen.fileName, "x.min");
    EXPECT_EQ(seen.flags, 2);
    EXPECT_EQ(QDir::currentPath(), before);
    answer = dir.filePath("x.min");
    EXPECT_EQ(ShowFileDialog(r), answer);
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    SetFileDialogResponder({});
    QDir::setCurrent(before);
}

}  // namespace
}  // namespace brennvik
