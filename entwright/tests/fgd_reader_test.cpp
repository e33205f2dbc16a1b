// The game data reader on files written here, construct by construct.
#include "entwright/core/fgd_model.h"

#include "common/testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using ent::FgdKeyType;
using ent::GameData;

void writeFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::vector<std::string> keyNames(const GameData& data, const ent::FgdClass& cls)
{
    std::vector<std::string> names;
    for (const ent::FgdKey* key : data.keys(cls))
        names.push_back(key->name);
    return names;
}

std::vector<std::string> shownProblems(const GameData& data)
{
    std::vector<std::string> shown;
    for (const auto& problem : data.problems())
        shown.push_back(ent::FormatFgdProblem(problem));
    return shown;
}

const char* const kGameData = R"fgd(// Half-Life game data, as editors ship it
@BaseClass = Targetname [ targetname(target_source) : "Name" ]
@BaseClass = Target [ target(target_destination) : "Target" ]
@BaseClass base(Targetname) size(-16 -16 -16, 16 16 16) color(0 0 200) = RenderFields
[
	rendermode(choices) : "Render Mode" : 0 : "How the entity is drawn:" +
		" additive is 5." =
	[
		0: "Normal"
		5: "Additive" : "Brightens what lies behind"
	]
	renderamt(integer) : "FX Amount (1 - 255)"
	rendercolor(color255) : "FX Color (R G B)" : "0 0 0"
]
@PointClass base(RenderFields, Target) studio("models/scientist.mdl") iconsprite("sprites/s.spr") halfgridsnap = monster_scientist : "Scientist" +
  " (friendly)"
[
	spawnflags(flags) =
	[
		1 : "WaitTillSeen" : 0
		256 : "Pre-Disaster" : 1 : "Before the test"
	]
	health(float) : "Health" : "-1.5"
	body(Choices) : "Body" : -1 =
	[
		-1 : "Random"
		"2" : "Einstein"
	]
	target(target_destination) : "Follows" : : "Whom it walks after"
	angle(angle) readonly : "Facing"
	_light(color1) : "Light" : "1 1 1 200"
	message(sound) :
	decal(decal)
	noise(sprite) : "Sprite"
	input Kill(void) : "Removes it"
	output OnDeath(void) : "When it dies"
]
@SolidClass base(Targetname) = func_wall : "Wall" []
@NPCClass = monster_other []
@mapsize(-4096, 4096)
@MaterialExclusion [ "tools" "dev" ]
)fgd";

TEST(FgdReader, ReadsEveryConstructOfTheGrammar)
{
    GameData data;
    EXPECT_TRUE(data.loadText(kGameData, "hl.fgd"));
    EXPECT_TRUE(data.problems().empty()) << shownProblems(data).front();
    EXPECT_TRUE(data.complete());
    ASSERT_EQ(data.classes().size(), 6u);

    const ent::FgdClass* scientist = data.findEntityClass("MONSTER_scientist");
    ASSERT_NE(scientist, nullptr);
    EXPECT_EQ(scientist->kind, "PointClass");
    EXPECT_EQ(scientist->description, "Scientist (friendly)");
    EXPECT_EQ(scientist->bases, (std::vector<std::string>{"RenderFields", "Target"}));
    EXPECT_EQ(scientist->line, 15u);
    ASSERT_EQ(scientist->properties.size(), 3u);
    EXPECT_EQ(scientist->properties[0].name, "studio");
    EXPECT_EQ(scientist->properties[0].arguments,
              (std::vector<std::string>{"models/scientist.mdl"}));
    EXPECT_EQ(scientist->properties[2].name, "halfgridsnap");
    EXPECT_TRUE(scientist->properties[2].arguments.empty());
    // size() and color() come from a base class.
    const ent::FgdClassProperty* size = data.findProperty(*scientist, "size");
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->arguments, (std::vector<std::string>{"-16 -16 -16", "16 16 16"}));
    EXPECT_EQ(data.findProperty(*scientist, "color")->arguments,
              (std::vector<std::string>{"0 0 200"}));

    // Base keys first, in base(...) order, each base after its own bases; the
    // class's own `target` replaces the inherited one in its place.
    EXPECT_EQ(keyNames(data, *scientist),
              (std::vector<std::string>{"targetname", "rendermode", "renderamt", "rendercolor",
                                        "target", "spawnflags", "health", "body", "angle", "_light",
                                        "message", "decal", "noise"}));
    const ent::FgdKey* target = data.findKey(*scientist, "TARGET");
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->displayName, "Follows");
    EXPECT_FALSE(target->defaultValue.has_value());
    EXPECT_EQ(target->description, "Whom it walks after");
    EXPECT_EQ(target->type, FgdKeyType::TargetDestination);

    const ent::FgdKey* mode = data.findKey(*scientist, "rendermode");
    EXPECT_EQ(mode->type, FgdKeyType::Choices);
    EXPECT_EQ(mode->defaultValue, "0");
    EXPECT_EQ(mode->description, "How the entity is drawn: additive is 5.");
    ASSERT_EQ(mode->choices.size(), 2u);
    EXPECT_EQ(mode->choices[1].value, "5");
    EXPECT_EQ(mode->choices[1].name, "Additive");
    EXPECT_EQ(mode->choices[1].description, "Brightens what lies behind");
    EXPECT_EQ(mode->line, 6u);

    const ent::FgdKey* flags = data.findKey(*scientist, "spawnflags");
    EXPECT_EQ(flags->type, FgdKeyType::Flags);
    ASSERT_EQ(flags->choices.size(), 2u);
    EXPECT_FALSE(flags->choices[0].defaultOn);
    EXPECT_TRUE(flags->choices[1].defaultOn);
    EXPECT_EQ(flags->choices[1].description, "Before the test");

    const ent::FgdKey* body = data.findKey(*scientist, "body");
    EXPECT_EQ(body->type, FgdKeyType::Choices); // type names in any case
    EXPECT_EQ(body->defaultValue, "-1");
    EXPECT_EQ(body->choices[1].value, "2");

    EXPECT_EQ(data.findKey(*scientist, "health")->defaultValue, "-1.5");
    EXPECT_EQ(data.findKey(*scientist, "health")->type, FgdKeyType::Float);
    const ent::FgdKey* angle = data.findKey(*scientist, "angle");
    EXPECT_EQ(angle->type, FgdKeyType::Other);
    EXPECT_EQ(angle->typeText, "angle");
    EXPECT_TRUE(angle->readOnly);
    EXPECT_EQ(data.findKey(*scientist, "_light")->type, FgdKeyType::Color1);
    EXPECT_EQ(data.findKey(*scientist, "rendercolor")->type, FgdKeyType::Color255);
    EXPECT_EQ(data.findKey(*scientist, "renderamt")->type, FgdKeyType::Integer);
    EXPECT_EQ(data.findKey(*scientist, "message")->type, FgdKeyType::Sound);
    EXPECT_EQ(data.findKey(*scientist, "message")->displayName, "");
    EXPECT_EQ(data.findKey(*scientist, "decal")->type, FgdKeyType::Decal);
    EXPECT_EQ(data.findKey(*scientist, "noise")->type, FgdKeyType::Sprite);
    ASSERT_EQ(scientist->inputsOutputs.size(), 2u);
    EXPECT_FALSE(scientist->inputsOutputs[1].isInput);
    EXPECT_EQ(scientist->inputsOutputs[1].name, "OnDeath");

    EXPECT_EQ(data.findEntityClass("RenderFields"), nullptr); // a base class
    EXPECT_NE(data.findClass("RenderFields"), nullptr);
    EXPECT_TRUE(data.findEntityClass("func_wall")->isSolid());
    EXPECT_EQ(keyNames(data, *data.findClass("func_wall")),
              (std::vector<std::string>{"targetname"}));
    EXPECT_EQ(data.findEntityClass("monster_other")->kind, "NPCClass");
}

TEST(FgdReader, FollowsIncludesAndLetsLaterFilesReplaceClasses)
{
    suite::testing::ScratchFolder folder;
    std::filesystem::create_directory(folder / "sub");
    writeFile(folder / "sub" / "base.fgd",
              "@BaseClass = Targetname [ targetname(target_source) : \"Name\" ]\n"
              "@PointClass = info_null : \"Old\" []\n");
    writeFile(folder / "main.fgd", "@include \"sub/base.fgd\"\n"
                                   "@PointClass base(Targetname) = info_target []\n");
    writeFile(folder / "mod.fgd", "@PointClass base(Targetname) = info_null : \"New\" []\n");

    GameData data;
    EXPECT_TRUE(data.loadFile(folder / "main.fgd"));
    EXPECT_EQ(keyNames(data, *data.findClass("info_target")),
              (std::vector<std::string>{"targetname"}));
    EXPECT_EQ(data.files().size(), 2u);
    EXPECT_TRUE(data.loadFile(folder / "mod.fgd"));
    EXPECT_EQ(data.classes().size(), 3u);
    EXPECT_EQ(data.findClass("info_null")->description, "New");
    EXPECT_EQ(keyNames(data, *data.findClass("info_null")),
              (std::vector<std::string>{"targetname"}));
    EXPECT_TRUE(data.complete());
}

TEST(FgdReader, ErrorsNameFileAndLineAndTheRestStillLoads)
{
    suite::testing::ScratchFolder folder;
    const std::string text = "@PointClass = good_one [ a(string) ]\n" // 1
                             "@PointClass = broken\n" // 2
                             "[\n" // 3
                             "\tkept(integer) : \"Kept\"\n" // 4
                             "\tbad(choices) = [ 0 \"no colon\" ]\n" // 5
                             "]\n" // 6
                             "@PointClass = unclosed [ m(string) : \"oops\n" // 7
                             "]\n" // 8
                             "@include \"missing.fgd\"\n" // 9
                             "@PointClass base(Nowhere) = good_two [ ]\n" // 10
                             "@PointClass size(1 2 3 = trailing [ ]\n" // 11
                             "@BaseClass base(LoopB) = LoopA []\n" // 12
                             "@BaseClass base(LoopA) = LoopB []\n" // 13
                             "stray\n"; // 14
    writeFile(folder / "bad.fgd", text);
    GameData data;
    EXPECT_FALSE(data.loadFile(folder / "bad.fgd"));
    EXPECT_FALSE(data.complete());
    const std::string file = (folder / "bad.fgd").string();
    const std::vector<std::string> problems = shownProblems(data);
    ASSERT_EQ(problems.size(), 7u);
    EXPECT_EQ(problems[0],
              file + ":5: expected ':' after value '0' of key 'bad', found the text \"no colon\"");
    EXPECT_EQ(problems[1], file + ":7: text opened here is not closed on its line");
    EXPECT_EQ(problems[2].rfind(file + ":9: cannot read the included file 'missing.fgd': ", 0), 0u)
        << problems[2];
    EXPECT_EQ(problems[3], file + ":11: expected ')' to close 'size', found '='");
    EXPECT_EQ(problems[4], file + ":14: expected a definition starting with '@', found 'stray'");
    EXPECT_EQ(problems[5], file + ":10: class 'good_two' names an unknown base class 'Nowhere'");
    EXPECT_NE(problems[6].find("loop back"), std::string::npos) << problems[6];

    // Everything before each fault, and everything after it, is loaded.
    EXPECT_NE(data.findClass("good_one"), nullptr);
    EXPECT_NE(data.findClass("good_two"), nullptr);
    const ent::FgdClass* broken = data.findClass("broken");
    ASSERT_NE(broken, nullptr);
    EXPECT_EQ(keyNames(data, *broken), (std::vector<std::string>{"kept"}));
    EXPECT_NE(data.findClass("unclosed"), nullptr);
}

TEST(FgdReader, AFileThatCannotBeReadIsAProblemOfTheWholeFile)
{
    suite::testing::ScratchFolder folder;
    GameData data;
    EXPECT_FALSE(data.loadFile(folder / "none.fgd"));
    ASSERT_EQ(data.problems().size(), 1u);
    EXPECT_EQ(data.problems()[0].line, 0u);
    EXPECT_TRUE(data.empty());
}

TEST(FgdReader, AFileIncludingItselfStops)
{
    suite::testing::ScratchFolder folder;
    writeFile(folder / "a.fgd", "@include \"b.fgd\"\n@PointClass = in_a []\n");
    writeFile(folder / "b.fgd", "@include \"a.fgd\"\n@PointClass = in_b []\n");
    GameData data;
    EXPECT_FALSE(data.loadFile(folder / "a.fgd"));
    EXPECT_NE(data.findClass("in_a"), nullptr);
    EXPECT_NE(data.findClass("in_b"), nullptr);
    ASSERT_EQ(data.problems().size(), 1u);
    EXPECT_EQ(data.problems()[0].line, 1u);
    EXPECT_NE(data.problems()[0].file.find("b.fgd"), std::string::npos);
}

} // namespace
