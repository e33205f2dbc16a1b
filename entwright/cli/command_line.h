#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Entwright's work without a window: checking a map, and the built-in
// ripent's export and import, for scripts and build machines.
namespace entwright {

// The commands, for --help.
QString commandsHelp();

// What a command printed, kept apart so that tests can read it.
struct CommandOutput {
    QByteArray out;
    QByteArray err;
};

// Runs --check, --export or --import with `arguments` (the program's name
// first) and gives the exit code; nothing when none of them is asked for.
// --check: 0 no problems, 1 problems, 2 a file cannot be read or the command
// is misused; --export and --import: 0 done, 1 refused or failed, 2 the same.
std::optional<int> runCommands(const QStringList& arguments, CommandOutput& output);

// The same over the process's own command line, printing to stdout and
// stderr; needs no window system.
std::optional<int> runCommandLine(int& argc, char** argv);

} // namespace entwright
