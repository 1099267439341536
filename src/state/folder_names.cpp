// Folder listings read once per run, matched without regard to letter case.
#include "state/folder_names.h"

#include "base/name_case.h"
#include "base/text.h"

#include <filesystem>
#include <sys/stat.h>

namespace taluvin {

namespace fs = std::filesystem;

void FolderListing::add(std::string onDisk, bool link, bool mayBeFolder) {
  std::string spelled = cp1252NameOf(onDisk);
  auto& group = byFolded_[foldedName(spelled)];
  auto at = group.begin();
  while (at != group.end() && at->onDisk < onDisk) ++at;
  group.insert(at, ListedName{std::move(onDisk), std::move(spelled), link, mayBeFolder});
  ++count_;
}

const ListedName* FolderListing::find(std::string_view part, bool mustBeFolder,
                                      std::vector<const ListedName*>* alike) const {
  const auto group = byFolded_.find(foldedName(part));
  if (group == byFolded_.end()) return nullptr;
  // The exact bytes first (what the file system itself would open), then the same letters in
  // another encoding, then the first in byte order.
  const std::string asUtf8 = cp1252ToUtf8(part);
  const ListedName* chosen = nullptr;
  int chosenRank = 3;
  for (const ListedName& name : group->second) {
    if (mustBeFolder && !name.mayBeFolder) continue;
    const int rank = name.onDisk == asUtf8 ? 0 : name.spelled == part ? 1 : 2;
    if (rank < chosenRank) {
      chosen = &name;
      chosenRank = rank;
    }
  }
  if (alike) {
    for (const ListedName& name : group->second)
      if (&name != chosen && (!mustBeFolder || name.mayBeFolder)) alike->push_back(&name);
  }
  return chosen;
}

namespace {

// The names of a folder; with `only` given (a folded part), just those that fold alike. Past
// `limit` names the reading stops and gives null, so a huge folder never sits in memory whole.
std::shared_ptr<FolderListing> readNames(const std::string& folder, size_t limit, const std::string* only) {
  auto listing = std::make_shared<FolderListing>();
  std::error_code ec;
  fs::directory_iterator it(fs::path(folder), fs::directory_options::skip_permission_denied, ec);
  if (ec) return nullptr;
  for (const fs::directory_iterator done; it != done; it.increment(ec)) {
    if (ec) return nullptr;
    std::string name = it->path().filename().string();
    if (only) {
      if (foldedName(cp1252NameOf(name)) != *only) continue;
    } else if (listing->size() == limit) {
      return nullptr;
    }
    // The entry's type comes from the listing itself; only a link would need a look at its target.
    std::error_code typeError;
    const bool link = it->is_symlink(typeError);
    const bool mayBeFolder = link || it->is_directory(typeError) || typeError;
    listing->add(std::move(name), link, mayBeFolder);
  }
  return listing;
}

}  // namespace

void FolderNames::clear() {
  order_.clear();
  entries_.clear();
  kept_ = 0;
}

FolderNames::Listed FolderNames::listing(const std::string& folder, std::string_view part, const Admit& admit) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return {};
  const Stamp stamp{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                    int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec,
                    int64_t{info.st_ctim.tv_sec} * 1'000'000'000 + info.st_ctim.tv_nsec};
  const std::string& key = folder;
  const auto searched = [&] {
    const std::string folded = foldedName(part);
    return Listed{readNames(folder, 0, &folded), false};
  };
  if (const auto found = entries_.find(key); found != entries_.end()) {
    const Order::iterator entry = found->second;
    if (entry->stamp == stamp) {
      order_.splice(order_.begin(), order_, entry);
      if (entry->refused) return {nullptr, true};
      return entry->whole ? Listed{entry->names, false} : searched();
    }
    drop(entry);
  }
  Entry entry;
  entry.folder = key;
  entry.stamp = stamp;
  entry.refused = admit && !admit(folder);
  if (!entry.refused) {
    entry.names = readNames(folder, budget_, nullptr);
    entry.whole = entry.names != nullptr;
    if (entry.names) entry.cost = std::max<size_t>(entry.names->size(), 1);
  }
  const bool refused = entry.refused;
  const bool whole = entry.whole;
  std::shared_ptr<const FolderListing> names = entry.names;
  keep(std::move(entry));
  if (refused) return {nullptr, true};
  return whole ? Listed{std::move(names), false} : searched();
}

void FolderNames::drop(Order::iterator entry) {
  kept_ -= entry->cost;
  entries_.erase(entry->folder);
  order_.erase(entry);
}

void FolderNames::keep(Entry entry) {
  while (!order_.empty() && kept_ + entry.cost > budget_) drop(std::prev(order_.end()));
  kept_ += entry.cost;
  order_.push_front(std::move(entry));
  entries_.emplace(order_.front().folder, order_.begin());
}

}  // namespace taluvin
