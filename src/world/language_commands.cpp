// The game language and the language-dependent texts.
#include "world/language_commands.h"

#include "base/numbers.h"
#include "base/text.h"
#include "state/game_session.h"
#include "world/register_access.h"
#include "world/text_literal.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace taluvin {

namespace {

constexpr std::array<std::string_view, 5> kLanguages = {"br", "pt", "en", "fr", "es"};

bool isLanguage(std::string_view code) {
  return std::find(kLanguages.begin(), kLanguages.end(), code) != kLanguages.end();
}

}  // namespace

Flow cmdGetLanguage(ScriptInterpreter& ip) {
  // slot 1 = register (0); its number is not checked, so one outside the table aborts the run
  auto& s = ip.session();
  const int32_t n = registerNumber(ip.arg(1));
  if (ip.Trace.on()) ip.Trace += intToText(n) + " = " + s.Language;
  noteIfCut(ip, s.registers.set(n, s.Language));
  return Flow::Done;
}

Flow cmdPutLanguage(ScriptInterpreter& ip) {
  // slot 1 = language code
  static const std::string kUnknown = w(" <- este idioma não é reconhecido");
  const std::string& code = ip.arg(1);
  ip.Trace += code;
  if (!isLanguage(code)) {
    ip.Trace += kUnknown;
    return Flow::Done;
  }
  ip.session().Language = code;
  return Flow::Done;
}

Flow cmdIfLanguageText(ScriptInterpreter& ip) {
  // slot 1 = register (0), slot 2 = opening of a text literal that may run over the following lines
  auto& s = ip.session();
  // The word is "if", two letters of the code, then "=" or "+".
  const std::string_view word = ip.Cmd;
  if (word.size() != 5 || word.substr(2, 2) != s.Language) {
    // Nothing is read: the literal's further lines are left to the runner as lines of their own.
    return Flow::Done;
  }
  // "#" pieces stay text here, unlike in "regtxt=".
  return literalIntoRegister(ip, word[4] == '+', false);
}

}  // namespace taluvin
