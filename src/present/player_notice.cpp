// The player's notices over a window: placed at the top centre, kept a few seconds, faded.
#include "present/player_notice.h"

#include <QEvent>
#include <algorithm>
#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QTimer>

namespace taluvin {

namespace {

constexpr int kMargin = 12;
constexpr int kMaxWidth = 700;

}  // namespace

PlayerNotice::PlayerNotice(QWidget* window) : QLabel(window) {
  setObjectName("PlayerNotice");
  setAlignment(Qt::AlignCenter);
  // Over the game, never in its way: clicks go through to the surfaces below.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  QFont face("DejaVu Sans");
  face.setPixelSize(15);
  setFont(face);
  setStyleSheet(
      "QLabel#PlayerNotice { color: #f8f4e8; background: rgba(16, 16, 24, 215);"
      " border: 1px solid rgba(248, 244, 232, 110); border-radius: 6px; padding: 6px 14px; }");
  opacity_ = new QGraphicsOpacityEffect(this);
  opacity_->setOpacity(1.0);
  setGraphicsEffect(opacity_);
  fade_ = new QPropertyAnimation(opacity_, "opacity", this);
  fade_->setDuration(kFadeMs);
  fade_->setStartValue(1.0);
  fade_->setEndValue(0.0);
  connect(fade_, &QPropertyAnimation::finished, this, &QWidget::hide);
  stay_ = new QTimer(this);
  stay_->setSingleShot(true);
  connect(stay_, &QTimer::timeout, fade_, [this] { fade_->start(); });
  window->installEventFilter(this);
  hide();
}

void PlayerNotice::say(const QString& text) {
  fade_->stop();
  opacity_->setOpacity(1.0);
  setText(text);
  place();
  show();
  raise();
  stay_->start(kShownMs);
}

void PlayerNotice::place() {
  QWidget* window = parentWidget();
  const int widest = std::max(std::min(kMaxWidth, window->width() - 2 * kMargin), 1);
  // One line when it fits; a word-wrapping label would pick a narrow width of its own.
  setWordWrap(false);
  adjustSize();
  if (width() > widest) {
    setWordWrap(true);
    resize(widest, heightForWidth(widest));
  }
  move((window->width() - width()) / 2, kMargin);
}

bool PlayerNotice::eventFilter(QObject* watched, QEvent* event) {
  // The monitor window is maximized after the notice may have been made: it follows the window's size.
  if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible()) place();
  return QLabel::eventFilter(watched, event);
}

PlayerNotice& noticeOf(QWidget* window) {
  if (auto* notice = window->findChild<PlayerNotice*>("PlayerNotice", Qt::FindDirectChildrenOnly)) return *notice;
  return *new PlayerNotice(window);
}

}  // namespace taluvin
