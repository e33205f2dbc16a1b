#include "program_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace suite {

QString chooseProgramDir(const QString& executableDir, const QString& userDataDir,
                         const std::function<bool(const QString&)>& canWrite)
{
    if (canWrite(executableDir) || userDataDir.isEmpty())
        return executableDir;
    // A folder that cannot be made is still the right answer: the program
    // then reports its own failure to write there, as it would anywhere.
    QDir().mkpath(userDataDir);
    return QDir::cleanPath(userDataDir);
}

bool canCreateFilesIn(const QString& dir)
{
    if (!QFileInfo(dir).isDir())
        return false;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".write-test-XXXXXX")));
    return probe.open();
}

QString programDir()
{
    return chooseProgramDir(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                            canCreateFilesIn);
}

} // namespace suite
