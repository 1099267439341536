// The syntax of one script line: its kind, its command word, and its comma-separated arguments.
#pragma once

#include "base/text.h"

#include <cstdint>
#include <string_view>

namespace taluvin {

enum class LineKind : uint8_t { Blank, Label, Comment, QuoteText, Command };

struct LineSyntax {
  LineKind kind;
  // Label and comment: the trimmed line. Quote text and command: the trimmed line with a leading
  // "|" dropped (and trimmed again), as it is executed.
  std::string_view text;
};

// What a raw script line is, decided by its first character once blanks and control characters
// are trimmed off both ends.
inline LineSyntax readLineSyntax(std::string_view line) {
  std::string_view text = trimView(line);
  if (text.empty()) return {LineKind::Blank, text};
  switch (text[0]) {
    case ':':
      return {LineKind::Label, text};
    case '/':
    case ';':
      return {LineKind::Comment, text};
    case '|':
      text = trimView(text.substr(1));
      if (text.empty()) return {LineKind::Blank, text};
      break;
    default:
      break;
  }
  return {text[0] == '\'' ? LineKind::QuoteText : LineKind::Command, text};
}

struct CommandWord {
  std::string_view word;  // up to the first blank
  std::string_view rest;  // after that blank; the arguments
};

inline CommandWord splitCommandWord(std::string_view commandLine) {
  const auto blank = commandLine.find(' ');
  if (blank == std::string_view::npos) return {commandLine, {}};
  return {commandLine.substr(0, blank), commandLine.substr(blank + 1)};
}

// The message commands take the whole rest of the line as their one argument, commas included.
inline bool takesWholeRest(std::string_view word) { return word == "msg+" || word == "msg="; }

// Cuts the next argument off the front of rest: the text before the first ",", untrimmed; without
// a comma all of rest. A "#N" argument is still to be resolved against the registers.
inline std::string_view cutArgument(std::string_view& rest) {
  const auto comma = rest.find(',');
  const std::string_view piece = rest.substr(0, comma);
  rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  return piece;
}

}  // namespace taluvin
