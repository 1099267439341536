// Fuzz target: names matched in any letter case (a name, a NUL byte, then the folder's names one per line).
#include "base/name_case.h"
#include "base/text.h"
#include "state/folder_names.h"
#include "state/game_paths.h"
#include "support/fuzz_game.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace taluvin::fuzz;
namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxNames = 32;
constexpr size_t kMaxNameBytes = 200;

void require(bool holds) {
  if (!holds) std::abort();
}

std::vector<std::string> linesOf(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size() && lines.size() < kMaxNames) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start && end - start <= kMaxNameBytes) lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// Made in the scratch folder as given: "a/b" as a folder and a file in it; a name starting with
// ">" as a link to the folder above the scratch folder, which the resolver must never lead into.
void makeOnDisk(const std::vector<std::string>& names) {
  clearScratch();
  const fs::path root(scratchFolder());
  for (const std::string& name : names) {
    if (name[0] == '/' || name.find("..") != std::string::npos) continue;
    std::error_code ec;
    if (name[0] == '>') {
      if (name.size() > 1 && name.find('/') == std::string::npos) fs::create_symlink(root.parent_path().parent_path(), root / name.substr(1), ec);
      continue;
    }
    const fs::path path = root / name;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream(path) << "x";
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto [name, listed] = splitAtNul(asText(data, size));
  const std::vector<std::string> names = linesOf(listed);

  // The codec and the folding: a name written here reads back as the letters it was written from.
  const std::string part(name.substr(0, kMaxNameBytes));
  require(taluvin::cp1252NameOf(taluvin::cp1252ToUtf8(part)) == part);
  require(taluvin::foldedName(taluvin::foldedName(part)) == taluvin::foldedName(part));

  // One listing in memory: what is found folds like the part, and bytes spelled alike win.
  taluvin::FolderListing listing;
  for (const std::string& onDisk : names) listing.add(onDisk, false, true);
  std::vector<const taluvin::ListedName*> alike;
  if (const taluvin::ListedName* found = listing.find(part, false, &alike)) {
    require(taluvin::foldedName(found->spelled) == taluvin::foldedName(part));
    for (const std::string& onDisk : names)
      if (onDisk == taluvin::cp1252ToUtf8(part)) require(found->onDisk == onDisk);
  } else {
    require(alike.empty());
  }

  // The same names on disk: whatever the resolver gives lies inside the scratch folder.
  makeOnDisk(names);
  taluvin::FolderNames folderNames(16);
  const auto resolved = taluvin::resolveInFolder(scratchFolder(), std::string(name), folderNames);
  const auto lookup = taluvin::lookUpName(scratchFolder(), std::string(name), folderNames);
  require(resolved == lookup.path);
  if (resolved) {
    std::error_code ec;
    const std::string real = fs::weakly_canonical(fs::path(*resolved), ec).string();
    const std::string inside = fs::canonical(fs::path(scratchFolder()), ec).string() + "/";
    require(real.compare(0, inside.size(), inside) == 0);
  }
  return 0;
}
