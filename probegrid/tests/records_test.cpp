#include "probegrid/core/records.h"

#include "common/core/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace probegrid {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(std::initializer_list<int> values)
{
    std::string bytes;
    for (const int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}

const Record kAna{storedName("Ana"), 12, 300, 6};

TEST(RecordFormat, AnaExampleIsThirtyEightMaskedBytes)
{
    const std::string bytes = encodeRecord(kAna);
    ASSERT_EQ(bytes.size(), kRecordSize);
    EXPECT_EQ(bytes.substr(0, 32), "Ana" + std::string(29, ' '));
    // 12 = 0x000C, 300 = 0x012C, 6 = 0x0006; the low byte of each XOR 0x5A
    EXPECT_EQ(bytes.substr(32), bytesOf({0x56, 0x00, 0x76, 0x01, 0x5C, 0x00}));
    EXPECT_EQ(decodeRecord(bytes), kAna);
}

TEST(RecordFormat, NamesAreCutOrPaddedAndNumbersKeepTheirSign)
{
    EXPECT_EQ(storedName(std::string(40, 'x')), std::string(32, 'x'));
    EXPECT_EQ(storedName(""), std::string(32, ' '));
    EXPECT_EQ(storedName("Jo\xE3o"), "Jo\xE3o" + std::string(28, ' '));

    const Record odd{storedName("\xC9lan"), -1, 32767, -32768};
    const std::string bytes = encodeRecord(odd);
    EXPECT_EQ(bytes.substr(32), bytesOf({0xA5, 0xFF, 0xA5, 0x7F, 0x5A, 0x80}));
    EXPECT_EQ(decodeRecord(bytes), odd);
    EXPECT_FALSE(decodeRecord(bytes.substr(0, 37)));
    EXPECT_FALSE(decodeRecord(""));
}

class RecordFile : public ::testing::Test {
protected:
    fs::path dir_ = fs::temp_directory_path() /
                    (std::string("probegrid_records_") +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path file_ = dir_ / kRecordFileName;

    void SetUp() override
    {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    void put(const std::string& bytes) const
    {
        std::ofstream out(file_, std::ios::binary);
        out << bytes;
    }
};

TEST_F(RecordFile, WrittenByOneRunReadBackByTheNext)
{
    EXPECT_FALSE(recordFileExists(file_));
    EXPECT_FALSE(readRecord(file_));
    ASSERT_TRUE(writeRecord(file_, kAna)) << "a missing file is created";
    EXPECT_EQ(fileio::readAll(file_), encodeRecord(kAna));
    EXPECT_EQ(readRecord(file_), kAna);

    const Record better{storedName("Bia"), 3, 100, 4};
    ASSERT_TRUE(writeRecord(file_, better));
    EXPECT_EQ(readRecord(file_), better);
}

TEST_F(RecordFile, BytesAfterTheRecordAreKept)
{
    put(encodeRecord(kAna) + "tail");
    const Record better{storedName("Bia"), 3, 100, 4};
    ASSERT_TRUE(writeRecord(file_, better));
    EXPECT_EQ(fileio::readAll(file_), encodeRecord(better) + "tail");
    EXPECT_EQ(readRecord(file_), better);
}

// A huge sparse file must cost neither memory nor a copy: only its first 38
// bytes are read and rewritten, and everything after them stays put.
TEST_F(RecordFile, AHugeFileIsReadAndRewrittenInPlace)
{
    put(encodeRecord(kAna));
    constexpr std::uintmax_t kHuge = std::uintmax_t{64} << 30;
    std::error_code ec;
    fs::resize_file(file_, kHuge, ec);
    if (ec)
        GTEST_SKIP() << "no sparse file here: " << ec.message();
    {
        std::fstream out(file_, std::ios::in | std::ios::out | std::ios::binary);
        out.seekp(static_cast<std::streamoff>(kHuge - 4));
        out << "tail";
    }
    EXPECT_EQ(readRecord(file_), kAna);

    const Record better{storedName("Bia"), 3, 100, 4};
    ASSERT_TRUE(writeRecord(file_, better));
    EXPECT_EQ(readRecord(file_), better);
    EXPECT_EQ(fs::file_size(file_), kHuge);
    std::ifstream in(file_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(kHuge - 4));
    std::string tail(4, '\0');
    in.read(tail.data(), 4);
    EXPECT_EQ(tail, "tail");
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_EQ(entry.path(), file_) << "no copy left beside it";
}

TEST_F(RecordFile, AShortFileHoldsNoRecordAndIsReplaced)
{
    put(encodeRecord(kAna).substr(0, 20));
    EXPECT_TRUE(recordFileExists(file_));
    EXPECT_FALSE(readRecord(file_));
    ASSERT_TRUE(writeRecord(file_, kAna));
    EXPECT_EQ(readRecord(file_), kAna);
}

TEST_F(RecordFile, AFileThatCannotBeWrittenIsReportedAndLeftAlone)
{
    const fs::path folder = dir_ / "as_folder";
    fs::create_directories(folder);
    std::string error;
    EXPECT_FALSE(writeRecord(folder, kAna, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_FALSE(recordFileExists(folder));
    EXPECT_FALSE(writeRecord(dir_ / "missing" / kRecordFileName, kAna));
}

TEST(RecordTest, OnePlayerNeedsFewerPointsOrTheSamePointsFaster)
{
    const std::optional<Record> ana = kAna; // 12 points in 300 seconds
    EXPECT_TRUE(isNewRecord(ana, 1, 11, 0, 500));
    EXPECT_TRUE(isNewRecord(ana, 1, 12, 0, 299));
    EXPECT_FALSE(isNewRecord(ana, 1, 12, 0, 300));
    EXPECT_FALSE(isNewRecord(ana, 1, 13, 0, 10));
    EXPECT_FALSE(isNewRecord(ana, 0, 13, 0, 10)) << "no option clicked is one player";
    EXPECT_FALSE(isNewRecord(ana, 1, 13, 5, 10)) << "player 2's points do not count";
    EXPECT_EQ(recordHolder(1, 30, 2), 1);
}

TEST(RecordTest, TwoPlayersEitherMayBeatIt)
{
    const std::optional<Record> ana = kAna;
    EXPECT_TRUE(isNewRecord(ana, 2, 14, 11, 999));
    EXPECT_EQ(recordHolder(2, 14, 11), 2);
    EXPECT_TRUE(isNewRecord(ana, 2, 12, 12, 250));
    EXPECT_EQ(recordHolder(2, 12, 12), 2) << "player 2 on equal points";
    EXPECT_TRUE(isNewRecord(ana, 2, 12, 20, 250));
    EXPECT_EQ(recordHolder(2, 12, 20), 1);
    EXPECT_FALSE(isNewRecord(ana, 2, 12, 13, 300));
    EXPECT_FALSE(isNewRecord(ana, 2, 13, 14, 1));
}

TEST(RecordTest, TheNewRecordNamesItsHolderAndTheGame)
{
    EXPECT_EQ(newRecord(2, 14, 11, "Ana", "Bia", 250, 6), (Record{storedName("Bia"), 11, 250, 6}));
    EXPECT_EQ(newRecord(2, 10, 11, "Ana", "Bia", 250, 6), (Record{storedName("Ana"), 10, 250, 6}));
    EXPECT_EQ(newRecord(1, 30, 2, "Ana", "", 7, 4), (Record{storedName("Ana"), 30, 7, 4}));
}

TEST_F(RecordFile, TheTimeIsRewrittenOnlyWhenTheClockMovedOn)
{
    put(encodeRecord(kAna) + "tail");
    Record record = kAna;
    fs::permissions(file_, fs::perms::owner_read);
    EXPECT_TRUE(rewriteRecordTime(file_, record, kAna.seconds)) << "same time: nothing to write";
    fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(rewriteRecordTime(file_, record, 301));
    EXPECT_EQ(record.seconds, 301);
    EXPECT_EQ(fileio::readAll(file_), encodeRecord(record) + "tail");
}

TEST(RecordTest, AnyFinishedGameBeatsHavingNoRecord)
{
    EXPECT_TRUE(isNewRecord(std::nullopt, 1, 500, 0, 3000));
    EXPECT_TRUE(isNewRecord(std::nullopt, 2, 500, 600, 3000));
}

} // namespace
} // namespace probegrid
