#include "platform/FileDialogs.h"

#include "platform/FileProblems.h"
#include "platform/MsgBox.h"
#include "platform/Screens.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

#include <functional>

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

// Runs the real dialog of `kind` on `folder`; `look` sees it once its list
// shows every file, then the dialog is cancelled.
void LookAtRealDialog(FileDialogRequest::Kind kind, const QString &folder, int files,
                      const std::function<void(QFileDialog &)> &look) {
    bool looked = false;
    QTimer::singleShot(0, [&] {
        QFileDialog *dialog = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] { return (dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())); }));
        if (!dialog) return;
        auto *view = dialog->findChild<QTreeView *>("treeView");
        auto *model = dialog->findChild<QFileSystemModel *>();
        EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(view->rootIndex()) == files; }));
        QTest::qWait(200);  // the list sorts and settles after loading
        look(*dialog);
        looked = true;
        dialog->reject();
    });
    FileDialogRequest r;
    r.kind = kind;
    r.initialFolder = folder;
    r.filter = "All Files (*.*)|*.*";
    EXPECT_EQ(ShowFileDialog(r), QString());
    EXPECT_TRUE(looked);
}

// The columns were sized for short English texts, so the size, type and
// date of an ordinary file read "328…tes", "Uni…ent", "11 Dec …3:46:33".
TEST(FileDialogsTest, EveryColumnOfOrdinaryFilesReadsWholeAtTheFirstSize) {
    QTemporaryDir dir;
    const struct {
        const char *name;
        qint64 bytes;
    } files[] = {{"O1234.MIN", 328}, {"readme.txt", 12}, {"drawing.pdf", 1536000}, {"setup.sh", 4096},
                 {"LATHE-PROGRAM-WITH-A-LONGER-NAME.MIN", 51200}};
    for (const auto &f : files) {
        QFile file(dir.filePath(f.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(f.bytes, 'N'));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("programs"));
    const int rows = int(std::size(files)) + 1;
    UseScreenAreas({QRect(0, 0, 1366, 740)});  // a 1366 × 768 screen with a panel
    for (const auto kind : {FileDialogRequest::Kind::Open, FileDialogRequest::Kind::SaveAs}) {
        LookAtRealDialog(kind, dir.path(), rows, [&](QFileDialog &dialog) {
            // With a frame around it, the dialog fits a 1366 × 768 screen.
            EXPECT_LE(dialog.width() + 16, 1366);
            EXPECT_LE(dialog.height() + 48, 768);
            auto *view = dialog.findChild<QTreeView *>("treeView");
            ASSERT_TRUE(view->isVisible());
            const QModelIndex root = view->rootIndex();
            for (int row = 0; row < rows; ++row) {
                for (int column = 0; column < view->header()->count(); ++column) {
                    const QModelIndex cell = root.model()->index(row, column, root);
                    const QRect shown = view->visualRect(cell);
                    const QString text = cell.data().toString();
                    EXPECT_GE(shown.width(), view->sizeHintForIndex(cell).width()) << text.toStdString();
                    EXPECT_LE(shown.right(), view->viewport()->width()) << text.toStdString();
                }
            }
        });
    }
    UseScreenAreas({});
}

// The toolkit called such a name a missing file, and in Save As refused it
// without a word.
TEST(FileDialogsTest, ANameTooLongIsToldAndTheDialogStays) {
    QTemporaryDir dir;
    QStringList shown;
    SetMsgBoxResponder([&](const MsgBoxCall &call) {
        shown << call.prompt;
        return int(vbOK);
    });
    const QString name = QString(300, u'n') + ".min";
    for (const auto kind : {FileDialogRequest::Kind::Open, FileDialogRequest::Kind::SaveAs}) {
        shown.clear();
        LookAtRealDialog(kind, dir.path(), 0, [&](QFileDialog &dialog) {
            auto *box = dialog.findChild<QLineEdit *>("fileNameEdit");
            box->setText(name);
            QTest::keyClick(box, Qt::Key_Return);
            EXPECT_TRUE(dialog.isVisible());
        });
        EXPECT_EQ(shown, QStringList({QDir::toNativeSeparators(dir.filePath(name)) + "\r\n" + NameTooLongText()}));
    }
    SetMsgBoxResponder({});
}

}  // namespace
}  // namespace brennvik
