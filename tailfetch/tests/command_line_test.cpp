// The installed command line as scripts run it: `tailfetch --complete`
// against real servers started on loopback, judged by its exit status.
#include "tailfetch/tests/test_server.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <utility>

namespace tailfetch {
namespace {

using testing::Nginx;

struct CommandOutcome {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

class CommandLineTest : public ::testing::Test {
protected:
    QTemporaryDir dir_;
    const QByteArray original_ = testing::noise(2'000'000, 0x9E3779B9u);
    const QByteArray sum_ = QCryptographicHash::hash(original_, QCryptographicHash::Sha256).toHex();

    QString path(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Standard error is a pipe here, not a terminal: no progress lines.
    // `language` is the desktop's (LANG); by default one of neither language.
    static CommandOutcome tailfetch(const QStringList& arguments,
                                    const QString& language = QStringLiteral("C"),
                                    const QList<std::pair<QString, QString>>& more = {})
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LANG"), language);
        for (const auto& [name, value] : more)
            environment.insert(name, value);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TAILFETCH_PROGRAM), arguments);
        CommandOutcome run;
        if (!process.waitForFinished(60000))
            return run;
        run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        return run;
    }

    // Every shared object the program loads, at start or later (Qt's
    // plugins, the window's module), as the dynamic loader reports them.
    struct Traced {
        CommandOutcome run;
        QStringList loaded;
    };
    Traced traced(const QStringList& arguments,
                  const QList<std::pair<QString, QString>>& more = {}) const
    {
        const QString folder = path(QStringLiteral("loader-%1").arg(++traces_));
        QDir().mkpath(folder);
        auto environment = more;
        environment.append({QStringLiteral("LD_DEBUG"), QStringLiteral("files")});
        environment.append({QStringLiteral("LD_DEBUG_OUTPUT"), folder + QStringLiteral("/trace")});
        Traced result{tailfetch(arguments, QStringLiteral("C"), environment), {}};
        // One file a process: "trace.<pid>"; lines "file=<object> [0];  needed by ..."
        // or "...; dynamically loaded by ...".
        for (const QString& name : QDir(folder).entryList(QDir::Files)) {
            QFile file(QDir(folder).filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            for (const QByteArray& line : file.readAll().split('\n')) {
                const qsizetype at = line.indexOf("file=");
                if (at < 0)
                    continue;
                const QByteArray object = line.mid(at + 5).split(' ').first();
                if (!result.loaded.contains(QString::fromLocal8Bit(object)))
                    result.loaded.append(QString::fromLocal8Bit(object));
            }
        }
        return result;
    }
    static QStringList matching(const QStringList& loaded, const QStringList& parts)
    {
        QStringList found;
        for (const QString& object : loaded)
            for (const QString& part : parts)
                if (object.contains(part))
                    found.append(object);
        return found;
    }

    mutable int traces_ = 0;
};

TEST_F(CommandLineTest, CompletesFromNginxAndTellsTheOutcomeByItsStatus)
{
    Nginx nginx;
    const QString why = nginx.start();
    ASSERT_TRUE(why.isEmpty()) << why.toStdString();
    nginx.addFile(QStringLiteral("f.bin"), original_);
    const QString url = nginx.url(QStringLiteral("f.bin"));

    write("f.bin", original_.left(700'000));
    CommandOutcome run =
        tailfetch({"--complete", path("f.bin"), url, "--sha256", QString::fromLatin1(sum_)});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("verificado")) << run.out.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_TRUE(read("f.bin") == original_);

    // The missing bytes into a new file; the incomplete one stays.
    write("f.bin", original_.left(700'000));
    run = tailfetch({"--complete", path("f.bin"), url, "--new", path("rest.bin")});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(read("rest.bin") == original_.mid(699'999));
    EXPECT_TRUE(read("f.bin") == original_.left(700'000));

    // A sum that differs: 3, and the completed bytes are kept.
    run = tailfetch({"--complete", path("f.bin"), url, "--sha256", QString(64, QLatin1Char('0'))});
    EXPECT_EQ(run.code, 3);
    EXPECT_TRUE(run.err.contains("não confere")) << run.err.toStdString();
    // Run again on an English desktop: the file is whole now, said in
    // English with the figures the English way.
    run = tailfetch({"--complete", path("f.bin"), url, "--sha256", QString(64, QLatin1Char('0'))},
                    QStringLiteral("en_US.UTF-8"));
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains("Nothing to download")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("2,000,000 bytes")) << run.err.toStdString();

    // Another version held: 3, nothing written.
    QByteArray other = original_.left(700'000);
    other[690'000] = static_cast<char>(~other[690'000]);
    write("f.bin", other);
    run = tailfetch({"--complete", path("f.bin"), url});
    EXPECT_EQ(run.code, 3);
    EXPECT_TRUE(read("f.bin") == other);

    // A transfer that fails: 1.
    run = tailfetch({"--complete", path("f.bin"), nginx.url(QStringLiteral("gone.bin"))});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains("404")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

TEST_F(CommandLineTest, BadArgumentsAreRefusedWithTwoAndChangeNothing)
{
    write("f.bin", "01234");
    write("taken.bin", "kept");
    const QString url = QStringLiteral("http://127.0.0.1:%1/f").arg(testing::freePort());
    for (const QStringList& arguments : QList<QStringList>{
             {"--complete", path("f.bin")},
             {"--complete", path("missing.bin"), url},
             {"--complete", path("f.bin"), "ftp://example.org/f"},
             {"--complete", path("f.bin"), url, "--sha256", "abc"},
             {"--complete", path("f.bin"), url, "--new", path("taken.bin")},
             {"--complete", path("f.bin"), url, "--no-such-option"},
         }) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CommandOutcome run = tailfetch(arguments);
        EXPECT_EQ(run.code, 2);
        EXPECT_TRUE(run.err.contains("tailfetch --help"));
    }
    EXPECT_EQ(read("f.bin"), "01234");
    EXPECT_EQ(read("taken.bin"), "kept");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 2);
    // Nothing listens there: the transfer fails, and the file is as it was.
    EXPECT_EQ(tailfetch({"--complete", path("f.bin"), url}).code, 1);
    EXPECT_EQ(read("f.bin"), "01234");
}

TEST_F(CommandLineTest, CompletesFromPythonsServerThatIgnoresRanges)
{
    if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    QDir(dir_.path()).mkpath(QStringLiteral("www"));
    write(QStringLiteral("www/f.bin"), original_);
    const quint16 port = testing::freePort();
    testing::ServerProcess server;
    const QString why = server.start(QStringLiteral("python3"),
                                     {"-m", "http.server", "--bind", "127.0.0.1", "--directory",
                                      path("www"), QString::number(port)},
                                     port);
    ASSERT_TRUE(why.isEmpty()) << why.toStdString();
    const QString url = QStringLiteral("http://127.0.0.1:%1/f.bin").arg(port);

    write("f.bin", original_.left(1'500'000));
    CommandOutcome run =
        tailfetch({"--complete", path("f.bin"), url, "--sha256", QString::fromLatin1(sum_)});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(read("f.bin") == original_);

    // Every present byte is compared on the way, not only the last ones.
    QByteArray other = original_.left(1'500'000);
    other[5] = static_cast<char>(~other[5]);
    write("f.bin", other);
    run = tailfetch({"--complete", path("f.bin"), url});
    EXPECT_EQ(run.code, 3);
    EXPECT_TRUE(run.err.contains("deslocamento 5")) << run.err.toStdString();
    EXPECT_TRUE(read("f.bin") == other);
}

TEST_F(CommandLineTest, RunsWithoutTheWindowsLibrariesAndPlainHttpWithoutTls)
{
    const QStringList window{"libQt6Widgets", "libQt6Gui", "tailfetch_window"};
    const QStringList tls{"libssl", "/tls/"};

    for (const QStringList& arguments : QList<QStringList>{{"--version"}, {"--help"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Traced answered = traced(arguments);
        EXPECT_EQ(answered.run.code, 0);
        // The trace itself works: Qt Core is in it.
        EXPECT_FALSE(matching(answered.loaded, {"libQt6Core"}).isEmpty());
        EXPECT_EQ(matching(answered.loaded, window), QStringList());
    }

    // A whole completion over plain http, with the lists of sums looked for
    // beside the file and the file hashed.
    Nginx nginx;
    const QString why = nginx.start();
    ASSERT_TRUE(why.isEmpty()) << why.toStdString();
    nginx.addFile(QStringLiteral("f.bin"), original_);
    nginx.addFile(QStringLiteral("SHA256SUMS"), sum_ + "  f.bin\n");
    write("f.bin", original_.left(700'000));
    const Traced completed = traced({"--complete", path("f.bin"), nginx.url("f.bin")});
    EXPECT_EQ(completed.run.code, 0) << completed.run.err.toStdString();
    EXPECT_TRUE(completed.run.out.contains("verificado (SHA-256 de SHA256SUMS)"))
        << completed.run.out.toStdString();
    EXPECT_TRUE(read("f.bin") == original_);
    EXPECT_FALSE(matching(completed.loaded, {"libQt6Network"}).isEmpty());
    EXPECT_EQ(matching(completed.loaded, window + tls), QStringList());

    // The window's own start-up reads the rest of the command line: its
    // module is found beside the program and loaded, with Qt's widgets.
    const Traced windowed = traced({"--no-such-option"}, {{"QT_QPA_PLATFORM", "offscreen"}});
    EXPECT_EQ(windowed.run.code, 2);
    EXPECT_TRUE(windowed.run.err.contains("tailfetch: Unknown option 'no-such-option'"))
        << windowed.run.err.toStdString();
    EXPECT_FALSE(matching(windowed.loaded, {"tailfetch_window"}).isEmpty());
    EXPECT_FALSE(matching(windowed.loaded, {"libQt6Widgets"}).isEmpty());
}

} // namespace
} // namespace tailfetch
