#pragma once

#include <QString>

#include <optional>

// Pivotel's work without a window: frames out of a sprite, and sprites made
// from pictures or from an exported frames folder.
namespace pivotel {

// The commands, for --help.
QString commandsHelp();

// Runs --export or --create when the command line holds one, with no window
// system needed, and gives the exit code (0 done, 1 failed, 2 misused);
// nothing when the command line asks for neither.
std::optional<int> runCommandLine(int& argc, char** argv);

} // namespace pivotel
