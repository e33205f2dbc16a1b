#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

class QWidget;

namespace suite {
class Dialogs;
}

// Watches a started ripent to its end and tells the user when it crashed or
// ended with an error code; the window that started it may be gone by then.
// Deletes itself, with the process, once the tool has ended.
class RipentWatch final : public QObject {
    Q_OBJECT

public:
    // Takes over `process`, which must be running.
    RipentWatch(QProcess* process, const QString& map, suite::Dialogs& dialogs, QWidget* owner);
    ~RipentWatch() override;

private:
    void finished(int exitCode, QProcess::ExitStatus status);

    QProcess* process_;
    QString map_;
    suite::Dialogs& dialogs_;
    QWidget* owner_;
};
