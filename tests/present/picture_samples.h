// Writers of small PNG, JPEG, GIF and BMP files for the picture decoder tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace taluvin::test {

using Bytes = std::vector<uint8_t>;

Bytes readBytes(const std::string& path);
void writeBytes(const std::string& path, const Bytes& bytes);

struct PngSample {
  int width = 0;
  int height = 0;
  int colorType = 0;  // PNG_COLOR_TYPE_*
  int bitDepth = 8;
  bool interlaced = false;
  Bytes rows;                       // packed rows exactly as libpng expects them, top row first
  std::vector<uint32_t> palette;    // 0xRRGGBB
  Bytes transparency;               // tRNS alpha per palette entry
};
void writePng(const std::string& path, const PngSample& sample);
// A well-formed signature and header claiming that size, then nothing.
void writePngHeaderOnly(const std::string& path, uint32_t width, uint32_t height);

// components 1 (grey), 3 (RGB) or 4 (Adobe-style inverted CMYK).
void writeJpeg(const std::string& path, int width, int height, int components, const Bytes& pixels,
               bool progressive = false);

struct GifFrame {
  int left = 0, top = 0, width = 0, height = 0;
  bool interlaced = false;
  Bytes indices;                    // top row first, whatever the storage order
  std::vector<uint32_t> localColours;
  int transparentIndex = -1;
};
void writeGif(const std::string& path, int screenWidth, int screenHeight,
              const std::vector<uint32_t>& globalColours, const std::vector<GifFrame>& frames);

// A BITMAPINFOHEADER file; rows are given top row first with padding, and are stored bottom-up
// unless topDown. masks (red, green, blue) select BI_BITFIELDS.
Bytes bmpFile(int width, int height, int bitsPerPixel, const std::vector<uint32_t>& palette,
              const Bytes& rows, bool topDown, const std::vector<uint32_t>& masks = {});
// A run-length BMP (BI_RLE8 at 8 bits, BI_RLE4 at 4) holding the run data exactly as given.
Bytes runLengthBmpFile(int width, int height, int bitsPerPixel, const std::vector<uint32_t>& palette,
                       const Bytes& runs);

}  // namespace taluvin::test
