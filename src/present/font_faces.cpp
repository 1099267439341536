// Face substitution and point-to-pixel sizing of the game's fonts.
#include "present/font_faces.h"

#include "base/text.h"
#include "present/surface_budget.h"

#include <QStringList>
#include <algorithm>

namespace taluvin {

void installFontSubstitutes() {
  static bool done = false;
  if (done) return;
  done = true;
  struct Substitute {
    const char* face;
    QStringList families;
  };
  const Substitute table[] = {
      {"Arial", {"Liberation Sans", "DejaVu Sans"}},
      {"Helvetica", {"Liberation Sans", "DejaVu Sans"}},
      {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
      {"Microsoft Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
      {"Tahoma", {"DejaVu Sans", "Liberation Sans"}},
      {"Verdana", {"DejaVu Sans", "Liberation Sans"}},
      {"Segoe UI", {"DejaVu Sans", "Liberation Sans"}},
      {"Trebuchet MS", {"DejaVu Sans", "Liberation Sans"}},
      {"Comic Sans MS", {"DejaVu Sans", "Liberation Sans"}},
      {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
      {"Courier", {"Liberation Mono", "DejaVu Sans Mono"}},
      {"Lucida Console", {"DejaVu Sans Mono", "Liberation Mono"}},
      {"Consolas", {"DejaVu Sans Mono", "Liberation Mono"}},
      {"Fixedsys", {"DejaVu Sans Mono", "Liberation Mono"}},
      {"Terminal", {"DejaVu Sans Mono", "Liberation Mono"}},
      {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
      {"Times", {"Liberation Serif", "DejaVu Serif"}},
      {"Georgia", {"DejaVu Serif", "Liberation Serif"}},
      {"Garamond", {"Liberation Serif", "DejaVu Serif"}},
      {"Book Antiqua", {"Liberation Serif", "DejaVu Serif"}},
      {"Palatino Linotype", {"Liberation Serif", "DejaVu Serif"}},
  };
  for (const auto& s : table) QFont::insertSubstitutions(s.face, s.families);
}

int pointsToPixels(int points) {
  const int64_t bounded = boundedFontSize(points);
  return static_cast<int>(std::max<int64_t>(1, (bounded * 96 + 36) / 72));
}

QFont gameFont(const std::string& face, int points, bool bold, bool italic, bool underline) {
  installFontSubstitutes();
  QFont font(face.empty() ? QString("Arial") : toQt(face));
  font.setPixelSize(pointsToPixels(points));
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  // Families the machine lacks fall back by kind rather than to one default face.
  font.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
  return font;
}

QFont startFace() { return gameFont("Arial", 12, true); }

QFont pixelFont(const char* face, int pixels, bool bold) {
  installFontSubstitutes();
  QFont font(face);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

StyleLetters readStyleLetters(const std::string& letters) {
  StyleLetters s;
  s.bold = letters.size() > 0 && letters[0] == 'B';
  s.italic = letters.size() > 1 && letters[1] == 'I';
  s.underline = letters.size() > 2 && letters[2] == 'U';
  return s;
}

}  // namespace taluvin
