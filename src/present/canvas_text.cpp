// The box renderer and the monitor box renderer.
#include "present/canvas_text.h"

#include "base/text.h"
#include "present/command_panel.h"
#include "present/font_faces.h"
#include "present/frame_page.h"
#include "present/layout_settings.h"
#include "present/main_window.h"
#include "present/markup_tokens.h"
#include "present/picture_page.h"
#include "present/scroll_page.h"
#include "present/shown_text.h"
#include "script/markup.h"

#include <QFontMetrics>

namespace taluvin {

void textOut(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

std::vector<std::string> splitBoxTokens(const std::string& text) {
  std::vector<std::string> tokens;
  // Positions instead of cut copies, and the next blank and bar remembered until passed, keep a
  // long text linear.
  size_t at = 0;
  size_t blank = text.find(' ');
  size_t bar = text.find('|');
  while (blank != std::string::npos) {
    if (text[at] == '@' && bar != std::string::npos) {
      const auto second = text.find('|', bar + 1);
      const auto end = second == std::string::npos ? text.size() : second + 1;
      tokens.push_back(text.substr(at, end - at));
      at = end;
    } else {
      while (text[at] == kLineBreakSign) {
        tokens.emplace_back(1, kLineBreakSign);
        ++at;
      }
      // A link right after the signs is a link too: taken as a word, it would lose the blank
      // after it, since a link draws only its label.
      if (text[at] == '@' && bar != std::string::npos) continue;
      tokens.push_back(text.substr(at, blank + 1 - at));
      at = blank + 1;
    }
    if (blank < at) blank = text.find(' ', at);
    if (bar != std::string::npos && bar < at) bar = text.find('|', at);
  }
  if (at < text.size()) tokens.push_back(text.substr(at));
  return tokens;
}

std::string boxSourceText(Screen& screen, const std::string& text) {
  static const std::string kNoText = "Sem texto.";
  if (text.empty()) return kNoText;
  if (text == "$") return shownWithinBudget(trim(screen.lineStoreText(" ")));
  return shownWithinBudget(trim(text));
}

namespace {

struct Target {
  QImage* image;        // where the text goes
  QImage* underlines;   // where link underlines go (the visible picture for the picture screen)
  DrawStyle* style;     // the surface's canvas style
  QWidget* view;        // repainted when the surface is a visible picture
};

Target targetOf(Screen& screen, Surface surface) {
  switch (surface) {
    case Surface::CommandPanel:
      screen.panelPicture()->fitPictureToWidget();
      return {&screen.panelBuffer().image(), &screen.panelPicture()->picture(), &screen.panelBuffer().style, screen.panelPicture()};
    case Surface::FramePicture:
      screen.framePicture()->fitPictureToWidget();
      return {&screen.framePicture()->picture(), &screen.framePicture()->picture(), &screen.framePicture()->style, screen.framePicture()};
    case Surface::ScrollPage:
      return {&screen.pageImage()->picture(), &screen.pageImage()->picture(), &screen.pageImage()->style, nullptr};
    default:
      screen.pictureScreen()->fitPictureToWidget();
      return {&screen.pictureBuffer().image(), &screen.pictureScreen()->picture(), &screen.pictureBuffer().style, screen.pictureScreen()};
  }
}

}  // namespace

bool drawTextBox(Screen& screen, const TextBox& request) {
  GameSession& s = screen.session();
  const auto& st = s.screen.style;
  const bool page = request.surface == Surface::ScrollPage;
  ScrollPage& scroll = screen.scrollPage();
  Target target = targetOf(screen, request.surface);

  const std::string text = boxSourceText(screen, request.text);
  const int x = request.x == -1 ? s.screen.textX : request.x;
  const int y = request.y == -1 ? s.screen.textY : request.y;
  const int width = request.width == 0 ? target.image->width() - x : request.width;
  const int height = request.height == 0 ? target.image->height() - y : request.height;
  bool fits = true;
  if (page && y + height > target.image->height()) {
    screen.pageImage()->style.brush = backgroundColour(s);
    fits = scroll.growPageTo(y + height);
  }
  const int size = request.size == 0 ? st.size : request.size;
  const std::string& colourText = request.colour.empty() ? st.text : request.colour;
  const std::string& boxColourText = request.boxColour == "0" ? st.background : request.boxColour;
  const std::string styleLetters = request.style.empty() ? std::string("biu") : request.style;

  const DrawStyle saved = *target.style;
  const QColor colour = paintColor(colourText);
  const auto letters = readStyleLetters(styleLetters);
  for (DrawStyle* d : {target.style, &screen.pictureBuffer().style, &screen.panelBuffer().style}) {
    d->size = size;
    d->fontColor = colour;
    d->face = st.face.empty() ? std::string("Arial") : st.face;
    d->setStyleFlags(letters.bold, letters.italic, letters.underline);
    d->brushClear = true;
  }
  if (boxColourText != st.background) {
    const QColor boxColour = paintColor(boxColourText);
    QPainter fill(target.image);
    fill.fillRect(QRect(x, y, width, height), boxColour);
  }

  const QFont font = canvasFont(*target.style);
  const QFontMetrics metrics(font);
  const int lineHeight = lineHeightFor(size);
  const std::vector<std::string> tokens = splitBoxTokens(text);
  int row = 0;
  // The rows are laid out twice on the scroll page: first only to learn how tall the page must
  // grow, which it then does at once (a page grown row by row is copied once per row), then to
  // draw. Elsewhere the one drawing pass is all.
  const auto layOut = [&](bool drawing) {
    int64_t pageHeight = target.image->height();
    const auto growTo = [&](int64_t wanted) {
      if (!drawing) {
        pageHeight = wanted;
        return;
      }
      fits = scroll.growPageTo(wanted) && fits;
      pageHeight = target.image->height();
    };
    int r = 0;
    row = 0;
    for (const std::string& token : tokens) {
      // Rows past the budget can be on no surface; stopping there also keeps the sums in range.
      if (int64_t{y} + row > kMaxCoordinate) break;
      const QString shown = toQt(token);
      if (r + metrics.horizontalAdvance(shown) > width) {
        r = 0;
        row += lineHeight;
        if (page && y + row > pageHeight) growTo(y + row);
      }
      if (page && token.size() == 1 && token[0] == kLineBreakSign) {
        if (y + row + lineHeight > pageHeight) growTo(pageHeight + lineHeight);
        row += lineHeight;
        r = 0;
        continue;
      }
      QString drawn = shown;
      const auto link = readLinkToken(token);
      if (link) drawn = toQt(link->label);
      if (link && drawing) {
        std::string script = link->script;
        if (script.find('&') != std::string::npos) script = parseLinkQuery(s, script);
        script = resolveScriptAlias(s, script);
        LinkZone zone;
        zone.label = link->label;
        zone.script = script;
        zone.rect = QRect(x + r, y + row, metrics.horizontalAdvance(drawn), metrics.height());
        screen.recordZone(request.surface, zone);
      }
      if (page && y + row + lineHeight > pageHeight) growTo(pageHeight + lineHeight + 10);
      if (drawing) {
        QPainter painter(target.image);
        painter.setFont(font);
        painter.setPen(link ? linkColour(s) : colour);
        textOut(painter, x + r, y + row, drawn);
      }
      if (link && drawing) {
        QPainter underline(target.underlines);
        underline.setPen(QPen(visitedColour(s), 1));
        const int lineY = y + row + lineHeight - 1;
        underline.drawLine(x + r, lineY, x + r + metrics.horizontalAdvance(drawn), lineY);
      }
      r = boundedCoordinate(int64_t{r} + metrics.horizontalAdvance(drawn));
    }
    return pageHeight;
  };
  if (page) {
    const int64_t needed = layOut(false);
    if (needed > target.image->height()) fits = scroll.growPageTo(needed) && fits;
  }
  layOut(true);
  s.screen.textY = boundedCoordinate(int64_t{y} + row + lineHeight);
  *target.style = saved;
  if (target.view) target.view->update();
  return fits;
}

void drawMonitorTextBox(Screen& screen, const std::string& rawText) {
  GameSession& s = screen.session();
  const auto& st = s.screen.style;
  const auto& m = s.screen.monitor;
  std::string text = boxSourceText(screen, rawText);
  text = expandMarkup(kCommaSign, expandMarkup(kHardBlankSign, text, ScreenModel::Monitor), ScreenModel::Monitor);
  Buffer& buffer = screen.monitorBuffer();
  const int size = boundedFontSize(scaledBounded(m.boxFontSize * m.scale));
  DrawStyle& d = buffer.style;
  d.size = size;
  d.fontColor = textColour(s);
  d.face = st.face.empty() ? std::string("Arial") : st.face;
  d.setStyleFlags(st.bold, st.italic, st.underline);
  d.brush = backgroundColour(s);
  d.brushClear = true;
  const QFont font = canvasFont(d);
  const QFontMetrics metrics(font);
  const int lineHeight = lineHeightFor(size);
  int r = 0;
  int row = 0;
  QPainter painter(&buffer.image());
  painter.setFont(font);
  for (const std::string& token : splitBoxTokens(text)) {
    if (int64_t{m.boxY} + row > kMaxCoordinate) break;
    if (token.size() == 1 && token[0] == kLineBreakSign) {
      row += lineHeight;
      r = 0;
      continue;
    }
    QString drawn = toQt(token);
    const auto link = readLinkToken(token);
    if (link) {
      drawn = toQt(link->label);
      LinkZone zone;
      zone.label = link->label;
      zone.script = resolveScriptAlias(s, link->script);
      zone.rect = QRect(m.boxX + r, m.boxY + row, metrics.horizontalAdvance(drawn), metrics.height());
      screen.recordZone(Surface::Monitor, zone);
    }
    if (m.boxWidth < r + metrics.horizontalAdvance(toQt(token))) {
      r = 0;
      row += lineHeight;
    }
    painter.setPen(link ? linkColour(s) : d.fontColor);
    textOut(painter, m.boxX + r, m.boxY + row, drawn);
    if (link) {
      painter.setPen(QPen(visitedColour(s), std::max(1, static_cast<int>(m.scale))));
      const int lineY = m.boxY + row + lineHeight - 2;
      painter.drawLine(m.boxX + r, lineY, m.boxX + r + metrics.horizontalAdvance(drawn), lineY);
    }
    r = boundedCoordinate(int64_t{r} + metrics.horizontalAdvance(drawn));
  }
  d.size = boundedFontSize(scaledBounded(st.size * m.scale));
}

}  // namespace taluvin
