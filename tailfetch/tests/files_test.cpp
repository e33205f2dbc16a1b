#include "tailfetch/core/files.h"

#include "common/core/file_io.h"
#include "common/testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

namespace tailfetch {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
protected:
    suite::testing::ScratchFolder dir_;
    fs::path path(const char* name) const { return dir_ / name; }
    void write(const fs::path& file, const std::string& bytes) const
    {
        ASSERT_TRUE(fileio::writeAtomically(file, bytes));
    }
    std::string read(const fs::path& file) const
    {
        return fileio::readAll(file).value_or("<missing>");
    }
    std::size_t entries() const
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()));
    }
};

std::string pattern(std::size_t size, int salt)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + static_cast<std::size_t>(salt)) % 251);
    return bytes;
}

TEST_F(FilesTest, WriteFileAtOverwritesAndGrows)
{
    write(path("target"), "0123456789");
    write(path("part"), "abc");
    EXPECT_EQ(WriteFileAt(path("target"), path("part"), 2, nullptr), WriteAtResult::Done);
    EXPECT_EQ(read(path("target")), "01abc56789");
    EXPECT_EQ(WriteFileAt(path("target"), path("part"), 9, nullptr), WriteAtResult::Done);
    EXPECT_EQ(read(path("target")), "01abc5678abc");
    const std::string big = pattern(3 * (1 << 20) + 17, 5); // several copy blocks
    write(path("big"), big);
    EXPECT_EQ(WriteFileAt(path("target"), path("big"), 12, nullptr), WriteAtResult::Done);
    EXPECT_EQ(read(path("target")), "01abc5678abc" + big);
}

TEST_F(FilesTest, WriteFileAtReportsMissingFiles)
{
    write(path("target"), "0123");
    EXPECT_EQ(WriteFileAt(path("target"), path("nope"), 0, nullptr), WriteAtResult::PartUnreadable);
    write(path("part"), "ab");
    EXPECT_EQ(WriteFileAt(path("nope"), path("part"), 0, nullptr), WriteAtResult::TargetUnopenable);
    EXPECT_FALSE(fs::exists(path("nope")));
    EXPECT_EQ(read(path("target")), "0123");
}

TEST_F(FilesTest, JoinPutsThePartOnTheSourcesLastByte)
{
    const std::string source = pattern(1000, 1);
    const std::string part = source.back() + pattern(500, 9);
    write(path("source"), source);
    write(path("part"), part);
    EXPECT_EQ(JoinParts(path("source"), path("part"), nullptr), JoinResult::Done);
    const std::string joined = read(path("source"));
    ASSERT_EQ(joined.size(), 1500u);
    EXPECT_EQ(joined, source.substr(0, 999) + part);
    EXPECT_EQ(read(path("part")), part);
}

TEST_F(FilesTest, JoinOfOneByteRewritesOnlyTheLastByte)
{
    write(path("source"), "abcd");
    write(path("part"), "d");
    EXPECT_EQ(JoinParts(path("source"), path("part"), nullptr), JoinResult::Done);
    EXPECT_EQ(read(path("source")), "abcd");
}

// A part fetched from the first missing byte (length + 1) instead of the last
// present one would land one byte early and shift everything after the cut.
TEST_F(FilesTest, JoinRefusesAPartThatDoesNotStartWithTheSourcesLastByte)
{
    const std::string whole = pattern(3000, 4);
    write(path("source"), whole.substr(0, 1000));
    write(path("part"), whole.substr(1000));
    std::string why;
    EXPECT_EQ(JoinParts(path("source"), path("part"), &why), JoinResult::NotContinuation);
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(read(path("source")), whole.substr(0, 1000));

    write(path("part"), whole.substr(999));
    EXPECT_EQ(JoinParts(path("source"), path("part"), nullptr), JoinResult::Done);
    EXPECT_EQ(read(path("source")), whole);
}

TEST_F(FilesTest, JoinRefusesMissingEmptyOrSameFiles)
{
    write(path("source"), "abcd");
    write(path("empty"), "");
    write(path("part"), "xy");
    EXPECT_EQ(JoinParts(path("source"), path("missing"), nullptr), JoinResult::Missing);
    EXPECT_EQ(JoinParts(path("missing"), path("part"), nullptr), JoinResult::Missing);
    EXPECT_EQ(JoinParts(path("source"), path("empty"), nullptr), JoinResult::Missing);
    EXPECT_EQ(JoinParts(path("empty"), path("part"), nullptr), JoinResult::Missing);
    EXPECT_EQ(JoinParts(path("source"), path("source"), nullptr), JoinResult::SameFile);
    fs::create_directory(path("folder"));
    EXPECT_EQ(JoinParts(path("folder"), path("part"), nullptr), JoinResult::Missing);
    EXPECT_EQ(read(path("source")), "abcd");
    EXPECT_FALSE(fs::exists(path("missing")));
}

} // namespace
} // namespace tailfetch
