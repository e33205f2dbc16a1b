#include "common/core/file_io.h"
#include "common/testing/ordinary_user.h"
#include "common/testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <future>
#include <iterator>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using suite::testing::OrdinaryUser;
using suite::testing::ScratchFolder;

namespace {

void put(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

long entries(const fs::path& folder)
{
    return static_cast<long>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

const std::string kDenied = std::generic_category().message(EACCES);

} // namespace

TEST(FileIo, WritesAtomicallyAndReadsBackEveryByte)
{
    ScratchFolder dir;
    const fs::path path = dir / "data.bin";
    std::string bytes("a\0b\r\n\xFF", 6);
    ASSERT_TRUE(fileio::writeAtomically(path, bytes));
    EXPECT_EQ(fileio::readAll(path), bytes);

    // A shorter write replaces a longer file whole, and leaves no temporary behind.
    ASSERT_TRUE(fileio::writeAtomically(path, "xy"));
    EXPECT_EQ(fileio::readAll(path), "xy");
    EXPECT_EQ(entries(dir.path()), 1);

    ASSERT_TRUE(fileio::writeAtomically(path, ""));
    EXPECT_EQ(fileio::readAll(path), "");
}

TEST(FileIo, SavingKeepsTheFilesPermissionsAndFollowsALink)
{
    ScratchFolder dir;
    const fs::path target = dir / "private.bin";
    ASSERT_TRUE(fileio::writeAtomically(target, "old"));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(fileio::writeAtomically(target, "new"));
#ifndef _WIN32
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    const fs::path link = dir / "link.bin";
    fs::create_symlink(target, link);
    ASSERT_TRUE(fileio::writeAtomically(link, "through the link"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fileio::readAll(target), "through the link");
#endif
}

TEST(FileIo, FailuresSayWhyAndTouchNothing)
{
    ScratchFolder dir;
    std::string error;
    EXPECT_FALSE(fileio::readAll(dir / "missing.bin", &error).has_value());
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(fileio::readAll(dir.path(), &error).has_value());
    EXPECT_EQ(error, "it is a folder");

    error.clear();
    EXPECT_FALSE(fileio::writeAtomically(dir / "no-such-folder" / "x.bin", "x", &error));
    EXPECT_FALSE(error.empty());

    error.clear();
    EXPECT_FALSE(fileio::writeAtomically(dir.path(), "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(dir.path()));
}

// A save must get the answer a plain write would: a user's write protection
// is not lost to the rename, which only needs the folder to be writable.
TEST(FileIo, AFileTheUserMayNotWriteIsRefusedNotReplaced)
{
    ScratchFolder dir;
    OrdinaryUser::openToEveryone(dir.path());
    const fs::path locked = dir / "locked.bin";
    const fs::path open = dir / "open.bin";
    put(locked, "kept");
    put(open, "old");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(open, fs::perms::all);

    {
        OrdinaryUser user;
        EXPECT_EQ(fileio::writeRefusal(locked), kDenied);
        EXPECT_EQ(fileio::writeRefusal(open), std::nullopt);
        EXPECT_EQ(fileio::writeRefusal(dir / "new.bin"), std::nullopt);

        std::string error;
        EXPECT_FALSE(fileio::writeAtomically(locked, "replaced", &error));
        EXPECT_EQ(error, kDenied);
        // The folder itself takes new files: the refusal is the file's own.
        EXPECT_TRUE(fileio::writeAtomically(open, "new"));
        EXPECT_TRUE(fileio::writeAtomically(dir / "new.bin", "new"));
    }
    EXPECT_EQ(contents(locked), "kept");
    EXPECT_EQ(fs::status(locked).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(contents(open), "new");
    EXPECT_EQ(entries(dir.path()), 3) << "a temporary was left behind";
    fs::permissions(locked, fs::perms::owner_all);
}

#ifndef _WIN32
TEST(FileIo, PipesAndDevicesAreRefusedWithoutWaitingOnThem)
{
    ScratchFolder dir;
    const fs::path pipe = dir / "pipe.dds";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    // Run aside, so that a read that does block fails the test instead of
    // hanging it; a writer is then opened to let it go.
    auto read = std::async(std::launch::async, [&] {
        std::string error;
        const bool got = fileio::readAll(pipe, &error).has_value();
        return std::make_pair(got, error);
    });
    if (read.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        read.wait();
        if (writer >= 0)
            ::close(writer);
        FAIL() << "reading a named pipe blocked";
    }
    const auto [got, error] = read.get();
    EXPECT_FALSE(got);
    EXPECT_EQ(error, "it is a named pipe, not a file");

    std::string deviceError;
    EXPECT_FALSE(fileio::readAll("/dev/zero", &deviceError).has_value());
    EXPECT_EQ(deviceError, "it is a device, not a file");

    // Saving over a pipe or a device would replace it, or as root, put a
    // plain file in /dev.
    std::string writeError;
    EXPECT_FALSE(fileio::writeAtomically(pipe, "x", &writeError));
    EXPECT_EQ(writeError, "it is a named pipe, not a file");
    EXPECT_EQ(fileio::writeRefusal("/dev/null"), "it is a device, not a file");
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(entries(dir.path()), 1);
}

TEST(FileIo, RootKeepsTheOwnerOfTheFileItSaves)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can make a file that belongs to another user";
    ScratchFolder dir;
    const fs::path path = dir / "theirs.bin";
    put(path, "old");
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(fileio::writeAtomically(path, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}
#endif

TEST(FileIo, ReadsStopAtTheCallersLimit)
{
    ScratchFolder dir;
    const fs::path path = dir / "hundred.bin";
    put(path, std::string(100, 'x'));
    EXPECT_EQ(fileio::readAll(path, 100).value_or(""), std::string(100, 'x'));
    std::string error;
    EXPECT_FALSE(fileio::readAll(path, 99, &error).has_value());
    EXPECT_EQ(error, "the file is too large (100 bytes; at most 99 are read)");
    EXPECT_EQ(fileio::readRefusal(path, 99), error);
    EXPECT_EQ(fileio::readRefusal(path, 100), std::nullopt);
    EXPECT_EQ(fileio::readAll(path, UINT64_MAX).value_or(""), std::string(100, 'x'));
    put(path, "");
    EXPECT_EQ(fileio::readAll(path, std::uint64_t{0}), "");

    // A huge sparse file costs nothing to refuse: no memory is taken for it.
    const fs::path huge = dir / "huge.dat";
    put(huge, "");
    fs::resize_file(huge, std::uint64_t{2} << 30);
    EXPECT_FALSE(fileio::readAll(huge, 1 << 20, &error).has_value());
    EXPECT_EQ(error, "the file is too large (2147483648 bytes; at most 1048576 are read)");
}

TEST(FileIo, TemporariesHaveOneRecognisableName)
{
    const fs::path target = fs::path("folder") / "data.bin";
    EXPECT_EQ(fileio::temporaryName(target, 0x0123abcd), fs::path(".data.bin.0123abcd-save.tmp"));
    EXPECT_TRUE(fileio::isTemporaryOf(target, ".data.bin.0123abcd-save.tmp"));
    EXPECT_TRUE(fileio::isTemporaryOf(target, fileio::temporaryName(target, 0xffffffff)));
    for (const char* other : {".data.bin.0123ABCD-save.tmp", ".data.bin.0123abc-save.tmp",
                              ".data.bin.0123abcd-save.tmp.keep", "data.bin.0123abcd-save.tmp",
                              ".data.bin2.0123abcd-save.tmp", ".other.bin.0123abcd-save.tmp",
                              ".data.bin.0123abcg-save.tmp"})
        EXPECT_FALSE(fileio::isTemporaryOf(target, other)) << other;
}

TEST(FileIo, ASaveRemovesItsTargetsTemporariesLeftByEarlierRuns)
{
    ScratchFolder dir;
    const fs::path target = dir / "data.bin";
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    const fs::path stale = dir / ".data.bin.0000beef-save.tmp";
    const fs::path fresh = dir / ".data.bin.0000cafe-save.tmp"; // another running save's
    const fs::path otherTarget = dir / ".other.bin.0000beef-save.tmp";
    const fs::path lookalike = dir / ".data.bin.0000beef-save.tmp.mine";
    for (const fs::path& path : {stale, fresh, otherTarget, lookalike})
        put(path, "partial");
    for (const fs::path& path : {stale, otherTarget, lookalike})
        fs::last_write_time(path, anHourAgo);

    ASSERT_TRUE(fileio::writeAtomically(target, "saved"));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(otherTarget));
    EXPECT_TRUE(fs::exists(lookalike));
    EXPECT_EQ(contents(target), "saved");
}

TEST(FileIo, ANameNearTheLongestTakesAShortTemporaryOfItsOwn)
{
    const fs::path target = fs::path("folder") / std::string(250, 'n');
    const fs::path temp = fileio::temporaryName(target, 0x0123abcd);
    EXPECT_LE(temp.native().size(), fileio::kLongestFileName);
    EXPECT_EQ(temp.string().substr(0, 102), "." + std::string(100, 'n') + "~");
    EXPECT_EQ(temp.string().substr(temp.string().size() - 18), ".0123abcd-save.tmp");
    EXPECT_TRUE(fileio::isTemporaryOf(target, temp));

    // The short form stands for the whole name: a target that starts the same
    // does not own it, nor does any name that merely looks like one.
    const fs::path sameStart = fs::path("folder") / (std::string(249, 'n') + "m");
    EXPECT_NE(fileio::temporaryName(sameStart, 0x0123abcd), temp);
    EXPECT_FALSE(fileio::isTemporaryOf(sameStart, temp));
    std::string altered = temp.string();
    altered[103] = altered[103] == '0' ? '1' : '0';
    EXPECT_FALSE(fileio::isTemporaryOf(target, altered));
    EXPECT_FALSE(fileio::isTemporaryOf(target, temp.string() + ".keep"));

    // Asked for, a short name gets the short form too, and both are its own.
    const fs::path data = fs::path("folder") / "data.bin";
    const fs::path shortTemp = fileio::temporaryName(data, 7, true);
    EXPECT_EQ(shortTemp.string().substr(0, 10), ".data.bin~");
    EXPECT_TRUE(fileio::isTemporaryOf(data, shortTemp));
    EXPECT_TRUE(fileio::isTemporaryOf(data, fileio::temporaryName(data, 7)));

#ifndef _WIN32
    // The start is never cut inside a character.
    std::string accented;
    for (int i = 0; i < 125; ++i)
        accented += "\xC3\xA9";
    const std::string cut = fileio::temporaryName(fs::path(accented), 1).string();
    EXPECT_EQ(cut.substr(0, 1 + 100 + 1), "." + accented.substr(0, 100) + "~");
    const std::string odd = fileio::temporaryName(fs::path("x" + accented), 1).string();
    EXPECT_EQ(odd.substr(0, 1 + 99 + 1), ".x" + accented.substr(0, 98) + "~");
#endif
}

TEST(FileIo, ANameThatFitsSavesWhateverItsTemporaryAndCleansUpAfterIt)
{
    ScratchFolder dir;
    for (const std::size_t length :
         {std::size_t{236}, std::size_t{250}, fileio::kLongestFileName}) {
        const fs::path target = dir / std::string(length, 'n');
        ASSERT_TRUE(fileio::writeAtomically(target, "first")) << length;
        ASSERT_TRUE(fileio::writeAtomically(target, "second")) << length;
        EXPECT_EQ(contents(target), "second");
        EXPECT_EQ(entries(dir.path()), 1) << length;
        fs::remove(target);
    }

    // A killed save's short temporary is removed by the next save, not one
    // another running save may still be writing, nor another target's.
    const fs::path target = dir / std::string(250, 'n');
    const fs::path other = dir / (std::string(249, 'n') + "m");
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    const fs::path stale = dir / fileio::temporaryName(target, 0xbeef);
    const fs::path fresh = dir / fileio::temporaryName(target, 0xcafe);
    const fs::path othersStale = dir / fileio::temporaryName(other, 0xbeef);
    for (const fs::path& path : {stale, fresh, othersStale})
        put(path, "partial");
    for (const fs::path& path : {stale, othersStale})
        fs::last_write_time(path, anHourAgo);

    ASSERT_TRUE(fileio::writeAtomically(target, "saved"));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(othersStale));
    EXPECT_EQ(contents(target), "saved");
}
