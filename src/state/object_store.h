// The object catalogue (sorted names) and the object table (eight lines per object).
#pragma once

#include "state/folder_names.h"
#include "state/text_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace taluvin {

// Lines of an object record after its key line 0, named by the words scripts use for them.
// Lines 6 and 7 are spare: kept through loading and saving, never interpreted.
enum ObjectLine { kObjectKey = 0, kObjectName = 1, kObjectDescription = 2, kObjectLocation = 3, kObjectShape = 4,
                  kObjectTag = 5, kObjectRecordLines = 8 };

// "nom", "dsc", "loc", "shp" or "tag"; nothing for any other word.
std::optional<int> objectPropertyLine(std::string_view word);

// A catalogue or table file naming more objects than this is cut to this many, and an object's line
// to the length of a register; no game needs more, and each record costs memory.
constexpr int kMaxObjectCount = 1'000'000;

// The location of what the player carries.
inline constexpr std::string_view kCarried = "jog";

// "loc", "@loc" and "@pos" stand for the current place in object commands.
inline bool isPlaceWord(std::string_view word) { return word == "loc" || word == "@loc" || word == "@pos"; }

// Catalogue order: letter case and accents ignored first ("Ábaco" sorts with "abelha"), then
// accents, then case, so the same names always come out in the same order.
bool catalogueLess(std::string_view a, std::string_view b);

class ObjectStore {
 public:
  Lines names;  // the ".obz" catalogue, kept sorted

  // The ".obx" records, record k belonging to catalogue name k.
  const Lines& table() const { return table_; }
  void setTable(Lines table);
  void clear();

  int recordCount() const { return static_cast<int>(table_.size() / kObjectRecordLines); }

  // The first record whose key equals the name exactly, or -1. Scripts look objects up by key on
  // nearly every object command, so the keys are indexed; the index is rebuilt on the first lookup
  // after a key may have changed.
  int find(std::string_view key) const;

  const std::string& line(int record, int offset) const { return table_[lineIndex(record, offset)]; }
  const std::string& key(int record) const { return line(record, kObjectKey); }
  // Writing through this to a key line drops the index; properties leave it alone.
  std::string& line(int record, int offset) {
    if (offset == kObjectKey) indexed_ = false;
    return table_[lineIndex(record, offset)];
  }

  // Records whose location equals the given one, in catalogue order.
  std::vector<int> recordsAt(std::string_view location) const;

  void setCatalogue(Lines catalogue);
  // Both loads cut a file past the budgets to fit and return what they cut, one line per kind.
  Lines loadCatalogue(const std::string& path);
  // A table file cut short mid-record is completed with empty lines, so every record has eight.
  Lines loadTable(const std::string& path);
  void saveTable(const std::string& path) const { writeLines(path, table_); }

  // Records rebuilt from the per-object files (name + ".obj" in folder, looked up through
  // folderNames): every catalogue name when `name` is empty or "todos", else the records of that
  // name. Returns the names whose file is missing; their records keep the key and have empty
  // properties (all) or stay as they were (one).
  std::vector<std::string> reload(const std::string& folder, FolderNames& folderNames, const std::string& name);

 private:
  static size_t lineIndex(int record, int offset) {
    return static_cast<size_t>(record) * kObjectRecordLines + static_cast<size_t>(offset);
  }
  void buildIndex() const;

  struct KeyHash {
    using is_transparent = void;
    size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
  };
  Lines table_;
  mutable std::unordered_map<std::string, int, KeyHash, std::equal_to<>> index_;  // key -> first record
  mutable bool indexed_ = false;
};

}  // namespace taluvin
