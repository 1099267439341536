// TypingState: what the typed-command line, the register input box and the keyboard remember.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace taluvin {

// Where the register input box (and the monitor's input) puts what the player types, and the
// script run after it.
struct RegisterInput {
  int reg = -1;  // none until an input command names one
  std::string script;
};

struct TypingState {
  // The last phrase entered, normalised, and its first four words (the fourth holds the rest).
  std::string LastCommand;
  std::array<std::string, 4> TypedWords;
  // The virtual key code of the key last pressed while a window of the program has the keyboard;
  // 0 once any key is released.
  std::uint16_t HeldKey = 0;
  RegisterInput registerInput;
  // What Enter in the monitor's input does: store its text in the register ("inptreg=", "input="),
  // or take one phrase as the command line does ("inptcmd="), after which it does nothing.
  enum class MonitorInputMode { None, Register, Command };
  MonitorInputMode monitorInputMode = MonitorInputMode::None;
};

}  // namespace taluvin
