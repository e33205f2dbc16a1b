#include "common/app/start_up.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const suite::ProgramInfo kViewer{QStringLiteral("texpeek"),
                                 QStringLiteral("Views images."),
                                 suite::ProgramArgument::File,
                                 suite::WindowLanguage::Portuguese,
                                 true,
                                 {}};
const suite::ProgramInfo kGame{QStringLiteral("probegrid"),
                               QStringLiteral("A game."),
                               suite::ProgramArgument::None,
                               suite::WindowLanguage::Portuguese,
                               true,
                               {}};
const suite::ProgramInfo kFetcher{QStringLiteral("tailfetch"),
                                  QStringLiteral("Completes files."),
                                  suite::ProgramArgument::Url,
                                  suite::WindowLanguage::Portuguese,
                                  true,
                                  {}};

suite::CommandLineOutcome read(const suite::ProgramInfo& info, QStringList arguments)
{
    arguments.prepend(info.name);
    return suite::readCommandLine(info, arguments);
}

TEST(CommandLine, HelpAndVersionPrintAndEndWithoutAWindow)
{
    const auto help = read(kViewer, {QStringLiteral("--help")});
    EXPECT_FALSE(help.start.has_value());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("Views images.")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("--version")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("[file]")));
    EXPECT_TRUE(help.err.isEmpty());

    const auto version = read(kGame, {QStringLiteral("--version")});
    EXPECT_FALSE(version.start.has_value());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("probegrid " SUITE_VERSION "\n"));
}

TEST(CommandLine, MistakesAreNamedOnStandardErrorWithANonZeroCode)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("gone.dds"));
    const struct {
        suite::ProgramInfo info;
        QStringList arguments;
        QString named;
    } cases[] = {
        {kViewer, {QStringLiteral("--bogus")}, QStringLiteral("bogus")},
        {kViewer, {missing}, missing},
        {kViewer, {dir.path()}, QStringLiteral("folder")},
        {kGame, {QStringLiteral("extra")}, QStringLiteral("extra")},
        {kFetcher,
         {QStringLiteral("http://a/"), QStringLiteral("http://b/")},
         QStringLiteral("http://b/")},
    };
    for (const auto& c : cases) {
        const auto outcome = read(c.info, c.arguments);
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_FALSE(outcome.start.has_value());
        EXPECT_NE(outcome.exitCode, 0);
        EXPECT_TRUE(outcome.out.isEmpty());
        EXPECT_TRUE(outcome.err.startsWith(c.info.name + QStringLiteral(": ")))
            << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(c.named)) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(QStringLiteral("--help")));
    }
}

TEST(CommandLine, AnExistingFileOrAnyUrlStartsTheWindowWithIt)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("picture.dds")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    // A relative path is made whole: the window may look for it from elsewhere.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const auto viewer = read(kViewer, {QStringLiteral("picture.dds")});
    QDir::setCurrent(previous);
    ASSERT_TRUE(viewer.start.has_value());
    EXPECT_EQ(viewer.start->argument, QFileInfo(file.fileName()).absoluteFilePath());

    const auto fetcher = read(kFetcher, {QStringLiteral("example.com/file.zip")});
    ASSERT_TRUE(fetcher.start.has_value());
    EXPECT_EQ(fetcher.start->argument, QStringLiteral("example.com/file.zip"));

    const auto bare = read(kViewer, {});
    ASSERT_TRUE(bare.start.has_value());
    EXPECT_TRUE(bare.start->argument.isEmpty());
    EXPECT_TRUE(bare.err.isEmpty());
}

} // namespace
