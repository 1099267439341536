// FolderNames: the listings of a game's folders that let a name find its file whatever its letter case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace taluvin {

// One name a folder holds.
struct ListedName {
  std::string onDisk;   // the file system's bytes
  std::string spelled;  // the Windows-1252 text they spell
  bool link = false;
  bool mayBeFolder = false;  // a folder, or a link that may lead to one
};

// The names of one folder, grouped by their folded spelling, each group in byte order.
class FolderListing {
 public:
  void add(std::string onDisk, bool link, bool mayBeFolder);
  size_t size() const { return count_; }

  // The name a part of a path (Windows-1252 text) finds: the one spelled exactly so, else the first
  // in byte order of those differing only in letter case; null when there is none. A part that
  // must be a folder passes over plain files. `alike`, when given, receives the group's others.
  const ListedName* find(std::string_view part, bool mustBeFolder,
                         std::vector<const ListedName*>* alike = nullptr) const;

 private:
  std::unordered_map<std::string, std::vector<ListedName>> byFolded_;
  size_t count_ = 0;
};

// Listings read once and kept until the next run starts (clear), or until the folder itself is
// seen to change: each use looks at the folder once, so a file added or removed meanwhile is
// usually seen (a change within the same tick of the folder's clock is not; the next run sees
// it, and the program's own writes call clear). Held within a budget of names, the least recently
// used folder let go first; a folder holding more names than the whole budget is never kept, only
// searched for the part asked each time.
class FolderNames {
 public:
  static constexpr size_t kDefaultNameBudget = 200'000;
  explicit FolderNames(size_t nameBudget = kDefaultNameBudget) : budget_(nameBudget) {}
  // The index points into the list: a copy would point into the original's.
  FolderNames(const FolderNames&) = delete;
  FolderNames& operator=(const FolderNames&) = delete;
  FolderNames(FolderNames&&) = default;
  FolderNames& operator=(FolderNames&&) = default;

  void clear();

  // Whether a folder about to be listed may be: one reached through a link must still lie inside
  // the game folder. Asked once per listing read.
  using Admit = std::function<bool(const std::string&)>;

  struct Listed {
    std::shared_ptr<const FolderListing> names;  // null when the folder cannot be read
    bool refused = false;                          // the folder was not admitted
  };
  // The names in folder (a native path) that `part` may find.
  Listed listing(const std::string& folder, std::string_view part, const Admit& admit = {});

  size_t keptNames() const { return kept_; }
  size_t keptFolders() const { return entries_.size(); }

 private:
  struct Stamp {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;
    bool operator==(const Stamp&) const = default;
  };
  struct Entry {
    std::string folder;
    Stamp stamp;
    bool refused = false;
    bool whole = true;  // false: too many names to keep; searched per part
    std::shared_ptr<const FolderListing> names;
    size_t cost = 1;
  };
  using Order = std::list<Entry>;  // most recently used first

  void drop(Order::iterator entry);
  void keep(Entry entry);

  size_t budget_;
  size_t kept_ = 0;
  Order order_;
  std::unordered_map<std::string, Order::iterator> entries_;
};

}  // namespace taluvin
