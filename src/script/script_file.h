// Script files: loading, labels, the label diagnostics and command-vocabulary lookups.
#pragma once

#include "state/text_file.h"

#include <array>
#include <optional>
#include <string>

namespace taluvin {

struct GameSession;

// GameFolder + name + ".scp", or nothing when the name would leave the game folder.
std::optional<std::string> scriptPath(const GameSession& session, const std::string& name);
bool scriptExists(const GameSession& session, const std::string& name);

// Index of the first line whose trimmed text is ":" + name, or -1.
int findLabel(const Lines& lines, std::string_view name);

std::string labelList(const Lines& lines);
std::string labelReferenceNote(const Lines& lines, std::string_view labelLine);

// The first three blank-separated words of typed text and the rest after them; missing words are empty.
std::array<std::string, 4> splitWords(std::string_view text);

// Command-vocabulary lookups over lines of the form "phrase | script"; a line without "|" is no entry.
// The script of the first line whose trimmed phrase equals typed, or empty.
std::string lookupPhrase(const Lines& vocabulary, std::string_view typed);
// Up to kMaxSuggestions phrases containing first (and second, when given), each after a CR LF.
constexpr int kMaxSuggestions = 12;
std::string suggestPhrases(const Lines& vocabulary, std::string_view first, std::string_view second);

}  // namespace taluvin
