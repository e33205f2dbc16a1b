#include "common/ui/recent_files.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace suite {

RecentFiles::RecentFiles(QMenu* menu, RecentFilesSettings settings, QObject* parent)
    : QObject(parent), menu_(menu), settings_(std::move(settings))
{
    fill();
}

QStringList RecentFiles::paths() const
{
    if (settings_.settingsFile.isEmpty())
        return {};
    QStringList stored =
        QSettings(settings_.settingsFile, QSettings::IniFormat).value(settings_.key).toStringList();
    // A list edited by hand may be longer than the menu takes.
    while (stored.size() > settings_.limit)
        stored.removeLast();
    return stored;
}

void RecentFiles::remember(const QString& path)
{
    if (settings_.settingsFile.isEmpty() || path.isEmpty())
        return;
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList recent = paths();
    recent.removeAll(full);
    recent.prepend(full);
    while (recent.size() > settings_.limit)
        recent.removeLast();
    QSettings(settings_.settingsFile, QSettings::IniFormat).setValue(settings_.key, recent);
    fill();
}

void RecentFiles::fill()
{
    if (menu_ == nullptr)
        return;
    // The entry being triggered may be the one that asked for this refill:
    // the old entries go once their signals are done.
    for (QAction* old : menu_->actions()) {
        menu_->removeAction(old);
        old->setObjectName(QString());
        old->deleteLater();
    }
    const QStringList recent = paths();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* action = menu_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        action->setObjectName(settings_.actionPrefix + QString::number(i + 1));
        connect(action, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    menu_->setEnabled(!recent.isEmpty());
}

} // namespace suite
