#include "entwright/core/ripent.h"

#include "entwright/core/bsp_map.h"
#include "entwright/tests/support/bsp_builder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace {

using ent::RipentMode;

class RipentPlan : public ::testing::Test {
protected:
    std::filesystem::path dir_;

    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("entwright_ripent_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void place(const std::string& name) const { std::ofstream(dir_ / name) << "tool"; }

    ent::RipentSetup setup(bool windows = false,
                           std::optional<std::filesystem::path> wine = std::nullopt) const
    {
        return {dir_, windows, std::move(wine), {}};
    }
};

TEST_F(RipentPlan, NothingToStartWithoutTheTool)
{
    EXPECT_FALSE(ent::PlanRipent(setup(), RipentMode::Export, "a.bsp").has_value());
    // A folder of that name is no tool either.
    std::filesystem::create_directory(dir_ / "ripent");
    EXPECT_FALSE(ent::PlanRipent(setup(), RipentMode::Export, "a.bsp").has_value());
}

TEST_F(RipentPlan, NativeToolGetsSwitchAndPathAsSeparateArguments)
{
    place("ripent");
    place("ripent.exe");
    const auto exportRun =
        ent::PlanRipent(setup(false, "/usr/bin/wine"), RipentMode::Export, "/maps/my map.bsp");
    ASSERT_TRUE(exportRun.has_value());
    EXPECT_EQ(exportRun->program, dir_ / "ripent");
    EXPECT_EQ(exportRun->arguments, (std::vector<std::string>{"-export", "/maps/my map.bsp"}));

    const auto importRun = ent::PlanRipent(setup(), RipentMode::Import, "");
    ASSERT_TRUE(importRun.has_value());
    EXPECT_EQ(importRun->arguments, (std::vector<std::string>{"-import", ""}));
}

TEST_F(RipentPlan, WindowsToolRunsThroughWineWhereThereIsWine)
{
    place("ripent.exe");
    const auto withWine =
        ent::PlanRipent(setup(false, "/usr/bin/wine"), RipentMode::Import, "c.bsp");
    ASSERT_TRUE(withWine.has_value());
    EXPECT_EQ(withWine->program, "/usr/bin/wine");
    EXPECT_EQ(withWine->arguments,
              (std::vector<std::string>{(dir_ / "ripent.exe").string(), "-import", "c.bsp"}));

    const auto withoutWine = ent::PlanRipent(setup(), RipentMode::Export, "c.bsp");
    ASSERT_TRUE(withoutWine.has_value());
    EXPECT_EQ(withoutWine->program, dir_ / "ripent.exe");
    EXPECT_EQ(withoutWine->arguments, (std::vector<std::string>{"-export", "c.bsp"}));
}

TEST_F(RipentPlan, OnWindowsOnlyTheExeCountsAndNeverThroughWine)
{
    place("ripent");
    EXPECT_FALSE(ent::PlanRipent(setup(true), RipentMode::Export, "a.bsp").has_value());
    place("ripent.exe");
    const auto run = ent::PlanRipent(setup(true, "wine"), RipentMode::Export, "a.bsp");
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->program, dir_ / "ripent.exe");
}

TEST_F(RipentPlan, LooksBesideTheProgramThenInEachFolderInTurn)
{
    const auto userData = dir_ / "user";
    const auto onPath = dir_ / "bin";
    std::filesystem::create_directories(userData);
    std::filesystem::create_directories(onPath);
    std::ofstream(onPath / "ripent") << "tool";
    ent::RipentSetup looked{dir_ / "program", false, std::nullopt, {userData, {}, onPath}};
    auto run = ent::PlanRipent(looked, RipentMode::Export, "m.bsp");
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->program, onPath / "ripent");

    std::ofstream(userData / "ripent.exe") << "tool";
    run = ent::PlanRipent(looked, RipentMode::Export, "m.bsp");
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->program, userData / "ripent.exe");

    std::filesystem::create_directories(dir_ / "program");
    std::ofstream(dir_ / "program" / "ripent.exe") << "tool";
    run = ent::PlanRipent(looked, RipentMode::Export, "m.bsp");
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->program, dir_ / "program" / "ripent.exe");
}

TEST_F(RipentPlan, BuiltInExportAndImportUseTheEntFileBesideTheMap)
{
    const std::string text = "{\n\"classname\" \"worldspawn\"\n}\n";
    const auto map = ent::testing::buildMap(30, text + std::string(1, '\0'), {4, 0, 2}, 5);
    const auto bsp = dir_ / "my map.bsp";
    std::ofstream(bsp, std::ios::binary)
        .write(map.bytes.data(), static_cast<std::streamsize>(map.bytes.size()));
    EXPECT_EQ(ent::RipentEntPath(bsp), dir_ / "my map.ent");

    const ent::BuiltInRun exported = ent::BuiltInExport(bsp);
    ASSERT_TRUE(exported.ok) << exported.reason;
    EXPECT_EQ(exported.entities, 1u);
    EXPECT_EQ(exported.written, dir_ / "my map.ent");
    std::ifstream in(dir_ / "my map.ent", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), text);

    std::ofstream(dir_ / "my map.ent", std::ios::binary)
        << "{\n\"classname\" \"worldspawn\"\n}\n{\n\"classname\" \"light\"\n}\n";
    const ent::BuiltInRun imported = ent::BuiltInImport(bsp);
    ASSERT_TRUE(imported.ok) << imported.reason;
    EXPECT_EQ(imported.entities, 2u);
    const auto reopened = ent::OpenBspFile(bsp);
    ASSERT_TRUE(reopened.has_value());
    EXPECT_EQ(reopened->table.Entities.size(), 2u);

    // A broken list never reaches the map.
    std::ofstream(dir_ / "my map.ent", std::ios::binary) << "{\n\"classname\" \"a\"\n";
    const ent::BuiltInRun refused = ent::BuiltInImport(bsp);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.reason.find("line 1"), std::string::npos) << refused.reason;
    EXPECT_EQ(ent::OpenBspFile(bsp)->table.Entities.size(), 2u);

    EXPECT_FALSE(ent::BuiltInExport(dir_ / "missing.bsp").ok);
}

TEST(RipentCommandLine, QuotesThePathAfterTheSwitch)
{
    EXPECT_EQ(ent::RipentNativeArguments(RipentMode::Export, "C:\\Maps\\my map.bsp"),
              "-export \"C:\\Maps\\my map.bsp\"");
    EXPECT_EQ(ent::RipentNativeArguments(RipentMode::Import, ""), "-import \"\"");
}

} // namespace
