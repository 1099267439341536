// Prints the dispatch table as authors read it.
#include "app/command_listing.h"

#include "app/command_table.h"
#include "interact/input_commands.h"
#include "interact/link_commands.h"
#include "present/box_commands.h"
#include "present/effect_commands.h"
#include "present/map_commands.h"
#include "present/message_commands.h"
#include "present/model_commands.h"
#include "present/object_link_listing.h"
#include "present/object_picture_commands.h"
#include "present/other_screen_commands.h"
#include "present/picture_commands.h"
#include "present/place_picture_commands.h"
#include "present/style_commands.h"
#include "present/surface_commands.h"
#include "present/visor_commands.h"
#include "script/flow_commands.h"
#include "services/sound_commands.h"
#include "world/language_commands.h"
#include "world/object_commands.h"
#include "world/object_conditions.h"
#include "world/object_listing.h"
#include "world/place_commands.h"
#include "world/place_conditions.h"
#include "world/register_arithmetic.h"
#include "world/register_commands.h"
#include "world/register_conditions.h"
#include "world/register_file_commands.h"
#include "world/setup_commands.h"
#include "world/time_commands.h"

#include <string_view>
#include <vector>

namespace taluvin {

void printCommandTable(std::ostream& out) {
  // Every line has all four columns, the third empty where the line does not go on, so a column
  // keeps its place for tools that cut the listing at tabs.
  const auto& table = commandTable();
  for (size_t i = 0; i < table.size(); ++i) {
    const auto& row = table[i];
    out << (i + 1) << '\t';
    for (size_t k = 0; k < row.keywords.size(); ++k) out << (k ? " " : "") << row.keywords[k];
    out << '\t' << (row.goesOn ? "(goes on)" : "");
    out << '\t' << row.arguments << '\n';
  }
}


namespace {

// The families of the reference, by handler: the table rows stay the one list of commands, and a
// row whose handler no family holds still prints, under "Other", where the test notices it.
struct Family {
  std::string_view title;
  std::vector<Handler> handlers;
};

const std::vector<Family>& families() {
  static const std::vector<Family> kFamilies = {
      {"Flow control", {cmdEnd, cmdScript, cmdPause, cmdGosub, cmdReturn, cmdRecall, cmdRetScp, cmdScriptCmd, cmdGoto,
                        cmdIfMod0, cmdIfMod1, cmdIfMod2, cmdIfMod3, cmdIfMod4, cmdTerminate}},
      {"Messages and text", {cmdMsgAppend, cmdMsgSet, cmdClearMsg, cmdLineFeed, cmdTextPosition, cmdLineFeedBy,
                             cmdPageHeight, cmdTextAppend, cmdTextSet, cmdEffect, cmdTypingDelay, cmdTextBox, cmdMemo,
                             cmdMargins, cmdScrollBar}},
      {"Text style", {cmdFont, cmdBackgroundColour, cmdTextColour, cmdLinkColour, cmdVisitedColour, cmdFontFace,
                      cmdFontSize, cmdFontStyle, cmdScreenBrush, cmdScreenFontColour, cmdScreenFontFace,
                      cmdScreenFontSize}},
      {"Registers", {cmdRegSet, cmdRegAppend, cmdRegTrim, cmdRegText, cmdParam, cmdGetVar, cmdRegAdd, cmdRegSub,
                     cmdRegMul, cmdRegDiv, cmdRegRealDiv, cmdRegRandom, cmdIfRegEqual, cmdIfRegDiffers,
                     cmdIfRegGreater, cmdIfRegLess, cmdIfEqual, cmdIfDiffers, cmdIfGreater, cmdIfLess, cmdIfBetween,
                     cmdIfMa, cmdIfGen}},
      {"Saving and resetting", {cmdSaveRegs, cmdLoadRegs, cmdReset, cmdSaveObjects}},
      {"Places and exits", {cmdSetPlace, cmdExitNorth, cmdExitSouth, cmdExitEast, cmdExitWest, cmdExitIn, cmdExitOut,
                            cmdExitUp, cmdExitDown, cmdClearExits, cmdGetExit, cmdIfNorth, cmdIfSouth, cmdIfEast,
                            cmdIfWest, cmdIfExitLink, cmdIfPlace, cmdIfNotPlace, cmdPlacePicture}},
      {"Sound and music", {cmdPlayMusic, cmdVolume, cmdPlaySound}},
      {"Screen models and surfaces", {cmdMode, cmdClearText, cmdClearScreen, cmdClearBuffer, cmdClearPanel,
                                      cmdClearTotal, cmdRefresh, cmdSaveBuffer, cmdScroll, cmdTopBar}},
      {"Objects", {cmdGetObject, cmdSetObject, cmdMoveAll, cmdTakeObject, cmdDropObject, cmdPutObject,
                   cmdCurrentObject, cmdLastObject, cmdListObjectsAccepted, cmdIfObjectAt, cmdIfObjectNotAt,
                   cmdIfCarried, cmdIfHere, cmdIfHave, cmdCountObjects, cmdListObjects, cmdListObjectLinks}},
      {"Pictures", {cmdDisplay, cmdHud, cmdCaption, cmdBorder, cmdShowObject, cmdObjectGrid, cmdShape}},
      {"The map", {cmdLoadMap, cmdDefinePicMap, cmdPicMap, cmdShowMap, cmdPosMap, cmdAddMap}},
      {"Zones and links", {cmdLinkScreen, cmdLinkMonitor, cmdLinkCommandPanel, cmdLinkFramePicture, cmdLinksOff,
                           cmdGetXY}},
      {"Typing, keys and focus", {cmdRegisterInput, cmdRegisterInputStyle, cmdSetFocus, cmdDefineVocabulary,
                                  cmdLoadFramePicture, cmdInkey}},
      {"Settings, language, date and time", {cmdDefineSetting, cmdInstallFont, cmdGetLanguage, cmdPutLanguage,
                                             cmdIfLanguageText, cmdSetToday, cmdSetNow, cmdTimeDifference,
                                             cmdShowDate, cmdShowTime, cmdAlign, cmdDownload}},
      {"Effects and the visor", {cmdGrey, cmdRain, cmdVisor}},
  };
  return kFamilies;
}

std::string_view familyOf(Handler handler) {
  for (const auto& family : families())
    for (Handler h : family.handlers)
      if (h == handler) return family.title;
  return "Other";
}

// A bar inside a cell would end it.
std::string cell(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '|') out += '\\';
    out += c;
  }
  return out;
}

}  // namespace

void printCommandReference(std::ostream& out) {
  const auto& table = commandTable();
  out << "# Script commands\n\n"
         "Generated by `taluvin --list-commands --markdown` from the player's own dispatch table; do not edit.\n\n"
         "A script line is a keyword, one blank, and up to nine arguments separated by commas. The player tests a\n"
         "line's keyword against the entries in the order of the numbers below; keywords are compared exactly,\n"
         "with their case, and aliases share one entry. An entry marked *goes on* hands the line on to the\n"
         "entries after it. Defaults are in parentheses. See docs/authoring.md for the files and the screen\n"
         "models, docs/scripting.md for how the commands work together.\n";
  std::vector<std::string_view> order;
  for (size_t i = 0; i < table.size(); ++i) {
    const std::string_view family = familyOf(table[i].handler);
    bool seen = false;
    for (auto f : order) seen = seen || f == family;
    if (!seen) order.push_back(family);
  }
  for (auto family : order) {
    out << "\n## " << family << "\n\n| # | keywords | arguments | effect |\n|---|---|---|---|\n";
    for (size_t i = 0; i < table.size(); ++i) {
      const auto& row = table[i];
      if (familyOf(row.handler) != family) continue;
      out << "| " << (i + 1) << " | ";
      for (size_t k = 0; k < row.keywords.size(); ++k) out << (k ? " " : "") << '`' << cell(row.keywords[k]) << '`';
      out << " | " << cell(row.arguments) << " | " << cell(row.effect) << (row.goesOn ? " (*goes on*)" : "") << " |\n";
    }
  }
}

}  // namespace taluvin
