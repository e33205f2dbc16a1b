#include "entwright/cli/command_line.h"
#include "entwright/ui/frm_main.h"

#include "common/app/start_up.h"
#include "common/ui/dialogs.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

#include <cstring>

namespace {

// Takes every `--fgd FILE` (or `--fgd=FILE`) out of the command line: game
// data the window loads at start, which the common start-up does not know.
QStringList takeGameDataFiles(int& argc, char** argv)
{
    QStringList files;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fgd") == 0 && i + 1 < argc) {
            files.append(QString::fromLocal8Bit(argv[++i]));
            continue;
        }
        if (std::strncmp(argv[i], "--fgd=", 6) == 0) {
            files.append(QString::fromLocal8Bit(argv[i] + 6));
            continue;
        }
        argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
    return files;
}

} // namespace

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

    const QStringList gameData = takeGameDataFiles(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Entwright"));
    const suite::StartUp start = suite::startProgram(info);
    if (start.exitNow)
        return *start.exitNow;

    suite::QtDialogs dialogs;
    frmMain window(start.programDir, dialogs);
    window.show();
    if (!gameData.isEmpty())
        window.loadGameData(gameData);
    if (!start.argument.isEmpty())
        QTimer::singleShot(0, &window, [&window, path = start.argument] { window.openFile(path); });
    return QApplication::exec();
}
