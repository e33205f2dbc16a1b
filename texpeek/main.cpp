#include "ui/main_window.h"

#include "common/ui/dialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    suite::QtDialogs dialogs;
    texpeek::MainWindow window(QCoreApplication::applicationDirPath(), dialogs);
    window.show();
    return app.exec();
}
