// What a script run asks of the windows; the engine itself never touches a widget.
#pragma once

#include "state/lifecycle.h"

#include <string>

namespace taluvin {

class RunHooks {
 public:
  virtual ~RunHooks() = default;

  // Start of a run: hide input boxes and scroll panels, stop timers, clear zones and drag state.
  virtual void resetInteraction() {}
  // Text style and the page of the current model laid out again from the settings.
  virtual void applyRunLayout() {}
  // A quote text block, shown as the current model shows text.
  virtual void showQuoteText(const std::string& /*text*/) {}
  // A line of a quote text block that starts with "#", in the web-page model: the page's markup
  // (or a register's text) it stands for.
  virtual std::string quoteFormForPage(const std::string& line) { return line; }
  // End of a run: buffers copied to the visible surfaces.
  virtual void updateScreen() {}
  // Where the window is and how big its content: the settings lines 0, 1, 11 and 12 a save writes.
  virtual ExitGeometry windowGeometry() const { return {}; }
  // End of a run, after saving: focus, map refresh, page file and the like.
  virtual void settleAfterRun() {}
  // Waiting commands call this between their short sleeps.
  virtual void letEventsRun() {}
  // A run ended by a failure no command caught.
  virtual void showRunAbort(const std::string& /*message*/) {}
  // "encerrar": the program ends once control is back in the event loop.
  virtual void requestQuit() {}
  // Whether the program is ending; a script that never pauses is stopped then.
  virtual bool quitting() const { return false; }
};

}  // namespace taluvin
