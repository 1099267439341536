// Settings lines changed for the rest of the program's life, and announced font files.
#include "world/setup_commands.h"

#include "base/numbers.h"
#include "base/text.h"
#include "script/markup.h"
#include "state/game_paths.h"
#include "state/game_session.h"
#include "state/text_file.h"

#include <algorithm>

namespace taluvin {

Flow cmdDefineSetting(ScriptInterpreter& ip) {
  // slot 1 = settings line index (-1; not a number: -1), slot 2 = its new value
  static const std::string kOutOfRange = w(" <- fora da faixa válida");
  auto& s = ip.session();
  const int32_t index = toIntOr(ip.arg(1), -1);
  const std::string value =
      expandMarkup(kCommaSign, expandMarkup(kHardBlankSign, ip.arg(2), s.Modelo), s.Modelo);
  if (ip.Trace.on()) ip.Trace += intToText(index) + "," + value;
  // Lines a short file lacks read as empty and are written at exit, so the settings always hold
  // at least those lines; a game can set them as well as the ones its file spells out.
  const size_t lineCount = std::max(s.settings.lines().size(), Settings::kMinWrittenLines);
  if (index < 0 || static_cast<size_t>(index) >= lineCount) {
    ip.Trace += kOutOfRange;
    return Flow::Done;
  }
  // Memory only: the line counts from the next script run, and opening a game reads the file again.
  s.settings.set(static_cast<size_t>(index), value);
  return Flow::Done;
}

Flow cmdInstallFont(ScriptInterpreter& ip) {
  // slot 1 = font file name without ".ttf"
  auto& s = ip.session();
  const std::string name = ip.arg(1) + ".ttf";
  const auto path = s.resolveName(name);
  if (!path || !fileExists(*path)) return Flow::Done;
  // Only the name joins the list of faces: the file is not given to the platform, so no text is
  // ever drawn with it.
  if (std::find(s.addedFontFaces.begin(), s.addedFontFaces.end(), name) == s.addedFontFaces.end())
    s.addedFontFaces.push_back(name);
  return Flow::Done;
}

}  // namespace taluvin
