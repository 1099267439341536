// Writing and reading slot manifests: one "key=value" per line under a first line naming the format.
#include "state/slot_manifest.h"

#include "state/state_writer.h"

#include <map>

namespace taluvin {

namespace {

constexpr std::string_view kFirstLine = "taluvin-save 1";
constexpr std::string_view kFormatWord = "taluvin-save ";

// Sizes are kept far below 2^64 so no sum or comparison of them can wrap.
constexpr std::uint64_t kMaxRecordedSize = std::uint64_t{1} << 48;

const char kHex[] = "0123456789abcdef";

std::string hex64(std::uint64_t value) {
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4) text[static_cast<size_t>(i)] = kHex[value & 0xF];
  return text;
}

bool readHex64(std::string_view text, std::uint64_t& value) {
  if (text.size() != 16) return false;
  value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return false;
    value = (value << 4) | static_cast<std::uint64_t>(digit);
  }
  return true;
}

bool readSize(std::string_view text, std::uint64_t& value) {
  if (text.empty() || text.size() > 15) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return value <= kMaxRecordedSize;
}

// "NAME SIZE CHECKSUM"; the name may hold blanks, so the two numbers are taken from the end.
std::string readFileEntry(std::string_view value, SlotFileEntry& entry) {
  const size_t lastBlank = value.rfind(' ');
  if (lastBlank == std::string_view::npos) return "a file entry needs a name, a size and a checksum";
  const size_t middleBlank = lastBlank == 0 ? std::string_view::npos : value.rfind(' ', lastBlank - 1);
  if (middleBlank == std::string_view::npos) return "a file entry needs a name, a size and a checksum";
  const std::string_view name = value.substr(0, middleBlank);
  if (!isPlainSlotFileName(name)) return "a file entry names no plain file";
  if (!readSize(value.substr(middleBlank + 1, lastBlank - middleBlank - 1), entry.size))
    return "a file entry's size is not a number of bytes";
  if (!readHex64(value.substr(lastBlank + 1), entry.checksum))
    return "a file entry's checksum is not 16 hexadecimal digits";
  if (entry.size > kMaxSlotFileBytes) return "a file entry is larger than a slot holds";
  entry.name = std::string(name);
  return {};
}

}  // namespace

const SlotFileEntry* SlotManifest::file(const std::string& name) const {
  for (const auto& entry : files)
    if (entry.name == name) return &entry;
  return nullptr;
}

bool isPlainSlotFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of(std::string_view("/\\\0\r\n", 5)) == std::string_view::npos;
}

std::uint64_t slotChecksum(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 0x100000001b3ull;
  }
  return hash;
}

std::string formatSlotManifest(const SlotManifest& m) {
  std::string text(kFirstLine);
  text += '\n';
  // A line break inside a value would start a line of its own; state files show it as "§" too.
  auto field = [&text](const char* key, const std::string& value) {
    text += key;
    text += '=';
    text += stateFileLine(value);
    text += '\n';
  };
  field("game", m.game);
  field("folder", m.folder);
  field("time", m.time);
  field("script", m.script);
  field("retscp", m.retScp);
  field("objeto", m.objeto);
  field("posic", m.posic);
  field("thumbnail", m.thumbnail);
  if (!m.label.empty()) field("label", m.label);
  for (const auto& f : m.files)
    field("file", f.name + ' ' + std::to_string(f.size) + ' ' + hex64(f.checksum));
  return text;
}

std::string parseSlotManifest(std::string_view text, SlotManifest& m) {
  m = SlotManifest{};
  if (text.size() > kMaxSlotManifestBytes) return "the manifest is larger than a manifest can be";
  std::map<std::string_view, std::string*> fields = {
      {"game", &m.game},     {"folder", &m.folder}, {"time", &m.time},         {"script", &m.script},
      {"retscp", &m.retScp}, {"objeto", &m.objeto}, {"posic", &m.posic}, {"thumbnail", &m.thumbnail},
      {"label", &m.label},
  };
  std::map<std::string_view, bool> seen;
  size_t start = 0;
  int number = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string at = "line " + std::to_string(number) + ": ";
    if (number == 1) {
      if (line == kFirstLine) continue;
      if (line.substr(0, kFormatWord.size()) == kFormatWord)
        return at + "the slot was written in a form this program does not read (" + std::string(line) + ")";
      return "it is not a save manifest";
    }
    if (line.empty()) continue;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return at + "no '=' in the line";
    const std::string_view key = line.substr(0, equals), value = line.substr(equals + 1);
    if (key == "file") {
      if (m.files.size() == kMaxSlotFiles) return at + "more files than a slot holds";
      SlotFileEntry entry;
      if (std::string problem = readFileEntry(value, entry); !problem.empty()) return at + problem;
      if (m.file(entry.name)) return at + "the file " + entry.name + " is listed twice";
      m.files.push_back(std::move(entry));
      continue;
    }
    const auto field = fields.find(key);
    if (field == fields.end()) continue;  // a later program's addition, not needed to restore
    if (seen[field->first]) return at + "'" + std::string(key) + "' is given twice";
    seen[field->first] = true;
    *field->second = std::string(value);
  }
  if (number == 0) return "the manifest is empty";
  if (m.game.empty()) return "the manifest names no game";
  if (m.folder.empty()) return "the manifest names no game folder";
  if (!m.thumbnail.empty() && !isPlainSlotFileName(m.thumbnail)) return "the manifest's thumbnail is no plain file name";
  return {};
}

}  // namespace taluvin
