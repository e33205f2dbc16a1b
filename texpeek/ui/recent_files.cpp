#include "ui/recent_files.h"

#include <QDir>
#include <QSettings>

namespace texpeek {

namespace {

const QString kKey = QStringLiteral("recentes");

} // namespace

RecentFiles::RecentFiles(const QString& programDir)
{
    if (!programDir.isEmpty())
        settingsPath_ = QDir(programDir).filePath(QStringLiteral("texpeek.ini"));
}

QStringList RecentFiles::paths() const
{
    if (settingsPath_.isEmpty())
        return {};
    const QSettings settings(settingsPath_, QSettings::IniFormat);
    return settings.value(kKey).toStringList();
}

void RecentFiles::remember(const QString& path)
{
    if (settingsPath_.isEmpty())
        return;
    QSettings settings(settingsPath_, QSettings::IniFormat);
    QStringList recent = settings.value(kKey).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kCount)
        recent.removeLast();
    settings.setValue(kKey, recent);
}

} // namespace texpeek
