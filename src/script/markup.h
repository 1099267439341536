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
// All three, for a quick test whether a text needs expanding at all.
inline constexpr const char* kMarkupSigns = "\xA7~^";

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
