// ZoneFocus: keyboard play, a focus moved over the hot zones and links shown and used as a click.
#pragma once

#include "interact/focus_targets.h"

#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>

namespace taluvin {

class CommandContext;
class FocusRing;

class ZoneFocus {
 public:
  // running says whether a run (or the game's opening) is in progress: stops are used only
  // between runs, as clicks are meant to be.
  ZoneFocus(CommandContext& context, std::function<bool()> running);
  ~ZoneFocus();

  CommandContext& context() { return context_; }
  // The line the keyboard was typing in when Tab moved it into the stops; typing goes back there.
  QPointer<QWidget> cameFrom;
  bool running() const { return running_ && running_(); }

  // The stop the ring is on, if any.
  const FocusTarget* focused() const { return focused_ ? &*focused_ : nullptr; }
  // Every stop shown now, in reading order.
  std::vector<FocusTarget> stops();

  // Puts the ring on a stop (scrolled into view), or takes it away.
  void focus(const FocusTarget& stop);
  void clear();
  // The order is made again: the ring follows its stop, or goes when the stop is gone.
  void refresh();

 private:
  CommandContext& context_;
  std::function<bool()> running_;
  LaterSurfaces later_;
  std::optional<FocusTarget> focused_;
  QPointer<FocusRing> ring_;
  // Runs end, pages change and surfaces scroll while the ring shows: it is checked between them.
  QTimer follow_;
};

// Tab: the next stop after the focused one in reading order, the first when none is, wrapping.
// False when nothing is shown to focus.
bool focusNext(ZoneFocus& focus);
// Shift+Tab: the previous stop, the last when none is focused, wrapping.
bool focusPrevious(ZoneFocus& focus);
// Return or Space: exactly what a click at the focused stop's centre does (pressed picture, sound,
// the action with its link parameters), or following the focused link. False when nothing is
// focused or a run is in progress.
bool activateFocused(ZoneFocus& focus);

}  // namespace taluvin
