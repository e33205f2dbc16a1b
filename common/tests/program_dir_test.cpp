#include "common/app/program_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ProgramDirTest : public ::testing::Test {
protected:
    QTemporaryDir root_;
    QString exeDir() const { return root_.filePath(QStringLiteral("bin")); }
    QString dataDir() const
    {
        return root_.filePath(QStringLiteral("home/.local/share/probegrid"));
    }
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(exeDir())); }
};

TEST_F(ProgramDirTest, AWritableExecutableFolderIsTheProgramDirectory)
{
    QStringList asked;
    const QString chosen = suite::chooseProgramDir(exeDir(), dataDir(), [&](const QString& dir) {
        asked << dir;
        return true;
    });
    EXPECT_EQ(chosen, exeDir());
    EXPECT_EQ(asked, QStringList{exeDir()});
    // Nothing is made in the user's folder for a portable copy.
    EXPECT_FALSE(QFileInfo::exists(dataDir()));
}

TEST_F(ProgramDirTest, AReadOnlyExecutableFolderGivesTheUserDataFolderMadeOnFirstUse)
{
    const auto readOnly = [&](const QString& dir) { return dir != exeDir(); };
    const QString chosen = suite::chooseProgramDir(exeDir(), dataDir(), readOnly);
    EXPECT_EQ(chosen, QDir::cleanPath(dataDir()));
    EXPECT_TRUE(QFileInfo(dataDir()).isDir());

    // A second start finds the folder and what the first left in it.
    QFile record(QDir(chosen).filePath(QStringLiteral("recorde.dat")));
    ASSERT_TRUE(record.open(QIODevice::WriteOnly));
    record.close();
    EXPECT_EQ(suite::chooseProgramDir(exeDir(), dataDir(), readOnly), chosen);
    EXPECT_TRUE(record.exists());
}

TEST_F(ProgramDirTest, WithoutAUserDataFolderTheExecutableFolderStays)
{
    EXPECT_EQ(suite::chooseProgramDir(exeDir(), QString(), [](const QString&) { return false; }),
              exeDir());
}

TEST_F(ProgramDirTest, TheWriteProbeCreatesAFileAndLeavesNothingBehind)
{
    EXPECT_TRUE(suite::canCreateFilesIn(exeDir()));
    EXPECT_TRUE(
        QDir(exeDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_FALSE(suite::canCreateFilesIn(root_.filePath(QStringLiteral("missing"))));

    QFile plainFile(root_.filePath(QStringLiteral("file")));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();
    EXPECT_FALSE(suite::canCreateFilesIn(plainFile.fileName()));
}

} // namespace
