// Builds the game's pages inside the main window and lays them out from the settings.
#include "present/screen.h"

#include "app/main_window.h"
#include "state/game_session.h"

namespace taluvin {

Screen::Screen(MainWindow& window, GameSession& session) : window_(window), session_(session) {}

void Screen::applyGameLayout() {}

void Screen::resetInteraction() { window_.abok0()->showPage("Default"); }

void Screen::applyRunLayout() {}

void Screen::showQuoteText(const std::string&) {}

void Screen::updateScreen() {}

void Screen::settleAfterRun() {}

}  // namespace taluvin
