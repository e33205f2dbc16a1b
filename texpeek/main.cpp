#include "texpeek/cli/command_line.h"
#include "texpeek/ui/main_window.h"

#include "common/app/start_up.h"
#include "common/ui/dialogs.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    if (const std::optional<int> done = texpeek::runCommandLine(argc, argv))
        return *done;
    const suite::ProgramInfo info{
        QStringLiteral("texpeek"),
        QStringLiteral(
            "Shows DirectDraw Surface (DDS) images: every surface, its channels and its header."),
        suite::ProgramArgument::File,
        suite::WindowLanguage::Portuguese,
        true,
        texpeek::commandsHelp()};
    if (const auto answered = suite::answerWithoutWindows(info, argc, argv))
        return *answered;

    QApplication app(argc, argv);
    const suite::StartUp start = suite::startProgram(info);
    if (start.exitNow)
        return *start.exitNow;

    suite::QtDialogs dialogs;
    texpeek::MainWindow window(start.programDir, dialogs);
    window.show();
    // Once the window is on screen, so a large image shows its progress.
    if (!start.argument.isEmpty())
        QTimer::singleShot(0, &window, [&window, path = start.argument] { window.openFile(path); });
    return app.exec();
}
