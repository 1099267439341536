// The command line's speech options, taken out of it before the other options are read.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace taluvin {

struct SpeechOptions {
  std::optional<bool> speak;  // --speak / --no-speak; unset keeps what the player chose last
  std::string log;            // --speech-log: every utterance as a UTF-8 line in this file
  std::string engine;         // --speech-engine: the text-to-speech engine, "none" for none
};

// Removes --speak, --no-speak, --speech-log FILE and --speech-engine NAME from args into options;
// the reason when one of them lacks its value, else empty.
std::string takeSpeechOptions(std::vector<std::string>& args, SpeechOptions& options);

}  // namespace taluvin
