// The keyboard: the key held, the command line's keys and the register input box's Enter.
#pragma once

#include <cstdint>
#include <string>

class QKeyEvent;

namespace taluvin {

class CommandContext;
class KeyRouter;

// The virtual key code a key carries on the platform the games were made for (letters and digits
// their upper-case character, F1 = 112, Left = 37, ...); 0 for a key that has none.
std::uint16_t virtualKeyCode(const QKeyEvent& event);

// The name "inkey" gives a key code ("Enter", "F5", "PgUp"); empty when the table has none.
std::string keyName(std::uint16_t code);

// Takes the game's share of every key the router hands on (a press is the key held, any release
// lets go of it), and connects the command line, the register input box and the console to their
// key handling. Called once the windows exist.
void connectKeyboardHandlers(CommandContext& context, KeyRouter& router);

}  // namespace taluvin
