#include "ui/recent_files_menu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

constexpr int kRecentCount = 8;
const QString kKey = QStringLiteral("recent");

} // namespace

RecentFilesMenu::RecentFilesMenu(QMenu* menu, const QString& programDir)
    : QObject(menu), menu_(menu),
      settingsFile_(programDir.isEmpty()
                        ? QString()
                        : QDir(programDir).filePath(QStringLiteral("entwright.ini")))
{
    fill();
}

QStringList RecentFilesMenu::files() const
{
    if (settingsFile_.isEmpty())
        return {};
    return QSettings(settingsFile_, QSettings::IniFormat).value(kKey).toStringList();
}

void RecentFilesMenu::remember(const QString& path)
{
    if (settingsFile_.isEmpty())
        return;
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList recent = files();
    recent.removeAll(full);
    recent.prepend(full);
    while (recent.size() > kRecentCount)
        recent.removeLast();
    QSettings(settingsFile_, QSettings::IniFormat).setValue(kKey, recent);
    fill();
}

void RecentFilesMenu::fill()
{
    menu_->clear();
    const QStringList recent = files();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* action = menu_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        action->setObjectName(QStringLiteral("menRecent%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    menu_->setEnabled(!recent.isEmpty());
}
