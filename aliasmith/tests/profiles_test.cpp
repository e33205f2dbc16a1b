#include "aliasmith/core/profiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace aliasmith {
namespace {

namespace fs = std::filesystem;

TEST(ProfileFile, ReadsOwnAddressAndRows)
{
    const Profile profile =
        parseProfile("5.10.20.3\r\n5.1.1.1 5.10.20.1 Ana\r\n5.2.2.2 5.10.20.2 Bob\r\n");
    EXPECT_EQ(profile.ownAddress, "5.10.20.3");
    ASSERT_EQ(profile.rows.size(), 2u);
    EXPECT_EQ(profile.rows[0], (AliasRow{"Ana", "5.1.1.1", "5.10.20.1"}));
    EXPECT_EQ(profile.rows[1], (AliasRow{"Bob", "5.2.2.2", "5.10.20.2"}));
}

TEST(ProfileFile, OddRowLines)
{
    // A blank row line is a row of three empty columns; missing fields are
    // empty; two spaces in a row make an empty field.
    const Profile profile =
        parseProfile("\r\n\r\n5.1.1.1\r\n5.1.1.1 5.0.0.1\r\n 5.0.0.2 Cy\r\n5.1.1.1  Di\r\n");
    EXPECT_EQ(profile.ownAddress, "");
    ASSERT_EQ(profile.rows.size(), 5u);
    EXPECT_EQ(profile.rows[0], (AliasRow{"", "", ""}));
    EXPECT_EQ(profile.rows[1], (AliasRow{"", "5.1.1.1", ""}));
    EXPECT_EQ(profile.rows[2], (AliasRow{"", "5.1.1.1", "5.0.0.1"}));
    EXPECT_EQ(profile.rows[3], (AliasRow{"Cy", "", "5.0.0.2"}));
    EXPECT_EQ(profile.rows[4], (AliasRow{"Di", "5.1.1.1", ""}));
}

TEST(ProfileFile, NickKeepsItsSpacesAfterTheSecondField)
{
    // More than three fields: everything after the alias is the nick, so a
    // nick typed with spaces survives a save and reload.
    EXPECT_EQ(parseRowLine("5.1.1.1 5.0.0.1 John Smith"),
              (AliasRow{"John Smith", "5.1.1.1", "5.0.0.1"}));
    const Profile written{"5.0.0.9", {{"Big  Tony ", "1.2.3.4", "5.0.0.1"}}};
    EXPECT_EQ(parseProfile(formatProfile(written)), written);
}

TEST(ProfileFile, PastedLineBreaksDoNotSplitARow)
{
    const Profile pasted{"5.0.0.9\r\n", {{"Ana\r\nBob", "1.2.3.4\n", "5.0.0.1"}}};
    EXPECT_EQ(formatProfile(pasted), "5.0.0.9  \r\n1.2.3.4  5.0.0.1 Ana  Bob\r\n");
    const Profile back = parseProfile(formatProfile(pasted));
    EXPECT_EQ(back.ownAddress, "5.0.0.9  ");
    ASSERT_EQ(back.rows.size(), 1u);
}

TEST(ProfileFile, EmptyAndNewProfiles)
{
    EXPECT_EQ(formatProfile({}), "\r\n");
    EXPECT_EQ(parseProfile("\r\n"), Profile{});
    EXPECT_EQ(parseProfile(""), Profile{});
    EXPECT_EQ(parseProfile("5.0.0.1"), (Profile{"5.0.0.1", {}}));
}

TEST(ProfileFile, WritesWindows1252WithCrLf)
{
    const Profile profile{"5.0.0.9", {{"João", "1.2.3.4", "5.0.0.1"}, {"", "", ""}}};
    EXPECT_EQ(formatProfile(profile), "5.0.0.9\r\n1.2.3.4 5.0.0.1 Jo\xE3o\r\n  \r\n");
    EXPECT_EQ(parseProfile("x\r\n1 2 Jo\xE3o\r\n").rows[0].nick, "João");
    // UTF-8 bytes without a mark are Windows-1252 letters, and stay so.
    EXPECT_EQ(parseProfile("x\r\n1 2 Jo\xC3\xA3o\r\n").rows[0].nick, "JoÃ£o");
    const Profile typed{"5.0.0.9", {{"Ã©", "1.2.3.4", "5.0.0.1"}}};
    EXPECT_EQ(formatProfile(typed), "5.0.0.9\r\n1.2.3.4 5.0.0.1 \xC3\xA9\r\n");
    EXPECT_EQ(parseProfile(formatProfile(typed)), typed);
}

TEST(ProfileNames, RefusesWhatCannotBeAFileName)
{
    EXPECT_EQ(checkProfileName("home"), NameCheck::Ok);
    EXPECT_EQ(checkProfileName("LAN party 2.0"), NameCheck::Ok);
    EXPECT_EQ(checkProfileName("Ação"), NameCheck::Ok);
    EXPECT_EQ(checkProfileName("console"), NameCheck::Ok);
    EXPECT_EQ(checkProfileName(""), NameCheck::Empty);
    EXPECT_EQ(checkProfileName("   "), NameCheck::Empty);
    for (const char* bad : {".",      "..",   "a/b",  "a\\b",      "c:",       "a*",       "a?",
                            "\"q\"",  "<a>",  "a|b",  "tab\there", "CON",      "nul",      "com1",
                            "LPT9.x", "aux ", "COM¹", "lpt²",      "COM³.txt", "LPT¹.a.b", "com0"})
        EXPECT_EQ(checkProfileName(bad), NameCheck::NotAFileName) << bad;
    for (const char* fine : {"COM¹0", "COM⁴", "COM10", "LPT", "COMx"})
        EXPECT_EQ(checkProfileName(fine), NameCheck::Ok) << fine;
}

TEST(ProfileNames, LongestNameIsTheOneWhoseFileFits)
{
    const std::string fits(kLongestFileName - kProfileExtension.size(), 'n');
    EXPECT_EQ(checkProfileName(fits), NameCheck::Ok);
    EXPECT_EQ(checkProfileName(fits + "n"), NameCheck::TooLong);
}

class ProfileFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("aliasmith-" + std::to_string(std::random_device{}()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    void touch(const std::string& name) const { std::ofstream(folder_ / pathFromUtf8(name)); }

    fs::path folder_;
};

TEST_F(ProfileFolder, ListsOrdinaryProfileFilesByName)
{
    touch("work.aprof");
    touch("Home.aprof");
    touch("ação.aprof");
    touch("notes.txt");
    touch("aprof");
    touch("Upper.APROF");
#ifndef _WIN32
    touch(".lan.aprof"); // a name "New..." accepts; a dot hides nothing here
#endif
    fs::create_directory(folder_ / "folder.aprof");
#ifdef _WIN32
    EXPECT_EQ(listProfiles(folder_), (std::vector<std::string>{"ação", "Home", "Upper", "work"}));
#else
    // A name listed must open again as "<name>.aprof", which on a file system
    // that tells case apart "Upper.APROF" does not.
    EXPECT_EQ(listProfiles(folder_), (std::vector<std::string>{".lan", "ação", "Home", "work"}));
#endif
    for (const auto& name : listProfiles(folder_))
        EXPECT_TRUE(fs::is_regular_file(profilePath(folder_, name))) << name;
}

TEST_F(ProfileFolder, MissingFolderListsNothing)
{
    EXPECT_TRUE(listProfiles(folder_ / "missing").empty());
    EXPECT_EQ(profilePath(folder_, "home"), folder_ / "home.aprof");
}

} // namespace
} // namespace aliasmith
