// "lstobjlnk": each object at a location becomes an item its screen model lets the player click.
#include "present/object_link_listing.h"

#include "present/web_page_composer.h"
#include "state/game_session.h"
#include "world/object_listing.h"

namespace taluvin {

std::vector<std::string> objectLinkItems(const GameSession& s, const std::string& location) {
  std::vector<std::string> items;
  const bool web = s.Modelo == ScreenModel::WebPage;
  const bool canvas = s.Modelo == ScreenModel::Monitor;
  if (!web && !canvas) return items;
  for (int record : s.objects.recordsAt(location)) {
    const std::string& key = s.objects.key(record);
    const std::string& description = s.objects.line(record, kObjectDescription);
    if (web)
      items.push_back(WebPageComposer::link(key, description));
    else
      items.push_back("@" + description + "|" + key + "|");
  }
  return items;
}

Flow cmdListObjectLinks(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = location or place word
  return listObjectItemsInto(ip, objectLinkItems);
}

}  // namespace taluvin
