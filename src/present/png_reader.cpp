// PNG decoding through libpng, flattened to 24 bits with fully transparent pixels keyed to magenta.
#include "present/picture_decoders.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

namespace taluvin {

namespace {

// libpng leaves by longjmp, which skips destructors, so everything owning memory lives here,
// in the caller's frame, and is released by this destructor whichever way decoding ends.
struct PngDecode {
  FILE* file = nullptr;
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::vector<png_byte> pixels;
  QImage image;
  std::string error;
  // Filled inside libpng's callback, where a throwing allocation could not unwind through C code.
  char libpngMessage[192] = {};

  ~PngDecode() {
    if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    if (file) std::fclose(file);
  }
};

void failPng(png_structp png, png_const_charp message) {
  auto* decode = static_cast<PngDecode*>(png_get_error_ptr(png));
  std::snprintf(decode->libpngMessage, sizeof decode->libpngMessage, "%s", message);
  png_longjmp(png, 1);
}

// Warnings concern ancillary oddities (odd gamma, bad text chunks) that do not spoil the pixels.
void ignorePngWarning(png_structp, png_const_charp) {}

void flattenRow(const png_byte* source, int channels, png_uint_32 width, uchar* target) {
  for (png_uint_32 x = 0; x < width; ++x, source += channels, target += 3) {
    if (channels == 4 && source[3] == 0)
      putTransparentKey(target);
    else
      putRgb(target, source[0], source[1], source[2]);
  }
}

// Every transformation below brings the rows to 8-bit RGB or RGBA, whatever the file holds.
bool decodePng(PngDecode& decode) {
  if (setjmp(png_jmpbuf(decode.png))) return false;
  png_init_io(decode.png, decode.file);
  png_set_user_limits(decode.png, kMaxPictureSide, kMaxPictureSide);
  png_read_info(decode.png, decode.info);

  png_set_expand(decode.png);
  png_set_scale_16(decode.png);
  png_set_gray_to_rgb(decode.png);
  const int passes = png_set_interlace_handling(decode.png);
  png_read_update_info(decode.png, decode.info);

  const png_uint_32 width = png_get_image_width(decode.png, decode.info);
  const png_uint_32 height = png_get_image_height(decode.png, decode.info);
  const int channels = png_get_channels(decode.png, decode.info);
  if (channels != 3 && channels != 4) png_error(decode.png, "unexpected channel layout");
  decode.error = allocatePicture(decode.image, width, height);
  if (!decode.error.empty()) return false;

  // Interlaced passes refine rows already read, so those need the whole picture kept; others
  // go row by row through one buffer.
  const size_t rowBytes = png_get_rowbytes(decode.png, decode.info);
  decode.pixels.resize(passes > 1 ? rowBytes * height : rowBytes);
  for (int pass = 0; pass < passes; ++pass) {
    for (png_uint_32 y = 0; y < height; ++y) {
      png_byte* row = decode.pixels.data() + (passes > 1 ? rowBytes * y : 0);
      png_read_row(decode.png, row, nullptr);
      if (pass == passes - 1) flattenRow(row, channels, width, decode.image.scanLine(y));
    }
  }
  return true;
}

}  // namespace

PictureLoad readPngFile(const std::string& utf8Path) {
  PngDecode decode;
  decode.file = std::fopen(utf8Path.c_str(), "rb");
  if (!decode.file) return openFailure("PNG");
  decode.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &decode, failPng, ignorePngWarning);
  if (decode.png) decode.info = png_create_info_struct(decode.png);
  if (!decode.info) return pictureFailure("PNG: out of memory");
  if (!decodePng(decode))
    return pictureFailure("PNG: " + (decode.error.empty() ? std::string(decode.libpngMessage) : decode.error));
  PictureLoad loaded;
  loaded.image = std::move(decode.image);
  return loaded;
}

}  // namespace taluvin
