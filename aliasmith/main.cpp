#include "aliasmith/ui/main_window.h"

#include "common/app/start_up.h"
#include "common/ui/dialogs.h"
#include "common/ui/language.h"

#include <QApplication>

int main(int argc, char** argv)
{
    const suite::ProgramInfo info{
        QStringLiteral("aliasmith"),
        QStringLiteral(
            "Keeps profiles of friends' addresses and writes one into Hamachi's aliases.txt."),
        suite::ProgramArgument::None,
        suite::WindowLanguage::English,
        true,
        {}};
    if (const auto answered = suite::answerWithoutWindows(info, argc, argv))
        return *answered;

    QApplication app(argc, argv);
    // The desktop's language (or --lang) for a first start; am.ini, read by
    // the window, then wins, and --lang over both.
    const suite::StartUp start = suite::startProgram(info);
    if (start.exitNow)
        return *start.exitNow;

    suite::QtDialogs dialogs;
    aliasmith::MainWindow window(start.programDir, dialogs);
    if (!start.language.isEmpty())
        window.chooseLanguage(start.language == suite::kPortuguese ? aliasmith::Language::Portuguese
                                                                   : aliasmith::Language::English);
    window.show();
    return app.exec();
}
