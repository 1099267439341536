// Writing one of the player's own files through the state writer.
#include "state/player_file.h"

#include "state/state_writer.h"

#include <filesystem>
#include <fstream>

namespace taluvin {

void keepPlayerFile(const std::string& file, std::string bytes) {
  if (file.empty()) return;
  std::error_code ignored;  // a folder that cannot be made is said by the writer's failure
  std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ignored);
  StateSet set;
  set.addBytes(file, std::move(bytes));
  set.submit();
}

std::optional<std::string> readPlayerFile(const std::string& file) {
  constexpr std::streamsize kMostBytes = 4096;
  if (file.empty()) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(static_cast<size_t>(kMostBytes), '\0');
  in.read(text.data(), kMostBytes);
  text.resize(static_cast<size_t>(in.gcount()));
  return text;
}

}  // namespace taluvin
