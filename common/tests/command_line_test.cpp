// Runs one built program the way a user's terminal does and checks what its
// command line answers; every program's main() goes through the same start-up.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Finished {
    int exitCode = -1;
    QString out;
    QString err;
};

enum class Display { Offscreen, None };

Finished run(const QStringList& arguments, Display display = Display::Offscreen)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (display == Display::Offscreen) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    } else {
        // As in a terminal with no window system to reach: Qt's default
        // platform would fail to start.
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(name));
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PROGRAM_PATH), arguments);
    Finished result;
    // A program that opened its window instead of answering never ends.
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << PROGRAM_NAME " did not end for " << arguments.join(' ').toStdString();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

TEST(CommandLine, VersionAndHelpAnswerAndEnd)
{
    const Finished version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral(PROGRAM_NAME " " SUITE_VERSION "\n"));

    const Finished help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--version"))) << help.out.toStdString();
#if defined(PROGRAM_ARGUMENT_File)
    EXPECT_TRUE(help.out.contains(QStringLiteral("[file]"))) << help.out.toStdString();
#elif defined(PROGRAM_ARGUMENT_Url)
    EXPECT_TRUE(help.out.contains(QStringLiteral("[url]"))) << help.out.toStdString();
#endif
}

TEST(CommandLine, VersionAndHelpNeedNoWindowSystem)
{
    const Finished version = run({QStringLiteral("--version")}, Display::None);
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, QStringLiteral(PROGRAM_NAME " " SUITE_VERSION "\n"));

    const Finished help = run({QStringLiteral("-h")}, Display::None);
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--help"))) << help.out.toStdString();
}

TEST(CommandLine, MistakesEndWithAMessageAndANonZeroCode)
{
    QTemporaryDir dir;
    QList<QStringList> mistakes{{QStringLiteral("--no-such-option")}};
#if defined(PROGRAM_ARGUMENT_File)
    mistakes.append({dir.filePath(QStringLiteral("missing.file"))});
#elif defined(PROGRAM_ARGUMENT_Url)
    mistakes.append({QStringLiteral("http://a.example/"), QStringLiteral("http://b.example/")});
#else
    mistakes.append({QStringLiteral("unexpected")});
#endif
    for (const QStringList& arguments : mistakes) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Finished mistake = run(arguments);
        EXPECT_NE(mistake.exitCode, 0);
        EXPECT_TRUE(mistake.out.isEmpty());
        // Qt may warn about the environment first; the program's own line
        // names it and the mistake.
        const QStringList lines = mistake.err.split(QLatin1Char('\n'));
        const auto own = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
            return line.startsWith(QStringLiteral(PROGRAM_NAME ": "));
        });
        ASSERT_NE(own, lines.end()) << mistake.err.toStdString();
        EXPECT_TRUE(own->contains(arguments.last().section(QLatin1Char('-'), -1)))
            << own->toStdString();
    }
}

} // namespace
