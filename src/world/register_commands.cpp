// Register commands that set text.
#include "world/register_commands.h"

#include "base/text.h"
#include "script/markup.h"
#include "state/game_session.h"
#include "world/register_access.h"
#include "world/text_literal.h"

namespace taluvin {

Flow cmdRegSet(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = value
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  const bool whole = ip.session().registers.set(*n, ip.arg(2));
  ip.Trace += ',';
  ip.Trace += ip.arg(2);
  noteIfCut(ip, whole);
  return Flow::Done;
}

Flow cmdRegAppend(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = text to append (markup signs expanded)
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  auto& s = ip.session();
  // Most appended texts hold no sign to expand: they are appended as they are, without a copy.
  const std::string& given = ip.arg(2);
  const bool plain = !holdsMarkupSign(given);
  const std::string expanded = plain ? std::string() : expandAllMarkup(given, s.Modelo);
  const std::string& text = plain ? given : expanded;
  const bool whole = s.registers.append(*n, text);
  ip.Trace += ',';
  ip.Trace += text;
  noteIfCut(ip, whole);
  return Flow::Done;
}

Flow cmdRegTrim(ScriptInterpreter& ip) {
  // slot 1 = register
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  std::string& value = ip.session().registers.at(*n);
  value = trim(value);
  return Flow::Done;
}

Flow cmdRegText(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = opening of a text literal that may run over the following lines
  return literalIntoRegister(ip, ip.Cmd == "regtxt+", true);
}

Flow cmdParam(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = "prm", "prx" or "pry"
  static const std::string kUnknown = w(" <--- parâmetro desconhecido");
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  auto& s = ip.session();
  const std::string& word = ip.arg(2);
  ip.Trace += ',';
  ip.Trace += word;
  const std::string* value = word == "prm" ? &s.Prm : word == "prx" ? &s.Prx : word == "pry" ? &s.Pry : nullptr;
  if (!value) {
    ip.Trace += kUnknown;
    return Flow::Done;
  }
  noteIfCut(ip, s.registers.set(*n, *value));
  return Flow::Done;
}

Flow cmdGetVar(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = name of a game-state value
  static const std::string kUnknown = w(" <--- variável desconhecida");
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  auto& s = ip.session();
  const std::string& name = ip.arg(2);
  const std::string* value = nullptr;
  if (name == "Modelo" || name == "Model") value = &s.Modelo.text();
  else if (name == "Script") value = &s.Script;
  else if (name == "IniScp") value = &s.IniScp;
  else if (name == "RetScp") value = &s.RetScp;
  else if (name == "Posic") value = &s.Posic;
  else if (name == "Objeto") value = &s.Objeto;
  ip.Trace += ',';
  // An empty value is reported like an unknown name, so a script can tell it was not set.
  if (!value || value->empty()) {
    ip.Trace += kUnknown;
    return Flow::Done;
  }
  const bool whole = s.registers.set(*n, *value);
  ip.Trace += *value;
  noteIfCut(ip, whole);
  return Flow::Done;
}

}  // namespace taluvin
