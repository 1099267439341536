// Undo and quit as the player uses them: the steps kept per run, taking one back, and ending the program.
#include "app/saves/undo_actions.h"

#include "app/player/player.h"
#include "base/text.h"
#include "present/main_window.h"
#include "state/save_slots.h"
#include "state/text_file.h"
#include "state/undo_steps.h"

#include <QObject>
#include <iostream>
#include <memory>

namespace taluvin {

namespace {

const char* const kStepsName = "UndoSteps";

// The steps live as long as the main window, so their thread has written every step before the
// program is gone.
class UndoStepsHolder : public QObject {
 public:
  explicit UndoStepsHolder(QObject* parent) : QObject(parent) { setObjectName(kStepsName); }
  UndoSteps steps;
};

UndoSteps& stepsOf(Player& player) {
  MainWindow& window = player.mainWindow();
  auto* holder = window.findChild<UndoStepsHolder*>(kStepsName, Qt::FindDirectChildrenOnly);
  if (!holder) holder = new UndoStepsHolder(&window);
  return holder->steps;
}

// Messages are built as UTF-8 (paths are the file system's bytes); the trace and the screen take
// Windows-1252 text.
void say(Player& player, const std::string& message, bool onScreen = true) {
  const std::string text = utf8ToCp1252(message);
  player.trace().line(text);
  player.trace().flush();
  if (onScreen) player.tellPlayer(text);
  if (player.headless()) std::cerr << "taluvin: " << message << '\n';
}

void sayNotes(Player& player, const std::vector<std::string>& notes) {
  for (const std::string& note : notes) say(player, note);
}

void keep(Player& player) {
  std::vector<std::string> notes;
  stepsOf(player).keep(player.session(), notes);
  sayNotes(player, notes);
}

}  // namespace

void keepUndoStep(Player& player) {
  if (player.busy() || !player.session().gameOpen()) return;
  keep(player);
}

void keepUndoStepBeforeStart(Player& player) {
  const GameSession& s = player.session();
  if (s.gameOpen() && fileExists(s.gameFile(".rgs"))) keep(player);
}

void undoLastRun(Player& player) {
  // A run changes the state as it goes: what it has done so far is no step to go back from.
  if (player.busy()) {
    say(player, "not undone: a script is running");
    return;
  }
  GameSession& s = player.session();
  if (!s.gameOpen()) {
    say(player, "nothing to undo");
    return;
  }
  UndoSteps& steps = stepsOf(player);
  const std::uint64_t now = undoKeyOf(slotContentsOf(s, {}, {}));
  for (;;) {
    std::vector<std::string> notes;
    const auto step = steps.newest(s, notes);
    sayNotes(player, notes);
    if (!step) {
      say(player, "nothing to undo");
      return;
    }
    // A step the game is already at (its run changed nothing, or an undo was cut short after it
    // restored the step) would seem to do nothing.
    if (step->key == now) {
      steps.drop(*step);
      continue;
    }
    const SlotRestore restored = restoreSlotFolder(s.ProgramFolder, s.ProgramName, s.GameName, step->folder,
                                                   step->label, true);
    steps.drop(*step);
    if (!restored.error.empty()) {
      say(player, restored.error);
      continue;
    }
    const std::string place =
        restored.manifest.posic.empty() ? std::string("no place") : cp1252ToUtf8(restored.manifest.posic);
    const std::string message = "undone (" + place + ")";
    // In the trace before the place's script, on the screen after it. The place's run is the
    // opening of the game, which keeps no step.
    say(player, message, false);
    player.resume();
    player.tellPlayer(utf8ToCp1252(message));
    return;
  }
}

void quitFromPlayer(Player& player) { player.endProgram(); }

}  // namespace taluvin
