// Player: the program itself, holding the game state, the three windows and the trace.
#pragma once

#include "app/options.h"
#include "script/run_hooks.h"
#include "script/trace_log.h"
#include "state/game_session.h"

#include <memory>
#include <string>

namespace taluvin {

class MainWindow;
class InterpreterWindow;
class MonitorWindow;
class ScriptInterpreter;
class ScriptRunner;

class Player : public RunHooks {
 public:
  // Creates the main, interpreter and monitor windows in that order and starts up the session.
  Player(const Options& options, const std::string& programFolder, const std::string& programName);
  ~Player() override;

  void show();

  // The opening picture's actions.
  void startClick();
  void resume();
  void openGame(const std::string& name);
  void runScript(const std::string& name);

  // The exit steps: both settings files and the state files. Runs once.
  void shutdown();
  bool quitRequested() const { return quitRequested_; }

  GameSession& session() { return session_; }
  TraceLog& trace() { return trace_; }
  MainWindow& mainWindow() { return *main_; }
  InterpreterWindow& interpreterWindow() { return *interpreterWindow_; }
  MonitorWindow& monitorWindow() { return *monitor_; }
  ScriptInterpreter& interpreter();
  ScriptRunner& runner();
  bool headless() const { return options_.headless; }

  // RunHooks
  void resetInteraction() override;
  void applyRunLayout() override;
  void showQuoteText(const std::string& text) override;
  void updateScreen() override;
  void settleAfterRun() override;
  void letEventsRun() override;
  void showRunAbort(const std::string& message) override;
  void requestQuit() override;
  bool quitting() const override { return quitRequested_; }

 private:
  void showOpeningPictureFromSettings();

  Options options_;
  GameSession session_;
  TraceLog trace_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<InterpreterWindow> interpreterWindow_;
  std::unique_ptr<MonitorWindow> monitor_;
  bool quitRequested_ = false;
  bool shutDown_ = false;
};

}  // namespace taluvin
