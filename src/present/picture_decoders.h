// What the per-format picture decoders share: their entry points, size limits and pixel helpers.
#pragma once

#include "present/picture_file.h"

#include <cstdint>

namespace taluvin {

// Every picture is refused before pixel memory is allocated when a side passes kMaxPictureSide
// or the whole passes kMaxPicturePixels (192 MB at 24 bits); no game screen comes close to either.
constexpr int64_t kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = int64_t{64} << 20;

// Each decoder takes a native file system path and reports failure in PictureLoad::error.
PictureLoad readPngFile(const std::string& utf8Path);
PictureLoad readJpegFile(const std::string& utf8Path);
PictureLoad readGifFile(const std::string& utf8Path);
PictureLoad readBmpFile(const std::string& utf8Path);

PictureLoad pictureFailure(std::string error);
// Names the kind of file and the system's reason, read from errno right after a failed fopen.
PictureLoad openFailure(const char* kind);

// Why a picture of this size is refused ("16384 x 16384 is more than 64 M pixels"), or empty when
// it is acceptable; decoders ask before the library they wrap allocates anything for the size.
std::string pictureSizeError(int64_t width, int64_t height);

// The size of the file in bytes, or -1 when it cannot be told.
int64_t pictureFileBytes(const std::string& utf8Path);

// Why a picture of this size cannot come out of a file of `fileBytes` bytes when its format needs
// at least `leastBytes` for it, or empty (also when the file size is unknown). Asked before rows
// are allocated, so a few bytes declaring a huge picture cost nothing.
std::string pictureDataError(int64_t width, int64_t height, int64_t fileBytes, int64_t leastBytes);

// Returns an error text (empty on success) so decoders report zero, huge or unallocatable sizes
// alike; on success `image` is a fresh RGB888 picture of that size.
std::string allocatePicture(QImage& image, int64_t width, int64_t height);

inline void putRgb(uchar* pixel, uchar red, uchar green, uchar blue) {
  pixel[0] = red;
  pixel[1] = green;
  pixel[2] = blue;
}

inline void putTransparentKey(uchar* pixel) { putRgb(pixel, 0xFF, 0x00, 0xFF); }

}  // namespace taluvin
