// The window's half of the program, built as a module that the launcher
// (main.cpp) loads only when no command option was given.
#include "tailfetch/cli/program_info.h"
#include "tailfetch/launcher/window_module.h"
#include "tailfetch/ui/main_window.h"

#include "common/app/start_up.h"
#include "common/ui/dialogs.h"

#include <QApplication>

#include <type_traits>

extern "C" Q_DECL_EXPORT int tailfetchRunWindow(int* argc, char** argv)
{
    QApplication app(*argc, argv);
    const suite::StartUp start = suite::startProgram(tailfetch::programInfo());
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

// The launcher calls it through this type, by the name kWindowEntryName.
static_assert(std::is_same_v<decltype(&tailfetchRunWindow), tailfetch::WindowEntry>);
