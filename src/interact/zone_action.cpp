// Zone actions: scripts, web addresses and the map page toggle.
#include "interact/zone_action.h"

#include "base/text.h"
#include "present/command_panel.h"
#include "present/layout_settings.h"
#include "present/main_window.h"
#include "present/screen.h"
#include "script/command_context.h"

#include <QDesktopServices>
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
  GameSession& s = context.session();
  PagedBook* book = screen.gameBook();
  if (book->currentPageName() != "Mapa") {
    book->showPage("Mapa");
    return;
  }
  book->showPage(toQt(s.Modelo == ScreenModel::Monitor ? std::string("1") : s.Modelo.text()));
  const bool textModel = s.Modelo == ScreenModel::Console || s.Modelo == ScreenModel::PictureScreen;
  screen.panel().setInputShown(textModel && lineOn(s, 44));
}

}  // namespace taluvin
