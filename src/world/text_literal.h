// The text literal reader: text opening in an argument and running over lines to a closing quote.
#pragma once

#include "script/command_entry.h"

#include <string>

namespace taluvin {

class ScriptInterpreter;

struct TextLiteral {
  std::string text;       // what was read, appended to the starting text
  std::string lastPiece;  // the closing line's part before its quote, as the trace shows it
  bool cut = false;       // the text reached kMaxRegisterText and the rest was left out
  int lastLine = 0;       // the script line that closed the literal, where the run goes on after
};

// Reads the literal opening with the text `opening` (a leading quote dropped, trimmed) and appends it
// to `start`. Each line without a quote is expanded for the markup signs and followed by one blank,
// and the literal's last line moves past it; the first quote ends the literal and the rest of that
// line is ignored. With `registerPieces` a piece starting with "#" is replaced by the register it
// names (nothing when it names none). A script that ends before the quote ends the literal there.
// The text stops growing at the length of a register; the lines after that are still taken.
TextLiteral readTextLiteral(ScriptInterpreter& ip, const std::string& opening, std::string start, bool registerPieces);

// The literal opening in slot 2 read into the register named by slot 1, replacing its text or
// appended to it; the trace shows the closing line's first letters, and the run goes on after the
// literal's last line.
Flow literalIntoRegister(ScriptInterpreter& ip, bool append, bool registerPieces);

}  // namespace taluvin
