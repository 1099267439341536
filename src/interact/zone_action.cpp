// Zone actions: scripts, web addresses and the map page toggle.
#include "interact/zone_action.h"

#include "app/main_window.h"
#include "app/player.h"
#include "present/command_panel.h"
#include "present/layout_settings.h"
#include "present/screen.h"
#include "base/text.h"

#include <QDesktopServices>
#include <QUrl>

namespace taluvin {

namespace {

bool isWebAddress(const std::string& action) {
  return action.rfind("http://", 0) == 0 || action.rfind("https://", 0) == 0;
}

}  // namespace

void runZoneAction(Player& player, const std::string& action, bool letEventsFirst) {
  if (action.empty()) return;
  if (isWebAddress(action)) {
    player.session().zones.openedAddresses.push_back(action);
    if (!player.headless()) QDesktopServices::openUrl(QUrl(toQt(action)));
    return;
  }
  if (letEventsFirst) player.letEventsRun();
  player.runScript(action);
}

void toggleMapPage(Player& player) {
  Screen& screen = player.mainWindow().screen();
  GameSession& s = player.session();
  PagedBook* book = screen.abok1();
  if (book->currentPageName() != "Mapa") {
    book->showPage("Mapa");
    screen.refreshMap();
    return;
  }
  book->showPage(toQt(s.Modelo == "4" ? std::string("1") : s.Modelo));
  const bool textModel = s.Modelo == "0" || s.Modelo == "1";
  screen.panel().setInputShown(textModel && lineOn(s, 44));
}

}  // namespace taluvin
