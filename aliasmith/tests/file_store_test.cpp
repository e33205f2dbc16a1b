#include "aliasmith/core/file_store.h"

#include "aliasmith/core/profiles.h"

#include <gtest/gtest.h>

#include <random>

namespace aliasmith {
namespace {

namespace fs = std::filesystem;

class FileStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("aliasmith-store-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(FileStore, ANameThatFitsIsWrittenWhateverTheTemporaryName)
{
    const std::string name(kLongestFileName - kProfileExtension.size(), 'n');
    const fs::path path = profilePath(folder_, name);
    FileFailure failure;
    ASSERT_TRUE(writeFile(path, "first", &failure)) << failure.systemText;
    ASSERT_TRUE(writeFile(path, "second", &failure)) << failure.systemText;
    EXPECT_EQ(readFile(path), "second");
    // Nothing but the file itself is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(FileStore, FailuresComeBackWithTheirReason)
{
    FileFailure failure;
    EXPECT_FALSE(readFile(folder_ / "missing", &failure));
    EXPECT_EQ(failure.code, std::make_error_code(std::errc::no_such_file_or_directory));
    EXPECT_FALSE(failure.systemText.empty());

    EXPECT_FALSE(writeFile(folder_ / "no folder" / "aliases.txt", "x", &failure));
    EXPECT_EQ(failure.code, std::make_error_code(std::errc::no_such_file_or_directory));

    EXPECT_FALSE(writeFile(folder_, "x", &failure));
    EXPECT_EQ(failure.code, std::make_error_code(std::errc::is_a_directory));

    fs::create_directories(folder_ / "full" / "inside");
    EXPECT_FALSE(removeFile(folder_ / "full", &failure));
    EXPECT_FALSE(failure.systemText.empty());
    EXPECT_TRUE(fs::exists(folder_ / "full"));
}

} // namespace
} // namespace aliasmith
