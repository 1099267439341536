// The checker's map from each dispatch row to what its arguments name.
#include "app/game_check_arguments.h"

#include "app/game_check_settings.h"
#include "base/numbers.h"
#include "present/picture_file.h"
#include "present/picture_placement.h"

#include <functional>
#include <unordered_map>

namespace taluvin {

namespace {

using R = ArgumentRole;
using Uses = std::vector<ArgumentUse>;
using Describe = std::function<Uses(std::string_view word, const ArgumentSlots& args)>;

Describe fixed(Uses uses) {
  return [uses = std::move(uses)](std::string_view, const ArgumentSlots&) { return uses; };
}

std::string lowered(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// A slot that shows a picture when its text names one (by the test given) and the text otherwise.
template <typename NamesPicture>
void pictureOrText(Uses& uses, int slot, const std::string& text, NamesPicture namesOne) {
  if (namesOne(text))
    uses.push_back({slot, R::Picture});
  else if (namesOne(lowered(text)))
    uses.push_back({slot, R::TextLikePicture});
}

// A link's first slot is a picture when its name has a picture's extension, else the label's text.
Uses linkUses(const ArgumentSlots& a) {
  Uses uses{{2, R::Script}, {8, R::Picture}, {9, R::Sound}};
  pictureOrText(uses, 1, a[1], isPictureName);
  return uses;
}

Uses rainUses(const ArgumentSlots& a) {
  if (a[1] == "mask") return a[2] == "off" ? Uses{} : Uses{{2, R::Picture}};
  if (a[1] == "off" || a[1] == "int" || a[1] == "wgotas" || a[1] == "on") return {};
  return {{1, R::Picture}};
}

Uses visorUses(const ArgumentSlots& a) {
  const std::string& k = a[1];
  if (k == "fig" || k == "img") return {{6, R::Picture}, {7, R::Picture}, {8, R::Script}};
  if (k == "txt" || k == "lnk") return {{8, R::Script}};
  if (k == "000" || k == "090" || k == "180" || k == "360") return {{6, R::Picture}, {7, R::Picture}};
  return {};
}

const std::unordered_map<std::string_view, Describe>& rows() {
  static const std::unordered_map<std::string_view, Describe> kRows = [] {
    std::unordered_map<std::string_view, Describe> m;
    // Flow and places.
    m["script"] = fixed({{1, R::Script}});
    m["gosub"] = fixed({{1, R::GosubTarget}});
    m["goto"] = fixed({{1, R::Label}});
    m["retscp="] = fixed({{1, R::Script}});
    m["scriptcmd="] = fixed({{1, R::Vocabulary}});
    m["defcom="] = fixed({{1, R::Vocabulary}});
    m["setpos="] = fixed({{1, R::Script}});
    for (auto exit : {"norte=", "sul=", "leste=", "oeste=", "entrar=", "sair=", "subir=", "descer="})
      m[exit] = fixed({{1, R::Script}});
    // Jump-style conditions: the label slot.
    for (auto row : {"ifobj=", "ifobj#"}) m[row] = fixed({{3, R::Label}});
    for (auto row : {"tem?", "aquitem?", "temos?", "ifloc=", "ifloc#"}) m[row] = fixed({{2, R::Label}});
    for (auto row : {"ifreg=", "ifreg#", "ifreg>", "ifreg<"}) m[row] = fixed({{1, R::Register}, {3, R::Label}});
    // Execute-style conditions: the carried command.
    for (auto row : {"ifmod0", "ifmod1", "ifmod2", "ifmod3", "ifmod4", "ifnor", "ifsul", "ifles", "ifoes", "ifma=",
                     "ifgen="})
      m[row] = fixed({{1, R::Command}});
    for (auto row : {"if=", "if#", "if>", "if<"}) m[row] = fixed({{1, R::Register}, {3, R::Command}});
    m["if~"] = fixed({{1, R::Register}, {4, R::Command}});
    // Registers.
    for (auto row : {"reg=", "reg$", "trim", "reg-", "reg+", "reg*", "reg:", "reg/", "reg?", "param=", "getvar=",
                     "getobj=", "lstobj=", "lstobjlnk=", "getultobj=", "getdir", "getlng", "inkey", "showdate",
                     "showtime"})
      m[row] = fixed({{1, R::Register}});
    m["regtxt="] = fixed({{1, R::Register}, {2, R::TextLiteral}});
    m["ifbr="] = fixed({{1, R::Register}, {2, R::TextLiteral}});
    m["conta"] = fixed({{2, R::Register}});
    m["getxy"] = fixed({{1, R::Register}, {2, R::Register}});
    m["diftime"] = [](std::string_view word, const ArgumentSlots&) {
      if (word == "diftime#") return Uses{{1, R::Register}, {2, R::Register}, {3, R::Register}, {4, R::Register}};
      return Uses{{1, R::Register}, {2, R::Register}};
    };
    m["inptreg="] = [](std::string_view, const ArgumentSlots& a) {
      return a[1] == "off" ? Uses{{6, R::Script}} : Uses{{1, R::Register}, {6, R::Script}};
    };
    // Pictures, sounds, music and fonts.
    m["telpos="] = fixed({{1, R::Picture}, {2, R::Script}});
    for (auto row : {"linktel=", "linkfunc=", "linkpainel=", "click"})
      m[row] = [](std::string_view, const ArgumentSlots& a) { return linkUses(a); };
    // With its exit set, the line becomes a panel link whose first slot is the item and whose action
    // is the exit's script; the slots after them stay where they are.
    m["ifdir="] = [](std::string_view, const ArgumentSlots& a) {
      Uses uses{{8, R::Picture}, {9, R::Sound}};
      pictureOrText(uses, 2, a[2], isPictureName);
      return uses;
    };
    m["shape="] = [](std::string_view, const ArgumentSlots& a) {
      Uses uses{{6, R::Script}, {7, R::Picture}};
      pictureOrText(uses, 1, a[1], [](const std::string& name) { return namesPicture(name); });
      return uses;
    };
    m["display"] = [](std::string_view, const ArgumentSlots& a) {
      Uses uses;
      pictureOrText(uses, 1, a[1], isPictureName);
      if (uses.empty() || uses.front().role != R::Picture) uses.push_back({8, R::Colour});
      return uses;
    };
    m["hud="] = [](std::string_view, const ArgumentSlots& a) {
      return a[1].find(".bmp") != std::string::npos ? Uses{{1, R::Picture}} : Uses{};
    };
    m["loadmap="] = fixed({{1, R::Picture}, {2, R::Picture}});
    m["showmap"] = [](std::string_view, const ArgumentSlots& a) {
      return a[1] == "on" ? Uses{{2, R::Picture}} : Uses{};
    };
    m["addmap="] = fixed({{3, R::Picture}});
    m["loadpainel"] = fixed({{1, R::Picture}});
    m["chuva="] = [](std::string_view, const ArgumentSlots& a) { return rainUses(a); };
    m["visor"] = [](std::string_view, const ArgumentSlots& a) { return visorUses(a); };
    m["playmusic"] = fixed({{1, R::Music}});
    m["playsnd"] = [](std::string_view, const ArgumentSlots& a) {
      return a[1] == "off" ? Uses{} : Uses{{1, R::Sound}};
    };
    m["instalfonte"] = fixed({{1, R::Font}});
    // A settings line changed by a script holds what the file's line holds.
    m["defini="] = [](std::string_view, const ArgumentSlots& a) {
      const auto index = parseInt(a[1]);
      if (!index) return Uses{};
      if (holdsLine(kScriptLines, *index)) return Uses{{2, *index == 17 ? R::Vocabulary : R::Script}};
      if (holdsLine(kPictureLines, *index)) return Uses{{2, R::Picture}};
      if (holdsLine(kColourLines, *index)) return Uses{{2, R::Colour}};
      return Uses{};
    };
    // Colours.
    for (auto row : {"corfnd=", "corlnk=", "corvzk=", "cortxt=", "telacorfnd=", "telacortxt=", "cleartela",
                     "clearbuf", "clearfunc"})
      m[row] = fixed({{1, R::Colour}});
    m["fonte="] = fixed({{3, R::Colour}});
    // A box colour "0" draws no box.
    m["btxt="] = [](std::string_view, const ArgumentSlots& a) {
      return a[8] == "0" ? Uses{{6, R::Colour}} : Uses{{6, R::Colour}, {8, R::Colour}};
    };
    m["borda="] = fixed({{2, R::Colour}});
    m["inptdef="] = fixed({{2, R::Colour}, {3, R::Colour}});
    m["legenda="] = fixed({{8, R::Colour}, {9, R::Colour}});
    m["memo"] = fixed({{7, R::Colour}, {8, R::Colour}});
    m["showobj="] = fixed({{9, R::Colour}});
    // "0" asks for plain grey rather than a tint.
    m["cinza="] = [](std::string_view, const ArgumentSlots& a) {
      return a[2] == "0" ? Uses{} : Uses{{2, R::Colour}};
    };
    return m;
  }();
  return kRows;
}

}  // namespace

std::vector<ArgumentUse> argumentUses(const CommandIndex& commands, std::string_view word, const ArgumentSlots& args) {
  const int entry = commands.find(word);
  if (entry < 0) return {};
  const auto& keywords = commands[static_cast<size_t>(entry)].keywords;
  if (keywords.empty()) return {};
  const auto& described = rows();
  auto it = described.find(keywords.front());
  return it == described.end() ? Uses{} : it->second(word, args);
}

std::vector<std::string_view> describedRows() {
  std::vector<std::string_view> names;
  for (const auto& [name, describe] : rows()) names.push_back(name);
  return names;
}

}  // namespace taluvin
