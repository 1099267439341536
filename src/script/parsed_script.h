// ParsedScript: a script's lines read once into kinds, command rows and argument pieces, with its labels indexed.
#pragma once

#include "script/command_entry.h"
#include "script/line_syntax.h"
#include "state/text_file.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace taluvin {

// An argument as cut from the line. One that starts with "#" names a register: it is looked up
// when the line runs, against the registers and the register count of that moment.
struct ArgumentPiece {
  std::string_view text;
  bool namesRegister = false;
  int32_t registerNumber = 0;  // the number after "#" (not a number: 0)
};

struct ParsedLine {
  LineKind kind = LineKind::Blank;
  // Label and comment: the trimmed line. Quote text and command: the trimmed line with a leading
  // "|" dropped and trimmed again, as it runs.
  std::string_view text;
  std::string_view word;  // a command's word, up to the first blank
  int entry = -1;         // the table row holding the word, or -1 for a word that is no keyword
  bool wholeRest = false;  // the message commands take the rest of the line as one argument
  uint8_t pieceCount = 0;
  uint32_t firstPiece = 0;
};

// Label names are short: FNV-1a over their bytes, inline, costs less than the library's hash call
// on every jump.
struct LabelHash {
  size_t operator()(std::string_view name) const {
    uint64_t hash = 14695981039346656037ULL;
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    return static_cast<size_t>(hash);
  }
};

// What a line holds never changes once it is read: the word and the cuts depend on its text only.
// The pieces and texts are views into the lines, which the parsed script shares and keeps.
class ParsedScript {
 public:
  static constexpr int kSlots = 9;

  ParsedScript(std::shared_ptr<const Lines> lines, const CommandIndex& commands);

  const std::shared_ptr<const Lines>& lines() const { return lines_; }
  size_t size() const { return parsed_.size(); }
  const ParsedLine& line(size_t index) const { return parsed_[index]; }
  const ArgumentPiece* pieces(const ParsedLine& line) const { return pieces_.data() + line.firstPiece; }

  // Index of the first line whose trimmed text is ":" + name, or -1.
  int findLabel(std::string_view name) const {
    const auto found = labels_.find(name);
    return found == labels_.end() ? -1 : found->second;
  }

  // The trace's texts about labels, built the first time the trace asks for them.
  const std::string& labelList() const;
  std::string labelReferenceNote(size_t labelLine) const;
  // What the line's trace starts with: its index and, for a command, its word and a blank; for a
  // label or comment the whole trace line. Built for every line the first time the trace asks, so
  // a traced loop copies its lines' heads instead of writing them out again at every turn.
  const std::string& traceHead(size_t index) const {
    if (traceHeads_.empty()) buildTraceHeads();
    return traceHeads_[index];
  }

 private:
  void parseLine(size_t index, const CommandIndex& commands);
  void indexReferences() const;
  void buildTraceHeads() const;

  std::shared_ptr<const Lines> lines_;
  std::vector<ParsedLine> parsed_;
  std::vector<ArgumentPiece> pieces_;
  std::unordered_map<std::string_view, int, LabelHash> labels_;

  mutable std::optional<std::string> labelList_;
  mutable std::vector<std::string> traceHeads_;
  // For each label name, the lines that mention it anywhere, in order; built once for all labels.
  mutable std::optional<std::unordered_map<std::string_view, std::vector<int>>> references_;
};

}  // namespace taluvin
