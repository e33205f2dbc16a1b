#include "common/core/file_io.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(FileIo, WritesAtomicallyAndReadsBackEveryByte)
{
    QTemporaryDir dir;
    const fs::path path = fs::path(dir.path().toStdString()) / "data.bin";
    std::string bytes("a\0b\r\n\xFF", 6);
    ASSERT_TRUE(fileio::writeAtomically(path, bytes));
    EXPECT_EQ(fileio::readAll(path), bytes);

    // A shorter write replaces a longer file whole, and leaves no temporary behind.
    ASSERT_TRUE(fileio::writeAtomically(path, "xy"));
    EXPECT_EQ(fileio::readAll(path), "xy");
    EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1);

    ASSERT_TRUE(fileio::writeAtomically(path, ""));
    EXPECT_EQ(fileio::readAll(path), "");
}

TEST(FileIo, SavingKeepsTheFilesPermissionsAndFollowsALink)
{
    QTemporaryDir dir;
    const fs::path folder(dir.path().toStdString());
    const fs::path target = folder / "private.bin";
    ASSERT_TRUE(fileio::writeAtomically(target, "old"));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(fileio::writeAtomically(target, "new"));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    const fs::path link = folder / "link.bin";
    fs::create_symlink(target, link);
    ASSERT_TRUE(fileio::writeAtomically(link, "through the link"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fileio::readAll(target), "through the link");
}

TEST(FileIo, FailuresSayWhyAndTouchNothing)
{
    QTemporaryDir dir;
    const fs::path folder(dir.path().toStdString());
    std::string error;
    EXPECT_FALSE(fileio::readAll(folder / "missing.bin", &error).has_value());
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(fileio::readAll(folder, &error).has_value());
    EXPECT_FALSE(error.empty());

    error.clear();
    EXPECT_FALSE(fileio::writeAtomically(folder / "no-such-folder" / "x.bin", "x", &error));
    EXPECT_FALSE(error.empty());

    error.clear();
    EXPECT_FALSE(fileio::writeAtomically(folder, "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(folder));
}
