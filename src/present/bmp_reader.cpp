// Our own reader for uncompressed Windows and OS/2 BMP files of 1, 4, 8, 16, 24 and 32 bits.
#include "present/picture_decoders.h"

#include <array>
#include <bit>
#include <cstdio>
#include <memory>
#include <vector>

namespace taluvin {

namespace {

constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kRunLength8 = 1;
constexpr uint32_t kRunLength4 = 2;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kAlphaBitFields = 6;
constexpr uint32_t kOs2HeaderSize = 12;
constexpr uint32_t kWindowsHeaderSize = 40;
// Colour tables beyond what 8 bits can index are never used, only skipped.
constexpr uint32_t kMaxPaletteEntries = 256;

uint32_t le16(const uint8_t* bytes) { return bytes[0] | uint32_t{bytes[1]} << 8; }
uint32_t le32(const uint8_t* bytes) { return le16(bytes) | le16(bytes + 2) << 16; }

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

bool readExactly(FILE* file, void* target, size_t size) { return std::fread(target, 1, size, file) == size; }

struct RgbColour {
  uint8_t red = 0, green = 0, blue = 0;
};

// One colour channel of a 16- or 32-bit pixel, widened to 8 bits whatever its width in the file.
struct ChannelMask {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t maximum = 0;

  explicit ChannelMask(uint32_t bits = 0) : mask(bits) {
    if (!bits) return;
    shift = std::countr_zero(bits);
    maximum = bits >> shift;
  }
  uint8_t extract(uint32_t pixel) const {
    if (!maximum) return 0;
    return static_cast<uint8_t>(uint64_t{(pixel & mask) >> shift} * 255 / maximum);
  }
};

struct BmpLayout {
  int64_t width = 0;
  int64_t height = 0;  // negative when rows are stored top to bottom
  uint32_t bitsPerPixel = 0;
  uint32_t compression = kUncompressed;
  int64_t pixelOffset = 0;
  int64_t paletteOffset = 0;
  uint32_t paletteEntries = 0;
  uint32_t paletteEntrySize = 4;
  std::array<ChannelMask, 3> masks;  // red, green, blue
};

std::string readLayout(FILE* file, BmpLayout& layout) {
  uint8_t header[14 + 4];
  if (!readExactly(file, header, sizeof header)) return "BMP: the file is truncated";
  if (header[0] != 'B' || header[1] != 'M') return "BMP: not a BMP file";
  layout.pixelOffset = le32(header + 10);
  const uint32_t infoSize = le32(header + 14);

  uint8_t info[124 - 4] = {};
  if (infoSize == kOs2HeaderSize) {
    if (!readExactly(file, info, kOs2HeaderSize - 4)) return "BMP: the file is truncated";
    layout.width = le16(info);
    layout.height = le16(info + 2);
    layout.bitsPerPixel = le16(info + 6);
    layout.paletteEntrySize = 3;
  } else if (infoSize >= kWindowsHeaderSize) {
    // Later header versions only append fields (colour spaces, profiles) a 24-bit result ignores.
    const size_t wanted = std::min<size_t>(infoSize, 124) - 4;
    if (!readExactly(file, info, wanted)) return "BMP: the file is truncated";
    layout.width = static_cast<int32_t>(le32(info));
    layout.height = static_cast<int32_t>(le32(info + 4));
    layout.bitsPerPixel = le16(info + 10);
    layout.compression = le32(info + 12);
    layout.paletteEntries = le32(info + 28);
  } else {
    return "BMP: unknown header version";
  }
  layout.paletteOffset = int64_t{14} + infoSize;

  if (layout.compression == kRunLength8 || layout.compression == kRunLength4)
    return "BMP: run-length compressed files are not supported";
  const bool bitFields = layout.compression == kBitFields || layout.compression == kAlphaBitFields;
  if (layout.compression != kUncompressed && !bitFields) return "BMP: unsupported compression";

  switch (layout.bitsPerPixel) {
    case 1: case 4: case 8: {
      const uint32_t fullPalette = 1u << layout.bitsPerPixel;
      if (layout.paletteEntries == 0 || layout.paletteEntries > fullPalette) layout.paletteEntries = fullPalette;
      break;
    }
    case 16:
      layout.paletteEntries = std::min(layout.paletteEntries, kMaxPaletteEntries);
      layout.masks = {ChannelMask(0x7C00), ChannelMask(0x03E0), ChannelMask(0x001F)};
      break;
    case 24:
      layout.paletteEntries = std::min(layout.paletteEntries, kMaxPaletteEntries);
      break;
    case 32:
      layout.paletteEntries = std::min(layout.paletteEntries, kMaxPaletteEntries);
      layout.masks = {ChannelMask(0xFF0000), ChannelMask(0x00FF00), ChannelMask(0x0000FF)};
      break;
    default:
      return "BMP: " + std::to_string(layout.bitsPerPixel) + " bits per pixel are not supported";
  }
  if (bitFields) {
    if (layout.bitsPerPixel != 16 && layout.bitsPerPixel != 32) return "BMP: unsupported compression";
    // The masks sit inside newer headers, or right after the plain Windows one.
    if (infoSize == kWindowsHeaderSize && !readExactly(file, info + 36, 12)) return "BMP: the file is truncated";
    layout.masks = {ChannelMask(le32(info + 36)), ChannelMask(le32(info + 40)), ChannelMask(le32(info + 44))};
    if (infoSize == kWindowsHeaderSize) layout.paletteOffset += 12;
  }
  // Some writers leave the pixel offset at zero; the pixels then follow the palette directly.
  if (layout.pixelOffset < layout.paletteOffset)
    layout.pixelOffset = layout.paletteOffset + int64_t{layout.paletteEntries} * layout.paletteEntrySize;
  if (std::string refusal = pictureSizeError(layout.width, layout.height < 0 ? -layout.height : layout.height);
      !refusal.empty())
    return "BMP: " + refusal;
  return {};
}

std::string readPalette(FILE* file, const BmpLayout& layout, std::vector<RgbColour>& palette) {
  if (layout.paletteEntries == 0 || layout.bitsPerPixel > 8) return {};
  std::vector<uint8_t> bytes(size_t{layout.paletteEntries} * layout.paletteEntrySize);
  // A palette cut short by the pixel data is common in files from careless tools: read what is there.
  const int64_t available = (layout.pixelOffset - layout.paletteOffset) / layout.paletteEntrySize;
  const auto entries = static_cast<uint32_t>(std::min<int64_t>(layout.paletteEntries, available));
  if (std::fseek(file, static_cast<long>(layout.paletteOffset), SEEK_SET) != 0 ||
      !readExactly(file, bytes.data(), size_t{entries} * layout.paletteEntrySize))
    return "BMP: the file is truncated";
  palette.assign(layout.paletteEntries, RgbColour{});
  for (uint32_t i = 0; i < entries; ++i) {
    const uint8_t* entry = bytes.data() + size_t{i} * layout.paletteEntrySize;
    palette[i] = {entry[2], entry[1], entry[0]};
  }
  return {};
}

void convertRow(const uint8_t* source, const BmpLayout& layout, const std::vector<RgbColour>& palette,
                uchar* target) {
  const int64_t width = layout.width;
  switch (layout.bitsPerPixel) {
    case 1: case 4: case 8: {
      const uint32_t bits = layout.bitsPerPixel;
      const uint32_t valueMask = (1u << bits) - 1;
      for (int64_t x = 0; x < width; ++x, target += 3) {
        const uint64_t bitPosition = static_cast<uint64_t>(x) * bits;
        const uint32_t index = (source[bitPosition / 8] >> (8 - bits - bitPosition % 8)) & valueMask;
        const RgbColour colour = index < palette.size() ? palette[index] : RgbColour{};
        putRgb(target, colour.red, colour.green, colour.blue);
      }
      break;
    }
    case 24:
      for (int64_t x = 0; x < width; ++x, source += 3, target += 3) putRgb(target, source[2], source[1], source[0]);
      break;
    default: {
      const bool wide = layout.bitsPerPixel == 32;
      for (int64_t x = 0; x < width; ++x, target += 3) {
        const uint32_t pixel = wide ? le32(source) : le16(source);
        source += wide ? 4 : 2;
        putRgb(target, layout.masks[0].extract(pixel), layout.masks[1].extract(pixel),
               layout.masks[2].extract(pixel));
      }
    }
  }
}

}  // namespace

PictureLoad readBmpFile(const std::string& utf8Path) {
  File file(std::fopen(utf8Path.c_str(), "rb"));
  if (!file) return openFailure("BMP");
  BmpLayout layout;
  if (std::string error = readLayout(file.get(), layout); !error.empty()) return pictureFailure(error);

  const bool topDown = layout.height < 0;
  const int64_t height = topDown ? -layout.height : layout.height;
  // Rows are padded to whole 32-bit words. Nothing is compressed, so a file too short for its rows
  // is refused before they are allocated.
  const size_t stride = static_cast<size_t>((layout.width * layout.bitsPerPixel + 31) / 32 * 4);
  if (std::string error = pictureDataError(layout.width, height, pictureFileBytes(utf8Path),
                                           layout.pixelOffset + static_cast<int64_t>(stride) * height);
      !error.empty())
    return pictureFailure("BMP: " + error);
  std::vector<RgbColour> palette;
  if (std::string error = readPalette(file.get(), layout, palette); !error.empty()) return pictureFailure(error);
  PictureLoad loaded;
  if (std::string error = allocatePicture(loaded.image, layout.width, height); !error.empty())
    return pictureFailure("BMP: " + error);
  std::vector<uint8_t> row(stride);
  if (std::fseek(file.get(), static_cast<long>(layout.pixelOffset), SEEK_SET) != 0)
    return pictureFailure("BMP: the file is truncated");
  for (int64_t stored = 0; stored < height; ++stored) {
    if (!readExactly(file.get(), row.data(), stride)) return pictureFailure("BMP: the file is truncated");
    const int64_t y = topDown ? stored : height - 1 - stored;
    convertRow(row.data(), layout, palette, loaded.image.scanLine(static_cast<int>(y)));
  }
  return loaded;
}

}  // namespace taluvin
