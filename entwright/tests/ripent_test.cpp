#include "core/ripent.h"

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
        return {dir_, windows, std::move(wine)};
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

TEST_F(RipentPlan, ProgramDirectoryThenDataFolderThenPath)
{
    const std::filesystem::path data = dir_ / "data";
    std::filesystem::create_directories(data);
    ent::RipentSetup where = setup();
    where.moreFolders = {std::filesystem::path(), data};
    where.onPath = "/usr/bin/ripent";

    auto run = ent::PlanRipent(where, RipentMode::Export, "a.bsp");
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->program, "/usr/bin/ripent");
    EXPECT_EQ(run->arguments, (std::vector<std::string>{"-export", "a.bsp"}));

    std::ofstream(data / "ripent") << "tool";
    run = ent::PlanRipent(where, RipentMode::Export, "a.bsp");
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->program, data / "ripent");

    place("ripent.exe");
    where.wine = "/usr/bin/wine";
    run = ent::PlanRipent(where, RipentMode::Import, "a.bsp");
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->program, "/usr/bin/wine");
    EXPECT_EQ(run->arguments,
              (std::vector<std::string>{(dir_ / "ripent.exe").string(), "-import", "a.bsp"}));
}

TEST(RipentCommandLine, QuotesThePathAfterTheSwitch)
{
    EXPECT_EQ(ent::RipentNativeArguments(RipentMode::Export, "C:\\Maps\\my map.bsp"),
              "-export \"C:\\Maps\\my map.bsp\"");
    EXPECT_EQ(ent::RipentNativeArguments(RipentMode::Import, ""), "-import \"\"");
}

} // namespace
