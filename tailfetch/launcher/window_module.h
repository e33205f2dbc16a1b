#pragma once

namespace tailfetch {

// The window lives in a module of its own (Qt Widgets and Gui with it), so
// that the command line, --help and --version run in a process that never
// maps them. The module exports one C function under this name:
// it makes the QApplication, shows the window and returns the exit code.
inline constexpr char kWindowEntryName[] = "tailfetchRunWindow";
using WindowEntry = int (*)(int* argc, char** argv);

// Loads the window module from beside the executable (the build tree, a
// portable folder) or from the program's library folder of an installed
// copy, and runs the window. Reports on standard error and gives 1 when the
// module cannot be loaded.
int runWindowModule(int& argc, char** argv);

} // namespace tailfetch
