// Keyboard play: moving the focus ring through the stops in reading order and using the focused one.
#include "interact/zone_focus.h"

#include "base/text.h"
#include "present/focus_ring.h"
#include "present/picture_view.h"
#include "present/screen.h"
#include "present/web_page_view.h"
#include "script/command_context.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>

namespace taluvin {

namespace {

constexpr int kFollowMs = 100;

// The pointer's own road to the surface: move there, press and let go, so the surface's handlers
// do all a click does. Surfaces whose handlers watch Qt's events (the monitor's text image) get
// the events themselves.
void clickAt(QWidget* surface, QPoint at) {
  if (auto* view = dynamic_cast<PictureView*>(surface); view && view->onPress) {
    if (view->onMove) view->onMove(at);
    view->onPress(at, Qt::LeftButton);
    if (view->onRelease) view->onRelease(at, Qt::LeftButton);
    return;
  }
  const QPointF local(at), global(surface->mapToGlobal(at));
  QPointer<QWidget> alive(surface);
  QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(surface, &move);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  if (alive) QApplication::sendEvent(surface, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  if (alive) QApplication::sendEvent(surface, &release);
}

bool step(ZoneFocus& focus, int direction) {
  if (focus.running()) return false;
  const std::vector<FocusTarget> stops = focus.stops();
  if (stops.empty()) {
    focus.clear();
    return false;
  }
  const int count = static_cast<int>(stops.size());
  int next = direction > 0 ? 0 : count - 1;
  if (const FocusTarget* now = focus.focused()) {
    const auto at = std::find_if(stops.begin(), stops.end(), [now](const FocusTarget& t) { return t.sameStop(*now); });
    if (at != stops.end()) next = (static_cast<int>(at - stops.begin()) + direction + count) % count;
  }
  focus.focus(stops[static_cast<size_t>(next)]);
  return true;
}

}  // namespace

ZoneFocus::ZoneFocus(CommandContext& context, std::function<bool()> running)
    : context_(context), running_(std::move(running)) {
  Screen& screen = context.screen();
  screen.whenMapPageMade([this](MapPage& page) { later_.map = &page; });
  screen.web().whenBrowserMade([this](QTextBrowser& view) { later_.web = &view; });
  follow_.setInterval(kFollowMs);
  QObject::connect(&follow_, &QTimer::timeout, [this] { refresh(); });
}

ZoneFocus::~ZoneFocus() = default;

std::vector<FocusTarget> ZoneFocus::stops() { return focusTargets(context_, later_); }

void ZoneFocus::focus(const FocusTarget& stop) {
  scrollIntoView(stop.surface, stop.rect);
  FocusRing& ring = FocusRing::of(stop.surface->window());
  if (ring_ && ring_ != &ring) ring_->release();
  ring_ = &ring;
  focused_ = stop;
  // A link's place in its view changes as the view scrolls.
  if (stop.link >= 0) refresh();
  if (focused_) ring.surround(focused_->surface, focused_->rect);
  ring.setAccessibleName(focused_ ? focused_->label : QString());
  // A player who cannot see the ring hears where it went.
  if (focused_) context_.screen().shownText().tell(TextKind::Focus, fromQt(focused_->label));
  follow_.start();
}

void ZoneFocus::clear() {
  focused_.reset();
  follow_.stop();
  if (ring_) ring_->release();
}

void ZoneFocus::refresh() {
  // A run resets the zones as it starts and makes them again as it goes.
  if (!focused_ || running()) return;
  const std::vector<FocusTarget> now = stops();
  const auto same = std::find_if(now.begin(), now.end(), [this](const FocusTarget& t) { return t.sameStop(*focused_); });
  if (same == now.end()) {
    clear();
    return;
  }
  focused_ = *same;
  if (ring_) ring_->surround(focused_->surface, focused_->rect);
}

bool focusNext(ZoneFocus& focus) { return step(focus, 1); }
bool focusPrevious(ZoneFocus& focus) { return step(focus, -1); }

bool activateFocused(ZoneFocus& focus) {
  if (!focus.focused() || focus.running()) return false;
  focus.refresh();
  if (!focus.focused()) return false;
  const FocusTarget used = *focus.focused();
  if (used.link >= 0) {
    // The view reports a clicked link with this signal and nothing else: the road a click takes.
    if (auto* view = qobject_cast<QTextBrowser*>(used.surface->parentWidget()))
      emit view->anchorClicked(QUrl(toQt(used.action)));
  } else {
    clickAt(used.surface, used.centre());
  }
  focus.refresh();
  return true;
}

}  // namespace taluvin
