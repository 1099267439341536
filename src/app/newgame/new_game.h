// `--new`: writes a small working game into a new folder, the starting point of an author's own.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace taluvin {

// One file of the template: its name in the game folder and its lines (Windows-1252, ASCII here).
struct TemplateFile {
  std::string name;
  std::vector<std::string> lines;
};

// The game's base name for a folder: its last component in lower case, letters, digits and "_"
// only, so every file name it makes is plain on every system; "jogo" when nothing is left.
std::string templateGameName(const std::string& folder);

// The settings lines 0 to 100 of the template game for a screen model 0 to 4.
std::vector<std::string> templateSettings(const std::string& gameName, int model);

// Scripts, vocabulary, register and object files of the template for a screen model 0 to 4.
std::vector<TemplateFile> templateTextFiles(const std::string& gameName, int model);

// Writes the template into `folder` (created when missing; an existing folder must be empty).
// Returns the exit code: 0 written, 2 refused or failed, with one line on `err` saying why.
int writeNewGame(const std::string& folder, int model, std::ostream& out, std::ostream& err);

}  // namespace taluvin
