// Loading script-named pictures and drawing them onto surfaces with magenta left out.
#pragma once

#include "present/picture_drawing.h"

#include <QImage>
#include <QRect>
#include <string>

namespace taluvin {

struct GameSession;

// A picture name as scripts tell pictures from texts: one of the four extensions anywhere in it.
bool isPictureName(const std::string& name);

// Loads a picture the script named from the game folder into image, through the picture cache.
// A name outside the folder, a missing file or one that cannot be decoded leaves image as it was
// and returns false, with the reason in error when one is asked for.
bool loadGamePicture(const GameSession& s, const std::string& name, QImage& image, std::string* error = nullptr);
// The same from another folder the program shows pictures of (its own, before a game is opened).
bool loadFolderPicture(const GameSession& s, const std::string& folder, const std::string& name, QImage& image,
                       std::string* error = nullptr);

// The trace marker of a picture file that exists but cannot be read; empty for no failure.
std::string unreadablePictureMarker(const std::string& reason);

// Whether name is a file inside the game folder.
bool gameFileExists(const GameSession& s, const std::string& name);

// The rectangle a picture takes at (x, y): width or height 0 means the picture's own.
QRect placement(const QImage& picture, int x, int y, int width, int height);

}  // namespace taluvin
