// Encoders for the picture decoder tests, using the same libraries in their writing direction.
#include "present/picture_samples.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <jpeglib.h>
#include <gif_lib.h>
#include <png.h>

namespace taluvin::test {

namespace {

FILE* openForWriting(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) throw std::runtime_error("cannot write " + path);
  return file;
}

void appendLe(Bytes& out, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

ColorMapObject* makeColourMap(const std::vector<uint32_t>& colours) {
  if (colours.empty()) return nullptr;
  int size = 2;
  while (size < static_cast<int>(colours.size())) size *= 2;
  ColorMapObject* map = GifMakeMapObject(size, nullptr);
  for (size_t i = 0; i < colours.size(); ++i)
    map->Colors[i] = {static_cast<GifByteType>(colours[i] >> 16), static_cast<GifByteType>(colours[i] >> 8),
                      static_cast<GifByteType>(colours[i])};
  return map;
}

}  // namespace

Bytes readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void writePng(const std::string& path, const PngSample& sample) {
  FILE* file = openForWriting(path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, file);
  png_set_IHDR(png, info, sample.width, sample.height, sample.bitDepth, sample.colorType,
               sample.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  for (uint32_t colour : sample.palette)
    palette.push_back({static_cast<png_byte>(colour >> 16), static_cast<png_byte>(colour >> 8),
                       static_cast<png_byte>(colour)});
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (!sample.transparency.empty())
    png_set_tRNS(png, info, sample.transparency.data(), static_cast<int>(sample.transparency.size()), nullptr);
  png_write_info(png, info);
  const size_t rowBytes = sample.rows.size() / static_cast<size_t>(sample.height);
  std::vector<png_bytep> rows;
  for (int y = 0; y < sample.height; ++y)
    rows.push_back(const_cast<png_bytep>(sample.rows.data() + rowBytes * static_cast<size_t>(y)));
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

void writePngHeaderOnly(const std::string& path, uint32_t width, uint32_t height) {
  FILE* file = openForWriting(path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

void writeJpeg(const std::string& path, int width, int height, int components, const Bytes& pixels,
               bool progressive) {
  FILE* file = openForWriting(path);
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + size_t{info.next_scanline} * width * components);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(file);
}

void writeGif(const std::string& path, int screenWidth, int screenHeight,
              const std::vector<uint32_t>& globalColours, const std::vector<GifFrame>& frames) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (!gif) throw std::runtime_error("cannot write " + path);
  EGifSetGifVersion(gif, true);
  ColorMapObject* global = makeColourMap(globalColours);
  EGifPutScreenDesc(gif, screenWidth, screenHeight, 8, 0, global);
  for (const GifFrame& frame : frames) {
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 10, frame.transparentIndex};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
    ColorMapObject* local = makeColourMap(frame.localColours);
    EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlaced, local);
    std::vector<int> order;
    if (frame.interlaced) {
      for (int start : {0, 4, 2, 1})
        for (int y = start; y < frame.height; y += start == 0 ? 8 : start * 2) order.push_back(y);
    } else {
      for (int y = 0; y < frame.height; ++y) order.push_back(y);
    }
    for (int y : order)
      EGifPutLine(gif, const_cast<GifPixelType*>(frame.indices.data() + size_t(y) * frame.width), frame.width);
    GifFreeMapObject(local);
    // giflib drops, without freeing, its copy of a local table when the next frame has none.
    GifFreeMapObject(gif->Image.ColorMap);
    gif->Image.ColorMap = nullptr;
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(global);
}

Bytes bmpFile(int width, int height, int bitsPerPixel, const std::vector<uint32_t>& palette,
              const Bytes& rows, bool topDown, const std::vector<uint32_t>& masks) {
  const uint32_t headers = 14 + 40 + static_cast<uint32_t>(masks.size() * 4 + palette.size() * 4);
  Bytes out{'B', 'M'};
  appendLe(out, headers + static_cast<uint32_t>(rows.size()), 4);
  appendLe(out, 0, 4);
  appendLe(out, headers, 4);
  appendLe(out, 40, 4);
  appendLe(out, static_cast<uint32_t>(width), 4);
  appendLe(out, static_cast<uint32_t>(topDown ? -height : height), 4);
  appendLe(out, 1, 2);
  appendLe(out, static_cast<uint32_t>(bitsPerPixel), 2);
  appendLe(out, masks.empty() ? 0 : 3, 4);
  appendLe(out, static_cast<uint32_t>(rows.size()), 4);
  appendLe(out, 0, 4);  // horizontal and vertical resolution
  appendLe(out, 0, 4);
  appendLe(out, static_cast<uint32_t>(palette.size()), 4);
  appendLe(out, 0, 4);
  for (uint32_t mask : masks) appendLe(out, mask, 4);
  for (uint32_t colour : palette) appendLe(out, colour, 4);  // 0xRRGGBB stored little-endian is B, G, R, 0
  const size_t stride = rows.size() / static_cast<size_t>(height);
  for (int i = 0; i < height; ++i) {
    const int y = topDown ? i : height - 1 - i;
    out.insert(out.end(), rows.begin() + static_cast<long>(stride * y), rows.begin() + static_cast<long>(stride * (y + 1)));
  }
  return out;
}

Bytes runLengthBmpFile(int width, int height, int bitsPerPixel, const std::vector<uint32_t>& palette,
                       const Bytes& runs) {
  Bytes out = bmpFile(width, height, bitsPerPixel, palette, {}, false);
  const auto setLe = [&out](size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
  };
  setLe(30, bitsPerPixel == 8 ? 1 : 2);
  setLe(34, static_cast<uint32_t>(runs.size()));
  out.insert(out.end(), runs.begin(), runs.end());
  setLe(2, static_cast<uint32_t>(out.size()));
  return out;
}

}  // namespace taluvin::test
