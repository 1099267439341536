// DebugSession: the author's breakpoints, the run stopped at one, and the inspector window.
#pragma once

#include "script/debugger.h"

#include <QPointer>
#include <memory>

class QEventLoop;

namespace taluvin {

class InspectorWindow;
class Player;
struct Options;

class DebugSession : public StopHandler {
 public:
  // Breakpoints from the options go into the player's interpreter; a script they name that the
  // game folder lacks is said on standard error, and the breakpoint stays.
  DebugSession(Player& player, const Options& options);
  ~DebugSession() override;

  // A run stands at a breakpoint, waiting for the author.
  bool stopped() const { return loop_ != nullptr; }
  // How the stopped run goes on; false when no run is stopped.
  bool goOn(GoOn how);

  // Opened by --inspect, Ctrl+Shift+I and any stop; shown and brought to the front.
  void showInspector();
  // After each run: the inspector, when shown, reads the session again.
  void runEnded();

  const Debugger* debugger() const { return debugger_.get(); }

  // StopHandler
  GoOn stopped(const StopPlace& where) override;

 private:
  Player& player_;
  std::unique_ptr<Debugger> debugger_;
  std::unique_ptr<InspectorWindow> inspector_;
  QEventLoop* loop_ = nullptr;
  GoOn next_ = GoOn::Continue;
  bool headless_ = false;
};

}  // namespace taluvin
