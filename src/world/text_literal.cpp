// The multi-line text literal reader.
#include "world/text_literal.h"

#include "base/numbers.h"
#include "base/text.h"
#include "script/interpreter.h"
#include "script/markup.h"
#include "state/game_session.h"
#include "state/register_table.h"
#include "world/register_access.h"

#include <algorithm>

namespace taluvin {

namespace {

std::string registerPiece(const GameSession& s, std::string_view piece) {
  auto number = parseInt(piece.substr(1));
  if (!number || !s.registers.has(*number)) return {};
  return s.registers.at(*number);
}

}  // namespace

TextLiteral readTextLiteral(ScriptInterpreter& ip, const std::string& opening, std::string start, bool registerPieces) {
  auto& s = ip.session();
  std::string_view first = opening;
  if (!first.empty() && first[0] == '\'') first.remove_prefix(1);
  std::string piece = trim(first);
  TextLiteral literal{std::move(start), {}, false, s.CurLine};
  auto add = [&literal](std::string_view more) {
    const size_t room = kMaxRegisterText - std::min(literal.text.size(), kMaxRegisterText);
    literal.text.append(more.substr(0, room));
    literal.cut |= more.size() > room;
  };
  while (piece.find('\'') == std::string::npos) {
    if (!literal.cut) {
      if (registerPieces && !piece.empty() && piece[0] == '#') piece = registerPiece(s, piece);
      add(expandAllMarkup(piece, s.Modelo));
      add(" ");
    }
    // The runner continues after the last line the literal took.
    ++literal.lastLine;
    if (literal.lastLine < static_cast<int>(s.ScriptLines.size()))
      piece = trim(s.ScriptLines[static_cast<size_t>(literal.lastLine)]);
    else
      piece.assign(1, '\'');
  }
  piece.erase(piece.find('\''));
  add(piece);
  literal.lastPiece = std::move(piece);
  return literal;
}

Flow literalIntoRegister(ScriptInterpreter& ip, bool append, bool registerPieces) {
  static const std::string kNoText = w(" <--- não informou o texto");
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  auto& s = ip.session();
  // Without an opening there is no literal: taking the following lines as its text would swallow
  // the rest of the script up to some unrelated quote.
  if (ip.arg(2).empty()) {
    if (!append) s.registers.at(*n).clear();
    ip.Trace += kNoText;
    return Flow::Done;
  }
  std::string start = append ? s.registers.at(*n) : std::string();
  TextLiteral literal = readTextLiteral(ip, ip.arg(2), std::move(start), registerPieces);
  const bool whole = s.registers.set(*n, std::move(literal.text)) && !literal.cut;
  ip.Trace += ',';
  if (ip.Trace.on()) ip.Trace += literal.lastPiece.substr(0, 5);
  ip.Trace += "...";
  noteIfCut(ip, whole);
  return Flow::resumeAfter(literal.lastLine);
}

}  // namespace taluvin
