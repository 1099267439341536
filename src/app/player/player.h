// Player: the program itself, holding the game state, the three windows and the trace.
#pragma once

#include "app/options.h"
#include "app/player/engine.h"
#include "script/command_context.h"
#include "script/run_hooks.h"

#include <csignal>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace taluvin {

class DebugSession;
class KeyRouter;
class MainWindow;
class MonitorWindow;
class ZoneReveal;

class Player : public RunHooks, public CommandContext {
 public:
  // Creates the engine and the main window and starts up the session; the monitor window is made
  // at its first use.
  Player(const Options& options, const std::string& programFolder, const std::string& programName);
  ~Player() override;

  void show();
  // Under --headless: no window of the player is ever painted to the screen, which is not there.
  void leaveWindowsUnpainted();

  // The opening picture's actions. Resuming from a save slot puts the slot's screen back between
  // opening the game and running its place (afterOpening).
  void startClick();
  void resume(const std::function<void()>& afterOpening = {});
  // False, with a message and the program ending, when the game's files could lie outside the folder.
  bool openGame(const std::string& name);
  void runScript(const std::string& name) override;
  // While the player's menu is open no run starts: a run asked for meanwhile (a timer's) waits for it
  // to close, and runs then.
  void holdRuns(bool held);

  // The exit steps: both settings files and the state files. Runs once.
  void shutdown();
  bool quitRequested() const { return quitRequested_ || ending_; }

  // The player ends the program (end button, closing the window, a signal, the replay's end):
  // unlike "encerrar", whose script goes on to its end, any run stops at its next line.
  void endProgram() override;
  // Raised by endProgram, and straight from a signal handler before the event loop hears of it.
  volatile std::sig_atomic_t& endingFlag() { return ending_; }

  // A run in progress, the start click or resume opening the game, or a click on the opening
  // picture still waiting out the double-click interval: a replay takes no action meanwhile. A
  // run stopped at a breakpoint waits for the author, so the player is not busy then.
  bool busy() const;
  // Breakpoints, the run stopped at one, and the inspector window.
  DebugSession& debugSession() { return *debug_; }

  GameSession& session() override { return session_; }
  TraceLog& trace() { return trace_; }
  Engine& engine() { return engine_; }
  MainWindow& mainWindow() { return *main_; }
  MonitorWindow& monitorWindow() { return monitor(); }
  ZoneReveal& zoneReveal() { return *zoneReveal_; }
  KeyRouter& keyRouter() { return *router_; }
  ScriptInterpreter& interpreter() { return engine_.interpreter(); }
  ScriptRunner& runner() { return engine_.runner(); }
  bool headless() const override { return options_.headless; }

  // CommandContext
  MainWindow& window() override { return *main_; }
  Screen& screen() override;
  MonitorWindow& monitor() override;
  MonitorWindow* madeMonitor() override { return monitor_.get(); }
  void leaveMonitor() override;
  WebPageComposer& webPage() override;
  AudioService& audio() override { return engine_.audio(); }
  void traceLine(const std::string& text) override { trace_.line(text); }
  void tellPlayer(const std::string& text) override;

  // RunHooks
  void resetInteraction() override;
  void applyRunLayout() override;
  void showQuoteText(const std::string& text) override;
  std::string quoteFormForPage(const std::string& line) override;
  void updateScreen() override;
  ExitGeometry windowGeometry() const override;
  void settleAfterRun() override;
  void letEventsRun() override;
  void showRunAbort(const std::string& message) override;
  void requestQuit() override;
  bool quitting() const override { return quitRequested(); }

 private:
  void showOpeningPictureFromSettings();
  // Settings values the layout could not use, said in the trace (and on stderr when a game opens).
  void sayLayoutNotes(bool alsoOnStderr);

  Options options_;
  // Made before the windows, which show its session, and let go after them.
  Engine engine_;
  GameSession& session_;
  TraceLog& trace_;
  // Outlives the windows, whose key watcher asks it to hide as they close; its outlines are
  // children of their surfaces and go with them.
  std::unique_ptr<ZoneReveal> zoneReveal_;
  // Made after the windows and let go after them, since it hands their keys to the reveal, the audio
  // and the player.
  std::unique_ptr<KeyRouter> router_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<MonitorWindow> monitor_;
  // Its inspector reads the windows and the session: made after them, let go before them.
  std::unique_ptr<DebugSession> debug_;
  bool quitRequested_ = false;
  bool unpainted_ = false;
  int exitCode_ = 0;  // kept by every later request to quit
  volatile std::sig_atomic_t ending_ = 0;
  int openingGame_ = 0;  // start clicks and resumes in progress
  bool shutDown_ = false;
  bool runsHeld_ = false;
  std::vector<std::string> heldRuns_;
};

}  // namespace taluvin
