#include "cli/command_line.h"
#include "ui/frm_main.h"

#include "common/app/start_up.h"
#include "common/ui/dialogs.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    if (const std::optional<int> done = entwright::runCommandLine(argc, argv))
        return *done;
    const suite::ProgramInfo info{
        QStringLiteral("entwright"),
        QStringLiteral(
            "Edits the entities of a Half-Life map, in an .ent file or in the .bsp itself."),
        suite::ProgramArgument::File,
        suite::WindowLanguage::English,
        true,
        entwright::commandsHelp()};
    if (const auto answered = suite::answerWithoutWindows(info, argc, argv))
        return *answered;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Entwright"));
    const suite::StartUp start = suite::startProgram(info);
    if (start.exitNow)
        return *start.exitNow;

    suite::QtDialogs dialogs;
    frmMain window(start.programDir, dialogs);
    window.show();
    if (!start.argument.isEmpty())
        QTimer::singleShot(0, &window, [&window, path = start.argument] { window.openFile(path); });
    return QApplication::exec();
}
