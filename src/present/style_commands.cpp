// Changing the text style and the picture-screen buffer's canvas.
#include "present/style_commands.h"

#include "base/numbers.h"
#include "base/text.h"
#include "present/colors.h"
#include "present/console_page.h"
#include "present/font_faces.h"
#include "present/picture_page.h"
#include "present/screen.h"
#include "present/shown_later.h"
#include "present/surface_budget.h"
#include "script/command_context.h"
#include "state/game_session.h"

namespace taluvin {

namespace {

// A colour command: the argument, or its settings line when empty, stored as written.
Flow setColour(ScriptInterpreter& ip, std::string& field, size_t settingsLine) {
  field = ip.arg(1).empty() ? ip.session().settings.line(settingsLine) : ip.arg(1);
  ip.Trace += field;
  return Flow::Done;
}

// The console and the strip follow a face or size change; a style change gives the strip the
// console's whole font.
void applyFaceToMessages(Screen& screen, const std::string& face) {
  screen.console().setFontFace(face);
  QFont font = shownFont(screen.messageStrip());
  if (!face.empty()) font.setFamily(toQt(face));
  screen.picturePage().setStripFont(font);
}

void applySizeToMessages(Screen& screen, int points) {
  screen.console().setFontSize(points);
  QFont font = shownFont(screen.messageStrip());
  font.setPixelSize(pointsToPixels(points));
  screen.picturePage().setStripFont(font);
}

}  // namespace

Flow cmdFont(ScriptInterpreter& ip) {
  // slot 1 = face, 2 = size, 3 = text colour, 4 = bold, 5 = italic, 6 = underline (any text is on)
  static const std::string kBold = "bold,", kItalic = "italic,", kUnderlined = "undelined,";
  static const std::string kNormalComma = "normal,", kNormal = "normal";
  auto& st = ip.session().screen.style;
  std::string beyond;  // a size past the budget, marked after the usual trace
  if (!ip.arg(1).empty()) st.face = ip.arg(1);
  if (!ip.arg(2).empty()) st.size = commandFontSize(beyond, toIntOrAbort(ip.arg(2)));
  if (!ip.arg(3).empty()) st.text = ip.arg(3);
  st.bold = !ip.arg(4).empty();
  st.italic = !ip.arg(5).empty();
  st.underline = !ip.arg(6).empty();
  if (ip.Trace.on()) ip.Trace += st.face + "," + std::to_string(st.size) + "," + st.text + ",";
  ip.Trace += st.bold ? kBold : kNormalComma;
  ip.Trace += st.italic ? kItalic : kNormalComma;
  ip.Trace += st.underline ? kUnderlined : kNormal;
  ip.Trace += beyond;
  return Flow::Done;
}

Flow cmdBackgroundColour(ScriptInterpreter& ip) {
  // slot 1 = colour RRGGBB (default settings line 18)
  return setColour(ip, ip.session().screen.style.background, 18);
}

Flow cmdTextColour(ScriptInterpreter& ip) {
  // slot 1 = colour RRGGBB (default settings line 19)
  return setColour(ip, ip.session().screen.style.text, 19);
}

Flow cmdLinkColour(ScriptInterpreter& ip) {
  // slot 1 = colour RRGGBB (default settings line 20)
  return setColour(ip, ip.session().screen.style.link, 20);
}

Flow cmdVisitedColour(ScriptInterpreter& ip) {
  // slot 1 = colour RRGGBB (default settings line 21)
  return setColour(ip, ip.session().screen.style.visited, 21);
}

Flow cmdFontFace(ScriptInterpreter& ip) {
  // slot 1 = face (default settings line 15)
  auto& st = ip.session().screen.style;
  st.face = ip.arg(1).empty() ? ip.session().settings.line(15) : ip.arg(1);
  ip.Trace += st.face;
  applyFaceToMessages(ip.context().screen(), st.face);
  return Flow::Done;
}

Flow cmdFontSize(ScriptInterpreter& ip) {
  // slot 1 = size in points (default, and for text that is no number: settings line 16)
  auto& s = ip.session();
  auto& st = s.screen.style;
  const int fromSettings = toIntOr(s.settings.line(16), st.size);
  std::string beyond;
  st.size = commandFontSize(beyond, toIntOr(ip.arg(1), fromSettings));
  if (ip.Trace.on()) ip.Trace += std::to_string(st.size) + beyond;
  applySizeToMessages(ip.context().screen(), st.size);
  return Flow::Done;
}

Flow cmdFontStyle(ScriptInterpreter& ip) {
  // slot 1 = three letters "B", "I", "U" in their places (default "biu": all off)
  auto& st = ip.session().screen.style;
  const std::string letters = ip.arg(1).empty() ? std::string("biu") : ip.arg(1);
  ip.Trace += ip.arg(1);
  const auto flags = readStyleLetters(letters);
  st.bold = flags.bold;
  st.italic = flags.italic;
  st.underline = flags.underline;
  Screen& screen = ip.context().screen();
  screen.console().setStyle(st.bold, st.italic, st.underline);
  screen.picturePage().setStripFont(shownFont(screen.consoleText()));
  return Flow::Done;
}

Flow cmdScreenBrush(ScriptInterpreter& ip) {
  // slot 1 = colour RRGGBB of the picture-screen buffer's brush
  ip.context().screen().pictureBuffer().style.brush = paintColor(ip.arg(1));
  ip.context().screen().pictureBuffer().style.brushClear = false;
  return Flow::Done;
}

Flow cmdScreenFontColour(ScriptInterpreter& ip) {
  // slot 1 = colour RRGGBB of the picture-screen buffer's font
  ip.context().screen().pictureBuffer().style.fontColor = paintColor(ip.arg(1));
  return Flow::Done;
}

Flow cmdScreenFontFace(ScriptInterpreter& ip) {
  // slot 1 = face of the picture-screen buffer's font
  ip.context().screen().pictureBuffer().style.face = ip.arg(1);
  return Flow::Done;
}

Flow cmdScreenFontSize(ScriptInterpreter& ip) {
  // slot 1 = size in points of the picture-screen buffer's font
  ip.context().screen().pictureBuffer().style.size = commandFontSize(ip.Trace, toIntOrAbort(ip.arg(1)));
  return Flow::Done;
}

}  // namespace taluvin
