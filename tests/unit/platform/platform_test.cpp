// The system seam, through its own functions only, so that the same checks
// hold for the POSIX and the Windows sources.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "../../test_files.h"
#include "platform/durable_file.h"
#include "platform/file_links.h"
#include "platform/running_copy_lock.h"
#include "platform/stored_file.h"

using namespace tavo::platform;
using tavo::readBytes;
using tavo::writeBytes;

namespace {

bool writeNew(const QString& path, const QByteArray& bytes) {
    NewFile file;
    QString reason;
    return file.create(path, &reason) && file.write(bytes.constData(), bytes.size(), &reason) &&
           file.sync(&reason) && file.close(&reason);
}

}  // namespace

// A new file replaces a longer one whole, and a rename over a target, there
// or not, leaves the new bytes under the target's name and none under the old.
TEST(DurableFile, ANewFileRenamedOverReplacesTheTargetWhole) {
    struct Case {
        std::optional<QByteArray> before;  // the target's bytes first; none: no target
        RenameDurability durability;
    };
    const Case cases[] = {
        {QByteArray("an old and longer content\r\n"), RenameDurability::Durable},
        {std::nullopt, RenameDurability::Durable},
        {QByteArray("old"), RenameDurability::Lazy},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString target = dir.filePath("ordine.txt"), temp = dir.filePath("man.txt");
        if (c.before) {
            ASSERT_TRUE(writeBytes(target, *c.before));
        }
        ASSERT_TRUE(writeBytes(temp, "a file left longer than the next\r\n"));
        ASSERT_TRUE(writeNew(temp, "new\r\n"));
        QString reason;
        EXPECT_TRUE(renameOver(temp, target, c.durability, &reason)) << reason.toStdString();
        EXPECT_EQ(readBytes(target), "new\r\n");
        EXPECT_FALSE(QFile::exists(temp));
    }
}

// A folder with a file in it cannot be renamed over: both stay, and the
// system says why.
TEST(DurableFile, ARenameThatFailsLeavesBothAndSaysWhy) {
    QTemporaryDir dir;
    const QString target = dir.filePath("ordine.txt"), temp = dir.filePath("man.txt");
    ASSERT_TRUE(QDir(dir.path()).mkpath("ordine.txt/kept"));
    ASSERT_TRUE(writeNew(temp, "new"));
    QString reason;
    EXPECT_FALSE(renameOver(temp, target, RenameDurability::Durable, &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(readBytes(temp), "new");
    EXPECT_TRUE(QFileInfo(dir.filePath("ordine.txt/kept")).isDir());
}

// A hard link is the file itself under a second name, never a copy (and
// never a shortcut), and never replaces a name that is taken.
TEST(FileLinks, AHardLinkIsTheSameFileAndNeverReplacesAName) {
    QTemporaryDir dir;
    const QString file = dir.filePath("ordine.txt"), link = dir.filePath("ordine-1.txt"),
                  copy = dir.filePath("copie.txt"), taken = dir.filePath("nota.txt");
    ASSERT_TRUE(writeBytes(file, "1,2,3\r\n"));
    ASSERT_TRUE(writeBytes(copy, "1,2,3\r\n"));
    ASSERT_TRUE(writeBytes(taken, "the user's"));
    QString reason;
    ASSERT_TRUE(hardLink(file, link, &reason)) << reason.toStdString();
    EXPECT_EQ(readBytes(link), "1,2,3\r\n");
    EXPECT_FALSE(hardLink(file, taken, &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(readBytes(taken), "the user's");
    struct Case {
        QString a, b;
        bool same;
    };
    const Case cases[] = {
        {file, link, true},
        {file, file, true},
        {file, copy, false},
        {file, dir.filePath("missing.txt"), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sameFile(c.a, c.b), c.same) << c.a.toStdString() << " " << c.b.toStdString();
}

TEST(FileLinks, MakesAFolderOrSaysWhyNot) {
    QTemporaryDir dir;
    ASSERT_TRUE(writeBytes(dir.filePath("versiuni"), "a file where the folder goes"));
    struct Case {
        QString folder;
        bool made;
    };
    const Case cases[] = {
        {dir.filePath("nou"), true},
        {dir.filePath("nou"), true},  // there already
        {dir.filePath("versiuni"), false},
        {dir.filePath("lipsa/nou"), false},  // its parent is missing
    };
    for (const Case& c : cases) {
        QString reason;
        EXPECT_EQ(makeFolder(c.folder, &reason), c.made) << c.folder.toStdString();
        EXPECT_EQ(QFileInfo(c.folder).isDir(), c.made);
        EXPECT_EQ(reason.isEmpty(), c.made);
    }
}

// The bytes stay those read while the file is renamed over: the program
// holds the old ordine.txt while it replaces it (what a mapped or open file
// would stop on Windows).
TEST(StoredFile, KeepsTheBytesReadWhileTheFileIsReplaced) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ordine.txt"), temp = dir.filePath("man.txt");
    // None: no file.
    const std::optional<QByteArray> cases[] = {std::nullopt, QByteArray(), QByteArray(70000, 'x')};
    for (const std::optional<QByteArray>& bytes : cases) {
        QFile::remove(path);
        if (bytes) {
            ASSERT_TRUE(writeBytes(path, *bytes));
        }
        const StoredFile stored(path);
        ASSERT_EQ(stored.open(), bytes.has_value());
        if (!bytes) {
            EXPECT_FALSE(stored.errorString().isEmpty());
            continue;
        }
        EXPECT_EQ(stored.bytes(), *bytes);
        ASSERT_TRUE(writeNew(temp, "new"));
        QString reason;
        EXPECT_TRUE(renameOver(temp, path, RenameDurability::Durable, &reason))
            << reason.toStdString();
        EXPECT_EQ(stored.bytes(), *bytes);
        EXPECT_EQ(readBytes(path), "new");
    }
}

// One holder at a time; the lock is free again, and its file gone, once its
// holder lets it go.
TEST(RunningCopyLock, OneHolderAtATime) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tavo.lock");
    auto first = std::make_unique<RunningCopyLock>();
    auto second = std::make_unique<RunningCopyLock>();
    ASSERT_TRUE(first->acquire(dir.path(), path));
    EXPECT_FALSE(second->acquire(dir.path(), path));
    first.reset();
    EXPECT_TRUE(second->acquire(dir.path(), path));
    // Taken again by its holder: let go first, then taken.
    EXPECT_TRUE(second->acquire(dir.path(), path));
    first = std::make_unique<RunningCopyLock>();
    EXPECT_FALSE(first->acquire(dir.path(), path));
    EXPECT_TRUE(QFile::exists(path));
    second.reset();
    EXPECT_FALSE(QFile::exists(path));
}
