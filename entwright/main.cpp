#include "ui/frm_main.h"

#include "common/app/start_up.h"
#include "common/ui/dialogs.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Entwright"));
    const suite::StartUp start = suite::startProgram(
        {QStringLiteral("entwright"),
         QStringLiteral("Edits the entity list (.ent) of a Half-Life map; exports and imports it "
                        "through ripent."),
         suite::ProgramArgument::File, suite::WindowLanguage::English});
    if (start.exitNow)
        return *start.exitNow;

    suite::QtDialogs dialogs;
    frmMain window(start.programDir, dialogs);
    window.show();
    if (!start.argument.isEmpty())
        QTimer::singleShot(0, &window, [&window, path = start.argument] { window.openFile(path); });
    return QApplication::exec();
}
