// Laying out memo text: words, directives, inline pictures, alignment, links and the scroll bar.
#include "present/memo_format.h"

#include "base/text.h"
#include "present/canvas_text.h"
#include "present/font_faces.h"
#include "present/layout_settings.h"
#include "present/markup_tokens.h"
#include "present/memo_box.h"
#include "present/picture_cache.h"
#include "present/picture_drawing.h"
#include "present/shown_text.h"
#include "present/surface_budget.h"
#include "script/markup.h"
#include "state/game_paths.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace taluvin {

std::string formatMoney(const std::string& value) {
  std::string text = trim(value);
  for (char& c : text)
    if (c == ',') c = '.';
  if (text.empty()) return {};
  char* end = nullptr;
  const double number = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || *end != '\0' || !std::isfinite(number)) return {};
  const long long cents = std::llround(std::fabs(number) * 100);
  std::string whole = std::to_string(cents / 100);
  for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3) whole.insert(static_cast<size_t>(i), ".");
  const int fraction = static_cast<int>(cents % 100);
  return (number < 0 && cents != 0 ? "-" : "") + whole + "," + (fraction < 10 ? "0" : "") + std::to_string(fraction);
}

namespace {

// Six rows above the zone's bottom, but never through the letters: fonts whose descent is small
// would otherwise get a line across the word instead of under it.
int underlineRow(const QRect& zone, const QFontMetrics& metrics) {
  return std::max(zone.bottom() + 1 - 6, zone.top() + metrics.ascent() + 1);
}

class MemoLayout {
 public:
  MemoLayout(Screen& screen, MemoBox& box, const MemoRequest& r)
      : screen_(screen), s_(screen.session()), box_(box), request_(r), scale_(s_.screen.monitor.scale) {}

  void run();

 private:
  int scaled(int v) const { return scaledBounded(v * scale_); }
  // A size the memo was given in its text, scaled and kept within a surface side.
  int scaledSide(int v) const { return std::clamp(scaled(v), -kMaxSurfaceSide, kMaxSurfaceSide); }
  int textWidth(const std::string& t) const { return QFontMetrics(font()).horizontalAdvance(toQt(t)); }
  QFont font() const { return canvasFont(style_); }
  QImage& image() { return box_.memoImage->picture(); }
  int usableWidth() const {
    return box_.memoImage->picture().width() - marginLeft_ - indentLeft_ - indentRight_ - marginRight_;
  }
  void grow(int by);
  // The image cut to the memo's height and the image widget sized to it.
  void finishImage();
  void writeLine();
  std::string directive(const std::string& word);
  void figure(const std::vector<std::string>& a);
  void setScrollBar();

  Screen& screen_;
  GameSession& s_;
  MemoBox& box_;
  const MemoRequest& request_;
  double scale_;
  QColor panelColour_;
  DrawStyle style_;
  int lineHeight_ = 0;
  std::string line_;
  int lineOffset_ = 0;
  int y_ = 0;
  int indentLeft_ = 0, indentRight_ = 0, indentExtent_ = 0;
  int marginLeft_ = 0, marginRight_ = 0;
  // The memo's height; the image below it is room already made for the lines to come.
  int height_ = 0;
  std::vector<LinkZone> lineZones_;
};

void MemoLayout::grow(int by) {
  if (by <= 0) return;
  const int width = image().width();
  height_ = boundedSurface(width, int64_t{height_} + by).height();
  if (height_ <= image().height()) return;
  // Room is made for many lines at once: growing by one line at a time would copy the whole image
  // once per line of a long text.
  const QSize room = boundedSurface(width, std::max(int64_t{height_}, int64_t{image().height()} * 2));
  QImage bigger = blankImage(room.width(), room.height(), panelColour_);
  drawImageOnto(bigger, image());
  box_.memoImage->setPicture(std::move(bigger));
}

void MemoLayout::finishImage() {
  if (image().height() != height_) box_.memoImage->setPicture(image().copy(0, 0, image().width(), height_));
  box_.memoImage->resize(image().size());
}

void MemoLayout::writeLine() {
  if (y_ + lineHeight_ >= height_) grow(lineHeight_);
  const std::string text = trim(line_);
  const int freeSpace = image().width() - textWidth(text) - lineOffset_ - indentLeft_ - marginLeft_ - indentRight_ -
                        marginRight_;
  const std::string& align = s_.screen.memoAlignment;
  int left = lineOffset_ + indentLeft_ + marginLeft_;
  if (align == "right") left = freeSpace + indentLeft_;
  if (align == "center") left = freeSpace / 2 + indentLeft_;
  QPainter painter(&image());
  painter.setFont(font());
  painter.setPen(style_.fontColor);
  textOut(painter, left, y_, toQt(text));
  if (indentLeft_ || indentRight_) {
    indentExtent_ -= lineHeight_;
    if (indentExtent_ < 0) indentLeft_ = indentRight_ = indentExtent_ = 0;
  }
  for (LinkZone& zone : lineZones_) {
    zone.rect.translate(left, 0);
    const QString label = toQt(zone.label);
    if (request_.decoration.empty()) {
      painter.setPen(QPen(style_.fontColor, std::max(1, scaled(1))));
      const int underline = underlineRow(zone.rect, painter.fontMetrics());
      painter.drawLine(zone.rect.left(), underline, zone.rect.right(), underline);
    } else if (request_.decoration == "4" || request_.decoration == "5") {
      painter.setPen(linkColour(s_));
      textOut(painter, zone.rect.left(), zone.rect.top(), label);
      if (request_.decoration == "5") {
        painter.setPen(QPen(visitedColour(s_), std::max(1, scaled(1))));
        const int underline = underlineRow(zone.rect, painter.fontMetrics());
        painter.drawLine(zone.rect.left(), underline, zone.rect.right(), underline);
      }
    }
    screen_.recordZone(Surface::Memo, zone);
  }
  lineZones_.clear();
  painter.end();
  const int oldY = y_;
  y_ += lineHeight_;
  lineOffset_ = 0;
  line_.clear();
  if (height_ < oldY + 2 * lineHeight_) grow(lineHeight_);
}

void MemoLayout::figure(const std::vector<std::string>& a) {
  const auto arg = [&a](size_t k) { return k < a.size() ? a[k] : std::string(); };
  CanvasView* loading = screen_.loadingImage();
  const std::string& file = arg(1);
  if (namesPicture(file)) {
    const auto path = s_.resolveName(file);
    PictureLoad load = path ? pictureCache().load(*path, file) : PictureLoad{};
    // A named picture that cannot be read shows as nothing, not as the one loaded before it.
    if (load.ok()) {
      loading->resize(load.image.size());
      loading->setPicture(std::move(load.image));
    } else {
      loading->clearPicture();
    }
  }
  const QImage picture = loading->picture();
  const auto number = [](const std::string& v, int fallback, int bad) {
    if (v.empty()) return fallback;
    return toIntOr(v, bad);
  };
  int x = scaled(number(arg(3), -1, 0));
  int y = scaled(number(arg(4), -1, 0));
  const int w = scaledSide(number(arg(5), picture.width(), request_.width));
  const int h = scaledSide(number(arg(6), picture.height(), request_.height));
  if (y < 0) y = y_;
  if (x < 0) {
    const std::string& placement = arg(7);
    if (placement.empty()) {
      x = marginLeft_ + lineOffset_;
      indentLeft_ = w;
      indentExtent_ = 0;
      y_ += h - lineHeight_;
    } else if (placement == "left") {
      x = marginLeft_ + lineOffset_;
      indentLeft_ = w;
      indentExtent_ = h;
    } else if (placement == "right") {
      x = image().width() - w - marginRight_;
      indentRight_ = w;
      indentExtent_ = h;
    } else if (placement == "center") {
      x = (image().width() - (w + marginRight_ + marginLeft_ + lineOffset_)) / 2 + lineOffset_ + marginLeft_;
      y_ += h;
    }
  }
  if (y + h > height_) grow(y + h + lineHeight_ - height_);
  if (!picture.isNull()) drawPicture(image(), picture, QRect(x, y, w, h));
  if (!arg(2).empty()) {
    LinkZone zone;
    zone.label = file;
    zone.script = arg(2);
    zone.hoverPicture = arg(8);
    zone.sound = arg(9);
    zone.rect = QRect(x, y, w, h);
    screen_.recordZone(Surface::Memo, zone);
  }
}

std::string MemoLayout::directive(const std::string& word) {
  std::vector<std::string> a;  // a[0] is the name
  std::string rest = trim(std::string_view(word).substr(1));
  for (;;) {
    const auto comma = rest.find(',');
    a.push_back(trim(rest.substr(0, comma)));
    if (comma == std::string::npos) break;
    rest.erase(0, comma + 1);
  }
  const std::string& name = a[0];
  const auto arg = [&a](size_t k) { return k < a.size() ? a[k] : std::string(); };
  const bool breaksLine = name == "color" || name == "style" || name == "size" ||
                          (name == "align" && (arg(1) == "left" || arg(1) == "center" || arg(1) == "right"));
  if (breaksLine && !trim(line_).empty()) writeLine();
  const auto& st = s_.screen.style;
  if (name == "color") {
    style_.fontColor = arg(1).empty() ? textColour(s_) : paintColor(arg(1));
  } else if (name == "style") {
    const auto letters = readStyleLetters(arg(1).empty() ? std::string("biu") : arg(1));
    style_.setStyleFlags(letters.bold, letters.italic, letters.underline);
  } else if (name == "size") {
    const int size = toIntOr(arg(1), st.size);
    const int height = toIntOr(arg(2), lineHeightFor(size));
    style_.size = boundedFontSize(scaled(size));
    lineHeight_ = scaledSide(height);
  } else if (name == "align") {
    if (breaksLine) s_.screen.memoAlignment = arg(1);
  } else if (name == "fig") {
    figure(a);
  } else if (name == "$") {
    const auto index = parseInt(arg(1));
    if (!index || !s_.registers.has(*index)) return {};
    const std::string money = formatMoney(s_.registers.at(*index));
    return money.empty() ? std::string() : money + " ";
  } else if (const auto index = parseInt(name); index && s_.registers.has(*index)) {
    return s_.registers.at(*index) + " ";
  }
  return {};
}

void MemoLayout::setScrollBar() {
  const int visible = scaled(request_.height);
  const int overflow = height_ - visible;
  int thumb = visible - static_cast<int>(overflow / 5.0);
  // A very long text would leave no thumb at all; a shorter thumb steps more rows per unit instead.
  constexpr int kMinThumb = 10;
  box_.step = 5;
  if (thumb < kMinThumb && overflow > 0) {
    thumb = std::min(kMinThumb, visible);
    const int travel = std::max(visible - thumb, 1);
    box_.step = (overflow + travel - 1) / travel;
  }
  const int panelHeight = box_.memoPanel->height();
  box_.memoThumb->resize(box_.memoThumb->width(), thumb);
  box_.travel = std::max(panelHeight - thumb, 0);
  const std::string& mode = s_.screen.memoScrollBar;
  bool shown = mode.empty();
  if (mode == "auto") shown = thumb < box_.memoTrack->height();
  box_.memoTrack->setVisible(shown);
  box_.memoThumb->setVisible(shown);
  box_.memoPanel->show();
  box_.memoPanel->raise();
}

void MemoLayout::run() {
  const auto& st = s_.screen.style;
  panelColour_ = backgroundColour(s_);
  QWidget* panel = box_.memoPanel;
  panel->setGeometry(scaled(request_.x), scaled(request_.y), scaled(request_.width), scaled(request_.height));
  paintWidget(panel, panelColour_);
  style_.face = st.face.empty() ? std::string("Arial") : st.face;
  style_.size = boundedFontSize(scaled(st.size));
  style_.fontColor = textColour(s_);
  style_.setStyleFlags(st.bold, st.italic, st.underline);
  lineHeight_ = request_.lineHeight ? scaled(request_.lineHeight) : lineHeightFor(style_.size);
  box_.memoImage->setGeometry(
      QRect(QPoint(0, 0), boundedSurface(std::max(panel->width() - 10, 1), std::max(panel->height(), 1))));
  box_.memoImage->setPendingBlank(blankSize(box_.memoImage->width(), box_.memoImage->height()), panelColour_);
  height_ = image().height();

  const QColor track = paintColor(request_.trackColour);
  const QColor thumb = paintColor(request_.thumbColour);
  box_.memoTrack->setGeometry(panel->width() - 10, 0, 10, panel->height());
  paintWidget(box_.memoTrack, track);
  box_.memoThumb->setGeometry(panel->width() - 10, 0, 10, panel->height());
  paintWidget(box_.memoThumb, thumb);
  box_.memoTrack->raise();
  box_.memoThumb->raise();
  box_.position = 0;

  const std::string text = shownWithinBudget(trim(request_.text)) + " ";
  y_ = scaled(s_.screen.memoMargins.top);
  marginLeft_ = scaled(s_.screen.memoMargins.left);
  marginRight_ = scaled(s_.screen.memoMargins.right);
  // Positions instead of cut copies, and the next bar remembered until passed, keep a long text
  // linear.
  size_t at = 0;
  size_t bar = text.find('|');
  // Lines below the tallest image the budget allows can be on no image: the layout stops there.
  while (at < text.size() && y_ <= kMaxSurfaceSide) {
    // Line-break signs end the line before the word they start; a link right after them is still
    // a link, not a word showing its markup.
    while (at < text.size() && text[at] == kLineBreakSign) {
      writeLine();
      ++at;
    }
    if (at == text.size()) break;
    if (bar != std::string::npos && bar < at) bar = text.find('|', at);
    std::string word;
    const size_t second = text[at] == '@' && bar != std::string::npos ? text.find('|', bar + 1) : std::string::npos;
    const auto link = text[at] == '@' && bar != std::string::npos
                          ? readLinkToken(text.substr(at, second == std::string::npos ? std::string::npos : second + 1 - at))
                          : std::nullopt;
    if (link) {
      at = second == std::string::npos ? text.size() : second + 1;
      if (textWidth(line_ + link->label) > usableWidth()) writeLine();
      const QFontMetrics metrics(font());
      LinkZone zone;
      zone.label = link->label;
      zone.script = resolveScriptAlias(s_, link->script);
      zone.rect = QRect(textWidth(line_) + lineOffset_ + indentLeft_, y_, metrics.horizontalAdvance(toQt(link->label)),
                        metrics.height());
      lineZones_.push_back(zone);
      word = link->label;
    } else {
      const auto blank = text.find(' ', at);
      const auto end = blank == std::string::npos ? text.size() : blank + 1;
      word = text.substr(at, end - at);
      at = end;
    }
    if (!word.empty() && word[0] == '#') word = directive(word);
    if (textWidth(line_ + word) < usableWidth()) {
      line_ += word;
    } else {
      writeLine();
      line_ = trim(word) + " ";
    }
  }
  writeLine();
  finishImage();
  setScrollBar();
  box_.scrollTo(0);
}

}  // namespace

void formatMemo(Screen& screen, MemoBox& box, const MemoRequest& request) { MemoLayout(screen, box, request).run(); }

}  // namespace taluvin
