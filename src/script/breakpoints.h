// Breakpoints: the script lines and registers an author asked a run to stop at.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace taluvin {

// A line of a script, counted from 1 as editors and the checker count; the script is named as
// runs name it, without ".scp".
struct LineBreak {
  std::string script;
  int line = 0;
};

class Breakpoints {
 public:
  void addLine(LineBreak at);
  void watchRegister(int index);

  bool empty() const { return lines_.empty() && registers_.empty(); }
  // Whether line index (from 0) of the script is a breakpoint; names match in any letter case and
  // with either slash, as the player finds scripts.
  bool stopsBefore(std::string_view script, int index) const;

  const std::vector<LineBreak>& lines() const { return lines_; }
  const std::vector<int>& watchedRegisters() const { return registers_; }

 private:
  std::vector<LineBreak> lines_;
  std::vector<std::string> folded_;  // lines_' script names as they are compared
  std::vector<int> registers_;
};

// Reads "FILE:LINE" (FILE with or without ".scp", LINE from 1); empty when it is one, else why not.
std::string readLineBreak(const std::string& text, LineBreak& at);
// Reads a register number of --break-register; empty when it is one, else why not.
std::string readWatchedRegister(const std::string& text, int& index);

}  // namespace taluvin
