// Cutting a text to the budget of what is shown at once.
#include "present/shown_text.h"

#include "base/text.h"

namespace taluvin {

const char kCutMarker[] = " [\x85]";

std::string shownWithinBudget(const std::string& text) {
  if (text.size() <= kShownTextBudget) return text;
  return text.substr(0, kShownTextBudget) + kCutMarker;
}

std::string markupWithin(const std::string& html, size_t room) {
  std::string fits = html.substr(0, room);
  if (const size_t open = fits.rfind('<'); open != std::string::npos && fits.find('>', open) == std::string::npos)
    fits.erase(open);
  if (const size_t name = fits.rfind('&'); name != std::string::npos && fits.find(';', name) == std::string::npos)
    fits.erase(name);
  return fits;
}

QString shownWithinBudget(const QString& text) {
  if (static_cast<size_t>(text.size()) <= kShownTextBudget) return text;
  auto keep = static_cast<qsizetype>(kShownTextBudget);
  // A character outside the basic plane is two units: both stay, or both go.
  if (text[keep - 1].isHighSurrogate()) --keep;
  return text.left(keep) + toQt(kCutMarker);
}

}  // namespace taluvin
