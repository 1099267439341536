// What the slots of a line hold where its sub-command, its keyword or its picture's name decides.
#include "app/command_roles.h"

#include "app/check/game_check_settings.h"
#include "base/numbers.h"
#include "present/picture_placement.h"

namespace taluvin {

using enum ArgumentRole;

ArgumentRoles resetRoles(std::string_view, const ArgumentSlots& a) {
  if (a[1] == "objs" || a[1] == "obj") return {Word, Object};
  if (a[1] == "mapa") return {Word, File};
  return {Word};
}

ArgumentRoles soundRoles(std::string_view, const ArgumentSlots& a) {
  if (a[1] == "off") return {Word};
  return {Sound, Switch};
}

// Only the general keyword takes the property's name; the others are named after theirs.
ArgumentRoles objectGetRoles(std::string_view word, const ArgumentSlots&) {
  if (word == "getobj=") return {Register, Object, Property};
  return {Register, Object};
}

ArgumentRoles objectSetRoles(std::string_view word, const ArgumentSlots&) {
  if (word == "setobj=") return {Object, Property, Text};
  return {Object, Text};
}

// A picture takes its page placement after its rectangle, a text its size, colour and style.
ArgumentRoles displayRoles(std::string_view, const ArgumentSlots& a) {
  if (isPictureName(a[1])) return {PictureOrText, Surface, Number, Number, Number, Number, Word};
  return {PictureOrText, Surface, Number, Number, Number, Number, Number, Colour, Text};
}

ArgumentRoles hudRoles(std::string_view, const ArgumentSlots& a) {
  if (a[1].find(".bmp") != std::string::npos) return {Picture};
  if (a[1] == "off" || a[1] == "on") return {Switch};
  return {Number, Number};
}

ArgumentRoles showMapRoles(std::string_view, const ArgumentSlots& a) {
  if (a[1] == "on") return {Switch, Picture, Number, Number};
  return {Switch};
}

// A settings line changed by a script holds what the file's line holds.
ArgumentRoles settingRoles(std::string_view, const ArgumentSlots& a) {
  const auto index = parseInt(a[1]);
  if (!index) return {Number, Text};
  if (holdsLine(kScriptLines, *index)) return {Number, *index == 17 ? Vocabulary : Script};
  if (holdsLine(kPictureLines, *index)) return {Number, Picture};
  if (holdsLine(kColourLines, *index)) return {Number, Colour};
  return {Number, Text};
}

ArgumentRoles rainRoles(std::string_view, const ArgumentSlots& a) {
  const std::string& what = a[1];
  if (what == "mask") return {Word, a[2] == "off" ? Switch : Picture};
  if (what == "int" || what == "wgotas") return {Word, Number};
  if (what == "off" || what == "on") return {Switch};
  return {Picture};
}

// An element ("fig", "img", "txt", "lnk") or a view ("000", "090", "180", "360") into a strip.
ArgumentRoles visorRoles(std::string_view, const ArgumentSlots& a) {
  const std::string& k = a[1];
  if (k == "fig" || k == "img") return {Word, Number, Number, Number, Number, Picture, Picture, Script, Number};
  if (k == "txt" || k == "lnk") return {Word, Number, Number, Number, Number, Text, Text, Script, Number};
  if (k == "000" || k == "090" || k == "180" || k == "360")
    return {Word, Number, Number, Number, Number, Picture, Picture, Number, Number};
  return {Word};
}

ArgumentRoles registerInputRoles(std::string_view, const ArgumentSlots& a) {
  if (a[1] == "off") return {Switch, Number, Number, Number, Number, Script};
  return {Register, Number, Number, Number, Number, Script};
}

// "diftime#" gives hours, minutes and seconds a register each where "diftime" writes one time.
ArgumentRoles timeDifferenceRoles(std::string_view word, const ArgumentSlots&) {
  if (word == "diftime#") return {Register, Register, Register, Register};
  return {Register, Register};
}

}  // namespace taluvin
