#include "entwright/core/typed_text.h"

#include <gtest/gtest.h>

#include <string>

namespace ent {
namespace {

TEST(TypedText, KeepsWhatTheCodePageHoldsAndNamesEachMissingCharacterOnce)
{
    // Euro and trade mark live in the 0x80-0x9F range, é in Latin-1, and a
    // typed '?' is a real question mark, not a failed conversion.
    EXPECT_EQ(TypedBytes(U"caf\u00e9 \u20ac\u2122?", nullptr), std::string("caf\xE9 \x80\x99?"));
    std::u32string outside;
    EXPECT_EQ(TypedBytes(U"\u4e2d a \u4e2d \U0001F600", &outside), std::nullopt);
    EXPECT_EQ(outside, U"\u4e2d\U0001F600");
    EXPECT_EQ(CharactersOutsideCp1252(U"plain ascii?"), U"");
}

TEST(TypedText, ApplyWithUntouchedBoxesGivesTheStoredBytesBack)
{
    // A line whose bytes the boxes cannot show faithfully (a stray UTF-8 tail
    // shown as two letters) must not be rebuilt from what the boxes show.
    ShownKeyLine shown{U"wad", U"caf\u00c3\u00a9", "wad", "caf\xC3\xA9"};
    const auto same = BytesToApply(shown, U"wad", U"caf\u00c3\u00a9", nullptr);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->key, "wad");
    EXPECT_EQ(same->value, "caf\xC3\xA9");

    // Shifted lines (leading blank) come back as stored too.
    ShownKeyLine shifted{U"\"origin", U"0 0", " \"origin\"", "\"0 0\""};
    const auto kept = BytesToApply(shifted, U"\"origin", U"0 0", nullptr);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->key, " \"origin\"");

    const auto retyped = BytesToApply(shown, U"wad", U"\u00e9", nullptr);
    ASSERT_TRUE(retyped);
    EXPECT_EQ(retyped->value, "\xE9");
}

TEST(TypedText, ApplyTellsWhichBoxHoldsWhatCannotBeStored)
{
    std::u32string outside;
    bool keyFailed = false;
    EXPECT_FALSE(BytesToApply({}, U"k\u4e2d", U"v", &outside, &keyFailed));
    EXPECT_TRUE(keyFailed);
    EXPECT_EQ(outside, U"\u4e2d");
    EXPECT_FALSE(BytesToApply({}, U"k", U"v\u0416", &outside, &keyFailed));
    EXPECT_FALSE(keyFailed);
    EXPECT_EQ(outside, U"\u0416");
    // Nothing shown (a new or empty line) never stands for stored bytes.
    const auto typed = BytesToApply({}, U"", U"", nullptr);
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->key, "");
}

TEST(TypedText, LongLinesAreCutForTheListOnly)
{
    const std::string line(5000, 'x');
    const ListedLine listed = LineForList(line, 2000);
    EXPECT_TRUE(listed.cut);
    EXPECT_EQ(listed.shown.size(), 2000u);
    EXPECT_EQ(listed.total, 5000u);
    const ListedLine exact = LineForList(std::string_view(line).substr(0, 2000), 2000);
    EXPECT_FALSE(exact.cut);
    EXPECT_EQ(exact.shown.size(), 2000u);
}

} // namespace
} // namespace ent
