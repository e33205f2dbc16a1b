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
    // Where else the tool may be, after programDir: the user's data folder
    // (an installed program's own folder holds no tools the user adds).
    std::vector<std::filesystem::path> moreFolders = {};
    // The tool as found on the PATH, the last place looked at.
    std::optional<std::filesystem::path> onPath = {};
};

struct RipentLaunch {
    std::filesystem::path program;
    // Each argument whole, so a map path with spaces stays one argument.
    std::vector<std::string> arguments;
};

// The process to start: `ripent` beside the program, else `ripent.exe` beside
// it (through wine where wine exists and the platform is not Windows), with
// the switch and the map path as separate arguments; then the same in each
// of moreFolders, then the tool on the PATH. Nothing when it is nowhere. On
// Windows only ripent.exe is looked for.
std::optional<RipentLaunch> PlanRipent(const RipentSetup& setup, RipentMode mode,
                                       std::string_view bspPath);

// The text after the program on a Windows command line: the switch, a space
// and the map path in double quotes, as the tool has always been called.
std::string RipentNativeArguments(RipentMode mode, std::string_view bspPath);

} // namespace ent
