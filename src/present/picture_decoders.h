// What the per-format picture decoders share: their entry points, size limits and pixel helpers.
#pragma once

#include "present/picture_file.h"

#include <cstdint>

namespace taluvin {

// Larger pictures are refused before any pixel memory is allocated; no game screen comes close.
constexpr int64_t kMaxPictureSide = 16384;

// Each decoder takes a UTF-8 file system path and reports failure in PictureLoad::error.
PictureLoad readPngFile(const std::string& utf8Path);
PictureLoad readJpegFile(const std::string& utf8Path);
PictureLoad readGifFile(const std::string& utf8Path);
PictureLoad readBmpFile(const std::string& utf8Path);

PictureLoad pictureFailure(std::string error);
// Names the kind of file and the system's reason, read from errno right after a failed fopen.
PictureLoad openFailure(const char* kind);

// Why a picture of this size is refused, or empty when it is acceptable; decoders ask before the
// library they wrap allocates anything in proportion to the size.
std::string pictureSizeError(int64_t width, int64_t height);

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
