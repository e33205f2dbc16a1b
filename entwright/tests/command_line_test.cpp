// The commands without a window, on maps built here with known problems.
#include "entwright/cli/command_line.h"

#include "entwright/tests/support/bsp_builder.h"

#include "common/testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <filesystem>
#include <fstream>

namespace {

using entwright::CommandOutput;

class CommandLine : public ::testing::Test {
protected:
    std::filesystem::path write(const std::string& name, const std::string& bytes)
    {
        const auto path = folder_ / name;
        std::ofstream out(path, std::ios::binary);
        out << bytes;
        return path;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(folder_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    QString path(const std::string& name) const
    {
        return QString::fromStdString((folder_ / name).string());
    }
    std::string shown(const std::string& name) const { return (folder_ / name).string(); }

    std::optional<int> run(QStringList arguments)
    {
        output_ = CommandOutput{};
        arguments.prepend(QStringLiteral("entwright"));
        return entwright::runCommands(arguments, output_);
    }
    std::string out() const { return output_.out.toStdString(); }
    std::string err() const { return output_.err.toStdString(); }

    std::string map(const std::string& entities)
    {
        return ent::testing::buildMap(30, entities + std::string(1, '\0'), {1, 0, 2, 5}, 7).bytes;
    }

    suite::testing::ScratchFolder folder_;
    CommandOutput output_;
};

const std::string kBroken = "{\n\"classname\" \"worldspawn\"\n}\n"
                            "{\n\"classname\" \"func_door\"\n\"target\" \"gone\"\n"
                            "\"speed\" \"fast\"\n\"speed\" \"100\"\n}\n";

const std::string kCommandGameData =
    "@SolidClass = worldspawn []\n"
    "@SolidClass = func_door [ speed(integer) : \"Speed\" : 100 ]\n";

TEST_F(CommandLine, OtherArgumentsAreLeftToTheWindow)
{
    EXPECT_FALSE(run({path("map.ent")}));
    EXPECT_FALSE(run({QStringLiteral("--help")}));
}

TEST_F(CommandLine, CheckPrintsOneLinePerProblemThenASummary)
{
    write("broken.bsp", map(kBroken));
    write("game.fgd", kCommandGameData);
    const std::string file = shown("broken.bsp");
    EXPECT_EQ(run({QStringLiteral("--check"), path("broken.bsp")}), 1);
    EXPECT_EQ(out(),
              file + ":6: warning: 'target' names 'gone', which no entity has as its targetname\n" +
                  file +
                  ":8: warning: key 'speed' is given again in this entity (first at line 7); the "
                  "game keeps the last\n" +
                  file + ": 2 warnings\n");
    EXPECT_EQ(err(), "");

    EXPECT_EQ(run({QStringLiteral("--fgd"), path("game.fgd"), QStringLiteral("--check"),
                   path("broken.bsp")}),
              1);
    EXPECT_NE(out().find(file + ":7: warning: 'speed' should be a whole number, not 'fast'\n"),
              std::string::npos)
        << out();
    EXPECT_NE(out().find(file + ": 3 warnings\n"), std::string::npos) << out();

    // Limits changed on the command line: two entities are one too many.
    EXPECT_EQ(run({QStringLiteral("--check"), QStringLiteral("--max-entities"), QStringLiteral("1"),
                   path("broken.bsp")}),
              1);
    EXPECT_NE(out().find(file + ":5: error: the map has 2 entities; Half-Life takes at most 1\n"),
              std::string::npos)
        << out();
}

TEST_F(CommandLine, CheckExitsZeroOnACleanMapAndOneOnAMapThatDoesNotLoad)
{
    write("clean.ent", "{\r\n\"classname\" \"worldspawn\"\r\n}\r\n");
    EXPECT_EQ(run({QStringLiteral("--check"), path("clean.ent")}), 0);
    EXPECT_EQ(out(), shown("clean.ent") + ": no problems\n");

    write("open.ent", "{\n\"classname\" \"worldspawn\"\n}\n\n{\n\"classname\" \"a\"\n");
    EXPECT_EQ(run({QStringLiteral("--check"), path("open.ent")}), 1);
    EXPECT_EQ(out(), shown("open.ent") +
                         ":5: error: The entity opened at line 5 is never closed "
                         "with }.\n" +
                         shown("open.ent") + ": 1 error\n");
}

TEST_F(CommandLine, CheckExitsTwoWhenAFileCannotBeReadOrTheCommandIsMisused)
{
    EXPECT_EQ(run({QStringLiteral("--check"), path("missing.bsp")}), 2);
    EXPECT_EQ(out(), "");
    EXPECT_NE(err().find("missing.bsp"), std::string::npos) << err();

    write("not.bsp", "not a map at all");
    EXPECT_EQ(run({QStringLiteral("--check"), path("not.bsp")}), 2);

    write("clean.ent", "{\n\"classname\" \"worldspawn\"\n}\n");
    EXPECT_EQ(run({QStringLiteral("--check"), QStringLiteral("--fgd"), path("none.fgd"),
                   path("clean.ent")}),
              2);
    EXPECT_NE(err().find("cannot read the game data"), std::string::npos) << err();
    // A game data file read only in part still serves, and says where it broke.
    write("half.fgd", "@SolidClass = worldspawn []\n@PointClass = [\n");
    EXPECT_EQ(run({QStringLiteral("--check"), QStringLiteral("--fgd"), path("half.fgd"),
                   path("clean.ent")}),
              0);
    EXPECT_NE(err().find(shown("half.fgd") + ":2: warning: expected the class name"),
              std::string::npos)
        << err();

    EXPECT_EQ(run({QStringLiteral("--check")}), 2);
    EXPECT_EQ(run({QStringLiteral("--check"), QStringLiteral("--limits"), QStringLiteral("Quake 9"),
                   path("clean.ent")}),
              2);
    EXPECT_EQ(run({QStringLiteral("--check"), QStringLiteral("--max-key-length"),
                   QStringLiteral("many"), path("clean.ent")}),
              2);
    EXPECT_EQ(run({QStringLiteral("--check"), QStringLiteral("--export"), path("clean.ent")}), 2);
    EXPECT_EQ(run({QStringLiteral("--import"), QStringLiteral("--fgd"), path("x.fgd"),
                   path("m.bsp")}),
              2);
}

TEST_F(CommandLine, ExportWritesTheEntityTextAndNeverReplacesAFileUnasked)
{
    const std::string text = "{\r\n\"classname\" \"worldspawn\"\r\n}\r\n";
    write("de_map.bsp", map(text));
    EXPECT_EQ(run({QStringLiteral("--export"), path("de_map.bsp")}), 0);
    EXPECT_EQ(read("de_map.ent"), text);
    EXPECT_EQ(out(), "Exported 1 entity from " + shown("de_map.bsp") + " to " +
                         shown("de_map.ent") + "\n");

    write("kept.ent", "mine");
    EXPECT_EQ(run({QStringLiteral("--export"), path("de_map.bsp"), path("kept.ent")}), 1);
    EXPECT_EQ(read("kept.ent"), "mine");
    EXPECT_NE(err().find("already exists; nothing was written. Add --replace"), std::string::npos)
        << err();
    EXPECT_EQ(run({QStringLiteral("--export"), path("de_map.bsp"), path("kept.ent"),
                   QStringLiteral("--replace")}),
              0);
    EXPECT_EQ(read("kept.ent"), text);

    EXPECT_EQ(run({QStringLiteral("--export"), path("missing.bsp")}), 2);
    EXPECT_EQ(run({QStringLiteral("--export"), path("de_map.bsp"), path("a.ent"), path("b")}), 2);
}

TEST_F(CommandLine, ImportPutsTheEntitiesIntoTheMapOrLeavesItAsItWas)
{
    write("de_map.bsp", map("{\n\"classname\" \"worldspawn\"\n}\n"));
    const std::string edited = "{\n\"classname\" \"worldspawn\"\n\"skyname\" \"desert\"\n}\n";
    write("de_map.ent", edited);
    EXPECT_EQ(run({QStringLiteral("--import"), path("de_map.bsp")}), 0);
    EXPECT_EQ(out(), "Imported 1 entity from " + shown("de_map.ent") + " into " +
                         shown("de_map.bsp") + "\n");
    EXPECT_EQ(read("de_map.bsp"), map(edited));

    write("bad.ent", "{\n\"origin\" \"0 0 0\"\n}\n");
    EXPECT_EQ(run({QStringLiteral("--import"), path("de_map.bsp"), path("bad.ent")}), 1);
    EXPECT_EQ(read("de_map.bsp"), map(edited));
    EXPECT_NE(err().find(shown("bad.ent") + ":1: error: The entity opened at line 1 has no"),
              std::string::npos)
        << err();

    EXPECT_EQ(run({QStringLiteral("--import"), path("de_map.bsp"), path("none.ent")}), 2);
    EXPECT_EQ(run({QStringLiteral("--import"), path("other.bsp"), path("de_map.ent")}), 2);
}

} // namespace
