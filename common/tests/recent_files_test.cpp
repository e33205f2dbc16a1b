#include "common/testing/scratch_folder.h"
#include "common/ui/recent_files.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

suite::RecentFilesSettings settingsIn(const suite::testing::ScratchFolder& folder, int limit)
{
    return {QString::fromStdString((folder / "program.ini").string()), QStringLiteral("recent"),
            limit, QStringLiteral("menRecent")};
}

TEST(RecentFiles, NewestFirstWithoutRepeatsWithinTheLimitAndKeptForTheNextWindow)
{
    const suite::testing::ScratchFolder folder;
    QMenu menu;
    suite::RecentFiles recent(&menu, settingsIn(folder, 3));
    EXPECT_FALSE(menu.isEnabled());
    for (const char* name : {"/a.dds", "/b.dds", "/c.dds", "/a.dds", "/d.dds"})
        recent.remember(QString::fromLatin1(name));
    EXPECT_EQ(recent.paths(), (QStringList{"/d.dds", "/a.dds", "/c.dds"}));

    // Another list over the same file, as the next run of the program has.
    QMenu again;
    suite::RecentFiles later(&again, settingsIn(folder, 3));
    ASSERT_EQ(again.actions().size(), 3);
    EXPECT_TRUE(again.isEnabled());
    QSignalSpy chosen(&later, &suite::RecentFiles::chosen);
    auto* second = again.findChild<QAction*>(QStringLiteral("menRecent2"));
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->text().endsWith(QDir::toNativeSeparators(QStringLiteral("/a.dds"))));
    second->trigger();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toString(), "/a.dds");

    // A smaller limit in a later version shows only the newest.
    EXPECT_EQ(suite::RecentFiles(nullptr, settingsIn(folder, 2)).paths().size(), 2);
}

TEST(RecentFiles, RelativePathsAreKeptWholeAndNoFolderKeepsNothing)
{
    const suite::testing::ScratchFolder folder;
    suite::RecentFiles recent(nullptr, settingsIn(folder, 8));
    recent.remember(QStringLiteral("here.dds"));
    EXPECT_EQ(recent.paths(), QStringList{QDir::current().absoluteFilePath("here.dds")});

    suite::RecentFiles nowhere(nullptr, {QString(), QStringLiteral("recent"), 8, {}});
    nowhere.remember(QStringLiteral("/x.dds"));
    EXPECT_TRUE(nowhere.paths().isEmpty());
}

} // namespace
