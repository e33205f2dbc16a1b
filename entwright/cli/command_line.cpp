#include "entwright/cli/command_line.h"

#include "entwright/core/bsp_map.h"
#include "entwright/core/entity_file.h"
#include "entwright/core/fgd_model.h"
#include "entwright/core/map_check.h"
#include "entwright/core/ripent.h"
#include "common/ui/text.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace entwright {
namespace {

constexpr int kDone = 0;
constexpr int kProblems = 1;
constexpr int kUnreadable = 2;

// Messages carry file names as typed and texts from the files as their own
// bytes, so they are put together as bytes, never decoded.
class Printer {
public:
    explicit Printer(CommandOutput& output) : output_(output) {}

    void out(const std::string& line) { append(output_.out, line); }
    void err(const std::string& line) { append(output_.err, line); }

private:
    static void append(QByteArray& to, const std::string& line)
    {
        to.append(line.data(), static_cast<qsizetype>(line.size()));
        to.append('\n');
    }
    CommandOutput& output_;
};

std::string shown(const QString& path)
{
    return path.toLocal8Bit().toStdString();
}

int misuse(Printer& print, const std::string& why)
{
    print.err("entwright: " + why + "\nTry 'entwright --help'.");
    return kUnreadable;
}

bool readCount(const QCommandLineParser& parser, const char* name, std::size_t& into)
{
    const QString option = QString::fromLatin1(name);
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const qulonglong value = parser.value(option).toULongLong(&ok);
    if (!ok || value == 0)
        return false;
    into = static_cast<std::size_t>(value);
    return true;
}

int runCheck(const QCommandLineParser& parser, const QString& map, Printer& print)
{
    ent::CheckOptions options;
    if (parser.isSet(QStringLiteral("limits"))) {
        const std::string name = parser.value(QStringLiteral("limits")).toStdString();
        const std::optional<ent::EngineLimits> profile = ent::FindLimitProfile(name);
        if (!profile)
            return misuse(print, "there is no limits profile named '" + name + "'");
        options.limits = *profile;
    }
    for (const char* name : {"max-entities", "max-key-length", "max-value-length"}) {
        std::size_t& field = std::strcmp(name, "max-entities") == 0 ? options.limits.maxEntities
                             : std::strcmp(name, "max-key-length") == 0
                                 ? options.limits.maxKeyLength
                                 : options.limits.maxValueLength;
        if (!readCount(parser, name, field))
            return misuse(print, std::string("--") + name + " takes a whole number above 0");
    }

    ent::GameData data;
    for (const QString& fgd : parser.values(QStringLiteral("fgd"))) {
        const std::size_t before = data.problems().size();
        const bool whole = data.loadFile(suite::toPath(fgd));
        const std::vector<ent::FgdProblem> problems = data.problems();
        if (!whole && problems.size() > before && problems[before].line == 0 &&
            problems[before].file == suite::toPath(fgd).string()) {
            print.err("entwright: " + shown(fgd) +
                      ": cannot read the game data: " + problems[before].text);
            return kUnreadable;
        }
        // Faults in the game data are its own, not the map's: they go to
        // the error stream and do not count as the map's problems.
        for (std::size_t i = before; i < problems.size(); ++i)
            print.err(problems[i].file +
                      (problems[i].line ? ":" + std::to_string(problems[i].line) : std::string()) +
                      ": warning: " + problems[i].text);
    }
    options.gameData = data.empty() ? nullptr : &data;

    const std::string file = shown(map);
    ent::ReadReport report;
    const std::optional<ent::EntityTable> table = ent::ReadMapEntities(suite::toPath(map), &report);
    if (!table) {
        if (report.error == ent::ReadError::CannotRead || report.error == ent::ReadError::NotAMap) {
            print.err("entwright: " + file + ": " + ent::DescribeReadFailure(report));
            return kUnreadable;
        }
        const std::vector<ent::CheckProblem> problems{ent::LoadFailureProblem(report)};
        print.out(ent::FormatCheckProblem(file, problems.front()));
        print.out(ent::CheckSummary(file, problems));
        return kProblems;
    }
    const std::vector<ent::CheckProblem> problems = ent::CheckEntities(*table, options, &report);
    for (const ent::CheckProblem& problem : problems)
        print.out(ent::FormatCheckProblem(file, problem));
    print.out(ent::CheckSummary(file, problems));
    return problems.empty() ? kDone : kProblems;
}

// The map's bytes and its entity text, or the exit code of why not.
struct ReadMap {
    std::string bytes;
    std::string_view text;
};

std::optional<ReadMap> readMap(const QString& map, Printer& print)
{
    ReadMap read;
    std::string reason;
    std::optional<std::string> bytes = ent::ReadFileBytes(suite::toPath(map), &reason);
    if (!bytes) {
        print.err("entwright: " + shown(map) + ": cannot read the map: " + reason);
        return std::nullopt;
    }
    read.bytes = std::move(*bytes);
    const std::optional<std::string_view> text = ent::BspEntityText(read.bytes, &reason);
    if (!text) {
        print.err("entwright: " + shown(map) + ": not a Half-Life or Quake map: " + reason);
        return std::nullopt;
    }
    read.text = *text;
    return read;
}

int runExport(const QString& map, const QString& outArgument, bool replace, Printer& print)
{
    const std::optional<ReadMap> read = readMap(map, print);
    if (!read)
        return kUnreadable;
    const QString out =
        outArgument.isEmpty()
            ? QString::fromStdU16String(ent::RipentEntPath(suite::toPath(map)).u16string())
            : outArgument;
    std::error_code error;
    if (!replace && std::filesystem::exists(suite::toPath(out), error)) {
        print.err("entwright: " + shown(out) +
                  " already exists; nothing was written. Add --replace to write over it.");
        return kProblems;
    }
    std::string reason;
    if (!ent::WriteFileBytes(suite::toPath(out), read->text, &reason)) {
        print.err("entwright: " + shown(out) + ": " + reason);
        return kProblems;
    }
    const std::optional<ent::EntityTable> table = ent::ParseEntText(read->text);
    const std::size_t count = table ? table->Entities.size() : 0;
    print.out("Exported " + std::to_string(count) + (count == 1 ? " entity" : " entities") +
              " from " + shown(map) + " to " + shown(out));
    return kDone;
}

int runImport(const QString& map, const QString& inArgument, Printer& print)
{
    const QString in =
        inArgument.isEmpty()
            ? QString::fromStdU16String(ent::RipentEntPath(suite::toPath(map)).u16string())
            : inArgument;
    ent::ReadReport report;
    const std::optional<ent::OpenedFile> opened = ent::OpenEntFile(suite::toPath(in), &report);
    if (!opened) {
        if (report.error == ent::ReadError::CannotRead) {
            print.err("entwright: " + shown(in) + ": " + ent::DescribeReadFailure(report));
            return kUnreadable;
        }
        print.err(ent::FormatCheckProblem(shown(in), ent::LoadFailureProblem(report)));
        print.err("entwright: " + shown(map) + " was left as it was.");
        return kProblems;
    }
    if (!readMap(map, print))
        return kUnreadable;
    std::string reason;
    if (!ent::WriteBspEntities(suite::toPath(map), opened->table, &reason)) {
        print.err("entwright: " + shown(map) + ": " + reason);
        return kProblems;
    }
    const std::size_t count = opened->table.Entities.size();
    print.out("Imported " + std::to_string(count) + (count == 1 ? " entity" : " entities") +
              " from " + shown(in) + " into " + shown(map));
    return kDone;
}

} // namespace

QString commandsHelp()
{
    return QStringLiteral(
        "Commands (no window):\n"
        "  entwright --check [--fgd FILE]... [--limits NAME] [--max-entities N]\n"
        "            [--max-key-length N] [--max-value-length N] MAP\n"
        "      Checks a map (.bsp or .ent): targets that name no entity, classes the\n"
        "      game data does not know, values of the wrong type, keys given twice in\n"
        "      one entity, and the engine's limits (profile Half-Life: 900 entities,\n"
        "      keys of 31 bytes, values of 1023). Prints FILE:LINE: warning: TEXT (or\n"
        "      error:) per problem, then a summary. Exit codes: 0 no problems,\n"
        "      1 problems, 2 a file cannot be read or the command is misused.\n"
        "  entwright --export MAP.bsp [OUT.ent] [--replace]\n"
        "      Writes the map's entity text to OUT.ent (by default the map's name with\n"
        "      .ent); an existing file is replaced only with --replace.\n"
        "  entwright --import MAP.bsp [IN.ent]\n"
        "      Puts the entities of IN.ent (by default the map's name with .ent) into\n"
        "      the map's entity lump, keeping every other lump.\n"
        "  Exit codes of --export and --import: 0 done, 1 refused or failed, 2 a file\n"
        "  cannot be read or the command is misused.\n");
}

std::optional<int> runCommands(const QStringList& arguments, CommandOutput& output)
{
    const QStringList commands{QStringLiteral("--check"), QStringLiteral("--export"),
                               QStringLiteral("--import")};
    bool any = false;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        any = any || commands.contains(arguments[i]);
    if (!any)
        return std::nullopt;

    Printer print(output);
    QCommandLineParser parser;
    for (const char* name : {"check", "export", "import", "replace"})
        parser.addOption({QString::fromLatin1(name), QString()});
    for (const char* name : {"fgd", "limits", "max-entities", "max-key-length", "max-value-length"})
        parser.addOption({QString::fromLatin1(name), QString(), QStringLiteral("value")});
    if (!parser.parse(arguments))
        return misuse(print, parser.errorText().toStdString());
    const QStringList positional = parser.positionalArguments();
    const bool checking = parser.isSet(QStringLiteral("check"));
    const bool exporting = parser.isSet(QStringLiteral("export"));
    const bool importing = parser.isSet(QStringLiteral("import"));
    if (int(checking) + int(exporting) + int(importing) != 1)
        return misuse(print, "give one of --check, --export and --import");
    if (!checking)
        for (const char* name :
             {"fgd", "limits", "max-entities", "max-key-length", "max-value-length"})
            if (parser.isSet(QString::fromLatin1(name)))
                return misuse(print, std::string("--") + name + " belongs to --check");
    if (!exporting && parser.isSet(QStringLiteral("replace")))
        return misuse(print, "--replace belongs to --export");

    if (checking) {
        if (positional.size() != 1)
            return misuse(print, "--check takes one map (.bsp or .ent)");
        return runCheck(parser, positional.front(), print);
    }
    if (positional.isEmpty() || positional.size() > 2)
        return misuse(print, exporting ? "--export takes a map and, if wanted, the .ent to write"
                                       : "--import takes a map and, if wanted, the .ent to read");
    const QString second = positional.size() == 2 ? positional[1] : QString();
    if (exporting)
        return runExport(positional.front(), second, parser.isSet(QStringLiteral("replace")),
                         print);
    return runImport(positional.front(), second, print);
}

std::optional<int> runCommandLine(int& argc, char** argv)
{
    bool any = false;
    for (int i = 1; i < argc; ++i)
        for (const char* name : {"--check", "--export", "--import"})
            any = any || std::strcmp(argv[i], name) == 0;
    if (!any)
        return std::nullopt;
    QCoreApplication app(argc, argv);
    CommandOutput output;
    const std::optional<int> code = runCommands(QCoreApplication::arguments(), output);
    std::fwrite(output.out.constData(), 1, static_cast<std::size_t>(output.out.size()), stdout);
    std::fwrite(output.err.constData(), 1, static_cast<std::size_t>(output.err.size()), stderr);
    std::fflush(stdout);
    return code;
}

} // namespace entwright
