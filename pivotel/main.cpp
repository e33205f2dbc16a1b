#include "ui/form1.h"

#include "common/app/start_up.h"
#include "common/ui/dialogs.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const suite::StartUp start = suite::startProgram(
        {QStringLiteral("pivotel"),
         QStringLiteral("Changes the orientation type of a Half-Life sprite (.spr)."),
         suite::ProgramArgument::File, suite::WindowLanguage::English, false});
    if (start.exitNow)
        return *start.exitNow;

    suite::QtDialogs dialogs;
    pivotel::Form1 window(dialogs);
    window.show();
    if (!start.argument.isEmpty())
        QTimer::singleShot(0, &window, [&window, path = start.argument] { window.openFile(path); });
    return app.exec();
}
