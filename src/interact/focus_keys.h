// The keys of keyboard play: Tab and Shift+Tab move the focus ring, Return and Space use its stop.
#pragma once

#include <functional>

class QKeyEvent;
class QWidget;

namespace taluvin {

class CommandContext;
class KeyRouter;
class ZoneFocus;

// What one key press does to keyboard play; true when the key is used up and no control sees it.
// Tab moves into the stops (from the command line, an input box, anywhere in the game's windows);
// while the ring shows, Return and Space use its stop, and a key that types moves the keyboard
// back to the line it came from and types there. Every other key is left to the game.
bool focusKeyPressed(ZoneFocus& focus, QWidget* receiver, const QKeyEvent& key);

// Starts keyboard play: the router hands it every key the player's shortcuts leave; it holds the
// focus and belongs to window. running says whether a run is in progress (see ZoneFocus).
ZoneFocus& startKeyboardPlay(CommandContext& context, std::function<bool()> running, QWidget* window,
                             KeyRouter& router);
// The keyboard play started on window, if any.
ZoneFocus* keyboardPlayOf(QWidget* window);

}  // namespace taluvin
