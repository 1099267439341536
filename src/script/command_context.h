// CommandContext: what a command may ask of the program around the interpreter. The player
// implements it and the interpreter hands it to every handler, so no handler climbs to a window.
#pragma once

#include <string>

namespace taluvin {

class GameAudio;
class MainWindow;
class MonitorWindow;
class Screen;
class WebPageComposer;
struct GameSession;

class CommandContext {
 public:
  virtual ~CommandContext() = default;

  virtual GameSession& session() = 0;
  // The main window: its outer book (opening picture, game pages) and the game's pages in it.
  virtual MainWindow& window() = 0;
  virtual Screen& screen() = 0;
  // The monitor window of model "4", made at its first use.
  virtual MonitorWindow& monitor() = 0;
  // The monitor window if it has been made, else null: one never made has nothing shown to change.
  virtual MonitorWindow* madeMonitor() = 0;
  // The program's end in model "4": the monitor's last picture goes onto the picture screen of the
  // main window, which shows its first page again, and the monitor window is hidden.
  virtual void leaveMonitor() = 0;
  // The model-"2" page being composed.
  virtual WebPageComposer& webPage() = 0;
  // Effects and music.
  virtual GameAudio& audio() = 0;
  // Runs a script as a player action would (a zone's action, a caption click).
  virtual void runScript(const std::string& name) = 0;
  // A line of the player's own in the trace, outside any script line (a typed phrase's failure).
  virtual void traceLine(const std::string& text) = 0;
  // A short message of the player's own (Windows-1252) shown over the window the player looks at for
  // a few seconds, never in a game surface: a save, the volume, a failure the player must see.
  virtual void tellPlayer(const std::string& text) = 0;
  // Lets the window's events run once, as between the short sleeps of a waiting command.
  virtual void letEventsRun() = 0;
  // The player ends the program: any run stops at its next line and the exit steps follow.
  virtual void endProgram() = 0;
  // No window is ever seen and no outside program is started (a browser for a web address).
  virtual bool headless() const = 0;
};

}  // namespace taluvin
