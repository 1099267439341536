// Picture loading from the game folder through the cache, and where a picture is placed.
#include "present/picture_placement.h"

#include "base/text.h"
#include "present/picture_cache.h"
#include "present/surface_budget.h"
#include "state/game_paths.h"
#include "state/game_session.h"
#include "state/text_file.h"

namespace taluvin {

bool isPictureName(const std::string& name) {
  for (const char* ext : {".gif", ".png", ".jpg", ".bmp"})
    if (name.find(ext) != std::string::npos) return true;
  return false;
}

bool gameFileExists(const GameSession& s, const std::string& name) {
  auto path = s.resolveName(name);
  return path && fileExists(*path);
}

bool loadGamePicture(const GameSession& s, const std::string& name, QImage& image, std::string* error) {
  return loadFolderPicture(s, s.GameFolder, name, image, error);
}

bool loadFolderPicture(const GameSession& s, const std::string& folder, const std::string& name, QImage& image,
                       std::string* error) {
  auto path = resolveInFolder(folder, name, s.folderNames);
  if (!path) {
    if (error) *error = "outside the game folder";
    return false;
  }
  PictureLoad load = pictureCache().load(*path, name);
  if (!load.ok()) {
    if (error) *error = load.error.empty() ? std::string("unreadable") : load.error;
    return false;
  }
  image = std::move(load.image);
  return true;
}

std::string unreadablePictureMarker(const std::string& reason) {
  static const std::string kUnreadable = w(" <--- imagem ilegível: ");
  return reason.empty() ? std::string() : kUnreadable + reason;
}

QRect placement(const QImage& picture, int x, int y, int width, int height) {
  // Cut to the position budget, so the rectangle's far edges (and the room made for them on the
  // scroll page) stay in the int range.
  return QRect(boundedCoordinate(x), boundedCoordinate(y), boundedCoordinate(width == 0 ? picture.width() : width),
               boundedCoordinate(height == 0 ? picture.height() : height));
}

}  // namespace taluvin
