// PNG decoding through libpng, flattened to 24 bits with fully transparent pixels keyed to magenta.
#include "present/growing_picture.h"
#include "present/picture_decoders.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

namespace taluvin {

namespace {

// Deflate never expands one byte of compressed data into more than 1032 bytes.
constexpr int64_t kDeflateMostBytesPerByte = 1032;
// The chunks still read whole (the palette and its transparency) are far smaller than this.
constexpr png_alloc_size_t kMostChunkBytes = 8'000'000;
// Skipped chunks are never kept, so none counts against this; it bounds libpng's own list anyway.
constexpr png_uint_32 kMostKeptChunks = 64;

// libpng leaves by longjmp, which skips destructors, so everything owning memory lives here,
// in the caller's frame, and is released by this destructor whichever way decoding ends.
struct PngDecode {
  FILE* file = nullptr;
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::vector<png_byte> pixels;
  QImage image;
  GrowingPicture rows;  // for pictures that are not interlaced
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
bool decodePng(PngDecode& decode, int64_t fileBytes) {
  if (setjmp(png_jmpbuf(decode.png))) return false;
  png_init_io(decode.png, decode.file);
  png_set_user_limits(decode.png, kMaxPictureSide, kMaxPictureSide);
  png_set_chunk_malloc_max(decode.png, kMostChunkBytes);
  png_set_chunk_cache_max(decode.png, kMostKeptChunks);
  // Only the header, palette, transparency and pixels make the picture. Text, profiles and the
  // rest are skipped unread: libpng only warns of a chunk longer than the limit and would still
  // allocate the length a few bytes of header claim.
  png_set_keep_unknown_chunks(decode.png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_read_info(decode.png, decode.info);

  // Judged on the file's own pixel layout, before transformations widen it.
  const int64_t fileWidth = png_get_image_width(decode.png, decode.info);
  const int64_t fileHeight = png_get_image_height(decode.png, decode.info);
  const int64_t bitsPerPixel = int64_t{png_get_bit_depth(decode.png, decode.info)} *
                               png_get_channels(decode.png, decode.info);
  decode.error = pictureSizeError(fileWidth, fileHeight);
  if (decode.error.empty())
    decode.error = pictureDataError(fileWidth, fileHeight, fileBytes,
                                    fileWidth * fileHeight * bitsPerPixel / 8 / kDeflateMostBytesPerByte);
  if (!decode.error.empty()) return false;

  png_set_expand(decode.png);
  png_set_scale_16(decode.png);
  png_set_gray_to_rgb(decode.png);
  const int passes = png_set_interlace_handling(decode.png);
  png_read_update_info(decode.png, decode.info);

  const png_uint_32 width = png_get_image_width(decode.png, decode.info);
  const png_uint_32 height = png_get_image_height(decode.png, decode.info);
  const int channels = png_get_channels(decode.png, decode.info);
  if (channels != 3 && channels != 4) png_error(decode.png, "unexpected channel layout");
  const size_t rowBytes = png_get_rowbytes(decode.png, decode.info);

  // Interlaced passes refine rows already read, so those need the whole picture kept; others go
  // row by row through one buffer into rows allocated only as the data delivers them.
  if (passes == 1) {
    decode.pixels.resize(rowBytes);
    decode.rows.begin(static_cast<int>(width), static_cast<int>(height));
    for (png_uint_32 y = 0; y < height; ++y) {
      png_read_row(decode.png, decode.pixels.data(), nullptr);
      uchar* target = decode.rows.nextRow();
      if (!target) png_error(decode.png, "not enough memory for the picture");
      flattenRow(decode.pixels.data(), channels, width, target);
    }
    decode.image = decode.rows.finish();
    return true;
  }
  decode.error = allocatePicture(decode.image, width, height);
  if (!decode.error.empty()) return false;
  decode.pixels.resize(rowBytes * height);
  for (int pass = 0; pass < passes; ++pass) {
    for (png_uint_32 y = 0; y < height; ++y) {
      png_byte* row = decode.pixels.data() + rowBytes * y;
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
  if (!decodePng(decode, pictureFileBytes(utf8Path)))
    return pictureFailure("PNG: " + (decode.error.empty() ? std::string(decode.libpngMessage) : decode.error));
  PictureLoad loaded;
  loaded.image = std::move(decode.image);
  return loaded;
}

}  // namespace taluvin
