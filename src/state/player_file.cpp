// Writing one of the player's own files through the state writer.
#include "state/player_file.h"

#include "state/state_writer.h"

#include <filesystem>

namespace taluvin {

void keepPlayerFile(const std::string& file, std::string bytes) {
  if (file.empty()) return;
  std::error_code ignored;  // a folder that cannot be made is said by the writer's failure
  std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ignored);
  StateSet set;
  set.addBytes(file, std::move(bytes));
  set.submit();
}

}  // namespace taluvin
