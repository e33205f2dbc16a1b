#include "probegrid/cli/daily_option.h"
#include "probegrid/core/random_source.h"
#include "probegrid/ui/daily_board.h"
#include "probegrid/ui/frm_start.h"
#include "probegrid/ui/session.h"

#include "common/app/start_up.h"
#include "common/ui/dialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    const probegrid::DailyOption daily = probegrid::takeDailyOption(argc, argv);
    if (daily.exitCode)
        return *daily.exitCode;

    const suite::ProgramInfo info{
        QStringLiteral("probegrid"),
        QStringLiteral(
            "A deduction game: find the items hidden in the board by firing rays into it."),
        suite::ProgramArgument::None,
        suite::WindowLanguage::Portuguese,
        true,
        QString::fromUtf8(probegrid::kDailyHelp)};
    if (const auto answered = suite::answerWithoutWindows(info, argc, argv))
        return *answered;

    QApplication app(argc, argv);
    const suite::StartUp start = suite::startProgram(info);
    if (start.exitNow)
        return *start.exitNow;

    suite::QtDialogs dialogs;
    probegrid::ClockRandom random;
    probegrid::Session session(random);
    session.quit = [] { QCoreApplication::exit(0); };

    if (daily.date) {
        probegrid::openDailyFromCommandLine(start.programDir, dialogs, session, *daily.date);
    } else {
        auto* frmStart = new probegrid::FrmStart(start.programDir, dialogs, session);
        frmStart->setAttribute(Qt::WA_DeleteOnClose);
        frmStart->show();
    }
    return app.exec();
}
