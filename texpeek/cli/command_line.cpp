#include "texpeek/cli/command_line.h"

#include "texpeek/core/dds_file.h"
#include "texpeek/core/open_steps.h"
#include "texpeek/core/thumbnail.h"

#include "common/core/file_io.h"
#include "common/ui/text.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <new>

namespace texpeek {
namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kMisused = 2;

int misuse(const QString& why)
{
    suite::printLine(stderr, QStringLiteral("texpeek: %1\nTry 'texpeek --help'.").arg(why));
    return kMisused;
}

// One file's failure, named; the run goes on with the next file.
int failure(const QString& file, const QString& why)
{
    suite::printLine(stderr, QStringLiteral("texpeek: %1: %2").arg(file, why));
    return kFailed;
}

struct Quiet final : ProgressSink {
    void stageStarted(Stage, std::string_view, std::string_view) override {}
    void pixelsDone(std::int64_t) override {}
    void stageFinished(Stage) override {}
};

// Why a decode or a read stopped, in one line.
QString reasonFor(std::exception_ptr failed)
{
    try {
        std::rethrow_exception(failed);
    } catch (const OpenFailed& open) {
        const OpenError& error = open.error();
        switch (error.kind) {
        case OpenError::Kind::Unreadable: return QString::fromStdString(error.detail);
        case OpenError::Kind::InvalidSize:
        case OpenError::Kind::TooLarge:
            return QStringLiteral("cannot show %1 x %2 pixels").arg(error.width).arg(error.height);
        case OpenError::Kind::Unsupported: return QString::fromStdString(error.detail);
        }
    } catch (const DdsError& error) {
        return QString::fromUtf8(error.what());
    } catch (const std::bad_alloc&) {
        return QStringLiteral("not enough memory for the picture");
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    }
    return QStringLiteral("unexpected failure");
}

// The decoded cells as a picture: with alpha where the format has alpha that
// covers the colours, opaque otherwise.
QImage pictureOf(const ImageGrid& grid, const PixelFormat& format,
                 const Interpretation& interpretation)
{
    const bool alpha = format.hasAlpha && interpretation.alpha.value != AlphaMode::Data;
    // Cells hold red, green, blue, alpha as bytes in that order in memory
    // on the little-endian machines Texpeek runs on.
    const QImage over(reinterpret_cast<const uchar*>(grid.cells()), grid.width(), grid.height(),
                      static_cast<qsizetype>(grid.width()) * 4,
                      alpha ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
    return over.copy();
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        return {};
    return bytes;
}

// Writes `image` as PNG to `out`; false with the reason printed.
bool writePng(const QImage& image, const QString& out, const QString& file)
{
    const QByteArray bytes = pngBytes(image);
    if (bytes.isEmpty()) {
        failure(file, QStringLiteral("the picture could not be made into PNG"));
        return false;
    }
    std::string why;
    if (!fileio::writeAtomically(suite::toPath(out),
                                 std::string_view(bytes.constData(), bytes.size()), &why)) {
        failure(out, QString::fromStdString(why));
        return false;
    }
    return true;
}

int runInfo(const QStringList& files)
{
    int result = kDone;
    for (const QString& file : files) {
        std::string why;
        std::optional<FileBytes> bytes = readDdsBytes(suite::toPath(file), &why);
        if (!bytes) {
            result = failure(file, QString::fromStdString(why));
            continue;
        }
        const DdsFile dds = parseDdsFile(std::move(*bytes));
        if (files.size() > 1)
            suite::printLine(stdout, QStringLiteral("%1:").arg(file));
        for (const std::string& line : fileReportLines(dds))
            suite::printLine(stdout, QString::fromStdString(line));
        if (files.size() > 1 && file != files.back())
            suite::printLine(stdout, QString());
    }
    return result;
}

struct SurfaceChoice {
    std::uint32_t level = 0;
    std::uint32_t face = 0;
};

// Writes the chosen surface of `file` to `out`.
int exportOne(const QString& file, const QString& out, SurfaceChoice choice, bool replace)
{
    if (!replace && QFileInfo::exists(out))
        return failure(out, QStringLiteral("already exists; add --replace to write over it"));
    std::string why;
    std::optional<FileBytes> bytes = readDdsBytes(suite::toPath(file), &why);
    if (!bytes)
        return failure(file, QString::fromStdString(why));
    const DdsFile dds = parseDdsFile(std::move(*bytes));
    const PixelFormat* format = dds.pixelFormat();
    if (format == nullptr)
        return failure(file, QString::fromStdString(std::get<std::string>(dds.format)));
    if (choice.level >= dds.layout.levels)
        return failure(file, QStringLiteral("has no level %1 (levels 0 to %2)")
                                 .arg(choice.level)
                                 .arg(dds.layout.levels - 1));
    const std::uint32_t choices = choicesAt(dds.layout, choice.level);
    if (choice.face >= choices)
        return failure(file, QStringLiteral("has no face, element or slice %1 (0 to %2)")
                                 .arg(choice.face)
                                 .arg(choices - 1));
    const Interpretation reading = defaultInterpretation(dds);
    try {
        Quiet quiet;
        const ImageGrid grid =
            decodeFileSurface(dds, choice.level, choice.face, quiet, nullptr, &reading);
        if (grid.cellCount() == 0)
            return failure(file, QStringLiteral("the picture is empty"));
        if (!writePng(pictureOf(grid, *format, reading), out, file))
            return kFailed;
    } catch (...) {
        return failure(file, reasonFor(std::current_exception()));
    }
    return kDone;
}

int runThumbnail(int size, const QString& file, const QString& out)
{
    try {
        const Thumbnail thumbnail =
            readThumbnailSurface(suite::toPath(file), static_cast<std::uint32_t>(size));
        const PixelFormat& format = *thumbnail.file.pixelFormat();
        QImage image = pictureOf(thumbnail.grid, format, thumbnail.reading);
        if (image.width() > size || image.height() > size)
            image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        // The desktop names a fresh file for the thumbnail: writing it is
        // what is asked.
        return writePng(image, out, file) ? kDone : kFailed;
    } catch (...) {
        return failure(file, reasonFor(std::current_exception()));
    }
}

// A whole number of at least `least` from an option's text.
std::optional<std::uint32_t> numberOf(const QString& text, std::uint32_t least)
{
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value < least)
        return std::nullopt;
    return value;
}

} // namespace

QString commandsHelp()
{
    return QStringLiteral(
        "Commands (no window):\n"
        "  texpeek --info FILE...\n"
        "      Prints the header report of each file.\n"
        "  texpeek --export OUT.png FILE [--level N] [--face F] [--replace]\n"
        "  texpeek --export-dir DIR FILE... [--level N] [--face F] [--replace]\n"
        "      Writes the surface at mip level N (0 first) and face, array element\n"
        "      or volume slice F (0 first) as PNG, in the default reading of its\n"
        "      data; --export-dir writes DIR/<name>.png for each file. An existing\n"
        "      PNG is only written over with --replace.\n"
        "  texpeek --thumbnail SIZE FILE OUT.png\n"
        "      Writes a thumbnail of at most SIZE pixels a side, reading only the\n"
        "      smallest mip level that is at least SIZE (for file managers).\n"
        "  Exit codes: 0 done, 1 some file failed (named on standard error),\n"
        "  2 misused.\n");
}

std::optional<int> runCommandLine(int& argc, char** argv)
{
    bool command = false;
    for (int i = 1; i < argc; ++i) {
        for (const char* name : {"--info", "--export", "--export-dir", "--thumbnail"})
            if (std::strcmp(argv[i], name) == 0 ||
                (std::strncmp(argv[i], name, std::strlen(name)) == 0 &&
                 argv[i][std::strlen(name)] == '='))
                command = true;
    }
    if (!command)
        return std::nullopt;

    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("info"), QString()});
    parser.addOption({QStringLiteral("export"), QString(), QStringLiteral("OUT")});
    parser.addOption({QStringLiteral("export-dir"), QString(), QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("thumbnail"), QString(), QStringLiteral("SIZE")});
    parser.addOption({QStringLiteral("level"), QString(), QStringLiteral("N")});
    parser.addOption({QStringLiteral("face"), QString(), QStringLiteral("F")});
    parser.addOption({QStringLiteral("replace"), QString()});
    if (!parser.parse(app.arguments()))
        return misuse(parser.errorText());
    const QStringList positional = parser.positionalArguments();
    int commands = 0;
    for (const char* name : {"info", "export", "export-dir", "thumbnail"})
        commands += parser.isSet(QString::fromLatin1(name)) ? 1 : 0;
    if (commands != 1)
        return misuse(QStringLiteral("give one of --info, --export, --export-dir, --thumbnail"));
    const bool exporting =
        parser.isSet(QStringLiteral("export")) || parser.isSet(QStringLiteral("export-dir"));
    if (!exporting) {
        for (const char* name : {"level", "face", "replace"})
            if (parser.isSet(QString::fromLatin1(name)))
                return misuse(QStringLiteral("--%1 belongs to --export and --export-dir")
                                  .arg(QString::fromLatin1(name)));
    }

    if (parser.isSet(QStringLiteral("info"))) {
        if (positional.isEmpty())
            return misuse(QStringLiteral("--info needs one or more files"));
        return runInfo(positional);
    }
    if (parser.isSet(QStringLiteral("thumbnail"))) {
        const std::optional<std::uint32_t> size =
            numberOf(parser.value(QStringLiteral("thumbnail")), 1);
        if (!size || *size > 16384)
            return misuse(QStringLiteral("--thumbnail takes a size of 1 to 16384 pixels"));
        if (positional.size() != 2)
            return misuse(QStringLiteral("--thumbnail SIZE takes FILE and OUT.png"));
        return runThumbnail(static_cast<int>(*size), positional[0], positional[1]);
    }

    SurfaceChoice choice;
    if (parser.isSet(QStringLiteral("level"))) {
        const auto level = numberOf(parser.value(QStringLiteral("level")), 0);
        if (!level)
            return misuse(QStringLiteral("--level takes a whole number from 0"));
        choice.level = *level;
    }
    if (parser.isSet(QStringLiteral("face"))) {
        const auto face = numberOf(parser.value(QStringLiteral("face")), 0);
        if (!face)
            return misuse(QStringLiteral("--face takes a whole number from 0"));
        choice.face = *face;
    }
    const bool replace = parser.isSet(QStringLiteral("replace"));
    if (parser.isSet(QStringLiteral("export"))) {
        if (positional.size() != 1)
            return misuse(QStringLiteral("--export OUT.png takes one file; use --export-dir for "
                                         "several"));
        return exportOne(positional.front(), parser.value(QStringLiteral("export")), choice,
                         replace);
    }
    if (positional.isEmpty())
        return misuse(QStringLiteral("--export-dir DIR needs one or more files"));
    const QDir dir(parser.value(QStringLiteral("export-dir")));
    if (!dir.exists())
        return misuse(QStringLiteral("%1 is not a folder").arg(dir.path()));
    int result = kDone;
    for (const QString& file : positional) {
        const QString out =
            dir.filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".png"));
        if (exportOne(file, out, choice, replace) != kDone)
            result = kFailed;
    }
    return result;
}

} // namespace texpeek
