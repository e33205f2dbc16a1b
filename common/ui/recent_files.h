#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;

namespace suite {

// Where a program keeps its list of recently opened files and how its menu
// names them.
struct RecentFilesSettings {
    // The settings file (INI); empty keeps nothing, as a program without a
    // folder of its own must.
    QString settingsFile;
    QString key;
    int limit = 8;
    // Each entry's action is named this prefix and its place from 1.
    QString actionPrefix;
};

// A list of recently opened files, newest first, kept in a settings file so
// that it outlives the window, and shown in a menu whose entries open them.
class RecentFiles final : public QObject {
    Q_OBJECT

public:
    // `menu` may be null when only the list is wanted.
    RecentFiles(QMenu* menu, RecentFilesSettings settings, QObject* parent = nullptr);

    QStringList paths() const;
    // Puts `path` (made absolute, so that it still names the same file after
    // the working folder changes) first, dropping an earlier mention of it
    // and the oldest beyond the limit.
    void remember(const QString& path);

signals:
    void chosen(const QString& path);

private:
    void fill();

    QMenu* menu_;
    RecentFilesSettings settings_;
};

} // namespace suite
