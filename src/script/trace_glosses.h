// What the trace's Portuguese markers mean, in English: one table, read by --explain and the inspector.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taluvin {

// What a gloss may tell beyond the trace line itself, when the game is known.
struct GlossContext {
  std::optional<int> registerCount;  // settings line 5: the table holds registers 0 to this
};

// One English sentence for each marker of a trace line, in the order they stand, naming what the
// line shows (the file, the register, the label, ...). The line and the sentences are Windows-1252,
// as the trace log hands lines on; a line without a marker has none.
std::vector<std::string> glossesFor(std::string_view traceLine, const GlossContext& context = {});
// The same sentences joined by a blank: empty for a line without a marker.
std::string glossFor(std::string_view traceLine, const GlossContext& context = {});

}  // namespace taluvin
