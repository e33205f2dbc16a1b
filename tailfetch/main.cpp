// The launcher: Qt Core and Network only. The command line and --help /
// --version run here; the window is loaded from its module only when it is
// to be shown.
#include "tailfetch/cli/command_line.h"
#include "tailfetch/cli/program_info.h"
#include "tailfetch/launcher/window_module.h"

#include "common/app/start_up.h"

int main(int argc, char** argv)
{
    if (const auto code = tailfetch::runCommandLine(argc, argv))
        return *code;
    if (const auto answered = suite::answerWithoutWindows(tailfetch::programInfo(), argc, argv))
        return *answered;
    return tailfetch::runWindowModule(argc, argv);
}
