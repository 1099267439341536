// Zone actions: scripts, web addresses and the map page toggle.
#include "interact/zone_action.h"

#include "base/text.h"
#include "present/map_commands.h"
#include "present/screen.h"
#include "script/command_context.h"
#include "state/game_session.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QUrl>

namespace taluvin {

namespace {

bool isWebAddress(const std::string& action) {
  return action.rfind("http://", 0) == 0 || action.rfind("https://", 0) == 0;
}

}  // namespace

void runZoneAction(CommandContext& context, const std::string& action, bool letEventsFirst) {
  if (action.empty()) return;
  if (isWebAddress(action)) {
    context.session().zones.openedAddresses.push_back(action);
    if (!context.headless()) QDesktopServices::openUrl(QUrl(toQt(action)));
    return;
  }
  if (letEventsFirst) context.letEventsRun();
  context.runScript(action);
}

void toggleMapPage(CommandContext& context) {
  Screen& screen = context.screen();
  MapState& map = context.session().map;
  PagedBook* book = screen.gameBook();
  QLineEdit* commandLine = screen.commandLine();
  if (book->currentPageName() != "Mapa") {
    map.layoutSaved = true;
    map.savedInputShown = !commandLine->isHidden();
    map.savedBookHeight = book->height();
    commandLine->hide();
    book->showPage("Mapa");
    refreshMap(screen);
    return;
  }
  if (!map.layoutSaved) {
    closeMapPage(screen);
    return;
  }
  map.layoutSaved = false;
  screen.showModelPage();
  book->resize(book->width(), map.savedBookHeight);
  commandLine->setVisible(map.savedInputShown);
}

}  // namespace taluvin
