// The object table: lookup, catalogue order, and the object files.
#include "state/object_store.h"

#include "state/game_paths.h"
#include "state/register_table.h"

#include <algorithm>
#include <array>

namespace taluvin {

namespace {

// Windows-1252 letters folded to their plain lower-case letter; other bytes stay as they are.
const std::array<unsigned char, 256> kFolded = [] {
  std::array<unsigned char, 256> map{};
  for (int c = 0; c < 256; ++c) map[static_cast<size_t>(c)] = static_cast<unsigned char>(c);
  for (int c = 'A'; c <= 'Z'; ++c) map[static_cast<size_t>(c)] = static_cast<unsigned char>(c - 'A' + 'a');
  auto fold = [&map](std::initializer_list<int> codes, char letter) {
    for (int c : codes) map[static_cast<size_t>(c)] = static_cast<unsigned char>(letter);
  };
  fold({0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6}, 'a');
  fold({0xC7, 0xE7}, 'c');
  fold({0xD0, 0xF0}, 'd');
  fold({0xC8, 0xC9, 0xCA, 0xCB, 0xE8, 0xE9, 0xEA, 0xEB}, 'e');
  fold({0xCC, 0xCD, 0xCE, 0xCF, 0xEC, 0xED, 0xEE, 0xEF}, 'i');
  fold({0xD1, 0xF1}, 'n');
  fold({0x8C, 0x9C, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD8, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF8}, 'o');
  fold({0x8A, 0x9A}, 's');
  fold({0xD9, 0xDA, 0xDB, 0xDC, 0xF9, 0xFA, 0xFB, 0xFC}, 'u');
  fold({0x9F, 0xDD, 0xFD, 0xFF}, 'y');
  fold({0x8E, 0x9E}, 'z');
  return map;
}();

// Lower case only: accented capitals to their accented small letters.
unsigned char lowered(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<unsigned char>(c + 32);
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);
  if (c == 0x9F) return 0xFF;
  return c;
}

template <typename Key>
int compareBy(std::string_view a, std::string_view b, Key key) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char x = key(static_cast<unsigned char>(a[i]));
    const unsigned char y = key(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

std::optional<int> objectPropertyLine(std::string_view word) {
  if (word == "nom") return kObjectName;
  if (word == "dsc") return kObjectDescription;
  if (word == "loc") return kObjectLocation;
  if (word == "shp") return kObjectShape;
  if (word == "tag") return kObjectTag;
  return std::nullopt;
}

bool catalogueLess(std::string_view a, std::string_view b) {
  if (int c = compareBy(a, b, [](unsigned char x) { return kFolded[x]; })) return c < 0;
  if (int c = compareBy(a, b, lowered)) return c < 0;
  return a < b;
}

void ObjectStore::setTable(Lines table) {
  table_ = std::move(table);
  indexed_ = false;
}

void ObjectStore::clear() {
  table_.clear();
  names.clear();
  indexed_ = false;
}

void ObjectStore::buildIndex() const {
  index_.clear();
  const int count = recordCount();
  index_.reserve(static_cast<size_t>(count));
  for (int record = count - 1; record >= 0; --record) index_[key(record)] = record;  // the first one wins
  indexed_ = true;
}

int ObjectStore::find(std::string_view key) const {
  if (!indexed_) buildIndex();
  auto found = index_.find(key);
  return found == index_.end() ? -1 : found->second;
}

std::vector<int> ObjectStore::recordsAt(std::string_view location) const {
  std::vector<int> records;
  const int count = recordCount();
  for (int record = 0; record < count; ++record)
    if (line(record, kObjectLocation) == location) records.push_back(record);
  return records;
}

void ObjectStore::setCatalogue(Lines catalogue) {
  std::stable_sort(catalogue.begin(), catalogue.end(),
                   [](const std::string& a, const std::string& b) { return catalogueLess(a, b); });
  names = std::move(catalogue);
}

Lines ObjectStore::loadCatalogue(const std::string& path) {
  LinesWithin file = readLinesWithin(path, kMaxObjectCount, kMaxRegisterText);
  setCatalogue(std::move(file.lines));
  return cutNotices(path, file, kMaxObjectCount, kMaxRegisterText);
}

Lines ObjectStore::loadTable(const std::string& path) {
  constexpr size_t kMaxLines = size_t{kMaxObjectCount} * kObjectRecordLines;
  LinesWithin file = readLinesWithin(path, kMaxLines, kMaxRegisterText);
  table_ = std::move(file.lines);
  indexed_ = false;
  const size_t partial = table_.size() % kObjectRecordLines;
  if (partial != 0) table_.resize(table_.size() + kObjectRecordLines - partial);
  return cutNotices(path, file, kMaxLines, kMaxRegisterText);
}

std::vector<std::string> ObjectStore::reload(const std::string& folder, FolderNames& folderNames,
                                             const std::string& name) {
  std::vector<std::string> missing;
  indexed_ = false;  // a record's file may name another key
  // The first eight lines of the object's file; nothing when the file is missing.
  auto readRecord = [&](const std::string& objectName) -> std::optional<Lines> {
    auto path = resolveInFolder(folder, objectName + ".obj", folderNames);
    if (!path || !fileExists(*path)) {
      missing.push_back(objectName);
      return std::nullopt;
    }
    Lines record = readLinesWithin(*path, kObjectRecordLines, kMaxRegisterText).lines;
    if (record.empty()) record.push_back(objectName);
    record.resize(kObjectRecordLines);
    return record;
  };

  if (name.empty() || name == "todos") {
    table_.clear();
    for (const auto& objectName : names) {
      auto record = readRecord(objectName);
      if (!record) {
        record = Lines(kObjectRecordLines);
        (*record)[kObjectKey] = objectName;
      }
      table_.insert(table_.end(), record->begin(), record->end());
    }
    return missing;
  }

  std::optional<Lines> record;
  for (size_t k = 0; k < names.size(); ++k) {
    if (names[k] != name) continue;
    if (!record) {
      record = readRecord(name);
      if (!record) return missing;
    }
    // A table shorter than the catalogue grows to hold the record of this name.
    const size_t end = (k + 1) * kObjectRecordLines;
    if (table_.size() < end) table_.resize(end);
    std::copy(record->begin(), record->end(), table_.begin() + static_cast<long>(k * kObjectRecordLines));
  }
  return missing;
}

}  // namespace taluvin
