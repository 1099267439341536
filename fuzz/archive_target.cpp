// Fuzz target: a zip archive unpacked as a game is brought in, then searched for its game.
#include "state/archive_unpack.h"
#include "state/game_import.h"
#include "support/fuzz_game.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>

using namespace taluvin::fuzz;
namespace fs = std::filesystem;

namespace {

void require(bool holds) {
  if (!holds) std::abort();
}

bool validUtf8(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

// Small budgets: a bomb is refused within a few megabytes, so each input stays quick.
taluvin::UnpackBudget fuzzBudget() {
  taluvin::UnpackBudget budget;
  budget.maxEntries = 300;
  budget.maxBytes = 8 * 1024 * 1024;
  budget.maxRatio = 200;
  budget.ratioFloor = 1024 * 1024;
  return budget;
}

// Everything unpacked lies inside the folder: links only to targets below their own folder, names
// in UTF-8, no more files or bytes than the budget and the count say.
void checkUnpacked(const std::string& into, const taluvin::UnpackResult& result, const taluvin::UnpackBudget& budget) {
  const fs::path inside = fs::canonical(into);
  uint64_t files = 0;
  uint64_t bytes = 0;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(into, ec), end; !ec && it != end; it.increment(ec)) {
    require(validUtf8(it->path().filename().string()));
    const fs::file_status status = it->symlink_status(ec);
    if (ec) break;
    if (fs::is_symlink(status)) {
      const fs::path target = fs::read_symlink(it->path(), ec);
      require(target.is_relative());
      // Read as written, and where it really leads; a loop of links leads nowhere, which is harmless.
      const std::string written = (it->path().parent_path() / target).lexically_normal().string();
      require(written.compare(0, into.size(), into) == 0);
      std::error_code loop;
      const std::string landed = fs::weakly_canonical(it->path().parent_path() / target, loop).string();
      if (!loop) require(landed.compare(0, inside.string().size() + 1, inside.string() + "/") == 0);
    } else if (fs::is_regular_file(status)) {
      struct stat st {};
      require(::lstat(it->path().c_str(), &st) == 0 && (st.st_mode & 07133) == 0);
      ++files;
      bytes += static_cast<uint64_t>(st.st_size);
    } else {
      require(fs::is_directory(status));
    }
  }
  require(files == result.files && files <= budget.maxEntries);
  require(bytes <= result.bytes && result.bytes <= budget.maxBytes + 64 * 1024);
  if (result.error.empty()) require(bytes == result.bytes);
  require(result.error.find('\n') == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  clearScratch();
  const std::string into = scratchFolder() + "into/";
  const std::string beside = scratchFolder() + "beside/";
  fs::create_directory(into);
  fs::create_directory(beside);

  const taluvin::UnpackBudget budget = fuzzBudget();
  const taluvin::UnpackResult result = taluvin::unpackArchiveBytes(data, size, into, budget);
  checkUnpacked(into, result, budget);
  // Nothing reaches the folder beside it, or the scratch folder itself.
  require(fs::is_empty(beside));
  for (const auto& entry : fs::directory_iterator(scratchFolder()))
    require(entry.path().filename() == "into" || entry.path().filename() == "beside");

  // What the game's import does next: find the game and give it the program's settings file.
  if (const auto root = taluvin::findGameRoot(into)) {
    require(root->empty() || root->back() == '/');
    require(fs::is_directory(into + *root));
    taluvin::giveProgramSettings(into + *root, "taluvin");
  }
  return 0;
}
