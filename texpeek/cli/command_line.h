#pragma once

#include <QString>

#include <optional>

// Texpeek's work without a window: header reports, pictures out as PNG and
// thumbnails for the desktop's file managers.
namespace texpeek {

// The commands, for --help.
QString commandsHelp();

// Runs --info, --export, --export-dir or --thumbnail when the command line
// holds one, with no window system needed, and gives the exit code (0 done,
// 1 some file failed, 2 misused); nothing when it asks for none of them.
std::optional<int> runCommandLine(int& argc, char** argv);

} // namespace texpeek
