#include "core/ripent.h"

#include <system_error>

namespace ent {
namespace {

bool isFile(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

} // namespace

std::string RipentSwitch(RipentMode mode)
{
    return mode == RipentMode::Export ? "-export" : "-import";
}

std::optional<RipentLaunch> PlanRipent(const RipentSetup& setup, RipentMode mode,
                                       std::string_view bspPath)
{
    const std::string switchText = RipentSwitch(mode);
    const std::string map(bspPath);
    const auto planIn = [&](const std::filesystem::path& folder) -> std::optional<RipentLaunch> {
        if (!setup.windows) {
            const std::filesystem::path native = folder / "ripent";
            if (isFile(native))
                return RipentLaunch{native, {switchText, map}};
        }
        const std::filesystem::path exe = folder / "ripent.exe";
        if (!isFile(exe))
            return std::nullopt;
        if (!setup.windows && setup.wine)
            return RipentLaunch{*setup.wine, {exe.string(), switchText, map}};
        return RipentLaunch{exe, {switchText, map}};
    };

    if (auto launch = planIn(setup.programDir))
        return launch;
    for (const std::filesystem::path& folder : setup.moreFolders) {
        if (folder.empty())
            continue;
        if (auto launch = planIn(folder))
            return launch;
    }
    if (setup.onPath)
        return RipentLaunch{*setup.onPath, {switchText, map}};
    return std::nullopt;
}

std::string RipentNativeArguments(RipentMode mode, std::string_view bspPath)
{
    std::string text = RipentSwitch(mode);
    text += " \"";
    text += bspPath;
    text += '"';
    return text;
}

} // namespace ent
