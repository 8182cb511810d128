#include "platform/FileProblems.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brennvik {
namespace {

// The platform's text said "Unknown error" for a full disk and nothing of a
// folder that takes no new files; the reason comes from the state after the
// failure.
TEST(FileProblemsTest, AFailureIsJudgedByTheFileAndItsFolder) {
    FileFacts file;  // an ordinary file in an ordinary folder, 1000 bytes free
    file.exists = file.readable = file.writable = file.folderExists = file.folderWritable = true;
    file.bytesFree = 1000;
    auto with = [file](auto change) {
        FileFacts f = file;
        change(f);
        return f;
    };
    const struct {
        const char *what;
        FileFacts facts;
        FileProblem reading, writing;
    } cases[] = {
        {"missing file", with([](FileFacts &f) { f.exists = f.readable = f.writable = false; }),
         FileProblem::NotFound, FileProblem::Other},
        {"missing folder", with([](FileFacts &f) { f = FileFacts(); }), FileProblem::FolderNotFound,
         FileProblem::FolderNotFound},
        {"a folder", with([](FileFacts &f) { f.isFolder = true; }), FileProblem::IsFolder, FileProblem::IsFolder},
        {"no permission", with([](FileFacts &f) { f.readable = f.writable = false; }), FileProblem::NoPermission,
         FileProblem::NoPermission},
        {"read-only file", with([](FileFacts &f) { f.writable = false; }), FileProblem::Other,
         FileProblem::NoPermission},
        {"writable file, folder not", with([](FileFacts &f) { f.folderWritable = false; }), FileProblem::Other,
         FileProblem::FolderNotWritable},
        {"new file, folder not writable",
         with([](FileFacts &f) { f.exists = f.readable = f.writable = f.folderWritable = false; }),
         FileProblem::NotFound, FileProblem::FolderNotWritable},
        {"disk full", with([](FileFacts &f) { f.bytesFree = 999; }), FileProblem::Other, FileProblem::DiskFull},
        {"free space unknown", with([](FileFacts &f) { f.bytesFree = -1; }), FileProblem::Other,
         FileProblem::Other},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ReadProblem(c.facts), c.reading) << c.what;
        EXPECT_EQ(WriteProblem(c.facts, 1000), c.writing) << c.what;
    }
}

TEST(FileProblemsTest, FactsComeFromTheFileSystem) {
    QTemporaryDir dir;
    QFile(dir.filePath("a.min")).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir("sub");
    const FileFacts file = FileFactsOf(dir.filePath("a.min"));
    EXPECT_TRUE(file.exists && file.readable && file.writable && file.folderExists && file.folderWritable);
    EXPECT_FALSE(file.isFolder);
    EXPECT_GT(file.bytesFree, 0);
    EXPECT_EQ(ReadProblem(FileFactsOf(dir.filePath("b.min"))), FileProblem::NotFound);
    EXPECT_EQ(ReadProblem(FileFactsOf(dir.filePath("none/b.min"))), FileProblem::FolderNotFound);
    EXPECT_EQ(WriteProblem(FileFactsOf(dir.filePath("a.min/b.min")), 1), FileProblem::FolderNotFound);
    EXPECT_EQ(ReadProblem(FileFactsOf(dir.filePath("sub"))), FileProblem::IsFolder);
    EXPECT_EQ(ReadProblem(FileFactsOf(QString())), FileProblem::NotFound);
}

// A name longer than the system takes was reported as a missing file, and a
// long path through existing folders as a missing folder.
TEST(FileProblemsTest, ANameTooLongForTheSystemIsToldApart) {
    QTemporaryDir dir;
    QString folder = dir.path();
    while (folder.size() < 3900) {
        folder += "/" + QString(200, u'd');
        ASSERT_TRUE(QDir().mkdir(folder));
    }
    const struct {
        const char *what;
        QString path;
    } cases[] = {
        {"a name of 300 characters", dir.filePath(QString(300, u'n') + ".min")},
        {"a path of over 4096 characters", folder + "/" + QString(250, u'p') + "/" + QString(100, u'f')},
    };
    for (const auto &c : cases) {
        const FileFacts facts = FileFactsOf(c.path);
        EXPECT_TRUE(facts.nameTooLong) << c.what;
        EXPECT_EQ(ReadProblem(facts), FileProblem::NameTooLong) << c.what;
        EXPECT_EQ(WriteProblem(facts, 1), FileProblem::NameTooLong) << c.what;
    }
    EXPECT_FALSE(FileFactsOf(folder + "/short.min").nameTooLong);
}

}  // namespace
}  // namespace brennvik
