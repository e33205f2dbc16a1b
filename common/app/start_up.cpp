#include "start_up.h"

#include "program_dir.h"

#include "common/ui/language_switch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include <cstdio>

#ifndef SUITE_VERSION
#error "SUITE_VERSION must come from the build"
#endif

namespace suite {
namespace {

CommandLineOutcome failure(const ProgramInfo& info, const QString& why)
{
    CommandLineOutcome outcome;
    outcome.exitCode = 2;
    outcome.err =
        QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(info.name, why);
    return outcome;
}

void print(std::FILE* stream, const QString& text)
{
    if (text.isEmpty())
        return;
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

CommandLineOutcome readCommandLine(const ProgramInfo& info, const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(info.description);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption language(QStringLiteral("lang"),
                                      QStringLiteral("The language of the windows: %1.")
                                          .arg(availableLanguages().join(QStringLiteral(", "))),
                                      QStringLiteral("code"));
    parser.addOption(language);
    switch (info.argument) {
    case ProgramArgument::File:
        parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The file to open."),
                                     QStringLiteral("[file]"));
        break;
    case ProgramArgument::Url:
        parser.addPositionalArgument(QStringLiteral("url"),
                                     QStringLiteral("The address to put in the address box."),
                                     QStringLiteral("[url]"));
        break;
    case ProgramArgument::None: break;
    }

    if (!parser.parse(arguments))
        return failure(info, parser.errorText());

    CommandLineOutcome outcome;
    if (parser.isSet(help)) {
        outcome.out = parser.helpText();
        if (!info.commandsHelp.isEmpty())
            outcome.out += QLatin1Char('\n') + info.commandsHelp;
        return outcome;
    }
    if (parser.isSet(version)) {
        outcome.out = QStringLiteral("%1 %2\n").arg(info.name, QStringLiteral(SUITE_VERSION));
        return outcome;
    }

    const QStringList positional = parser.positionalArguments();
    const qsizetype allowed = info.argument == ProgramArgument::None ? 0 : 1;
    if (positional.size() > allowed) {
        return failure(info, allowed == 0
                                 ? QStringLiteral("unexpected argument '%1'").arg(positional[0])
                                 : QStringLiteral("unexpected argument '%1'").arg(positional[1]));
    }

    CommandLine command;
    if (parser.isSet(language)) {
        command.language = matchLanguage(parser.value(language));
        if (command.language.isEmpty())
            return failure(info, QStringLiteral("unknown language '%1' (known: %2)")
                                     .arg(parser.value(language),
                                          availableLanguages().join(QStringLiteral(", "))));
    }
    if (!positional.isEmpty()) {
        command.argument = positional[0];
        if (info.argument == ProgramArgument::File) {
            const QFileInfo file(command.argument);
            if (!file.exists())
                return failure(info, QStringLiteral("no such file: %1").arg(command.argument));
            if (file.isDir())
                return failure(info,
                               QStringLiteral("%1 is a folder, not a file").arg(command.argument));
            command.argument = file.absoluteFilePath();
        }
    }
    outcome.start = command;
    return outcome;
}

StartUp startProgram(const ProgramInfo& info)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(SUITE_VERSION));

    StartUp startUp;
    const CommandLineOutcome outcome = readCommandLine(info, QCoreApplication::arguments());
    print(stdout, outcome.out);
    print(stderr, outcome.err);
    if (!outcome.start) {
        startUp.exitNow = outcome.exitCode;
        return startUp;
    }
    startUp.argument = outcome.start->argument;
    startUp.language = outcome.start->language;
    if (info.keepsFiles)
        startUp.programDir = programDir();
    const QString settingsFile =
        info.keepsFiles
            ? QStringLiteral("%1/%2-language.ini").arg(startUp.programDir, info.name)
            : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("suite"),
                        info.name + QStringLiteral("-language"))
                  .fileName();
    setUpLanguages({info.name, info.language == WindowLanguage::Portuguese ? kPortuguese : kEnglish,
                    settingsFile});
    QString language = startUp.language;
    if (language.isEmpty())
        language = storedLanguage();
    if (language.isEmpty())
        language = desktopLanguage();
    switchLanguage(language);
    return startUp;
}

std::optional<int> answerWithoutWindows(const ProgramInfo& info, int& argc, char** argv)
{
    static const QStringList kAnswered{QStringLiteral("-h"), QStringLiteral("-?"),
                                       QStringLiteral("--help"), QStringLiteral("-v"),
                                       QStringLiteral("--version")};
    bool asked = false;
    for (int i = 1; i < argc; ++i)
        asked = asked || kAnswered.contains(QString::fromLocal8Bit(argv[i]));
    if (!asked)
        return std::nullopt;
    const QCoreApplication app(argc, argv);
    return startProgram(info).exitNow.value_or(0);
}

} // namespace suite
