#include "pivotel/pictures/picture_files.h"

#include "pivotel/core/anim/animation_files.h"
#include "pivotel/core/animation.h"
#include "pivotel/core/frames_text.h"
#include "pivotel/core/quant/imagequant.h"
#include "pivotel/core/tga.h"

#include "common/core/file_io.h"
#include "common/ui/text.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cmath>

namespace pivotel {
namespace {

constexpr std::int32_t kIndexAlpha = 2;
constexpr std::int32_t kAlphaTest = 3;
// Far beyond any picture a sprite frame could come from.
constexpr std::uint64_t kMaxPictureFile = 256u << 20;

bool refuse(std::string* error, std::string reason)
{
    if (error)
        *error = std::move(reason);
    return false;
}

} // namespace

SourcePicture sourceOf(const QImage& image, const QString& name)
{
    SourcePicture picture;
    picture.name = name.toStdString();
    picture.width = image.width();
    picture.height = image.height();
    if (image.format() == QImage::Format_Indexed8) {
        for (const QRgb colour : image.colorTable())
            picture.palette.push_back({static_cast<std::uint8_t>(qRed(colour)),
                                       static_cast<std::uint8_t>(qGreen(colour)),
                                       static_cast<std::uint8_t>(qBlue(colour)),
                                       static_cast<std::uint8_t>(qAlpha(colour))});
        picture.indices.reserve(std::size_t(image.width()) * std::size_t(image.height()));
        for (int y = 0; y < image.height(); ++y) {
            const uchar* row = image.constScanLine(y);
            picture.indices.insert(picture.indices.end(), row, row + image.width());
        }
    }
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    picture.rgba.reserve(std::size_t(image.width()) * std::size_t(image.height()) * 4);
    for (int y = 0; y < rgba.height(); ++y) {
        const uchar* row = rgba.constScanLine(y);
        picture.rgba.insert(picture.rgba.end(), row, row + std::size_t(rgba.width()) * 4);
    }
    return picture;
}

namespace {
} // namespace

QList<QRgb> colourTable(const SpriteModel& sprite)
{
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (sprite.version == 1) {
            // Quake's palette is the game's own: greys keep the shapes.
            table.append(qRgba(i, i, i, i == 255 ? 0 : 255));
            continue;
        }
        const Rgb colour = index < sprite.palette.size() ? sprite.palette[index] : Rgb{0, 0, 0};
        int alpha = 255;
        if (sprite.textureFormat == kAlphaTest && i == 255)
            alpha = 0;
        else if (sprite.textureFormat == kIndexAlpha)
            alpha = i;
        table.append(qRgba(colour[0], colour[1], colour[2], alpha));
    }
    return table;
}

QImage indexedImage(const SpriteModel& sprite, const SpritePicture& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_Indexed8);
    if (image.isNull())
        return image;
    image.setColorTable(colourTable(sprite));
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(picture.indices.begin() + std::ptrdiff_t(y) * picture.width, picture.width,
                    image.scanLine(y));
    return image;
}

std::optional<std::vector<SourcePicture>> loadPictures(const QString& path, std::string* error)
{
    const QString name = QFileInfo(path).fileName();
    std::string why;
    const std::optional<std::string> bytes =
        fileio::readAll(suite::toPath(path), kMaxPictureFile, &why);
    if (!bytes) {
        refuse(error, name.toStdString() + ": " + why);
        return std::nullopt;
    }
    if (path.endsWith(QStringLiteral(".tga"), Qt::CaseInsensitive)) {
        std::optional<SourcePicture> picture = decodeTga(*bytes, &why);
        if (!picture) {
            refuse(error, name.toStdString() + ": " + why);
            return std::nullopt;
        }
        picture->name = name.toStdString();
        return std::vector<SourcePicture>{std::move(*picture)};
    }
    QByteArray data(bytes->data(), static_cast<qsizetype>(bytes->size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    std::vector<SourcePicture> pictures;
    for (int frame = 0;; ++frame) {
        QImage image;
        if (!reader.read(&image)) {
            if (frame == 0) {
                refuse(error, name.toStdString() + ": not a picture Pivotel can read (" +
                                  reader.errorString().toStdString() + ")");
                return std::nullopt;
            }
            break;
        }
        const QString frameName =
            reader.imageCount() > 1 ? name + QStringLiteral(" frame %1").arg(frame + 1) : name;
        pictures.push_back(sourceOf(image, frameName));
        if (!reader.supportsAnimation() || !reader.canRead())
            break;
    }
    return pictures;
}

std::optional<std::vector<SourcePicture>> loadPictureList(const QStringList& paths,
                                                          std::string* error)
{
    QStringList files;
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir()) {
            const QDir folder(path);
            for (const QString& entry :
                 folder.entryList({QStringLiteral("*.png"), QStringLiteral("*.gif"),
                                   QStringLiteral("*.bmp"), QStringLiteral("*.tga")},
                                  QDir::Files, QDir::Name | QDir::IgnoreCase))
                files.append(folder.filePath(entry));
        } else {
            files.append(path);
        }
    }
    if (files.isEmpty()) {
        refuse(error, "no pictures were given");
        return std::nullopt;
    }
    std::vector<SourcePicture> pictures;
    for (const QString& file : files) {
        std::optional<std::vector<SourcePicture>> more = loadPictures(file, error);
        if (!more)
            return std::nullopt;
        for (SourcePicture& picture : *more)
            pictures.push_back(std::move(picture));
    }
    return pictures;
}

bool exportFrames(const SpriteModel& sprite, const QString& folder, bool replace,
                  std::string* error)
{
    const FramesText text = framesTextOf(sprite);
    const std::vector<FlatPicture> flat = flatten(sprite);
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder))
        return refuse(error, "cannot make the folder " + folder.toStdString());

    std::vector<std::pair<QString, QByteArray>> files;
    for (std::size_t i = 0; i < flat.size(); ++i) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(indexedImage(sprite, *flat[i].picture)))
            return refuse(error, "cannot make the picture of frame " + std::to_string(i + 1));
        files.emplace_back(QString::fromStdString(text.frames[i].file), png);
    }
    const std::string list = writeFramesText(text);
    files.emplace_back(QString::fromLatin1(kFramesTextName.data(),
                                           static_cast<qsizetype>(kFramesTextName.size())),
                       QByteArray(list.data(), static_cast<qsizetype>(list.size())));
    if (!replace) {
        for (const auto& [name, bytes] : files) {
            if (QFileInfo::exists(dir.filePath(name)))
                return refuse(error, dir.filePath(name).toStdString() +
                                         " already exists; nothing was written");
        }
    }
    for (const auto& [name, bytes] : files) {
        std::string why;
        if (!fileio::writeAtomically(suite::toPath(dir.filePath(name)),
                                     std::string_view(bytes.constData(), std::size_t(bytes.size())),
                                     &why))
            return refuse(error, dir.filePath(name).toStdString() + ": " + why);
    }
    return true;
}

QImage spriteSheet(const SpriteModel& sprite)
{
    const std::vector<FlatPicture> flat = flatten(sprite);
    int cellWidth = 1;
    int cellHeight = 1;
    for (const FlatPicture& one : flat) {
        cellWidth = std::max(cellWidth, one.picture->width);
        cellHeight = std::max(cellHeight, one.picture->height);
    }
    const int count = static_cast<int>(flat.size());
    const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(double(count)))));
    const int rows = std::max(1, (count + columns - 1) / columns);
    QImage sheet(columns * cellWidth, rows * cellHeight, QImage::Format_ARGB32);
    if (sheet.isNull())
        return sheet;
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < count; ++i)
        painter.drawImage((i % columns) * cellWidth, (i / columns) * cellHeight,
                          indexedImage(sprite, *flat[std::size_t(i)].picture)
                              .convertToFormat(QImage::Format_ARGB32));
    return sheet;
}

bool exportAs(const SpriteModel& sprite, ExportKind kind, const QString& path, bool replace,
              std::string* error)
{
    if (!replace && QFileInfo::exists(path))
        return refuse(error, path.toStdString() + " already exists; nothing was written");
    std::optional<std::string> bytes;
    if (kind == ExportKind::Sheet) {
        const QImage sheet = spriteSheet(sprite);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (sheet.isNull() || !QImageWriter(&buffer, "png").write(sheet))
            return refuse(error, "the sheet is too large to make");
        bytes = png.toStdString();
    } else {
        const std::optional<Animation> animation = animationOf(sprite);
        if (!animation)
            return refuse(error, "the frames' origins lie too far apart for one canvas");
        bytes =
            kind == ExportKind::Gif ? gifBytes(*animation, error) : apngBytes(*animation, error);
        if (!bytes)
            return false;
    }
    std::string why;
    if (!fileio::writeAtomically(suite::toPath(path), *bytes, &why))
        return refuse(error, path.toStdString() + ": " + why);
    return true;
}

bool isFramesFolder(const QString& folder)
{
    return QFileInfo(QDir(folder).filePath(QString::fromLatin1(kFramesTextName.data()))).isFile();
}

std::optional<SpriteModel> createFromFolder(const QString& folder, const BuildOptions& options,
                                            const FolderOverrides& overrides, std::string* error,
                                            std::string* explanation)
{
    const QDir dir(folder);
    std::string why;
    const std::optional<std::string> listBytes =
        fileio::readAll(suite::toPath(dir.filePath(QString::fromLatin1(kFramesTextName.data()))),
                        16u << 20, &why);
    if (!listBytes) {
        refuse(error, std::string(kFramesTextName) + ": " + why);
        return std::nullopt;
    }
    const std::optional<FramesText> text = parseFramesText(*listBytes, &why);
    if (!text) {
        refuse(error, std::string(kFramesTextName) + ": " + why);
        return std::nullopt;
    }
    std::vector<SourcePicture> pictures;
    for (const FrameLine& line : text->frames) {
        std::optional<std::vector<SourcePicture>> loaded =
            loadPictures(dir.filePath(QString::fromStdString(line.file)), error);
        if (!loaded)
            return std::nullopt;
        // A list line is one frame, even when its file is animated.
        pictures.push_back(std::move(loaded->front()));
    }
    return buildFromFolder(*text, pictures, options, overrides, defaultQuantiser(), error,
                           explanation);
}

std::optional<SpriteModel> createFromPictures(const QStringList& paths, const BuildOptions& options,
                                              std::string* error, std::string* explanation)
{
    std::optional<std::vector<SourcePicture>> pictures = loadPictureList(paths, error);
    if (!pictures)
        return std::nullopt;
    return buildSprite(*pictures, options, defaultQuantiser(), error, explanation);
}

Quantiser defaultQuantiser()
{
    return quantiseWithImagequant;
}

} // namespace pivotel
