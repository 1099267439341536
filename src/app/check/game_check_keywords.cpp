// Closest keywords and names by edit distance, with swapped neighbours counted as one edit.
#include "app/check/game_check_keywords.h"

#include "app/check/game_check_context.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace taluvin {

// A typing slip such as "mgs=" for "msg=" is one edit.
size_t editDistance(std::string_view a, std::string_view b) {
  const size_t n = a.size(), m = b.size();
  std::vector<std::vector<size_t>> d(n + 1, std::vector<size_t>(m + 1));
  for (size_t i = 0; i <= n; ++i) d[i][0] = i;
  for (size_t j = 0; j <= m; ++j) d[0][j] = j;
  for (size_t i = 1; i <= n; ++i) {
    for (size_t j = 1; j <= m; ++j) {
      const size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[n][m];
}

std::string orList(const std::vector<std::string>& words) {
  std::string text;
  for (size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += i + 1 == words.size() ? " or " : ", ";
    text += words[i];
  }
  return text;
}

namespace {

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::string unknownWordMessage(const CommandIndex& commands, std::string_view word) {
  const std::string head = quoted(std::string(word)) + " is no command";
  // A longer word can only be its best match's cost away from it when it is not much longer, and
  // the table is tested in its own order, so the suggestions come in the order authors read it.
  constexpr size_t kLongestWordCompared = 40;
  constexpr size_t kMostShown = 3;

  const std::string lower = lowered(word);
  std::string glued;
  for (const auto& entry : commands.entries()) {
    for (std::string_view keyword : entry.keywords) {
      if (lower == keyword) return head + "; keywords are written in small letters: \"" + std::string(keyword) + "\"";
      // "pausa=100": the blank after the command word is missing.
      const bool endsInSign = !keyword.empty() && !std::isalnum(static_cast<unsigned char>(keyword.back()));
      if (endsInSign && word.size() > keyword.size() && word.substr(0, keyword.size()) == keyword &&
          keyword.size() > glued.size())
        glued = keyword;
    }
  }
  if (!glued.empty())
    return head + "; did you mean " + quoted(glued + " " + std::string(word.substr(glued.size()))) +
           " (a blank after the command word)?";
  if (word.size() > kLongestWordCompared) return head;

  // Close enough to be a slip: at most two edits, and fewer than half the word.
  const size_t allowed = std::min<size_t>(2, std::max<size_t>(1, word.size() / 2));
  size_t best = allowed + 1;
  std::vector<std::string> closest;
  for (const auto& entry : commands.entries()) {
    for (std::string_view keyword : entry.keywords) {
      const size_t d = editDistance(word, keyword);
      if (d > allowed || d > best) continue;
      if (d < best) {
        best = d;
        closest.clear();
      }
      if (closest.size() < kMostShown) closest.push_back("\"" + std::string(keyword) + "\"");
    }
  }
  if (closest.empty()) return head;
  return head + "; did you mean " + orList(closest) + "?";
}

}  // namespace taluvin
