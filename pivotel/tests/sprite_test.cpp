#include "pivotel/core/sprite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace pivotel {
namespace {

// A header whose type field is 0xCCBBAA00 | type: bytes 9 to 11 are set so
// that a write touching more than byte 8 shows.
std::string spriteBytes(std::uint8_t type, std::size_t length = 40)
{
    std::string bytes = "IDSP";
    bytes += std::string("\x02\x00\x00\x00", 4);
    bytes += static_cast<char>(type);
    bytes += "\xAA\xBB\xCC";
    for (std::size_t i = bytes.size(); i < length; ++i)
        bytes += static_cast<char>(i * 7); // every kind of byte, \r, \n and \0 among them
    bytes.resize(length);
    return bytes;
}

class SpriteFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device device;
        dir_ = fs::temp_directory_path() / ("pivotel-test-" + std::to_string(device()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path write(const std::string& name, const std::string& bytes) const
    {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path dir_;
};

TEST(Sprite, TypeIsTheByteAtOffsetEightWhateverItHolds)
{
    for (int type : {0, 1, 2, 3, 4, 128, 255}) {
        const auto sprite = Sprite::fromBytes(spriteBytes(static_cast<std::uint8_t>(type)));
        ASSERT_TRUE(sprite.has_value());
        EXPECT_EQ(sprite->type(), type);
    }
    // Reading looks at the length only; whether it is a sprite is asked apart.
    const auto bare = Sprite::fromBytes(std::string("\0\0\0\0\0\0\0\0\x03", 9));
    ASSERT_TRUE(bare.has_value());
    EXPECT_EQ(bare->type(), 3);
    EXPECT_FALSE(bare->isSprite());
}

TEST(Sprite, OnlyTheIdentifierAndVersionOneOrTwoMakeASprite)
{
    for (int version : {1, 2}) {
        std::string bytes = spriteBytes(2, 9);
        bytes[4] = static_cast<char>(version);
        const auto sprite = Sprite::fromBytes(bytes);
        ASSERT_TRUE(sprite.has_value());
        EXPECT_EQ(sprite->version(), version);
        EXPECT_TRUE(sprite->isSprite()) << sprite->notSpriteReason();
    }
    const auto textFile = Sprite::fromBytes("Hello, world!\r\n");
    ASSERT_TRUE(textFile.has_value());
    EXPECT_NE(textFile->notSpriteReason().find("IDSP"), std::string::npos);

    std::string bytes = spriteBytes(2);
    for (const char* version :
         {"\x03\x00\x00\x00", "\x00\x00\x00\x00", "\x02\x00\x00\x01", "\xFF\xFF\xFF\xFF"}) {
        bytes.replace(4, 4, version, 4);
        const auto sprite = Sprite::fromBytes(bytes);
        ASSERT_TRUE(sprite.has_value());
        EXPECT_FALSE(sprite->isSprite()) << sprite->version();
        EXPECT_NE(sprite->notSpriteReason().find(std::to_string(sprite->version())),
                  std::string::npos);
    }
    std::string lowerCase = spriteBytes(2);
    lowerCase[0] = 'i';
    EXPECT_FALSE(Sprite::fromBytes(lowerCase)->isSprite());
}

TEST_F(SpriteFiles, ReadsTheWholeFileByteForByte)
{
    const std::string bytes = spriteBytes(3, 5000);
    const auto sprite = readSprite(write("a.spr", bytes));
    ASSERT_TRUE(sprite.has_value());
    EXPECT_EQ(sprite->bytes(), bytes);
    EXPECT_EQ(sprite->type(), 3);
}

TEST_F(SpriteFiles, ShortMissingAndFolderPathsAreRefusedWithAReason)
{
    std::string error;
    EXPECT_TRUE(readSprite(write("nine.spr", spriteBytes(0, 9)), &error).has_value());

    EXPECT_FALSE(readSprite(write("eight.spr", spriteBytes(0, 8)), &error).has_value());
    EXPECT_FALSE(error.empty());

    error.clear();
    EXPECT_FALSE(readSprite(dir_ / "missing.spr", &error).has_value());
    EXPECT_FALSE(error.empty());

    error.clear();
    fs::create_directory(dir_ / "folder.spr");
    EXPECT_FALSE(readSprite(dir_ / "folder.spr", &error).has_value());
    EXPECT_FALSE(error.empty());
}

TEST_F(SpriteFiles, SavingChangesOnlyTheTypeByteAndKeepsTheLength)
{
    const std::string original = spriteBytes(2, 777);
    const fs::path path = write("a.spr", original);
    auto sprite = readSprite(path);
    ASSERT_TRUE(sprite.has_value());
    sprite->setType(1);
    ASSERT_TRUE(writeSprite(path, *sprite));

    const std::string saved = read(path);
    ASSERT_EQ(saved.size(), original.size());
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (i != kTypeOffset) {
            EXPECT_EQ(saved[i], original[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(saved[kTypeOffset], '\x01');
}

TEST_F(SpriteFiles, SavingOverALongerFileLeavesExactlyTheSpritesBytes)
{
    const fs::path target = write("long.spr", std::string(4096, 'x'));
    const auto sprite = Sprite::fromBytes(spriteBytes(0, 100));
    ASSERT_TRUE(sprite.has_value());
    ASSERT_TRUE(writeSprite(target, *sprite));
    EXPECT_EQ(read(target), sprite->bytes());
}

TEST_F(SpriteFiles, AFailedSaveReportsWhyAndLeavesNothingBehind)
{
    const auto sprite = Sprite::fromBytes(spriteBytes(0));
    ASSERT_TRUE(sprite.has_value());
    std::string error;
    EXPECT_FALSE(writeSprite(dir_ / "missing" / "a.spr", *sprite, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(fs::exists(dir_ / "missing"));

    fs::create_directory(dir_ / "folder.spr");
    error.clear();
    EXPECT_FALSE(writeSprite(dir_ / "folder.spr", *sprite, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(dir_ / "folder.spr"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

} // namespace
} // namespace pivotel
