// Our own reader for Windows and OS/2 BMP files of 1, 4, 8, 16, 24 and 32 bits, run-length ones too.
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
// A run of two bytes paints at most 255 pixels, and an end of picture leaves the rest blank, so a
// run-length picture up to this size is allowed whatever the file's length; a larger one must be
// one its data could paint with runs alone.
constexpr int64_t kRunLengthPixelsAlwaysAllowed = int64_t{4} << 20;
constexpr int64_t kRunLengthPixelsPerByte = 255 / 2;

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

  const bool bitFields = layout.compression == kBitFields || layout.compression == kAlphaBitFields;
  const bool runLength = layout.compression == kRunLength8 || layout.compression == kRunLength4;
  if (layout.compression != kUncompressed && !bitFields && !runLength) return "BMP: unsupported compression";
  if ((layout.compression == kRunLength8 && layout.bitsPerPixel != 8) ||
      (layout.compression == kRunLength4 && layout.bitsPerPixel != 4))
    return "BMP: unsupported compression";

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

// Rows are padded to whole 32-bit words.
int64_t rowStride(const BmpLayout& layout) { return (layout.width * layout.bitsPerPixel + 31) / 32 * 4; }

bool runLength(const BmpLayout& layout) {
  return layout.compression == kRunLength8 || layout.compression == kRunLength4;
}

// Why a file is too short for the picture it declares, asked before its rows are allocated.
std::string dataError(const BmpLayout& layout, int64_t height, int64_t fileBytes) {
  const int64_t pixels = layout.width * height;
  if (!runLength(layout))
    return pictureDataError(layout.width, height, fileBytes, layout.pixelOffset + rowStride(layout) * height);
  if (pixels <= kRunLengthPixelsAlwaysAllowed) return {};
  return pictureDataError(layout.width, height, fileBytes, layout.pixelOffset + pixels / kRunLengthPixelsPerByte);
}

std::string readUncompressedRows(FILE* file, const BmpLayout& layout, const std::vector<RgbColour>& palette,
                                 QImage& image) {
  const bool topDown = layout.height < 0;
  const int64_t height = topDown ? -layout.height : layout.height;
  std::vector<uint8_t> row(static_cast<size_t>(rowStride(layout)));
  for (int64_t stored = 0; stored < height; ++stored) {
    if (!readExactly(file, row.data(), row.size())) return "BMP: the file is truncated";
    const int64_t y = topDown ? stored : height - 1 - stored;
    convertRow(row.data(), layout, palette, image.scanLine(static_cast<int>(y)));
  }
  return {};
}

// Run-length rows: pairs of a count and a colour index (two indices in 4 bits), or a zero and a
// code: 0 ends the row, 1 the picture, 2 moves by the two bytes after it, and from 3 on that many
// indices follow as they are, padded to an even number of bytes. Pixels no run paints keep the
// first palette colour, as in a picture decoded into a fresh index plane. Runs past the row's end
// are cut there and a move past the last row ends the picture; data ending before the picture does
// is a truncated file, refused like an uncompressed one.
std::string readRunLengthRows(FILE* file, const BmpLayout& layout, const std::vector<RgbColour>& palette,
                              QImage& image) {
  const int64_t width = layout.width;
  const bool topDown = layout.height < 0;
  const int64_t height = topDown ? -layout.height : layout.height;
  const bool nibbles = layout.compression == kRunLength4;
  const auto colourAt = [&palette](uint32_t index) { return index < palette.size() ? palette[index] : RgbColour{}; };
  const RgbColour blank = colourAt(0);
  image.fill(QColor(blank.red, blank.green, blank.blue));

  int64_t x = 0;
  int64_t stored = 0;  // rows in the file's order
  uchar* row = nullptr;
  const auto startRow = [&] {
    row = stored < height ? image.scanLine(static_cast<int>(topDown ? stored : height - 1 - stored)) : nullptr;
  };
  const auto paint = [&](uint32_t index) {
    if (x >= width) return;
    const RgbColour colour = colourAt(index);
    putRgb(row + 3 * x, colour.red, colour.green, colour.blue);
    ++x;
  };
  const auto indexOf = [nibbles](uint8_t byte, int i) -> uint32_t {
    if (!nibbles) return byte;
    return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
  };
  const std::string truncated = "BMP: the file is truncated";
  std::array<uint8_t, 256> literal{};
  startRow();
  while (row) {
    uint8_t pair[2];
    if (!readExactly(file, pair, sizeof pair)) return truncated;
    if (pair[0] > 0) {
      for (int i = 0; i < pair[0]; ++i) paint(indexOf(pair[1], i));
      continue;
    }
    switch (pair[1]) {
      case 0:
        x = 0;
        ++stored;
        startRow();
        break;
      case 1:
        return {};
      case 2: {
        uint8_t move[2];
        if (!readExactly(file, move, sizeof move)) return truncated;
        x = std::min<int64_t>(x + move[0], width);
        stored += move[1];
        startRow();
        break;
      }
      default: {
        const int count = pair[1];
        const size_t bytes = nibbles ? size_t(count + 1) / 2 : size_t(count);
        if (!readExactly(file, literal.data(), bytes + bytes % 2)) return truncated;
        for (int i = 0; i < count; ++i) paint(indexOf(literal[size_t(nibbles ? i / 2 : i)], i));
      }
    }
  }
  return {};
}

}  // namespace

PictureLoad readBmpFile(const std::string& utf8Path) {
  File file(std::fopen(utf8Path.c_str(), "rb"));
  if (!file) return openFailure("BMP");
  BmpLayout layout;
  if (std::string error = readLayout(file.get(), layout); !error.empty()) return pictureFailure(error);
  const int64_t height = layout.height < 0 ? -layout.height : layout.height;
  if (std::string error = dataError(layout, height, pictureFileBytes(utf8Path)); !error.empty())
    return pictureFailure("BMP: " + error);
  std::vector<RgbColour> palette;
  if (std::string error = readPalette(file.get(), layout, palette); !error.empty()) return pictureFailure(error);
  PictureLoad loaded;
  if (std::string error = allocatePicture(loaded.image, layout.width, height); !error.empty())
    return pictureFailure("BMP: " + error);
  if (std::fseek(file.get(), static_cast<long>(layout.pixelOffset), SEEK_SET) != 0)
    return pictureFailure("BMP: the file is truncated");
  const std::string error = runLength(layout) ? readRunLengthRows(file.get(), layout, palette, loaded.image)
                                              : readUncompressedRows(file.get(), layout, palette, loaded.image);
  if (!error.empty()) return pictureFailure(error);
  return loaded;
}

}  // namespace taluvin
