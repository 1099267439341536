// Stopping at breakpoints: a nested event loop with the player's input held, and the inspector beside it.
#include "app/inspect/debug_session.h"

#include "app/inspect/inspector_window.h"
#include "app/options.h"
#include "app/player/player.h"
#include "base/text.h"
#include "interact/key_router.h"
#include "present/input_hold.h"
#include "present/main_window.h"
#include "script/script_file.h"

#include <QEventLoop>
#include <QKeySequence>
#include <iostream>

namespace taluvin {

DebugSession::DebugSession(Player& player, const Options& options) : player_(player), headless_(options.headless) {
  const Breakpoints& breakpoints = options.breakpoints;
  for (const LineBreak& at : breakpoints.lines())
    if (!scriptExists(player_.session(), at.script))
      std::cerr << "taluvin: --break " << at.script << ".scp:" << at.line
                << ": the game folder has no such script; the breakpoint stays set\n";
  if (!breakpoints.empty()) {
    debugger_ = std::make_unique<Debugger>(player_.session(), breakpoints, *this);
    player_.interpreter().setDebugger(debugger_.get());
  }
  // Over every window of the player, the monitor too.
  player_.keyRouter().addShortcut({.keys = Qt::CTRL | Qt::SHIFT | Qt::Key_I, .action = [this] { showInspector(); }});
  if (options.inspect) showInspector();
}

DebugSession::~DebugSession() {
  player_.interpreter().setDebugger(nullptr);
}

void DebugSession::showInspector() {
  if (!inspector_) {
    inspector_ = std::make_unique<InspectorWindow>(player_, debugger_.get());
    inspector_->onGoOn = [this](GoOn how) { goOn(how); };
    // Closing the window is no way to leave a run waiting with nothing to let it go on.
    inspector_->onClosed = [this] { goOn(GoOn::Continue); };
  }
  inspector_->refresh(stopped());
  if (headless_) return;  // under --headless it is made and kept up to date, never painted
  inspector_->show();
  inspector_->raise();
}

void DebugSession::runEnded() {
  if (inspector_ && (inspector_->isVisible() || headless_)) inspector_->refresh(false);
}

bool DebugSession::goOn(GoOn how) {
  if (!loop_) return false;
  next_ = how;
  loop_->quit();
  return true;
}

GoOn DebugSession::stopped(const StopPlace& where) {
  if (player_.quitRequested()) return GoOn::Quit;
  const std::string said = "taluvin: stopped at " + where.script + ".scp:" + std::to_string(where.line) + " (" +
                           where.reason + ")";
  player_.trace().line(said);
  player_.trace().flush();
  std::cerr << cp1252ToUtf8(said) << '\n';

  QEventLoop loop;
  loop_ = &loop;
  next_ = GoOn::Continue;
  showInspector();
  {
    // Clicks and keys wait, as they do while text is typed out; the inspector's own do not.
    InputHold::Scope hold(player_.engine().inputHold());
    player_.engine().inputHold().letThrough(inspector_.get());
    loop.exec();
  }
  loop_ = nullptr;
  // The program ending (a signal, the window closed, the replay's quit) ends every loop at once.
  if (player_.quitRequested()) return GoOn::Quit;
  if (inspector_) inspector_->refresh(false);
  return next_;
}

}  // namespace taluvin
