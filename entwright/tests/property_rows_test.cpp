#include "entwright/core/links.h"
#include "entwright/core/property_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ent {
namespace {

const char* const kFgd = R"fgd(
@BaseClass = Targetname [ targetname(target_source) : "Name" ]
@BaseClass = RenderFields [
    rendermode(choices) : "Render Mode" : 0 : "How the entity is drawn" =
    [
        0 : "Normal"
        5 : "Additive"
    ]
    rendercolor(color255) : "FX Color (R G B)" : "0 0 0"
]
@PointClass base(Targetname, RenderFields) size(-8 -8 -8, 8 8 8) = env_sprite : "Sprite"
[
    framerate(integer) : "Framerate" : 10
    target(target_destination) : "Target"
    spawnflags(flags) =
    [
        1 : "Start on" : 1
        2 : "Play once" : 0
    ]
]
)fgd";

EntityRecord recordOf(std::initializer_list<std::string> lines)
{
    EntityRecord record;
    record.KeyLines = std::vector<std::string>(lines);
    return record;
}

class PropertyRowsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(data_.loadText(kFgd, "test.fgd")); }
    GameData data_;
};

TEST_F(PropertyRowsTest, KnownKeysInGameDataOrderThenEveryOtherLineKept)
{
    const EntityRecord record =
        recordOf({"\"classname\" \"env_sprite\"", "\"framerate\"  \"12\"", "\"_comment\" \"mine\"",
                  "\tnot a pair", "\"RenderMode\" \"5\""});
    const FgdClass* cls = ClassForRecord(data_, record);
    ASSERT_NE(cls, nullptr);
    const std::vector<PropertyRow> rows = PropertyRows(data_, cls, record);
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0].key, "targetname");
    EXPECT_FALSE(rows[0].line);
    EXPECT_EQ(rows[1].key, "RenderMode");
    EXPECT_EQ(rows[1].line, 4u);
    EXPECT_EQ(rows[1].value, "5");
    EXPECT_FALSE(rows[1].isDefault);
    EXPECT_EQ(rows[2].value, "0 0 0") << "missing key shows its default";
    EXPECT_TRUE(rows[2].isDefault);
    EXPECT_EQ(rows[3].value, "12");
    EXPECT_FALSE(rows[3].isDefault);
    // classname, a key the game data lacks and a line that is no pair stay.
    EXPECT_EQ(rows[6].key, "classname");
    EXPECT_EQ(rows[6].definition, nullptr);
    EXPECT_EQ(rows[7].key, "_comment");
    EXPECT_EQ(rows[7].line, 2u);
    EXPECT_TRUE(rows[8].unreadable);
    EXPECT_EQ(rows[8].line, 3u);
}

TEST_F(PropertyRowsTest, AClassTheGameDataLacksShowsEveryLineRaw)
{
    const EntityRecord record = recordOf({"\"classname\" \"my_thing\"", "\"a\" \"1\""});
    EXPECT_EQ(ClassForRecord(data_, record), nullptr);
    const auto rows = PropertyRows(data_, nullptr, record);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].key, "a");
}

TEST_F(PropertyRowsTest, TypedEditsAndBackGiveTheOriginalLine)
{
    // Flags: a check box on and off again.
    const std::string flags = "\"spawnflags\"\t\"3\"";
    auto pair = ReadKeyValue(flags);
    const std::string cleared = WithValue(flags, pair->value, WithFlag(pair->value, 2, false));
    EXPECT_EQ(cleared, "\"spawnflags\"\t\"1\"");
    pair = ReadKeyValue(cleared);
    EXPECT_EQ(WithValue(cleared, pair->value, WithFlag(pair->value, 2, true)), flags);
    EXPECT_EQ(WithFlag("3", 1, true), "3") << "a flag already set leaves the text alone";
    EXPECT_TRUE(FlagIsSet("3", 2));
    EXPECT_FALSE(FlagIsSet("junk", 1));

    // Colour: the brightness after the three numbers stays.
    const std::string light = "\"_light\" \"255 128 0 300\"";
    pair = ReadKeyValue(light);
    ASSERT_EQ(ColourOf(pair->value, false), (std::array<int, 3>{255, 128, 0}));
    const std::string blue =
        WithValue(light, pair->value, WithColour(pair->value, {0, 0, 255}, false));
    EXPECT_EQ(blue, "\"_light\" \"0 0 255 300\"");
    pair = ReadKeyValue(blue);
    EXPECT_EQ(WithValue(blue, pair->value, WithColour(pair->value, {255, 128, 0}, false)), light);
    EXPECT_EQ(WithColour("1 0.5 0", {0, 255, 0}, true), "0 1 0");
    EXPECT_EQ(ColourOf("1 0.5 0", true), (std::array<int, 3>{255, 128, 0}));
    EXPECT_EQ(ColourOf("red", false), std::nullopt);

    EXPECT_EQ(WholeNumber(" 42 "), 42);
    EXPECT_EQ(WholeNumber("4.2"), std::nullopt);
}

TEST_F(PropertyRowsTest, NewEntitiesStartWithTheDefaults)
{
    const FgdClass* cls = data_.findEntityClass("env_sprite");
    ASSERT_NE(cls, nullptr);
    const auto keys = DefaultKeys(data_, *cls);
    EXPECT_EQ(keys, (std::vector<std::pair<std::string, std::string>>{{"rendermode", "0"},
                                                                      {"rendercolor", "0 0 0"},
                                                                      {"framerate", "10"},
                                                                      {"spawnflags", "1"}}));
}

} // namespace
} // namespace ent
