// Reading a trace file line by line, within a bounded buffer, and writing each line's glosses under it.
#include "app/explain/explain_trace.h"

#include "base/numbers.h"
#include "base/text.h"
#include "state/game_paths.h"
#include "state/settings.h"
#include "state/text_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>

namespace taluvin {

namespace {

bool isUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const size_t len = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
    if (len == 0 || i + len > text.size()) return false;
    for (size_t k = 1; k < len; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += len;
  }
  return true;
}

void writeLine(const std::string& line, const GlossContext& context, std::ostream& out) {
  out << line << '\n';
  for (const std::string& gloss : traceLineGlosses(line, context)) out << "    = " << gloss << '\n';
}

}  // namespace

std::vector<std::string> traceLineGlosses(const std::string& line, const GlossContext& context) {
  // A line that is no UTF-8 was most likely saved in the games' own 8-bit text (a trace copied from
  // an editor that keeps Windows-1252), where the markers' accented letters are single bytes.
  std::vector<std::string> glosses = glossesFor(isUtf8(line) ? utf8ToCp1252(line) : line, context);
  for (std::string& gloss : glosses) gloss = cp1252ToUtf8(gloss);
  return glosses;
}

GlossContext glossContextOf(const std::string& folder, const std::string& programName) {
  GlossContext context;
  Settings program;
  program.load(folder + programName + ".ini");
  const std::string& game = program.line(4);
  if (game.empty() || !isPlainGameName(game)) return context;
  const auto path = resolveInFolder(folder, game + ".ini");
  if (!path || !fileExists(*path)) return context;
  Settings settings;
  settings.load(*path);
  // The count a game opens with when its line gives none.
  context.registerCount = toIntOr(settings.line(5), 250);
  return context;
}

void explainTrace(std::istream& in, const GlossContext& context, std::ostream& out) {
  std::string line;
  bool overlong = false;  // the line in hand went out in pieces and gets no gloss
  char buffer[64 * 1024];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    const std::string_view chunk(buffer, static_cast<size_t>(in.gcount()));
    size_t start = 0;
    while (start <= chunk.size()) {
      const size_t end = chunk.find('\n', start);
      const std::string_view piece =
          chunk.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
      if (!overlong && line.size() + piece.size() > kLongestExplainedLine) {
        out << line;
        line.clear();
        overlong = true;
      }
      if (overlong)
        out << piece;
      else
        line += piece;
      if (end == std::string_view::npos) break;
      if (overlong) {
        out << '\n';
        overlong = false;
      } else {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        writeLine(line, context, out);
        line.clear();
      }
      start = end + 1;
    }
  }
  if (overlong) {
    out << '\n';
  } else if (!line.empty()) {
    // A last line without its end keeps the same form as the others.
    if (line.back() == '\r') line.pop_back();
    writeLine(line, context, out);
  }
}

int explainTraceFile(const std::string& path, const GlossContext& context, std::ostream& out, std::ostream& err) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    err << "taluvin: cannot read the trace file " << path << ": it is a folder\n";
    return 2;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    err << "taluvin: cannot read the trace file " << path << ": " << std::strerror(errno) << '\n';
    return 2;
  }
  explainTrace(in, context, out);
  return 0;
}

}  // namespace taluvin
