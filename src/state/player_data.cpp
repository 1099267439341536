// The player's data folders under the XDG data home.
#include "state/player_data.h"

#include <cstdlib>
#include <filesystem>

namespace taluvin {

namespace {

std::string madeFolder(const std::string& folder, std::string& problem) {
  if (folder.empty()) return {};
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec || !std::filesystem::is_directory(folder, ec)) {
    problem = "cannot make the folder " + folder + ": " + (ec ? ec.message() : "something else is there");
    return {};
  }
  return folder;
}

std::string dataHome(std::string& problem) {
  // The XDG rule: a relative XDG_DATA_HOME is ignored.
  const char* data = std::getenv("XDG_DATA_HOME");
  std::string folder;
  if (data && data[0] == '/') {
    folder = data;
  } else if (const char* home = std::getenv("HOME"); home && home[0] == '/') {
    folder = std::string(home) + "/.local/share";
  } else {
    problem = "no folder for the player's data: neither XDG_DATA_HOME nor HOME names one";
    return {};
  }
  if (folder.back() != '/') folder += '/';
  return folder + "taluvin/";
}

}  // namespace

std::string playerDataFolder(std::string& problem) { return madeFolder(dataHome(problem), problem); }

std::string gamesFolder(std::string& problem) {
  const std::string data = dataHome(problem);
  return data.empty() ? data : madeFolder(data + "games/", problem);
}

std::string freshFolder(std::string& problem) {
  const std::string data = dataHome(problem);
  return data.empty() ? data : madeFolder(data + "fresh/", problem);
}

namespace {

std::string existingFolder(const char* name) {
  std::string problem;
  const std::string data = dataHome(problem);
  std::error_code ec;
  if (data.empty() || !std::filesystem::is_directory(data + name, ec)) return {};
  return data + name;
}

}  // namespace

std::string gamesFolderIfAny() { return existingFolder("games/"); }
std::string freshFolderIfAny() { return existingFolder("fresh/"); }

}  // namespace taluvin
