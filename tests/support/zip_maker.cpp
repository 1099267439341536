// A small zip writer for stored entries, and libarchive's for deflated ones.
#include "support/zip_maker.h"

#include <archive.h>
#include <archive_entry.h>
#include <array>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace taluvin::testing {

namespace {

uint32_t crc32Of(const std::string& data) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : data) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

void put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

}  // namespace

std::string makeZip(const std::vector<ZipEntry>& entries) {
  std::string local, central;
  for (const ZipEntry& entry : entries) {
    const uint32_t offset = static_cast<uint32_t>(local.size());
    const uint32_t crc = crc32Of(entry.data);
    const uint32_t size = static_cast<uint32_t>(entry.data.size());
    const uint16_t flags = entry.markedUtf8 ? 0x0800 : 0;
    uint32_t mode = 0100644;
    if (entry.kind == ZipEntry::Kind::Folder) mode = 040755;
    if (entry.kind == ZipEntry::Kind::Link) mode = 0120777;
    const uint32_t external = (mode << 16) | (entry.kind == ZipEntry::Kind::Folder ? 0x10 : 0);

    put32(local, 0x04034b50);
    put16(local, 20);
    put16(local, flags);
    put16(local, 0);  // stored
    put16(local, 0);
    put16(local, 0x21);
    put32(local, crc);
    put32(local, size);
    put32(local, size);
    put16(local, static_cast<uint32_t>(entry.name.size()));
    put16(local, 0);
    local += entry.name;
    local += entry.data;

    put32(central, 0x02014b50);
    put16(central, (3 << 8) | 20);  // made on Unix, so the mode counts
    put16(central, 20);
    put16(central, flags);
    put16(central, 0);
    put16(central, 0);
    put16(central, 0x21);
    put32(central, crc);
    put32(central, size);
    put32(central, size);
    put16(central, static_cast<uint32_t>(entry.name.size()));
    put16(central, 0);
    put16(central, 0);
    put16(central, 0);
    put16(central, 0);
    put32(central, external);
    put32(central, offset);
    central += entry.name;
  }
  std::string zip = local + central;
  put32(zip, 0x06054b50);
  put16(zip, 0);
  put16(zip, 0);
  put16(zip, static_cast<uint32_t>(entries.size()));
  put16(zip, static_cast<uint32_t>(entries.size()));
  put32(zip, static_cast<uint32_t>(central.size()));
  put32(zip, static_cast<uint32_t>(local.size()));
  put16(zip, 0);
  return zip;
}

std::string makeDeflatedZip(const std::vector<std::pair<std::string, std::string>>& files) {
  archive* writer = archive_write_new();
  archive_write_set_format_zip(writer);
  archive_write_zip_set_compression_deflate(writer);
  std::string bytes(64 * 1024 * 1024, '\0');
  size_t used = 0;
  if (archive_write_open_memory(writer, bytes.data(), bytes.size(), &used) != ARCHIVE_OK)
    throw std::runtime_error("cannot open the zip writer");
  for (const auto& [name, data] : files) {
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, name.c_str());
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_size(entry, static_cast<la_int64_t>(data.size()));
    archive_write_header(writer, entry);
    archive_write_data(writer, data.data(), data.size());
    archive_entry_free(entry);
  }
  archive_write_close(writer);
  archive_write_free(writer);
  bytes.resize(used);
  return bytes;
}

void writeFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

}  // namespace taluvin::testing
