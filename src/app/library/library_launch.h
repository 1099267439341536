// The program without a game: the library window, and the player started on the game chosen there.
#pragma once

#include <string>

namespace taluvin {

// Shows the library until a game is chosen, then becomes the player on it: the program starts
// itself again in place (the same process, the same exit code for whoever started it) with the
// game's folder and --resume for Continue, the other options given kept. Returns the exit code when
// no game was chosen: 0 when the window was closed, 128 + N after signal N, 2 when the player
// could not be started.
int runLibrary(int argc, char* argv[], const std::string& programName);

}  // namespace taluvin
