// The player's own data folders: the games folder and the fresh copies, never inside a game.
#pragma once

#include <string>

namespace taluvin {

// $XDG_DATA_HOME/taluvin/ for an absolute XDG_DATA_HOME, else $HOME/.local/share/taluvin/, made
// when missing. Empty, with problem said, when neither names a folder or it cannot be made.
std::string playerDataFolder(std::string& problem);
// Its folder "games/": the games brought in from archives and other folders, one folder each.
std::string gamesFolder(std::string& problem);
// Its folder "fresh/": the copies --fresh plays, each gone when its program ends.
std::string freshFolder(std::string& problem);
// The same two when they are there already, else "": for a look that must not make them.
std::string gamesFolderIfAny();
std::string freshFolderIfAny();

}  // namespace taluvin
