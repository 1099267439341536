// Markup signs, script-name aliases and link parameters.
#include "script/markup.h"

#include "state/game_session.h"

namespace taluvin {

std::string expandMarkup(char sign, std::string_view text, ScreenModel model) {
  if (text.find(sign) == std::string_view::npos) return std::string(text);
  std::string_view replacement;
  const bool console = model == ScreenModel::Console || model == ScreenModel::PictureScreen;
  const bool web = model == ScreenModel::WebPage;
  const bool canvas = model == ScreenModel::ScrollPage || model == ScreenModel::Monitor;
  switch (sign) {
    case kLineBreakSign:
      replacement = console ? "\r\n" : web ? "<br>" : canvas ? "\xA7" : "";
      break;
    case kHardBlankSign:
      replacement = web ? "&nbsp;" : " ";
      break;
    case kCommaSign:
      replacement = ",";
      break;
    default:
      return std::string(text);
  }
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    if (c == sign)
      out += replacement;
    else
      out += c;
  }
  return out;
}

std::string expandAllMarkup(std::string_view text, ScreenModel model) {
  return expandMarkup(kCommaSign, expandMarkup(kHardBlankSign, expandMarkup(kLineBreakSign, text, model), model),
                      model);
}

const std::string& resolveScriptAlias(const GameSession& session, const std::string& name) {
  struct ExitAlias {
    const char* alias;
    GameSession::Exit exit;
  };
  static constexpr ExitAlias kExits[] = {
      {"@norte", GameSession::North}, {"@sul", GameSession::South},   {"@leste", GameSession::East},
      {"@oeste", GameSession::West},  {"@entrar", GameSession::In},   {"@sair", GameSession::Out},
      {"@subir", GameSession::Up},    {"@descer", GameSession::Down},
  };
  if (name.empty() || (name[0] != '@' && name != "xvlt")) return name;
  const std::string* replacement = nullptr;
  for (const auto& e : kExits)
    if (name == e.alias) replacement = &session.exits[e.exit];
  if (name == "@pos") replacement = &session.Posic;
  if (name == "@obj") replacement = &session.Objeto;
  if (name == "xvlt" || name == "@xvlt") replacement = &session.RetScp;
  // An empty field leaves the name as written, so a script of that name may still run.
  return replacement && !replacement->empty() ? *replacement : name;
}

namespace {
// A key the text does not carry leaves its field as it was: RunScript has emptied all three
// already, and "script" keeps the parameters its own name does not pass.
void takeParam(std::string_view text, std::string_view key, std::string& field) {
  auto pos = text.find(key);
  if (pos == std::string_view::npos) return;
  auto start = pos + key.size();
  auto end = text.find('&', start);
  field = std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}
}  // namespace

std::string parseLinkQuery(GameSession& session, std::string_view text) {
  takeParam(text, "&Prm=", session.Prm);
  takeParam(text, "&Prx=", session.Prx);
  takeParam(text, "&Pry=", session.Pry);
  return std::string(text.substr(0, text.find('&')));
}

}  // namespace taluvin
