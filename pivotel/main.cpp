#include "pivotel/cli/command_line.h"
#include "pivotel/ui/form1.h"

#include "common/app/start_up.h"
#include "common/ui/dialogs.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    if (const std::optional<int> done = pivotel::runCommandLine(argc, argv))
        return *done;
    const suite::ProgramInfo info{
        QStringLiteral("pivotel"),
        QStringLiteral("Shows a Half-Life sprite (.spr) and changes its orientation type."),
        suite::ProgramArgument::File,
        suite::WindowLanguage::English,
        false,
        pivotel::commandsHelp()};
    if (const auto answered = suite::answerWithoutWindows(info, argc, argv))
        return *answered;

    QApplication app(argc, argv);
    const suite::StartUp start = suite::startProgram(info);
    if (start.exitNow)
        return *start.exitNow;

    suite::QtDialogs dialogs;
    pivotel::Form1 window(dialogs);
    window.show();
    if (!start.argument.isEmpty())
        QTimer::singleShot(0, &window, [&window, path = start.argument] { window.openFile(path); });
    return app.exec();
}
