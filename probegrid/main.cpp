#include "core/random_source.h"
#include "ui/frm_start.h"
#include "ui/session.h"

#include "common/ui/dialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    suite::QtDialogs dialogs;
    probegrid::ClockRandom random;
    probegrid::Session session(random);
    session.quit = [] { QCoreApplication::exit(0); };

    auto* start = new probegrid::FrmStart(QCoreApplication::applicationDirPath(), dialogs, session);
    start->setAttribute(Qt::WA_DeleteOnClose);
    start->show();
    return app.exec();
}
