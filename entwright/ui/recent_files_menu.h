#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;

// The File menu's list of recently opened files, newest first, kept in
// entwright.ini in the program's directory like the suite's other settings.
// Without a program directory nothing is kept.
class RecentFilesMenu final : public QObject {
    Q_OBJECT

public:
    RecentFilesMenu(QMenu* menu, const QString& programDir);

    void remember(const QString& path);
    QStringList files() const;

signals:
    void chosen(const QString& path);

private:
    void fill();

    QMenu* menu_;
    QString settingsFile_;
};
