#include "ui/form1.h"

#include "common/ui/dialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    suite::QtDialogs dialogs;
    pivotel::Form1 window(dialogs);
    window.show();
    return app.exec();
}
