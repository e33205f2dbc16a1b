#include "tailfetch/cli/command_line.h"

#include "tailfetch/cli/terminal_progress.h"
#include "tailfetch/job/completion_job.h"
#include "tailfetch/job/web_address.h"

#include "tailfetch/core/checksums.h"

#include "common/ui/language_switch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tailfetch {
namespace {

constexpr int kUsage = 2;

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

int usage(const QString& why)
{
    print(stderr,
          QStringLiteral("tailfetch: %1\nTry 'tailfetch --help' for more information.\n").arg(why));
    return kUsage;
}

bool stderrIsTerminal()
{
#ifdef Q_OS_UNIX
    return ::isatty(STDERR_FILENO) == 1;
#else
    return false;
#endif
}

} // namespace

QString commandsHelp()
{
    return QStringLiteral(
        "Without a window:\n"
        "  tailfetch --complete FILE URL [--sha256 HEX] [--new OUT]\n"
        "      Completes FILE, a download that stopped part-way, from URL: its last\n"
        "      64 KiB are fetched again and compared first, and nothing is written\n"
        "      when they differ. With --new the missing bytes go to the new file OUT\n"
        "      (which must not exist) and FILE is left alone. The whole file is then\n"
        "      checked against HEX, or against the server's sum when it gives one.\n"
        "      Exit status: 0 complete (and verified when a sum was known), 1 the\n"
        "      transfer failed (what arrived is kept), 3 the file does not match (the\n"
        "      server has another version, or the sum differs), 2 bad arguments.\n"
        "      Progress goes to standard error when that is a terminal.\n");
}

std::optional<int> runCommandLine(int& argc, char** argv)
{
    bool asked = false;
    for (int i = 1; i < argc; ++i)
        asked = asked || std::strcmp(argv[i], "--complete") == 0;
    if (!asked)
        return std::nullopt;

    QCoreApplication app(argc, argv);
    // The job's statuses and reasons in the desktop's language; a C desktop
    // reads them as the window writes them.
    suite::setUpLanguages({QStringLiteral("tailfetch"), suite::kPortuguese, QString()});
    suite::switchLanguage(suite::desktopLanguage());
    QCommandLineParser parser;
    const QCommandLineOption complete(QStringLiteral("complete"));
    const QCommandLineOption sha256(QStringLiteral("sha256"), QString(), QStringLiteral("HEX"));
    const QCommandLineOption output(QStringLiteral("new"), QString(), QStringLiteral("OUT"));
    parser.addOptions({complete, sha256, output});
    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText());
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return usage(QStringLiteral("--complete takes FILE and URL"));

    JobRequest request;
    request.source = positional[0];
    request.url = positional[1];
    const QFileInfo source(request.source);
    if (!source.isFile())
        return usage(QStringLiteral("'%1' is not a file").arg(request.source));
    if (!WebAddress::fromText(request.url))
        return usage(QStringLiteral("'%1' is not an http:// or https:// address").arg(request.url));
    if (parser.isSet(sha256)) {
        const auto digest = ParseTypedDigest(parser.value(sha256).toStdString());
        if (!digest || digest->kind != DigestKind::Sha256)
            return usage(QStringLiteral("--sha256 takes 64 hexadecimal digits"));
        request.checksum = parser.value(sha256);
    }
    // An empty file is completed from its first byte.
    request.startByte = std::max<qint64>(source.size(), 1);
    request.inPlace = !parser.isSet(output);
    if (!request.inPlace) {
        request.destination = parser.value(output);
        // Nobody can be asked here whether it may be replaced.
        if (QFileInfo::exists(request.destination))
            return usage(QStringLiteral("'%1' exists; --new never replaces a file")
                             .arg(request.destination));
        if (QFileInfo(request.destination) == source)
            return usage(QStringLiteral("--new cannot name FILE itself"));
    }

    CompletionJob job(request);
    std::optional<TerminalProgress> shown;
    if (stderrIsTerminal())
        shown.emplace(stderr);
    int code = 1;
    QObject::connect(&job, &CompletionJob::progress, &app, [&] {
        if (shown)
            shown->transfer(job.fileHave(), job.remoteLength());
    });
    QObject::connect(&job, &CompletionJob::verifying, &app, [&](qint64 done, qint64 total) {
        if (shown)
            shown->verifying(done, total);
    });
    QObject::connect(&job, &CompletionJob::finished, &app,
                     [&](bool ok, const QString& status, const QString& message) {
                         if (shown)
                             shown->end();
                         if (ok) {
                             print(stdout, QStringLiteral("%1: %2\n").arg(job.finalName(), status));
                             if (!message.isEmpty())
                                 print(stderr, message + QLatin1Char('\n'));
                         } else {
                             print(stderr,
                                   QStringLiteral("tailfetch: %1\n%2\n").arg(status, message));
                         }
                         switch (job.outcome()) {
                         case JobOutcome::Done: code = 0; break;
                         case JobOutcome::Mismatch: code = 3; break;
                         case JobOutcome::Failed:
                         case JobOutcome::Running: code = 1; break;
                         }
                         QCoreApplication::exit(code);
                     });
    const QString why = job.start();
    if (!why.isEmpty()) {
        print(stderr, QStringLiteral("tailfetch: %1\n").arg(why));
        return 1;
    }
    QCoreApplication::exec();
    return code;
}

} // namespace tailfetch
