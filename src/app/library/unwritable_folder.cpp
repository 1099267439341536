// The check of a game folder's write access and the offer of a copy.
#include "app/library/unwritable_folder.h"

#include "app/library/games_library.h"

#include <QMessageBox>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace taluvin {

bool folderWritable(const std::string& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

std::string folderToPlay(const std::string& folder, const std::string& programName, bool ask, std::ostream& err) {
  if (folderWritable(folder)) return folder;
  const std::string why = std::strerror(errno);
  if (!ask) {
    err << "taluvin: the game folder " << folder << " cannot be written (" << why
        << "), so the game cannot save its place; play a copy with --fresh, or copy it into the games folder with"
           " taluvin --add-game "
        << folder << '\n';
    return folder;
  }
  const auto answer = QMessageBox::question(
      nullptr, "Taluvin",
      QString("The game folder %1 cannot be written (%2), so the game cannot save its place there.\n\n"
              "Copy it into your games folder and play the copy?")
          .arg(QString::fromLocal8Bit(folder.c_str()), QString::fromLocal8Bit(why.c_str())));
  if (answer != QMessageBox::Yes) return folder;
  const AddedGame added = addToLibrary(folder, SameName::AddSuffix, programName);
  if (added.error.empty()) return added.folder;
  QMessageBox::warning(nullptr, "Taluvin",
                       QString("The game could not be copied: %1\nIt is played where it is.")
                           .arg(QString::fromStdString(added.error)));
  return folder;
}

}  // namespace taluvin
