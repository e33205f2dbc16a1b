#pragma once

#include <QString>
#include <QStringList>

namespace texpeek {

// The files opened last, newest first, kept in `texpeek.ini` in the
// program's folder so that they outlive the window. Without a program
// folder nothing is kept.
class RecentFiles {
public:
    static constexpr int kCount = 8;

    explicit RecentFiles(const QString& programDir);

    QStringList paths() const;
    // Puts `path` first, dropping an earlier mention and the oldest beyond
    // kCount.
    void remember(const QString& path);

private:
    QString settingsPath_;
};

} // namespace texpeek
