// The map check on entity lists with known problems.
#include "entwright/core/map_check.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using ent::CheckKind;
using ent::CheckProblem;

const char* const kCheckedGameData = R"fgd(
@BaseClass = Targetname [ targetname(target_source) : "Name" ]
@BaseClass = Target [ target(target_destination) : "Target" ]
@PointClass base(Targetname, Target) = trigger_relay
[
	delay(float) : "Delay" : "0"
	triggerstate(choices) : "Trigger State" : 0 = [ 0 : "Off" 1 : "On" 2 : "Toggle" ]
	rendercolor(color255) : "Color"
	_light(color1) : "Light"
	count(integer) : "Count"
	spawnflags(flags) = [ 1 : "Remove" : 0 ]
	master(string) : "Master"
]
@PointClass base(Targetname) = info_target []
@SolidClass = worldspawn []
)fgd";

ent::EntityTable table(const std::string& text, ent::ReadReport* report = nullptr)
{
    std::optional<ent::EntityTable> read = ent::ParseEntText(text, report);
    EXPECT_TRUE(read.has_value());
    return read.value_or(ent::EntityTable{});
}

std::vector<std::string> formatted(const std::vector<CheckProblem>& problems)
{
    std::vector<std::string> lines;
    for (const CheckProblem& problem : problems)
        lines.push_back(ent::FormatCheckProblem("map.ent", problem));
    return lines;
}

TEST(MapCheck, FindsEveryKindOfProblemWithItsFileLine)
{
    ent::GameData data;
    ASSERT_TRUE(data.loadText(kCheckedGameData, "test.fgd"));
    const std::string text = "{\n" // 1
                             "\"classname\" \"worldspawn\"\n" // 2
                             "}\n" // 3
                             "\n" // 4
                             "{\n" // 5
                             "\"classname\" \"trigger_relay\"\n" // 6
                             "\"targetname\" \"relay\"\n" // 7
                             "\"target\" \"door\"\n" // 8
                             "\"delay\" \"1.5e2\"\n" // 9
                             "\"count\" \"two\"\n" // 10
                             "\"triggerstate\" \"02\"\n" // 11
                             "\"rendercolor\" \"255 128 256\"\n" // 12
                             "\"_light\" \"1 0.5 x\"\n" // 13
                             "\"spawnflags\" \"-\"\n" // 14
                             "\"master\" \"nowhere\"\n" // 15
                             "\t\"delay\" \"2\"\n" // 16
                             "}\n" // 17
                             "{\n" // 18
                             "\"classname\" \"monster_unknown\"\n" // 19
                             "\"killtarget\" \"relay\"\n" // 20
                             "\"triggerstate\" \"7\"\n" // 21
                             "}{\"classname\" \"info_target\"\n" // 22
                             "\"targetname\" \"door2\"\n" // 23
                             "\"triggerstate\" \"7\"\n" // 24
                             "}\n";
    const auto problems = ent::CheckEntities(table(text), {&data, ent::HalfLifeLimits()});
    EXPECT_EQ(formatted(problems),
              (std::vector<std::string>{
                  "map.ent:8: warning: 'target' names 'door', which no entity has as its "
                  "targetname",
                  "map.ent:10: warning: 'count' should be a whole number, not 'two'",
                  "map.ent:12: warning: 'rendercolor' should be three numbers from 0 to 255 (and "
                  "a brightness), not '255 128 256'",
                  "map.ent:13: warning: '_light' should be three numbers from 0 to 1 (and a "
                  "brightness), not '1 0.5 x'",
                  "map.ent:14: warning: 'spawnflags' should be a whole number of flags, not '-'",
                  "map.ent:16: warning: key 'delay' is given again in this entity (first at line "
                  "9); the game keeps the last",
                  "map.ent:19: warning: class 'monster_unknown' is not in the game data",
              }));
    // master is a plain string to this game data; the unknown class's keys
    // are checked by name only, and info_target knows no triggerstate.
    EXPECT_EQ(problems[0].entity, 1u);
    EXPECT_EQ(problems[0].keyLine, 2u);
    EXPECT_EQ(problems[0].kind, CheckKind::NoSuchTarget);
    EXPECT_EQ(problems[6].kind, CheckKind::UnknownClass);
    EXPECT_EQ(problems[6].keyLine, 0u);
}

TEST(MapCheck, WithoutGameDataTargetsAreKnownByTheirKeyNames)
{
    const std::string text = "{\n\"classname\" \"a\"\n\"target\" \"t1\"\n\"master\" \"m\"\n"
                             "\"netname\" \"x\"\n\"killtarget\" \"t1\"\n\"message\" \"t1\"\n}\n"
                             "{\n\"classname\" \"b\"\n\"targetname\" \"t1\"\n}\n";
    const auto problems = ent::CheckEntities(table(text), {});
    EXPECT_EQ(formatted(problems),
              (std::vector<std::string>{
                  "map.ent:4: warning: 'master' names 'm', which no entity has as its targetname",
                  "map.ent:5: warning: 'netname' names 'x', which no entity has as its targetname",
              }));
}

TEST(MapCheck, EngineLimitsAreANamedProfileThatCanBeChanged)
{
    const std::string longKey(32, 'k');
    const std::string longValue(1024, 'v');
    const std::string text = "{\n\"classname\" \"worldspawn\"\n\"" + longKey + "\" \"1\"\n\"" +
                             std::string(31, 'k') + "\" \"" + std::string(1023, 'v') +
                             "\"\n\"message\" \"" + longValue +
                             "\"\n}\n{\n\"classname\" \"b\"\n}\n{\n\"classname\" \"c\"\n}\n";
    const ent::EntityTable map = table(text);
    ent::CheckOptions options;
    EXPECT_EQ(options.limits.name, "Half-Life");
    EXPECT_EQ(options.limits.maxEntities, 900u);
    auto problems = ent::CheckEntities(map, options);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].kind, CheckKind::KeyTooLong);
    EXPECT_EQ(problems[0].fileLine, 3u);
    EXPECT_EQ(problems[1].kind, CheckKind::ValueTooLong);
    EXPECT_EQ(problems[1].fileLine, 5u);
    EXPECT_NE(problems[1].text.find("1024 bytes long; Half-Life keeps only its first 1023"),
              std::string::npos)
        << problems[1].text;

    options.limits.maxEntities = 2;
    options.limits.maxKeyLength = 40;
    options.limits.maxValueLength = 2000;
    problems = ent::CheckEntities(map, options);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].severity, ent::CheckSeverity::Error);
    EXPECT_EQ(ent::FormatCheckProblem("m.bsp", problems[0]),
              "m.bsp:11: error: the map has 3 entities; Half-Life takes at most 2");
    EXPECT_EQ(ent::FindLimitProfile("half-life")->maxValueLength, 1023u);
    EXPECT_FALSE(ent::FindLimitProfile("quake 9"));
}

TEST(MapCheck, NamelessBlocksAndStrayTextAreReportedAndTheRestStillChecked)
{
    ent::ReadReport report;
    const ent::EntityTable map = table("junk\n{\n\"origin\" \"0 0 0\"\n}\n"
                                       "{\n\"classname\" \"a\"\n\"target\" \"none\"\n}\n",
                                       &report);
    const auto problems = ent::CheckEntities(map, {}, &report);
    EXPECT_EQ(formatted(problems),
              (std::vector<std::string>{
                  "map.ent:1: warning: a line outside the entity blocks belongs to no entity",
                  "map.ent:3: error: this entity has no \"classname\" line: the game drops it "
                  "and the window cannot open the map",
                  "map.ent:7: warning: 'target' names 'none', which no entity has as its "
                  "targetname",
              }));
    EXPECT_EQ(ent::CheckSummary("map.ent", problems), "map.ent: 1 error, 2 warnings");
    EXPECT_EQ(ent::CheckSummary("map.ent", {}), "map.ent: no problems");
}

TEST(MapCheck, KeyLinesAreReadAsTheEngineReadsThem)
{
    const auto parts = ent::ParseKeyLine(" \t\"key\"\t\"a value\" trailing");
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->key, "key");
    EXPECT_EQ(parts->value, "a value");
    EXPECT_EQ(ent::ParseKeyLine("bare word")->value, "word");
    EXPECT_EQ(ent::ParseKeyLine("\"k\" \"unclosed")->value, "unclosed");
    EXPECT_EQ(ent::ParseKeyLine("\"k\" \"\"")->value, "");
    EXPECT_FALSE(ent::ParseKeyLine("\"only\""));
    EXPECT_FALSE(ent::ParseKeyLine("  "));
}

} // namespace
