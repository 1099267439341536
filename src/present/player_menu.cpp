// The player's menu: pages of lines over a dimmed window, driven by keys or the mouse.
#include "present/player_menu.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace taluvin {

namespace {

constexpr int kPanelWidth = 420;
constexpr int kRowHeight = 26;
constexpr int kTitleHeight = 40;
constexpr int kPadding = 14;
constexpr int kTextLineHeight = 19;

const QColor kBackdrop(0, 0, 0, 150);
const QColor kPanel(22, 22, 30, 240);
const QColor kBorder(248, 244, 232, 120);
const QColor kInk(248, 244, 232);
const QColor kDim(170, 166, 156);
const QColor kChosen(70, 92, 150, 230);

QFont menuFont(int pixels, bool bold = false) {
  QFont face("DejaVu Sans");
  face.setPixelSize(pixels);
  face.setBold(bold);
  return face;
}

}  // namespace

PlayerMenu::PlayerMenu(QWidget* window) : QWidget(window) {
  setObjectName("PlayerMenu");
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  window->installEventFilter(this);
  hide();
}

void PlayerMenu::openPage(const QString& title, std::vector<PlayerMenuItem> items) {
  Page page;
  page.title = title;
  page.items = std::move(items);
  pages_.push_back(std::move(page));
  showOver();
}

void PlayerMenu::openText(const QString& title, const QString& text) {
  Page page;
  page.title = title;
  page.text = text;
  pages_.push_back(std::move(page));
  showOver();
}

void PlayerMenu::showOver() {
  const bool wasOpen = isVisible();
  setGeometry(parentWidget()->rect());
  show();
  raise();
  setFocus(Qt::OtherFocusReason);
  update();
  if (!wasOpen && onOpenChanged) onOpenChanged(true);
}

void PlayerMenu::closeAll() {
  if (pages_.empty() && !isVisible()) return;
  pages_.clear();
  hide();
  if (onOpenChanged) onOpenChanged(false);
}

void PlayerMenu::back() {
  if (pages_.size() <= 1) {
    closeAll();
    return;
  }
  pages_.pop_back();
  update();
}

QString PlayerMenu::pageTitle() const { return pages_.empty() ? QString() : pages_.back().title; }

int PlayerMenu::chosen() const { return pages_.empty() ? -1 : pages_.back().chosen; }

std::vector<QString> PlayerMenu::pageLines() const {
  std::vector<QString> lines;
  if (pages_.empty()) return lines;
  for (const PlayerMenuItem& item : pages_.back().items)
    lines.push_back(item.value ? item.label + ": " + item.value() : item.label);
  return lines;
}

void PlayerMenu::activate(int row) {
  if (pages_.empty()) return;
  Page& page = pages_.back();
  if (row < 0 || row >= static_cast<int>(page.items.size())) return;
  page.chosen = row;
  // The action may close the menu or open another page, so it is copied before it runs.
  const PlayerMenuItem item = page.items[static_cast<std::size_t>(row)];
  if (item.act) {
    item.act();
  } else if (item.adjust) {
    item.adjust(1);
  }
  update();
}

void PlayerMenu::step(int delta) {
  if (pages_.empty() || pages_.back().items.empty()) return;
  Page& page = pages_.back();
  const int count = static_cast<int>(page.items.size());
  page.chosen = ((page.chosen + delta) % count + count) % count;
  update();
}

bool PlayerMenu::handleKey(int key) {
  if (pages_.empty()) return false;
  Page& page = pages_.back();
  const bool textPage = page.items.empty();
  switch (key) {
    case Qt::Key_Escape:
      back();
      return true;
    case Qt::Key_F10:
      closeAll();
      return true;
    case Qt::Key_Up:
      step(-1);
      return true;
    case Qt::Key_Down:
    case Qt::Key_Tab:
      step(1);
      return true;
    case Qt::Key_Home:
      page.chosen = 0;
      update();
      return true;
    case Qt::Key_End:
      page.chosen = std::max(0, static_cast<int>(page.items.size()) - 1);
      update();
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (!textPage) {
        const PlayerMenuItem& item = page.items[static_cast<std::size_t>(page.chosen)];
        if (item.adjust) item.adjust(key == Qt::Key_Left ? -1 : 1);
        update();
      }
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (textPage) {
        back();
      } else {
        activate(page.chosen);
      }
      return true;
    default:
      return false;
  }
}

void PlayerMenu::keyPressEvent(QKeyEvent* event) {
  handleKey(event->key());
  event->accept();
}

QRect PlayerMenu::panelRect() const {
  if (pages_.empty()) return {};
  const Page& page = pages_.back();
  int body = 0;
  if (page.items.empty()) {
    body = static_cast<int>(page.text.count('\n') + 1) * kTextLineHeight;
  } else {
    body = static_cast<int>(page.items.size()) * kRowHeight;
  }
  const int across = std::min(kPanelWidth, std::max(width() - 2 * kPadding, 1));
  const int down = std::min(kTitleHeight + body + 2 * kPadding, std::max(height() - 2 * kPadding, 1));
  return {(width() - across) / 2, (height() - down) / 2, across, down};
}

QRect PlayerMenu::rowRect(int row) const {
  const QRect panel = panelRect();
  return {panel.left() + kPadding / 2, panel.top() + kPadding + kTitleHeight + row * kRowHeight,
          panel.width() - kPadding, kRowHeight};
}

int PlayerMenu::rowAt(const QPoint& point) const {
  if (pages_.empty()) return -1;
  for (int row = 0; row < static_cast<int>(pages_.back().items.size()); ++row)
    if (rowRect(row).contains(point)) return row;
  return -1;
}

void PlayerMenu::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (pages_.empty()) return;
  if (!panelRect().contains(event->position().toPoint())) {
    back();
    return;
  }
  if (pages_.back().items.empty()) {
    back();
    return;
  }
  activate(rowAt(event->position().toPoint()));
}

void PlayerMenu::mouseMoveEvent(QMouseEvent* event) {
  const int row = rowAt(event->position().toPoint());
  if (row >= 0 && row != pages_.back().chosen) {
    pages_.back().chosen = row;
    update();
  }
}

void PlayerMenu::paintEvent(QPaintEvent*) {
  if (pages_.empty()) return;
  const Page& page = pages_.back();
  QPainter painter(this);
  painter.fillRect(rect(), kBackdrop);
  const QRect panel = panelRect();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(kBorder);
  painter.setBrush(kPanel);
  painter.drawRoundedRect(panel.adjusted(0, 0, -1, -1), 8, 8);
  painter.setRenderHint(QPainter::Antialiasing, false);

  painter.setFont(menuFont(17, true));
  painter.setPen(kInk);
  const QRect title(panel.left() + kPadding, panel.top() + kPadding, panel.width() - 2 * kPadding, kTitleHeight - 8);
  painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, page.title);

  if (page.items.empty()) {
    // The keys page lines its columns up with blanks.
    QFont mono("DejaVu Sans Mono");
    mono.setPixelSize(13);
    painter.setFont(mono);
    const QRect body(panel.left() + kPadding, panel.top() + kPadding + kTitleHeight, panel.width() - 2 * kPadding,
                     panel.height() - 2 * kPadding - kTitleHeight);
    painter.drawText(body, Qt::AlignLeft | Qt::AlignTop, page.text);
    return;
  }
  painter.setFont(menuFont(15));
  for (int row = 0; row < static_cast<int>(page.items.size()); ++row) {
    const PlayerMenuItem& item = page.items[static_cast<std::size_t>(row)];
    const QRect line = rowRect(row);
    if (row == page.chosen) painter.fillRect(line, kChosen);
    const QRect text = line.adjusted(kPadding / 2, 0, -kPadding / 2, 0);
    painter.setPen(kInk);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, item.label);
    if (item.value) {
      painter.setPen(row == page.chosen ? kInk : kDim);
      const QString shown = item.adjust ? QString::fromUtf8("\u2039 %1 \u203A").arg(item.value()) : item.value();
      painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, shown);
    }
  }
}

bool PlayerMenu::eventFilter(QObject* watched, QEvent* event) {
  // The monitor window is maximized after the menu may have been made: the menu keeps covering it.
  if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible()) setGeometry(parentWidget()->rect());
  return QWidget::eventFilter(watched, event);
}

PlayerMenu& menuOf(QWidget* window) {
  if (auto* menu = window->findChild<PlayerMenu*>("PlayerMenu", Qt::FindDirectChildrenOnly)) return *menu;
  return *new PlayerMenu(window);
}

}  // namespace taluvin
