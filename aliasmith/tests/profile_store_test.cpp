#include "aliasmith/core/profile_store.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace aliasmith {
namespace {

namespace fs = std::filesystem;

class ProfileStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("aliasmith-profiles-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_ / "Hamachi");
        store_ = ProfileStore(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string hamachi() const { return utf8FromPath(dir_ / "Hamachi"); }
    std::string aliasesText() const { return readFile(dir_ / "Hamachi" / "aliases.txt").value(); }
    void putAliases(std::string_view bytes) const
    {
        ASSERT_TRUE(writeFile(dir_ / "Hamachi" / "aliases.txt", bytes));
    }

    fs::path dir_;
    ProfileStore store_{fs::path()};
};

TEST_F(ProfileStoreTest, WriteListReadRenameDelete)
{
    EXPECT_TRUE(store_.list().empty()); // no folder yet
    const Profile home{"5.0.0.9", {{"Ana", "1.1.1.1", "5.0.0.1"}}};
    ASSERT_TRUE(store_.write("home", home));
    ASSERT_TRUE(store_.write("Work", {}));
    EXPECT_EQ(store_.list(), (std::vector<std::string>{"home", "Work"}));
    EXPECT_EQ(store_.read("home"), home);

    // Renaming never replaces another profile.
    FileFailure failure;
    EXPECT_FALSE(store_.rename("home", "Work", &failure));
    EXPECT_EQ(failure.code, std::make_error_code(std::errc::file_exists));
    EXPECT_EQ(store_.read("Work"), Profile{});
    ASSERT_TRUE(store_.rename("home", "LAN"));
    EXPECT_EQ(store_.read("LAN"), home);
    EXPECT_FALSE(store_.exists("home"));

    ASSERT_TRUE(store_.remove("LAN"));
    EXPECT_FALSE(store_.read("LAN", &failure));
    EXPECT_EQ(failure.code, std::make_error_code(std::errc::no_such_file_or_directory));
    fs::create_directories(store_.pathOf("folder"));
    EXPECT_FALSE(store_.read("folder"));
}

TEST_F(ProfileStoreTest, SettingsAndAFirstStart)
{
    EXPECT_FALSE(store_.readSettings());
    ASSERT_TRUE(store_.writeSettings({"C:\\Hamachi", Language::Portuguese}));
    EXPECT_EQ(store_.readSettings()->hamachiDirectory, "C:\\Hamachi");
    EXPECT_EQ(store_.readSettings()->language, Language::Portuguese);
}

TEST_F(ProfileStoreTest, UnloadRemovesOnlyTheFileUseWrote)
{
    // Hamachi's own file, never written here, stays.
    putAliases("9.9.9.9 5.0.0.1\r\n");
    EXPECT_EQ(unloadProfile(store_, hamachi()), UnloadOutcome::NotOurs);
    EXPECT_EQ(aliasesText(), "9.9.9.9 5.0.0.1\r\n");

    const std::vector<AliasRow> rows{{"Ana", "1.1.1.1", "5.0.0.1"}};
    ASSERT_EQ(applyProfile(store_, hamachi(), "home", rows), ApplyOutcome::Written);
    EXPECT_EQ(aliasesText(), "1.1.1.1 5.0.0.1\r\n");
    EXPECT_EQ(store_.readAppliedProfile().name, "home");

    // Edited by hand since: no longer ours, and nothing is in use.
    putAliases("1.1.1.1 5.0.0.7\r\n");
    EXPECT_EQ(unloadProfile(store_, hamachi()), UnloadOutcome::NotOurs);
    EXPECT_EQ(aliasesText(), "1.1.1.1 5.0.0.7\r\n");
    EXPECT_EQ(store_.readAppliedProfile(), AppliedProfile{});

    ASSERT_EQ(applyProfile(store_, hamachi(), "home", {}), ApplyOutcome::Written);
    EXPECT_EQ(aliasesText(), ""); // replaced whole
    EXPECT_EQ(unloadProfile(store_, hamachi()), UnloadOutcome::Removed);
    EXPECT_FALSE(aliasesFileExists(hamachi()));
    EXPECT_EQ(unloadProfile(store_, hamachi()), UnloadOutcome::NoFile);
}

TEST_F(ProfileStoreTest, ApplyFailuresWriteNothingAndRecordNothing)
{
    FileFailure failure;
    const std::string missing = utf8FromPath(dir_ / "NoSuchFolder");
    EXPECT_EQ(applyProfile(store_, missing, "home", {}, &failure), ApplyOutcome::NotWritten);
    EXPECT_EQ(failure.code, std::make_error_code(std::errc::no_such_file_or_directory));
    EXPECT_FALSE(fs::exists(dir_ / "NoSuchFolder"));
    const std::vector<AliasRow> pasted{{"Ana", "1.1.1.1\r\n2.2.2.2", "5.0.0.1"}};
    EXPECT_EQ(applyProfile(store_, hamachi(), "home", pasted), ApplyOutcome::RowsNotWritable);
    EXPECT_FALSE(aliasesFileExists(hamachi()));
    EXPECT_EQ(store_.readAppliedProfile(), AppliedProfile{});
}

} // namespace
} // namespace aliasmith
