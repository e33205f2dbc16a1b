#include "ui/main_window.h"

#include "common/app/start_up.h"
#include "common/ui/dialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    const suite::ProgramInfo info{
        QStringLiteral("aliasmith"),
        QStringLiteral(
            "Keeps profiles of friends' addresses and writes one into Hamachi's aliases.txt."),
        suite::ProgramArgument::None, suite::WindowLanguage::English};
    if (const auto answered = suite::answerWithoutWindows(info, argc, argv))
        return *answered;

    QApplication app(argc, argv);
    // The window sets Qt's own texts with its language, once it has read it.
    const suite::StartUp start = suite::startProgram(info);
    if (start.exitNow)
        return *start.exitNow;

    suite::QtDialogs dialogs;
    aliasmith::MainWindow window(start.programDir, dialogs);
    window.show();
    return app.exec();
}
