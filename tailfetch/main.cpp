#include "ui/main_window.h"

#include "common/ui/dialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Hidden in the tray, the window is not visible; the program ends only
    // when the window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    suite::QtDialogs dialogs;
    tailfetch::MainWindow window(QCoreApplication::applicationDirPath(), dialogs);
    QObject::connect(&window, &tailfetch::MainWindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
