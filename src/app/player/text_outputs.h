// Where the texts the game shows go besides its windows: the transcript and the voice, and the key
// that opens the transcript window.
#pragma once

namespace taluvin {

class Player;
struct SpeechOptions;

// Sets them up for the player's whole life, as the options and the remembered speech setting say;
// --speak and --no-speak are remembered for the next runs.
void connectTextOutputs(Player& player, const SpeechOptions& options);

// Opens the transcript window over the main window (or brings it forward), showing the transcript
// as it is now; Ctrl+T does the same.
void showTranscript(Player& player);

}  // namespace taluvin
