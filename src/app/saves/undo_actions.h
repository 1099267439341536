// Undo and quit as the player uses them: a step before each run, Ctrl+Z to take a run back, Ctrl+Q to end.
#pragma once

namespace taluvin {

class Player;

// Keeps the game's state as an undo step before a run the player started (a click, a phrase, a key,
// a timer) changes it. Not while another run or the opening of the game is in progress.
void keepUndoStep(Player& player);
// The start click's run, when the game had been played in this folder before: starting over can be
// taken back too.
void keepUndoStepBeforeStart(Player& player);

// Ctrl+Z: puts the state before the last run that changed it back as one set, runs the place's
// script again (as restoring a slot does, without taking a step), and says so. Refused while a
// script runs; "nothing to undo" when no step is left.
void undoLastRun(Player& player);

// Ctrl+Q: the program ends through its exit steps, as when its window is closed.
void quitFromPlayer(Player& player);

}  // namespace taluvin
