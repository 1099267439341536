// Script files: loading, labels, label diagnostics, vocabulary lookups.
#include "script/script_file.h"

#include "base/text.h"
#include "state/game_paths.h"
#include "state/game_session.h"

namespace taluvin {

std::optional<std::string> scriptPath(const GameSession& session, const std::string& name) {
  // The file checked is the file read: a name checked without its extension could pass while
  // name + ".scp" is a link out of the folder.
  return session.resolveName(name + ".scp");
}

bool scriptExists(const GameSession& session, const std::string& name) {
  auto path = scriptPath(session, name);
  return path && fileExists(*path);
}

int findLabel(const Lines& lines, std::string_view name) {
  for (size_t i = 0; i < lines.size(); ++i) {
    auto t = trimView(lines[i]);
    if (t.size() == name.size() + 1 && t[0] == ':' && t.substr(1) == name) return static_cast<int>(i);
  }
  return -1;
}

std::string labelList(const Lines& lines) {
  std::string list;
  for (const auto& line : lines) {
    auto t = trimView(line);
    if (!t.empty() && t[0] == ':' && t.find(' ') == std::string_view::npos) {
      list += t;
      list += ' ';
    }
  }
  if (list.empty()) {
    static const std::string kNoLabels = w("Este script não tem labels!");
    return kNoLabels;
  }
  return list;
}

std::string labelReferenceNote(const Lines& lines, std::string_view labelLine) {
  auto name = trimView(labelLine);
  if (!name.empty() && name[0] == ':') name.remove_prefix(1);
  int count = 0;
  std::string where;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find(name) == std::string::npos) continue;
    ++count;
    where += std::to_string(i);
    where += ' ';
  }
  if (count == 0) {
    static const std::string kNone = w("Não encontrei referência a este label!");
    return kNone;
  }
  if (count == 1) {
    static const std::string kOne = w("Referência na linha: ");
    return kOne + where;
  }
  return std::to_string(count) + "x nas linhas: " + where;
}

std::array<std::string, 4> splitWords(std::string_view text) {
  std::array<std::string, 4> words;
  size_t pos = 0;
  for (size_t k = 0; k < words.size() && pos <= text.size(); ++k) {
    // The last word holds whatever is left, blanks and all.
    size_t blank = k + 1 == words.size() ? std::string_view::npos : text.find(' ', pos);
    if (blank == std::string_view::npos) {
      words[k] = std::string(text.substr(pos));
      break;
    }
    words[k] = std::string(text.substr(pos, blank - pos));
    pos = blank + 1;
  }
  return words;
}

std::string lookupPhrase(const Lines& vocabulary, std::string_view typed) {
  for (const auto& line : vocabulary) {
    const size_t bar = line.find('|');
    if (bar == std::string::npos) continue;
    if (trimView(std::string_view(line).substr(0, bar)) == typed) return trim(std::string_view(line).substr(bar + 1));
  }
  return {};
}

std::string suggestPhrases(const Lines& vocabulary, std::string_view first, std::string_view second) {
  std::string result;
  int taken = 0;
  for (const auto& line : vocabulary) {
    if (taken >= kMaxSuggestions) break;
    const size_t bar = line.find('|');
    if (bar == std::string::npos) continue;
    // Untrimmed, as the vocabulary's author laid it out; "/" marks a phrase kept out of hints.
    const std::string_view phrase = std::string_view(line).substr(0, bar);
    if (phrase.empty() || phrase[0] == '/') continue;
    if (phrase.find(first) == std::string_view::npos) continue;
    if (!second.empty() && phrase.find(second) == std::string_view::npos) continue;
    result += "\r\n";
    result += phrase;
    ++taken;
  }
  return result;
}

}  // namespace taluvin
