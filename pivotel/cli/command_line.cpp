#include "pivotel/cli/command_line.h"

#include "pivotel/core/frames_text.h"
#include "pivotel/core/sprite.h"
#include "pivotel/core/sprite_model.h"
#include "pivotel/pictures/picture_files.h"

#include "common/core/file_io.h"
#include "common/ui/language.h"
#include "common/ui/text.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

namespace pivotel {
namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kMisused = 2;

// Texts for the user; lupdate files a free tr() under its namespace.
QString tr(const char* text)
{
    return QCoreApplication::translate("pivotel", text);
}

int misuse(const QString& why)
{
    suite::printLine(stderr, tr("pivotel: %1\nTry 'pivotel --help'.").arg(why));
    return kMisused;
}

int failure(const QString& why)
{
    suite::printLine(stderr, tr("pivotel: %1").arg(why));
    return kFailed;
}

int runExport(const QString& folder, const QString& file, bool replace, const QString& as)
{
    std::string why;
    const std::optional<Sprite> read = readSprite(suite::toPath(file), &why);
    if (!read)
        return failure(tr("%1: nothing was read: %2").arg(file, QString::fromStdString(why)));
    if (const std::string reason = read->notSpriteReason(); !reason.empty())
        return failure(tr("%1: Not a sprite: %2").arg(file, QString::fromStdString(reason)));
    const std::optional<SpriteModel> sprite = parseSprite(read->bytes(), &why);
    if (!sprite)
        return failure(tr("%1: %2").arg(file, QString::fromStdString(why)));
    if (as != QLatin1String("frames")) {
        const QString base = QDir(folder).filePath(QFileInfo(file).completeBaseName());
        const ExportKind kind = as == QLatin1String("sheet") ? ExportKind::Sheet
                                : as == QLatin1String("gif") ? ExportKind::Gif
                                                             : ExportKind::Apng;
        const QString target = base + (kind == ExportKind::Sheet ? QStringLiteral("-sheet.png")
                                       : kind == ExportKind::Gif ? QStringLiteral(".gif")
                                                                 : QStringLiteral("-apng.png"));
        if (!QDir().mkpath(folder))
            return failure(tr("cannot make the folder %1").arg(folder));
        if (!exportAs(*sprite, kind, target, replace, &why))
            return failure(QString::fromStdString(why));
        suite::printLine(stdout, tr("%1 written").arg(target));
        return kDone;
    }
    if (!exportFrames(*sprite, folder, replace, &why))
        return failure(QString::fromStdString(why));
    suite::printLine(
        stdout, tr("%1 frames of %2 written to %3").arg(flatten(*sprite).size()).arg(file, folder));
    if (!sprite->trailing.empty())
        suite::printLine(stdout, tr("The %1 bytes after the last frame were not exported.")
                                     .arg(sprite->trailing.size()));
    return kDone;
}

int runCreate(const QCommandLineParser& parser, const QString& out, const QStringList& inputs)
{
    BuildOptions options;
    FolderOverrides overrides;
    if (parser.isSet(QStringLiteral("type"))) {
        const std::optional<std::int32_t> type =
            typeFromWord(parser.value(QStringLiteral("type")).toStdString());
        if (!type || *type < 0 || *type > 4)
            return misuse(tr("--type takes side-view, flipper, common, fixed, "
                             "parallel-oriented or 0 to 4"));
        options.type = overrides.type.emplace(*type);
    }
    if (parser.isSet(QStringLiteral("format"))) {
        const std::optional<std::int32_t> format =
            textureFormatFromWord(parser.value(QStringLiteral("format")).toStdString());
        if (!format || *format < 0 || *format > 3)
            return misuse(tr("--format takes normal, additive, index-alpha or alpha-test"));
        options.textureFormat = overrides.textureFormat.emplace(*format);
    }
    if (parser.isSet(QStringLiteral("quality"))) {
        bool ok = false;
        options.minimumQuality = parser.value(QStringLiteral("quality")).toInt(&ok);
        if (!ok || options.minimumQuality < 0 || options.minimumQuality > 100)
            return misuse(tr("--quality takes 0 to 100"));
    }
    if (parser.isSet(QStringLiteral("dither"))) {
        bool ok = false;
        options.dithering = parser.value(QStringLiteral("dither")).toFloat(&ok);
        if (!ok || options.dithering < 0 || options.dithering > 1)
            return misuse(tr("--dither takes 0 (none) to 1 (full)"));
    }
    if (parser.isSet(QStringLiteral("tint"))) {
        bool ok = false;
        const QString text = parser.value(QStringLiteral("tint"));
        const uint value = text.toUInt(&ok, 16);
        if (!ok || text.size() != 6)
            return misuse(tr("--tint takes a colour as RRGGBB"));
        options.tint =
            Rgb{std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value)};
    }
    if (inputs.isEmpty())
        return misuse(tr("--create needs pictures or a frames folder"));
    const bool replace = parser.isSet(QStringLiteral("replace"));
    if (!replace && QFileInfo::exists(out))
        return failure(tr("%1 already exists; add --replace to write over it").arg(out));

    std::string why;
    std::string explanation;
    std::optional<SpriteModel> sprite;
    if (inputs.size() == 1 && QFileInfo(inputs.front()).isDir() && isFramesFolder(inputs.front()))
        sprite = createFromFolder(inputs.front(), options, overrides, &why, &explanation);
    else
        sprite = createFromPictures(inputs, options, &why, &explanation);
    if (!sprite)
        return failure(tr("nothing was written: %1").arg(QString::fromStdString(why)));
    if (!fileio::writeAtomically(suite::toPath(out), serializeSprite(*sprite), &why))
        return failure(tr("%1: %2").arg(out, QString::fromStdString(why)));
    suite::printLine(stdout,
                     tr("%1 written: %2 frames, texture format %3")
                         .arg(out)
                         .arg(flatten(*sprite).size())
                         .arg(QString::fromStdString(textureFormatWord(sprite->textureFormat))));
    suite::printLine(stdout, QString::fromStdString(explanation));
    return kDone;
}

} // namespace

QString commandsHelp()
{
    return tr("Commands (no window):\n"
              "  pivotel --export DIR FILE.spr [--as frames|sheet|gif|apng] [--replace]\n"
              "      Writes every frame as an indexed PNG with the sprite's own palette\n"
              "      (frame001.png, ...) and sprite.txt (type, texture format, origins,\n"
              "      groups and intervals) into DIR; or, with --as, one sprite sheet\n"
              "      (NAME-sheet.png), an animated GIF (NAME.gif) or APNG (NAME-apng.png).\n"
              "  pivotel --create OUT.spr [--type T] [--format F] [--quality Q] [--dither D]\n"
              "          [--tint RRGGBB] [--replace] PICTURES...|FOLDER\n"
              "      Makes a sprite from PNG, GIF (every frame), BMP or TGA pictures, or\n"
              "      from a folder written by --export. T: side-view, flipper, common,\n"
              "      fixed, parallel-oriented (or 0-4). F: normal, additive, index-alpha,\n"
              "      alpha-test. Q: the least quality (0-100) when colours must be reduced;\n"
              "      D: dithering from 0 to 1.\n"
              "  Exit codes: 0 done, 1 failed, 2 misused.\n");
}

std::optional<int> runCommandLine(int& argc, char** argv)
{
    bool command = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--export") == 0 || std::strcmp(argv[i], "--create") == 0)
            command = true;
    }
    if (!command)
        return std::nullopt;

    QCoreApplication app(argc, argv);
    // Messages follow --lang, else the desktop's language.
    suite::setUpLanguages({QStringLiteral("pivotel"), suite::kEnglish, QString()});
    QString language = suite::desktopLanguage();
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0)
            language = QString::fromLocal8Bit(argv[i + 1]);
    }
    suite::switchLanguage(language);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("export"), QString(), QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("create"), QString(), QStringLiteral("OUT")});
    for (const char* name : {"type", "format", "quality", "dither", "tint"})
        parser.addOption({QString::fromLatin1(name), QString(), QStringLiteral("value")});
    parser.addOption({QStringLiteral("replace"), QString()});
    parser.addOption({QStringLiteral("as"), QString(), QStringLiteral("kind")});
    parser.addOption({QStringLiteral("lang"), QString(), QStringLiteral("code")});
    if (!parser.parse(app.arguments()))
        return misuse(parser.errorText());
    const QStringList positional = parser.positionalArguments();
    const bool exporting = parser.isSet(QStringLiteral("export"));
    const bool creating = parser.isSet(QStringLiteral("create"));
    if (exporting == creating)
        return misuse(tr("give either --export or --create"));
    if (exporting) {
        for (const char* name : {"type", "format", "quality", "dither", "tint"})
            if (parser.isSet(QString::fromLatin1(name)))
                return misuse(tr("--%1 belongs to --create").arg(QString::fromLatin1(name)));
        if (positional.size() != 1)
            return misuse(tr("--export DIR takes one sprite file"));
        const QString as = parser.isSet(QStringLiteral("as")) ? parser.value(QStringLiteral("as"))
                                                              : QStringLiteral("frames");
        if (!QStringList{QStringLiteral("frames"), QStringLiteral("sheet"), QStringLiteral("gif"),
                         QStringLiteral("apng")}
                 .contains(as))
            return misuse(tr("--as takes frames, sheet, gif or apng"));
        return runExport(parser.value(QStringLiteral("export")), positional.front(),
                         parser.isSet(QStringLiteral("replace")), as);
    }
    if (parser.isSet(QStringLiteral("as")))
        return misuse(tr("--as belongs to --export"));
    return runCreate(parser, parser.value(QStringLiteral("create")), positional);
}

} // namespace pivotel
