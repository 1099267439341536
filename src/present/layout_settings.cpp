// Settings values as the layout may use them, and palette painting of the window's components.
#include "present/layout_settings.h"

#include "present/surface_budget.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>

namespace taluvin {

namespace {

// The line's number as 64 bits: a settings file may hold anything up to the 32-bit range.
std::optional<int64_t> lineNumber(const GameSession& s, size_t line) {
  const auto value = parseInt(s.settings.line(line));
  if (!value) return std::nullopt;
  return int64_t{*value};
}

}  // namespace

void noteLayout(GameSession& s, const std::string& note) {
  auto& notes = s.screen.layoutNotes;
  if (std::find(notes.begin(), notes.end(), note) == notes.end()) notes.push_back(note);
}

Lines takeLayoutNotes(GameSession& s) {
  Lines notes;
  notes.swap(s.screen.layoutNotes);
  return notes;
}

int linePosition(GameSession& s, size_t line, int fallback) {
  const auto value = lineNumber(s, line);
  if (!value) return fallback;
  if (!coordinateWithinBudget(*value)) noteLayout(s, settingsBeyondBudget(line, s.settings.line(line)));
  return boundedCoordinate(*value);
}

QSize lineSurface(GameSession& s, size_t widthLine, size_t heightLine, QSize fallback) {
  const int64_t width = lineNumber(s, widthLine).value_or(fallback.width());
  const int64_t height = lineNumber(s, heightLine).value_or(fallback.height());
  const QSize bounded = boundedSurface(width, height);
  if (std::max<int64_t>(width, 0) != bounded.width())
    noteLayout(s, settingsBeyondBudget(widthLine, s.settings.line(widthLine)));
  if (std::max<int64_t>(height, 0) != bounded.height())
    noteLayout(s, settingsBeyondBudget(heightLine, s.settings.line(heightLine)));
  return bounded;
}

int lineFontSize(GameSession& s, size_t line, int fallback) {
  const auto value = lineNumber(s, line);
  if (!value) return fallback;
  if (boundedFontSize(*value) != *value) noteLayout(s, settingsBeyondBudget(line, s.settings.line(line)));
  return boundedFontSize(*value);
}

bool colourReads(const std::string& rrggbb) {
  return rrggbb.empty() || parseInt(platformColorText(rrggbb)).has_value();
}

void setAsideUnreadableColours(GameSession& s) {
  // Background, text, link and visited colours, console text, input box and its text, end-button
  // label and command panel.
  static constexpr size_t kColourLines[] = {18, 19, 20, 21, 34, 40, 43, 71, 94};
  for (size_t line : kColourLines) {
    const std::string& text = s.settings.line(line);
    if (colourReads(text)) continue;
    noteLayout(s, "settings line " + std::to_string(line) + ": '" + text + "' is not a colour");
    s.settings.set(line, std::string());
  }
}

void paintWidget(QWidget* widget, QColor background) {
  QPalette p = widget->palette();
  p.setColor(QPalette::Window, background);
  p.setColor(QPalette::Base, background);
  p.setColor(QPalette::Button, background);
  widget->setPalette(p);
  widget->setAutoFillBackground(true);
}

void paintWidgetText(QWidget* widget, QColor background, QColor text) {
  paintWidget(widget, background);
  QPalette p = widget->palette();
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::ButtonText, text);
  widget->setPalette(p);
}

void takeTextStyle(DrawStyle& d, const GameSession& s, QColor background) {
  const auto& st = s.screen.style;
  d.brush = background;
  d.brushClear = false;
  d.face = st.face.empty() ? std::string("Arial") : st.face;
  d.size = st.size;
  d.fontColor = textColour(s);
  d.setStyleFlags(st.bold, st.italic, st.underline);
}

}  // namespace taluvin
