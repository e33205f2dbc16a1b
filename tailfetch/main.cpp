#include "tailfetch/cli/command_line.h"
#include "tailfetch/ui/main_window.h"

#include "common/app/start_up.h"
#include "common/ui/dialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (const auto code = tailfetch::runCommandLine(argc, argv))
        return *code;
    const suite::ProgramInfo info{
        QStringLiteral("tailfetch"),
        QStringLiteral(
            "Completes a file whose download stopped part-way, with an HTTP range request."),
        suite::ProgramArgument::Url,
        suite::WindowLanguage::Portuguese,
        true,
        tailfetch::commandsHelp()};
    if (const auto answered = suite::answerWithoutWindows(info, argc, argv))
        return *answered;

    QApplication app(argc, argv);
    const suite::StartUp start = suite::startProgram(info);
    if (start.exitNow)
        return *start.exitNow;

    // Hidden in the tray, the window is not visible; the program ends only
    // when the window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    suite::QtDialogs dialogs;
    tailfetch::MainWindow window(start.programDir, dialogs);
    QObject::connect(&window, &tailfetch::MainWindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // After the window has read its settings, so the given address wins over
    // the remembered one.
    if (!start.argument.isEmpty())
        window.setUrl(start.argument);
    window.show();
    return app.exec();
}
