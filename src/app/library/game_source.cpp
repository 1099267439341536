// Preparing a zipped game or a fresh copy before the player opens it.
#include "app/library/game_source.h"

#include "app/library/games_library.h"
#include "state/game_import.h"
#include "state/player_data.h"
#include "state/state_writer.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace taluvin {

namespace {

namespace fs = std::filesystem;

constexpr const char* kRunPrefix = "run-";
constexpr size_t kNamesShown = 5;

std::string fileName(const std::string& path) { return fs::path(path).lexically_normal().filename().string(); }

void sayNotes(const std::string& source, const std::vector<std::string>& leftOut, const std::string& settingsFrom,
              const std::string& programName, std::ostream& err) {
  if (const std::string notice = leftOutNotice(source, leftOut); !notice.empty()) err << "taluvin: " << notice << '\n';
  if (!settingsFrom.empty())
    err << "taluvin: " << fileName(source) << " has no " << programName << ".ini; its " << settingsFrom
        << " is used as that\n";
}

}  // namespace

std::string leftOutNotice(const std::string& source, const std::vector<std::string>& leftOut) {
  if (leftOut.empty()) return {};
  std::string text = "left out of " + fileName(source) + " " + std::to_string(leftOut.size()) +
                     (leftOut.size() == 1 ? " entry" : " entries") +
                     " leading outside the game, linking out of it, or not plain files: ";
  for (size_t i = 0; i < leftOut.size() && i < kNamesShown; ++i) text += (i ? ", " : "") + leftOut[i];
  if (leftOut.size() > kNamesShown) text += " and " + std::to_string(leftOut.size() - kNamesShown) + " more";
  return text;
}

std::string gameFromArchive(const std::string& archive, const std::string& programName, std::ostream& out,
                            std::ostream& err) {
  const AddedGame added = addToLibrary(archive, SameName::AddSuffix, programName);
  if (!added.error.empty()) {
    err << "taluvin: cannot play " << archive << ": " << added.error << '\n';
    return {};
  }
  if (!added.alreadyThere) {
    out << "taluvin: unpacked " << fileName(archive) << " into " << added.folder << '\n';
    sayNotes(archive, added.leftOut, added.settingsFrom, programName, err);
  }
  return added.folder;
}

FreshCopy::~FreshCopy() {
  if (run_.empty()) return;
  StateWriter::instance().drain();
  std::error_code ec;
  fs::remove_all(run_, ec);
}

std::string FreshCopy::make(const std::string& source, const std::string& programName, std::ostream& err) {
  std::string problem;
  const std::string fresh = freshFolder(problem);
  if (fresh.empty()) {
    err << "taluvin: " << problem << '\n';
    return {};
  }
  removeLeftoverFolders(fresh, kRunPrefix);
  std::string run = fresh + kRunPrefix + "XXXXXX";
  if (!::mkdtemp(run.data())) {
    err << "taluvin: cannot make a folder in " << fresh << ": " << std::strerror(errno) << '\n';
    return {};
  }
  run_ = run;
  hold_.take(run_ + "/");
  std::error_code ec;
  ImportRequest request;
  request.source = fs::absolute(source, ec).lexically_normal().string();
  request.archive = isArchivePath(request.source);
  request.parent = run_ + "/";
  request.name = libraryName(request.source);
  request.programName = programName;
  const ImportedGame copy = importGame(request);
  if (!copy.error.empty()) {
    err << "taluvin: cannot make a fresh copy of " << source << ": " << copy.error << '\n';
    return {};
  }
  sayNotes(source, copy.leftOut, copy.settingsFrom, programName, err);
  return copy.folder;
}

void removeFreshLeftovers() {
  // Only looked at where it already is: a program that never played fresh makes no folder for it.
  if (const std::string fresh = freshFolderIfAny(); !fresh.empty()) removeLeftoverFolders(fresh, kRunPrefix);
}

}  // namespace taluvin
