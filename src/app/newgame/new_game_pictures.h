// The pictures of the template game, drawn by code so the template needs no files of its own.
#pragma once

#include <string>
#include <vector>

namespace taluvin {

struct TemplatePicture {
  std::string name;   // file name in the game folder
  std::string bytes;  // the encoded file (PNG, or BMP for the end button)
};

// Rooms, the lamp with its magenta background, the opening and frame pictures and the end button,
// for a screen model 0 to 4.
std::vector<TemplatePicture> templatePictures(int model);

}  // namespace taluvin
