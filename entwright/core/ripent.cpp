#include "entwright/core/ripent.h"

#include "entwright/core/bsp_map.h"
#include "entwright/core/entity_file.h"

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
    std::vector<std::filesystem::path> dirs{setup.programDir};
    dirs.insert(dirs.end(), setup.searchDirs.begin(), setup.searchDirs.end());
    for (const std::filesystem::path& dir : dirs) {
        if (dir.empty())
            continue;
        if (!setup.windows) {
            const std::filesystem::path native = dir / "ripent";
            if (isFile(native))
                return RipentLaunch{native, {switchText, map}};
        }
        const std::filesystem::path exe = dir / "ripent.exe";
        if (!isFile(exe))
            continue;
        if (!setup.windows && setup.wine)
            return RipentLaunch{*setup.wine, {exe.string(), switchText, map}};
        return RipentLaunch{exe, {switchText, map}};
    }
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

std::filesystem::path RipentEntPath(const std::filesystem::path& bspPath)
{
    std::filesystem::path ent = bspPath;
    ent.replace_extension(".ent");
    return ent;
}

BuiltInRun BuiltInExport(const std::filesystem::path& bspPath)
{
    BuiltInRun run;
    const std::optional<std::string> bytes = ReadFileBytes(bspPath, &run.reason);
    if (!bytes)
        return run;
    const std::optional<std::string_view> text = BspEntityText(*bytes, &run.reason);
    if (!text) {
        run.reason = "it is not a Half-Life or Quake map: " + run.reason;
        return run;
    }
    if (const std::optional<EntityTable> table = ParseEntText(*text))
        run.entities = table->Entities.size();
    run.written = RipentEntPath(bspPath);
    run.ok = WriteFileBytes(run.written, *text, &run.reason);
    return run;
}

BuiltInRun BuiltInImport(const std::filesystem::path& bspPath)
{
    BuiltInRun run;
    const std::filesystem::path entPath = RipentEntPath(bspPath);
    ReadReport report;
    const std::optional<OpenedFile> opened = OpenEntFile(entPath, &report);
    if (!opened) {
        run.reason = entPath.filename().string() + ": " + DescribeReadFailure(report);
        return run;
    }
    run.entities = opened->table.Entities.size();
    run.written = bspPath;
    run.ok = WriteBspEntities(bspPath, opened->table, &run.reason);
    return run;
}

} // namespace ent
