#include "tailfetch/cli/program_info.h"

#include "tailfetch/cli/command_line.h"

namespace tailfetch {

suite::ProgramInfo programInfo()
{
    return {QStringLiteral("tailfetch"),
            QStringLiteral(
                "Completes a file whose download stopped part-way, with an HTTP range request."),
            suite::ProgramArgument::Url,
            suite::WindowLanguage::Portuguese,
            true,
            commandsHelp()};
}

} // namespace tailfetch
