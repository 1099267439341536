// The checker's reading of one command line against its row's roles: counts, kinds, cut texts, zones.
#include "app/check/game_check_lines.h"

#include "app/check/game_check_context.h"
#include "base/numbers.h"
#include "base/text.h"
#include "present/picture_file.h"
#include "present/picture_placement.h"

#include <algorithm>

namespace taluvin {

namespace {

// Smaller than this on a side, a zone is a target a player hardly finds.
constexpr int kSmallestZoneSide = 10;

bool isOneOf(std::string_view word, std::initializer_list<std::string_view> words) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

bool isColour(std::string_view text) {
  return text.size() == 6 && std::all_of(text.begin(), text.end(), [](char c) {
           return std::isxdigit(static_cast<unsigned char>(c)) != 0;
         });
}

// Numbers some slots take besides integers: "$" for the scroll page's text position, and what a
// model-2 page reads in the same slots (a placement word, a size in percent).
bool isAcceptedInNumberSlot(std::string_view text) {
  return text == "$" || isOneOf(text, {"left", "right", "center"}) || (!text.empty() && text.back() == '%');
}

// A slot holding text the command shows: these end at the first comma.
bool holdsText(ArgumentRole role, const std::string& arg) {
  switch (role) {
    case ArgumentRole::Text:
      return true;
    case ArgumentRole::PictureOrText:
      return !isPictureName(arg);
    case ArgumentRole::WebPictureOrText:
      return !namesPicture(arg);
    default:
      return false;
  }
}

// Whether a slot's text can be what its role holds; roles whose values the checker cannot judge
// always fit.
bool fitsRole(ArgumentRole role, std::string_view text) {
  switch (role) {
    case ArgumentRole::Number:
      return parseInt(text).has_value() || isAcceptedInNumberSlot(text);
    case ArgumentRole::Colour:
      return isColour(text);
    case ArgumentRole::ColourOrNone:
      return text == "0" || isColour(text);
    case ArgumentRole::Surface:
      return isOneOf(text, {"tel", "fnc", "pan", "msg", "md3", "md4"});
    case ArgumentRole::Switch:
      return text == "on" || text == "off";
    default:
      return true;
  }
}

bool carriesLines(const ArgumentRoles& roles) {
  for (int slot = 1; slot <= roles.count(); ++slot)
    if (roles[slot] == ArgumentRole::Command || roles[slot] == ArgumentRole::TextLiteral) return true;
  return false;
}

std::string argumentCount(int count) {
  if (count == 0) return "no arguments";
  return std::to_string(count) + (count == 1 ? " argument" : " arguments");
}

// Slots from `from` to the last one given, as the line wrote them.
std::string slotsFrom(const CommandLine& line, int from) {
  std::string text;
  for (int slot = from; slot <= line.given; ++slot) text += (slot > from ? "," : "") + line.args[static_cast<size_t>(slot)];
  return text;
}

// A comma inside a text ends it: what follows lands in the next slots, where the command finds
// words where it wanted a number or a surface, or nothing it reads at all. Returns the slot the
// leftover starts in, or 0.
int reportCutText(GameCheck& check, const CommandLine& line) {
  const int count = line.roles.count();
  for (int slot = 1; slot < line.given && slot <= count; ++slot) {
    const std::string& text = line.args[static_cast<size_t>(slot)];
    const std::string& next = line.args[static_cast<size_t>(slot + 1)];
    if (text.empty() || text[0] == '#' || next.empty() || !holdsText(line.roles[slot], text)) continue;
    const bool unread = slot + 1 > count;
    const bool misplaced = next[0] == ' ' && !fitsRole(line.roles[slot + 1], trimView(next));
    if (!unread && !misplaced) continue;
    const std::string what = unread ? "is left over (" + quoted(std::string(line.word)) + " reads " + argumentCount(count) + ")"
                                    : "lands in argument " + std::to_string(slot + 1);
    check.report(line.file, line.line,
                 "the text " + quoted(text) + " ends at the comma after it, and " + quoted(slotsFrom(line, slot + 1)) +
                     " " + what + "; write \"^\" where a text shows a comma");
    return slot + 1;
  }
  return 0;
}

void reportExtraArguments(GameCheck& check, const CommandLine& line) {
  const int count = line.roles.count();
  if (carriesLines(line.roles)) return;
  for (int slot = count + 1; slot <= line.given; ++slot) {
    if (line.args[static_cast<size_t>(slot)].empty()) continue;
    check.report(line.file, line.line,
                 quoted(std::string(line.word)) + " reads " + argumentCount(count) + ", so " +
                     quoted(slotsFrom(line, count + 1)) + " is ignored");
    return;
  }
}

void reportNumbers(GameCheck& check, const CommandLine& line, int lastSlot) {
  for (int slot = 1; slot <= lastSlot; ++slot) {
    const std::string& arg = line.args[static_cast<size_t>(slot)];
    const ArgumentRole role = line.roles[slot];
    if (arg.empty() || arg[0] == '#') continue;
    const std::string where = "argument " + std::to_string(slot) + " of " + quoted(std::string(line.word));
    if (role == ArgumentRole::Number && !fitsRole(ArgumentRole::Number, arg))
      check.report(line.file, line.line, where + " is a number, not " + quoted(arg));
    // A register slot reads a word as register 0, so the line runs on another register unseen.
    if (role == ArgumentRole::Register && !parseInt(arg)) {
      // "getobj=" reads a property; "getobj" (no "=") is the one that takes an object.
      const bool takeMeant = line.word == "getobj=" && line.given == 1;
      check.report(line.file, line.line,
                   where + " is a register number, not " + quoted(arg) +
                       (takeMeant ? "; to take the object write " + quoted("getobj " + arg) + " (no \"=\")" : ""));
    }
  }
}

// A side as a link command reads it: empty or 0 takes the picture's (returned as 0); nothing when it
// is no number the checker can know.
std::optional<int> givenSide(const std::string& arg) {
  if (arg.empty()) return 0;
  if (arg[0] == '#') return std::nullopt;
  return parseInt(arg);
}

void reportSmallZone(GameCheck& check, const CommandLine& line) {
  const std::string& picture = line.args[1];
  if (picture.empty() || picture[0] == '#' || !isPictureName(picture)) return;
  auto width = givenSide(line.args[5]);
  auto height = givenSide(line.args[6]);
  if (!width || !height) return;
  const bool widthOfPicture = *width == 0, heightOfPicture = *height == 0;
  if (widthOfPicture || heightOfPicture) {
    const auto size = check.pictureSize(picture);
    if (!size) return;
    if (widthOfPicture) width = size->width();
    if (heightOfPicture) height = size->height();
  }
  if (*width < 0 || *height < 0 || (*width >= kSmallestZoneSide && *height >= kSmallestZoneSide)) return;
  const char* taken = widthOfPicture && heightOfPicture ? " (the picture's own size)"
                      : widthOfPicture                  ? " (the picture's width)"
                      : heightOfPicture                 ? " (the picture's height)"
                                                        : "";
  check.report(line.file, line.line,
               "the zone of " + quoted(picture) + " is " + std::to_string(*width) + " × " + std::to_string(*height) +
                   " pixels" + taken + ", too small to click; give it a width and height of " +
                   std::to_string(kSmallestZoneSide) + " or more");
}

}  // namespace

void checkCommandArguments(GameCheck& check, const CommandLine& line) {
  const int cutAt = reportCutText(check, line);
  if (cutAt == 0) reportExtraArguments(check, line);
  reportNumbers(check, line, cutAt == 0 ? line.roles.count() : cutAt - 1);

  const CommandIndex& commands = check.commands();
  const int entry = line.entry;
  if (entry == commands.find("linktel=") || entry == commands.find("click") || entry == commands.find("linkfunc=") ||
      entry == commands.find("linkpainel="))
    reportSmallZone(check, line);
  if (entry == commands.find("loadregs") && !line.args[1].empty() && line.args[1][0] != '#')
    checkRegisterDataFile(check, line.file, line.line, line.args);
  if (entry == commands.find("reset") && (line.args[1] == "objs" || line.args[1] == "obj") &&
      (line.args[2].empty() || line.args[2][0] != '#'))
    checkObjectReset(check, line.file, line.line, line.args[2]);
}

}  // namespace taluvin
