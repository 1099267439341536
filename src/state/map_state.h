// MapState: what the map page remembers between commands and runs; the pictures live in its widgets.
#pragma once

#include <string>

namespace taluvin {

struct MapState {
  // Where the next map refresh scrolls to and puts the marker, the marker measured from the top-left
  // of the visible part of the map.
  int scrollX = 0, scrollY = 0;
  int markerX = 0, markerY = 0;

  // The thumbnail: its surface word ("tel", "fnc", "pan"; empty until one is chosen), its rectangle
  // there, and the map corner the last "picmap=" showed.
  std::string thumbnailTarget;
  int thumbnailX = 0, thumbnailY = 0, thumbnailWidth = 0, thumbnailHeight = 0;
  int thumbnailMapX = 0, thumbnailMapY = 0;

  // The game screen as a "picFmap" click found it, put back by the next such click; a map page that
  // "showmap" opened has nothing saved and goes back to the model's own layout.
  bool layoutSaved = false;
  bool savedInputShown = false;
  int savedBookHeight = 0;

  // One drag at a time, of the map or of the marker, from where the button went down.
  bool dragging = false;
  int dragX = 0, dragY = 0;
};

}  // namespace taluvin
