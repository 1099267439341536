// Breakpoints and the command-line forms that set them.
#include "script/breakpoints.h"

#include "base/name_case.h"

#include <algorithm>
#include <charconv>

namespace taluvin {

namespace {

std::string comparedName(std::string_view script) {
  std::string name = foldedName(script);
  std::replace(name.begin(), name.end(), '\\', '/');
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".scp") == 0) name.resize(name.size() - 4);
  return name;
}

bool readWhole(std::string_view text, int& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

}  // namespace

void Breakpoints::addLine(LineBreak at) {
  folded_.push_back(comparedName(at.script));
  lines_.push_back(std::move(at));
}

void Breakpoints::watchRegister(int index) {
  if (std::find(registers_.begin(), registers_.end(), index) == registers_.end()) registers_.push_back(index);
}

bool Breakpoints::stopsBefore(std::string_view script, int index) const {
  std::string name;  // folded only once a line number matches: most lines match none
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].line != index + 1) continue;
    if (name.empty()) name = comparedName(script);
    if (folded_[i] == name) return true;
  }
  return false;
}

std::string readLineBreak(const std::string& text, LineBreak& at) {
  const size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0)
    return "--break takes FILE:LINE, such as start.scp:12, not '" + text + "'";
  int line = 0;
  if (!readWhole(std::string_view(text).substr(colon + 1), line) || line < 1)
    return "--break takes a line counted from 1 after the colon, not '" + text.substr(colon + 1) + "'";
  at.script = text.substr(0, colon);
  if (at.script.size() > 4 && foldedName(std::string_view(at.script).substr(at.script.size() - 4)) == ".scp")
    at.script.resize(at.script.size() - 4);
  at.line = line;
  return {};
}

std::string readWatchedRegister(const std::string& text, int& index) {
  if (!readWhole(text, index) || index < 0)
    return "--break-register takes a register number from 0, not '" + text + "'";
  return {};
}

}  // namespace taluvin
