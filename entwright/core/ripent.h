#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How Entwright hands a map to the outside tool ripent. Paths and texts are
// UTF-8 here; the window converts them.
namespace ent {

enum class RipentMode { Export, Import };

// "-export" or "-import".
std::string RipentSwitch(RipentMode mode);

// What the window knows about the machine it runs on.
struct RipentSetup {
    std::filesystem::path programDir;
    bool windows = false;
    // wine's full path when it is on the PATH.
    std::optional<std::filesystem::path> wine;
    // Where else to look, in order, after the program's directory: the
    // per-user data folder, then the folders of the PATH.
    std::vector<std::filesystem::path> searchDirs;
};

struct RipentLaunch {
    std::filesystem::path program;
    // Each argument whole, so a map path with spaces stays one argument.
    std::vector<std::string> arguments;
};

// The process to start: in the program's directory, then in each of
// `searchDirs`, `ripent`, else `ripent.exe` (through wine where wine exists
// and the platform is not Windows), with the switch and the map path as
// separate arguments. Nothing when no folder holds either file. On Windows
// only ripent.exe is looked for.
std::optional<RipentLaunch> PlanRipent(const RipentSetup& setup, RipentMode mode,
                                       std::string_view bspPath);

// The text after the program on a Windows command line: the switch, a space
// and the map path in double quotes, as the tool has always been called.
std::string RipentNativeArguments(RipentMode mode, std::string_view bspPath);

// The entity list ripent writes for a map and reads back: the map's path
// with the extension .ent.
std::filesystem::path RipentEntPath(const std::filesystem::path& bspPath);

// What Entwright does itself when there is no ripent to start.
struct BuiltInRun {
    bool ok = false;
    std::size_t entities = 0;
    std::filesystem::path written;
    std::string reason; // why it failed
};

// Writes the map's entity text, as it stands in the map, to the .ent beside it.
BuiltInRun BuiltInExport(const std::filesystem::path& bspPath);

// Reads the .ent beside the map, with the checks of Open, and writes it into
// the map's entity lump.
BuiltInRun BuiltInImport(const std::filesystem::path& bspPath);

} // namespace ent
