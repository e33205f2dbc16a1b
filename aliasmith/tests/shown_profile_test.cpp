#include "aliasmith/core/shown_profile.h"

#include <gtest/gtest.h>

namespace aliasmith {
namespace {

using Refusal = ShownProfile::Refusal;

ShownProfile shown(Profile profile)
{
    ShownProfile shownProfile;
    shownProfile.show("home", "profiles/home.aprof", std::move(profile));
    return shownProfile;
}

TEST(ShownProfile, KnowsWhetherItDiffersFromItsFile)
{
    ShownProfile profile;
    EXPECT_FALSE(profile.isShown());
    EXPECT_FALSE(profile.hasUnsavedChanges());

    profile = shown({"5.0.0.9", {{"Ana", "1.1.1.1", "5.0.0.1"}}});
    EXPECT_EQ(profile.name(), "home");
    EXPECT_FALSE(profile.hasUnsavedChanges());
    EXPECT_EQ(profile.setNick(0, "Bob"), Refusal::None);
    EXPECT_TRUE(profile.hasUnsavedChanges());
    // Typing the old nick back leaves nothing to save.
    EXPECT_EQ(profile.setNick(0, "Ana"), Refusal::None);
    EXPECT_FALSE(profile.hasUnsavedChanges());

    profile.setOwnAddress("5.0.0.8");
    EXPECT_TRUE(profile.hasUnsavedChanges());
    profile.markSaved();
    EXPECT_FALSE(profile.hasUnsavedChanges());

    EXPECT_EQ(profile.addRow("2.2.2.2"), Refusal::None);
    EXPECT_TRUE(profile.hasUnsavedChanges());
    profile.clear();
    EXPECT_FALSE(profile.isShown());
    EXPECT_FALSE(profile.hasUnsavedChanges());
    EXPECT_TRUE(profile.profile().rows.empty());
}

TEST(ShownProfile, AddressesWithBlanksInsideAreRefused)
{
    ShownProfile profile = shown({" 5.0.0.9\t", {}});
    // Blanks at the ends are dropped, from both addresses.
    EXPECT_EQ(profile.addRow("  1.2.3.4\r\n"), Refusal::None);
    ASSERT_EQ(profile.profile().rows.size(), 1u);
    EXPECT_EQ(profile.profile().rows[0], (AliasRow{"FriendName", "1.2.3.4", "5.0.0.1"}));

    for (const char* pasted : {"1.2.3.4\r\n5.6.7.8", "7.7.7.7 junk", "1.2.3.4\t5", "1.2.3.Ж"})
        EXPECT_EQ(profile.addRow(pasted), Refusal::BadFriendAddress) << pasted;
    EXPECT_EQ(profile.profile().rows.size(), 1u);

    profile.setOwnAddress("7.7.7.7 junk");
    EXPECT_EQ(profile.addRow("1.2.3.4"), Refusal::BadOwnAddress);
    EXPECT_EQ(profile.renumber(), Refusal::BadOwnAddress);
    EXPECT_EQ(profile.prepareToSave(), Refusal::BadOwnAddress);
    EXPECT_EQ(profile.profile().rows.size(), 1u);
    EXPECT_EQ(profile.profile().rows[0].alias, "5.0.0.1");

    profile.setOwnAddress(" 5.0.0.9 ");
    EXPECT_EQ(profile.prepareToSave(), Refusal::None);
    EXPECT_EQ(profile.profile().ownAddress, "5.0.0.9");
}

TEST(ShownProfile, OwnAddressTestsComeFirst)
{
    ShownProfile profile = shown({});
    EXPECT_EQ(profile.addRow("1 2"), Refusal::InvalidIp);
    profile.setOwnAddress("5.1.2");
    EXPECT_EQ(profile.addRow("1 2"), Refusal::YourIpInvalid);
    EXPECT_TRUE(profile.profile().rows.empty());
}

TEST(ShownProfile, NoAliasBeyond254)
{
    ShownProfile profile = shown({"5.0.0.1", {{"Ana", "1.1.1.1", "5.0.0.253"}}});
    EXPECT_EQ(profile.addRow("2.2.2.2"), Refusal::None);
    EXPECT_EQ(profile.profile().rows.back().alias, "5.0.0.254");
    EXPECT_EQ(profile.addRow("3.3.3.3"), Refusal::NoAliasLeft);
    EXPECT_EQ(profile.profile().rows.size(), 2u);

    Profile crowded{"5.0.0.1", {}};
    crowded.rows.resize(255);
    profile = shown(crowded);
    EXPECT_EQ(profile.renumber(), Refusal::NoAliasLeft);
    EXPECT_EQ(profile.profile().rows.back().alias, "");
    EXPECT_EQ(profile.deleteRow(254), Refusal::None);
    EXPECT_EQ(profile.renumber(), Refusal::None);
    EXPECT_EQ(profile.profile().rows.back().alias, "5.0.0.254");
}

TEST(ShownProfile, NicksTheFilesCannotHoldAreRefused)
{
    ShownProfile profile = shown({"5.0.0.9", {{"Ana", "1.1.1.1", "5.0.0.1"}}});
    EXPECT_EQ(profile.setNick(0, "Пётр"), Refusal::BadNick);
    EXPECT_EQ(profile.setNick(0, "Ana\r\nBob"), Refusal::BadNick);
    EXPECT_EQ(profile.profile().rows[0].nick, "Ana");
    EXPECT_FALSE(profile.hasUnsavedChanges());
    EXPECT_EQ(profile.setNick(0, "Ã© João"), Refusal::None);
    EXPECT_EQ(profile.setNick(1, "x"), Refusal::NoSuchRow);
    EXPECT_EQ(profile.deleteRow(1), Refusal::NoSuchRow);
}

} // namespace
} // namespace aliasmith
