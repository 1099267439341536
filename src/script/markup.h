// Text helpers shared by many commands: markup signs, script-name aliases and link parameters.
#pragma once

#include "state/screen_model.h"

#include <string>
#include <string_view>

namespace taluvin {

struct GameSession;

// Sign characters as script bytes: section sign (line break), tilde (hard blank), caret (comma).
inline constexpr char kLineBreakSign = '\xA7';
inline constexpr char kHardBlankSign = '~';
inline constexpr char kCommaSign = '^';
// Whether text holds any of the three, so needs expanding at all: looked for byte by byte, since
// the general search costs a call per byte and register texts are appended on every turn of a loop.
inline bool holdsMarkupSign(std::string_view text) {
  for (const char c : text)
    if (c == kLineBreakSign || c == kHardBlankSign || c == kCommaSign) return true;
  return false;
}

// Replaces every occurrence of sign as the screen model shows it.
std::string expandMarkup(char sign, std::string_view text, ScreenModel model);
// All three signs in the order quote text applies them.
std::string expandAllMarkup(std::string_view text, ScreenModel model);

// "@norte" ... "@descer", "@pos", "@obj", "xvlt"/"@xvlt" become the session's field. The result is
// name itself or that field, so it lives as long as both do; a caller that keeps it copies it.
const std::string& resolveScriptAlias(const GameSession& session, const std::string& name);

// Splits "name&Prm=..&Prx=..&Pry=.." into the name, setting the parameters it carries.
std::string parseLinkQuery(GameSession& session, std::string_view text);

}  // namespace taluvin
