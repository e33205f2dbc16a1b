#pragma once

#include <QString>

#include <optional>

namespace tailfetch {

// What `--help` adds for the modes below.
QString commandsHelp();

// `tailfetch --complete FILE URL [--sha256 HEX] [--new OUT]`: completes FILE
// from URL with the same job the window starts, without a window, and gives
// the exit code: 0 complete (and verified when a sum was known), 1 the
// transfer failed (what arrived is kept), 3 the file does not match (another
// version on the server, or a sum that differs), 2 bad arguments. Nothing
// when the command line holds no `--complete`: the window starts.
std::optional<int> runCommandLine(int& argc, char** argv);

} // namespace tailfetch
