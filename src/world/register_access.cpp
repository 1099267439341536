// Register numbers named by command arguments.
#include "world/register_access.h"

#include "base/numbers.h"
#include "base/text.h"
#include "script/interpreter.h"
#include "state/game_session.h"

namespace taluvin {

int32_t registerNumber(const std::string& text) { return toIntOr(text, 0); }

std::optional<int32_t> targetRegister(ScriptInterpreter& ip, int slot) {
  static const std::string kOutOfRange = " <--- registrador fora de faixa";
  const std::string& text = ip.arg(slot);
  if (text.empty())
    ip.Trace += '0';
  else
    ip.Trace += text;
  const int32_t number = registerNumber(text);
  // The register count itself is a usable register: the table holds registers 0 to N.
  if (number > ip.session().RegCount) {
    ip.Trace += kOutOfRange;
    return std::nullopt;
  }
  return number;
}

bool noteIfCut(ScriptInterpreter& ip, bool whole) {
  static const std::string kCut = " <--- texto cortado em " + std::to_string(kMaxRegisterText) + " caracteres";
  if (!whole) ip.Trace += kCut;
  return whole;
}

}  // namespace taluvin
