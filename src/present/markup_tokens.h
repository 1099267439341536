// Link tokens of canvas text: "@" label "|" script "|".
#pragma once

#include <optional>
#include <string>

namespace taluvin {

struct LinkToken {
  std::string label;
  std::string script;
};

// A word starting with "@" and holding "|": the label up to the first bar, the script up to the second.
std::optional<LinkToken> readLinkToken(const std::string& word);

}  // namespace taluvin
