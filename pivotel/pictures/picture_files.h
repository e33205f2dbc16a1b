#pragma once

#include "pivotel/core/sprite_builder.h"
#include "pivotel/core/sprite_model.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

// Sprites to and from picture files: the frames folder (indexed PNGs that
// carry the sprite's own palette, and the text file beside them), and the
// pictures a sprite is made from (PNG, GIF with every frame, BMP, TGA).
namespace pivotel {

// A picture's palette as the game will use it, with the texture format's
// transparency: what an exported PNG carries and the preview draws.
QList<QRgb> colourTable(const SpriteModel& sprite);

// One picture of the sprite as an 8-bit indexed image with colourTable().
QImage indexedImage(const SpriteModel& sprite, const SpritePicture& picture);

// A Qt image as a picture to make a sprite of; an indexed one keeps its
// indices and palette.
SourcePicture sourceOf(const QImage& image, const QString& name);

// Every picture in a file (every frame of an animated GIF).
std::optional<std::vector<SourcePicture>> loadPictures(const QString& path, std::string* error);

// The pictures in `paths`, in order, or every picture of the folder's files
// (sorted by name) when `paths` names one folder without a frames list.
std::optional<std::vector<SourcePicture>> loadPictureList(const QStringList& paths,
                                                          std::string* error);

// The frames of `sprite` as frame001.png, ... and sprite.txt in `folder`,
// which is made when missing. Files already there are never replaced unless
// `replace` is set; nothing is written when one would be.
bool exportFrames(const SpriteModel& sprite, const QString& folder, bool replace,
                  std::string* error);

// The other ways out: every picture side by side in one PNG, or the
// pictures timed by their intervals as an animated GIF or APNG. An existing
// file is never replaced unless `replace` is set.
enum class ExportKind { Sheet, Gif, Apng };
bool exportAs(const SpriteModel& sprite, ExportKind kind, const QString& path, bool replace,
              std::string* error);
// The sheet: pictures in rows of a near-square grid, each in a cell as large
// as the largest, see-through where the sprite is.
QImage spriteSheet(const SpriteModel& sprite);

// True when `folder` holds a frames list written by exportFrames().
bool isFramesFolder(const QString& folder);

// The sprite a frames folder describes.
std::optional<SpriteModel> createFromFolder(const QString& folder, const BuildOptions& options,
                                            const FolderOverrides& overrides, std::string* error,
                                            std::string* explanation);

// A sprite of single frames, one per picture.
std::optional<SpriteModel> createFromPictures(const QStringList& paths, const BuildOptions& options,
                                              std::string* error, std::string* explanation);

// The colour reducer this build has (libimagequant).
Quantiser defaultQuantiser();

} // namespace pivotel
