// Reading link tokens out of canvas text.
#include "present/markup_tokens.h"

namespace taluvin {

std::optional<LinkToken> readLinkToken(const std::string& word) {
  if (word.empty() || word[0] != '@') return std::nullopt;
  const auto first = word.find('|');
  if (first == std::string::npos) return std::nullopt;
  const auto second = word.find('|', first + 1);
  LinkToken link;
  link.label = word.substr(1, first - 1);
  link.script = word.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
  return link;
}

}  // namespace taluvin
