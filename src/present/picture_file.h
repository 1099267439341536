// Loading PNG, JPEG, GIF and BMP pictures into 24-bit images, and writing 24-bit BMP files.
#pragma once

#include <QImage>
#include <string>
#include <string_view>

namespace taluvin {

// A picture as the presentation layer uses it: QImage::Format_RGB888, where the colour
// $FF00FF stands for "transparent" because drawing code keys on it instead of on alpha.
struct PictureLoad {
  QImage image;
  std::string error;
  bool ok() const { return error.empty() && !image.isNull(); }
};

// The decoder is chosen by ".png", ".jpg", ".bmp" or ".gif" anywhere in the file name (tried in
// that order, lower case only), so "title.png.old" still loads as PNG. The path is native.
// Failure of any kind leaves a null image and a readable reason; nothing here throws.
PictureLoad loadPictureFile(const std::string& path);
// The same with the decoder chosen by the name as a game wrote it: the file found for "foto.png"
// may be spelled "Foto.PNG" on disk, and "FOTO.PNG" written chooses none, whatever the file is.
PictureLoad loadPictureFile(const std::string& path, std::string_view writtenName);
// Whether a name chooses one of the four decoders.
bool choosesPictureDecoder(std::string_view writtenName);

// Writes an uncompressed bottom-up 24-bit BMP. The path is native.
bool writeBmp(const std::string& path, const QImage& image);

// Whether a link's label or a shape's name shows a picture rather than text: it names a GIF, PNG
// or JPEG file (a BMP name stays text, as games have always written it).
bool namesPicture(std::string_view label);
// The same file's bytes; empty for a null picture or one too large for the format.
std::string encodeBmp(const QImage& image);

}  // namespace taluvin
