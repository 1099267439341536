// Reading a script's lines once: kinds, command rows, argument pieces, labels and their mentions.
#include "script/parsed_script.h"

#include "base/numbers.h"
#include "base/text.h"
#include "script/script_file.h"
#include "script/trace_log.h"

#include <algorithm>
#include <array>

namespace taluvin {

ParsedScript::ParsedScript(std::shared_ptr<const Lines> lines, const CommandIndex& commands)
    : lines_(std::move(lines)), parsed_(lines_->size()) {
  for (size_t i = 0; i < parsed_.size(); ++i) parseLine(i, commands);
}

void ParsedScript::parseLine(size_t index, const CommandIndex& commands) {
  const LineSyntax syntax = readLineSyntax((*lines_)[index]);
  ParsedLine& line = parsed_[index];
  line.kind = syntax.kind;
  line.text = syntax.text;
  // Two labels of one name: the first from the top is the one jumped to.
  if (line.kind == LineKind::Label) labels_.emplace(line.text.substr(1), static_cast<int>(index));
  if (line.kind != LineKind::Command) return;
  auto [word, rest] = splitCommandWord(line.text);
  line.word = word;
  line.entry = commands.find(word);
  line.wholeRest = takesWholeRest(word);
  line.firstPiece = static_cast<uint32_t>(pieces_.size());
  auto add = [&](std::string_view text) {
    ArgumentPiece piece{text};
    if (!text.empty() && text[0] == '#') {
      piece.namesRegister = true;
      piece.registerNumber = toIntOr(text.substr(1), 0);
    }
    pieces_.push_back(piece);
    ++line.pieceCount;
  };
  if (line.wholeRest) {
    if (!rest.empty()) add(rest);
    return;
  }
  while (line.pieceCount < kSlots && !rest.empty()) add(cutArgument(rest));
}

const std::string& ParsedScript::labelList() const {
  if (!labelList_) labelList_ = taluvin::labelList(*lines_);
  return *labelList_;
}

void ParsedScript::indexReferences() const {
  // Every line is looked through once for every label name at once: at each place in it, the
  // texts of each length a name has are looked up, where the place's byte can start a name.
  auto& references = references_.emplace();
  std::vector<size_t> lengths;
  std::array<bool, 256> startsName{};
  for (const auto& line : parsed_) {
    if (line.kind != LineKind::Label) continue;
    const std::string_view name = line.text.substr(1);
    if (!references.try_emplace(name).second || name.empty()) continue;
    startsName[static_cast<unsigned char>(name[0])] = true;
    if (std::find(lengths.begin(), lengths.end(), name.size()) == lengths.end()) lengths.push_back(name.size());
  }
  std::vector<int>* everyLine = nullptr;  // a bare ":" names the empty text, which every line holds
  if (auto empty = references.find(std::string_view()); empty != references.end()) everyLine = &empty->second;
  for (size_t i = 0; i < lines_->size(); ++i) {
    const int index = static_cast<int>(i);
    const std::string_view text = (*lines_)[i];
    if (everyLine) everyLine->push_back(index);
    for (size_t at = 0; at < text.size(); ++at) {
      if (!startsName[static_cast<unsigned char>(text[at])]) continue;
      for (const size_t length : lengths) {
        if (length > text.size() - at) continue;
        const auto found = references.find(text.substr(at, length));
        // A name mentioned twice in a line counts that line once.
        if (found != references.end() && (found->second.empty() || found->second.back() != index))
          found->second.push_back(index);
      }
    }
  }
}

std::string ParsedScript::labelReferenceNote(size_t labelLine) const {
  static const std::string kNone = w("Não encontrei referência a este label!");
  static const std::string kOne = w("Referência na linha: ");
  if (!references_) indexReferences();
  const auto found = references_->find(parsed_[labelLine].text.substr(1));
  if (found == references_->end() || found->second.empty()) return kNone;
  const std::vector<int>& where = found->second;
  std::string note = where.size() == 1 ? kOne : std::to_string(where.size()) + "x nas linhas: ";
  for (const int index : where) {
    note += std::to_string(index);
    note += ' ';
  }
  return note;
}

void ParsedScript::buildTraceHeads() const {
  traceHeads_.resize(parsed_.size());
  for (size_t i = 0; i < parsed_.size(); ++i) {
    const ParsedLine& line = parsed_[i];
    std::string& head = traceHeads_[i];
    TraceLog::appendPrefix(head, static_cast<int>(i));
    switch (line.kind) {
      case LineKind::Blank:
      case LineKind::QuoteText:
        break;
      case LineKind::Label:
        head += line.text;
        head += " <-";
        head += labelReferenceNote(i);
        break;
      case LineKind::Comment:
        head += line.text;
        break;
      case LineKind::Command:
        head += line.word;
        head += ' ';
        break;
    }
  }
}

}  // namespace taluvin
