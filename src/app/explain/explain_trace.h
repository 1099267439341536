// --explain: a trace file printed again with an English gloss under every line that holds a marker.
#pragma once

#include "script/trace_glosses.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace taluvin {

// What the glosses may tell of the game in folder (a native path ending with its separator): its
// register count, read as the player reads it; nothing when the folder names no game.
GlossContext glossContextOf(const std::string& folder, const std::string& programName);

// The glosses of one trace line, in UTF-8: the line is read as UTF-8, or as Windows-1252 when it is
// no UTF-8.
std::vector<std::string> traceLineGlosses(const std::string& line, const GlossContext& context);

// Copies the trace read from in (UTF-8, as --trace writes it) to out line by line, each line that
// holds markers followed by one line per marker: four blanks, "= " and the gloss. Lines too long
// to be a trace line's (past kLongestExplainedLine bytes) and bytes that are no text are copied as
// they are, without a gloss.
void explainTrace(std::istream& in, const GlossContext& context, std::ostream& out);

// The longest line glossed: longer than any register's text echoed with its command.
inline constexpr size_t kLongestExplainedLine = 4 * 1024 * 1024;

// --explain TRACE_FILE: the exit code; a file that cannot be read is said in one line on err.
int explainTraceFile(const std::string& path, const GlossContext& context, std::ostream& out, std::ostream& err);

}  // namespace taluvin
