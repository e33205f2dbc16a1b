#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace suite {

// What a program takes on its command line besides the options every program
// has (--help, --version).
enum class ProgramArgument { None, File, Url };

enum class WindowLanguage { English, Portuguese };

struct ProgramInfo {
    QString name; // as typed on the command line, e.g. "texpeek"
    QString description; // one line for --help
    ProgramArgument argument = ProgramArgument::None;
    WindowLanguage language = WindowLanguage::English;
    // False for a program that keeps no files of its own: its data folder is
    // then never made.
    bool keepsFiles = true;
    // Appended to --help: the modes a program runs without a window
    // ("texpeek --info FILE..."), which its own command-line runner reads
    // before main() makes any window.
    QString commandsHelp = {};
};

// What the command line asks of a program that is to start its window.
struct CommandLine {
    QString argument; // the file (absolute path) or URL; empty when none was given
    QString language; // --lang, as "en" or "pt_BR"; empty when not given
};

// The outcome of reading a command line: either a window to start, or an exit
// code, with what the program must print first.
struct CommandLineOutcome {
    std::optional<CommandLine> start;
    int exitCode = 0;
    QString out; // for standard output (--help, --version)
    QString err; // for standard error: the mistake and how to get help
};

// Reads `arguments` (the program's own name first, Qt's options already
// taken out) without printing or exiting, so it can be tested whole.
CommandLineOutcome readCommandLine(const ProgramInfo& info, const QStringList& arguments);

// What every main() does before it builds its window: names the program,
// reads the command line (printing and giving an exit code when the program
// is not to start), and loads the windows' texts and Qt's own in the
// language chosen with --lang, else in the language menu (kept in
// "<program>-language.ini" in the program directory), else the desktop's;
// a desktop of neither language gets the program's source texts.
// Needs the QApplication already made.
struct StartUp {
    std::optional<int> exitNow;
    QString programDir; // empty when the program keeps no files
    QString argument;
    QString language; // --lang when given ("en", "pt_BR"), else empty
};
StartUp startProgram(const ProgramInfo& info);

// Answers --help and --version before any QApplication exists, so that they
// work where no window system can be reached (a terminal over ssh, a build
// machine). Nothing when the command line asks for neither: the program then
// makes its QApplication and calls startProgram.
std::optional<int> answerWithoutWindows(const ProgramInfo& info, int& argc, char** argv);

} // namespace suite
