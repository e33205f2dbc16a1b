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

namespace tailfetch {
namespace {

using testing::Nginx;

QByteArray payload(int size)
{
    QByteArray bytes(size, '\0');
    quint32 state = 0x9E3779B9u;
    for (int i = 0; i < size; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        bytes[i] = static_cast<char>(state >> 24);
    }
    return bytes;
}

struct CommandOutcome {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

class CommandLineTest : public ::testing::Test {
protected:
    QTemporaryDir dir_;
    const QByteArray original_ = payload(2'000'000);
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
                                    const QString& language = QStringLiteral("C"))
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LANG"), language);
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

} // namespace
} // namespace tailfetch
