// Reading the speech options.
#include "app/speech_options.h"

namespace taluvin {

std::string takeSpeechOptions(std::vector<std::string>& args, SpeechOptions& options) {
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--speak" || a == "--no-speak") {
      options.speak = a == "--speak";
    } else if (a == "--speech-log" || a == "--speech-engine") {
      if (i + 1 >= args.size()) return a + (a == "--speech-log" ? " needs a file name" : " needs an engine name");
      (a == "--speech-log" ? options.log : options.engine) = args[++i];
    } else {
      rest.push_back(a);
    }
  }
  args = std::move(rest);
  return {};
}

}  // namespace taluvin
