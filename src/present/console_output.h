// Console output of model "0": typewriter, direct and scroll-up effects.
#pragma once

#include <string>

namespace taluvin {

class Screen;

// Writes text into the console with the current effect, letting events run as it goes.
void consoleOutput(Screen& screen, const std::string& text);

}  // namespace taluvin
