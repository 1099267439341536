// Writes pictures as uncompressed bottom-up 24-bit BMP files, the form every BMP reader accepts.
#include "present/picture_file.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace taluvin {

namespace {

void putLe16(uint8_t* target, uint32_t value) {
  target[0] = static_cast<uint8_t>(value);
  target[1] = static_cast<uint8_t>(value >> 8);
}

void putLe32(uint8_t* target, uint32_t value) {
  putLe16(target, value & 0xFFFF);
  putLe16(target + 2, value >> 16);
}

}  // namespace

std::string encodeBmp(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  const uint64_t width = static_cast<uint64_t>(rgb.width());
  const uint64_t height = static_cast<uint64_t>(rgb.height());
  const uint64_t stride = (width * 3 + 3) / 4 * 4;
  constexpr uint32_t kHeadersSize = 14 + 40;
  const uint64_t fileSize = kHeadersSize + stride * height;
  if (fileSize > UINT32_MAX) return {};

  std::string bytes(static_cast<size_t>(fileSize), '\0');
  auto* headers = reinterpret_cast<uint8_t*>(bytes.data());
  headers[0] = 'B';
  headers[1] = 'M';
  putLe32(headers + 2, static_cast<uint32_t>(fileSize));
  putLe32(headers + 10, kHeadersSize);
  putLe32(headers + 14, 40);
  putLe32(headers + 18, static_cast<uint32_t>(width));
  putLe32(headers + 22, static_cast<uint32_t>(height));
  putLe16(headers + 26, 1);   // planes
  putLe16(headers + 28, 24);  // bits per pixel
  putLe32(headers + 34, static_cast<uint32_t>(stride * height));
  putLe32(headers + 38, 2835);  // 72 dots per inch, in dots per metre
  putLe32(headers + 42, 2835);

  uint8_t* row = headers + kHeadersSize;
  for (int y = rgb.height() - 1; y >= 0; --y, row += stride) {
    const uchar* source = rgb.constScanLine(y);
    for (uint64_t x = 0; x < width; ++x) {
      row[x * 3] = source[x * 3 + 2];
      row[x * 3 + 1] = source[x * 3 + 1];
      row[x * 3 + 2] = source[x * 3];
    }
  }
  return bytes;
}

bool writeBmp(const std::string& path, const QImage& image) {
  const std::string bytes = encodeBmp(image);
  if (bytes.empty()) return false;
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = std::fclose(file) == 0 && written;
  if (!written) std::remove(path.c_str());  // a half-written picture would only mislead later loads
  return written;
}

}  // namespace taluvin
