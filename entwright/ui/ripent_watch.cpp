#include "entwright/ui/ripent_watch.h"

#include "common/ui/dialogs.h"

#include <QDir>
#include <QWidget>

RipentWatch::RipentWatch(QProcess* process, const QString& map, suite::Dialogs& dialogs,
                         QWidget* owner)
    : QObject(owner), process_(process), map_(map), dialogs_(dialogs), owner_(owner)
{
    process_->setParent(this);
    connect(process_, &QProcess::finished, this, &RipentWatch::finished);
}

RipentWatch::~RipentWatch()
{
    // Deleting a running QProcess kills it, and a ripent stopped half-way
    // through writing a map ruins the map. When Entwright closes first, the
    // tool is let go to finish on its own, as it was before it was watched.
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->disconnect(this);
        process_->setParent(nullptr);
        process_ = nullptr;
    }
}

void RipentWatch::finished(int exitCode, QProcess::ExitStatus status)
{
    const QString map = QDir::toNativeSeparators(map_);
    if (status == QProcess::CrashExit) {
        dialogs_.message(owner_, suite::MessageIcon::Critical, tr("Error"),
                         tr("ripent crashed while working on \"%1\".").arg(map));
    } else if (exitCode != 0) {
        dialogs_.message(
            owner_, suite::MessageIcon::Critical, tr("Error"),
            tr("ripent ended with exit code %1 while working on \"%2\".").arg(exitCode).arg(map));
    }
    deleteLater();
}
