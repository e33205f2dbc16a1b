#include "ui/frm_main.h"

#include "common/ui/dialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Entwright"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));

    suite::QtDialogs dialogs;
    frmMain window(QCoreApplication::applicationDirPath(), dialogs);
    window.show();
    return QApplication::exec();
}
