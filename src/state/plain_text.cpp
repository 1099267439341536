// Reducing shown texts to what the player reads.
#include "state/plain_text.h"

#include <array>
#include <cctype>
#include <charconv>

namespace taluvin {

namespace {

constexpr char kLineBreakMarker = '\xA7';  // "§"

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Tags whose content is never shown.
bool hidesContent(const std::string& name) {
  return name == "head" || name == "script" || name == "style" || name == "title";
}

// Tags a browser starts a new line at.
bool breaksLine(std::string name) {
  if (!name.empty() && name[0] == '/') name.erase(0, 1);
  static constexpr std::array<std::string_view, 15> kBreaking = {
      "br", "p", "div", "tr", "li", "hr", "table", "h1", "h2", "h3", "h4", "h5", "h6", "ul", "ol"};
  for (std::string_view b : kBreaking)
    if (name == b) return true;
  return false;
}

// An entity at text[at] ('&'): appends what it stands for and returns its length, or 0 when it is
// not one this reader knows (the '&' then stands for itself).
size_t readEntity(std::string_view text, size_t at, std::string& out) {
  const size_t end = text.find(';', at);
  if (end == std::string_view::npos || end - at > 10) return 0;
  const std::string name = lowered(text.substr(at + 1, end - at - 1));
  static constexpr std::array<std::pair<std::string_view, char>, 6> kNamed = {
      {{"nbsp", ' '}, {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}}};
  for (const auto& [n, c] : kNamed)
    if (name == n) {
      out += c;
      return end - at + 1;
    }
  if (name.size() < 2 || name[0] != '#') return 0;
  const bool hex = name[1] == 'x';
  const char* first = name.data() + (hex ? 2 : 1);
  const char* last = name.data() + name.size();
  unsigned value = 0;
  const auto [stop, error] = std::from_chars(first, last, value, hex ? 16 : 10);
  if (error != std::errc() || stop != last || first == last) return 0;
  // Beyond Windows-1252's single bytes a character cannot be kept; it still takes a place.
  out += value >= 32 && value <= 255 ? static_cast<char>(value) : '?';
  return end - at + 1;
}

void addBlank(std::string& out) {
  if (!out.empty() && out.back() != ' ' && out.back() != '\n') out += ' ';
}

}  // namespace

std::string plainFromHtml(std::string_view html) {
  std::string out;
  size_t i = 0;
  while (i < html.size()) {
    const char c = html[i];
    if (c == '<') {
      const size_t close = html.find('>', i);
      if (close == std::string_view::npos) break;  // an unclosed tag hides the rest, as in a browser
      std::string_view tag = html.substr(i + 1, close - i - 1);
      size_t nameEnd = 0;
      while (nameEnd < tag.size() && !isBlank(tag[nameEnd]) && tag[nameEnd] != '>') ++nameEnd;
      const std::string name = lowered(tag.substr(0, nameEnd));
      i = close + 1;
      if (hidesContent(name)) {
        const size_t end = lowered(html.substr(i)).find("</" + name);
        if (end == std::string::npos) break;
        i += end;
      } else if (breaksLine(name)) {
        while (!out.empty() && out.back() == ' ') out.pop_back();
        out += '\n';
      }
    } else if (c == '&') {
      const size_t length = readEntity(html, i, out);
      if (length == 0) out += c;
      i += length ? length : 1;
    } else if (isBlank(c)) {
      addBlank(out);
      ++i;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

std::string plainFromCanvasText(std::string_view text, bool memo) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    const bool wordStart = i == 0 || text[i - 1] == ' ' || text[i - 1] == kLineBreakMarker;
    if (c == kLineBreakMarker) {
      out += '\n';
      ++i;
    } else if (wordStart && c == '@' && text.find('|', i) != std::string_view::npos) {
      const size_t bar = text.find('|', i);
      out += text.substr(i + 1, bar - i - 1);
      const size_t second = text.find('|', bar + 1);
      const size_t space = text.find(' ', bar + 1);
      i = second != std::string_view::npos && second < space ? second + 1 : std::min(space, text.size());
    } else if (memo && wordStart && c == '#') {
      // The directive goes with the blank that ends it, so the words around it keep one between.
      i = std::min(text.find(' ', i), text.size() - 1) + 1;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

std::string plainShownText(TextKind kind, std::string_view shown) {
  std::string text;
  if (kind == TextKind::WebPage)
    text = plainFromHtml(shown);
  else if (kind == TextKind::Box || kind == TextKind::Memo)
    text = plainFromCanvasText(shown, kind == TextKind::Memo);
  else
    text = std::string(shown);
  // Line ends of every form, and the marker the scroll page breaks at.
  std::string out;
  bool emptyLineDue = false;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = start;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r' && text[end] != kLineBreakMarker) ++end;
    std::string_view line = std::string_view(text).substr(start, end - start);
    while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
    if (line.empty()) {
      emptyLineDue = !out.empty();
    } else {
      if (!out.empty()) out += emptyLineDue ? "\n\n" : "\n";
      emptyLineDue = false;
      out += line;
    }
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return out;
}

}  // namespace taluvin
