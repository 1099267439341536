// `--new`: the template game's settings and the writing of its files into a new folder.
#include "app/newgame/new_game.h"

#include "app/newgame/new_game_pictures.h"
#include "state/state_writer.h"
#include "state/text_file.h"

#include <cctype>
#include <filesystem>

namespace taluvin {

namespace fs = std::filesystem;

std::string templateGameName(const std::string& folder) {
  std::string last = fs::path(folder).lexically_normal().filename().string();
  if (last.empty()) last = fs::path(folder).lexically_normal().parent_path().filename().string();
  std::string name;
  for (char c : last) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80 && (std::isalnum(u) || c == '_')) name += static_cast<char>(std::tolower(u));
  }
  return name.empty() ? "jogo" : name;
}

std::vector<std::string> templateSettings(const std::string& gameName, int model) {
  // Every line the player reads gets a working value; the lines it never reads stay empty, so the
  // file shows at a glance which lines matter.
  std::vector<std::string> s(101);
  s[0] = "0";  // window position, written back at exit
  s[1] = "0";
  s[4] = gameName;
  s[5] = "100";  // registers 0 to 100
  s[6] = "start";
  s[7] = "start";
  s[8] = "start";
  s[10] = "start";  // the place a resume (double click on the opening picture) runs
  s[11] = "900";
  s[12] = "420";
  s[13] = "abertura.png";
  s[14] = "moldura.png";
  s[15] = "Arial";
  s[16] = "12";
  s[17] = "comandos";  // the vocabulary of typed phrases
  s[18] = "101828";    // background, text, link and visited-link colours
  s[19] = "E8E0C8";
  s[20] = "66CCFF";
  s[21] = "CC99FF";
  s[22] = "39";  // the game screen: left, top, width, height
  s[23] = "36";
  s[24] = "596";
  s[25] = "323";
  s[26] = std::to_string(model);
  s[27] = "5";  // the message strip below the picture (model 1)
  s[28] = "276";
  s[29] = "586";
  s[30] = "42";
  s[32] = "Courier New";  // the console of model 0
  s[33] = "14";
  s[34] = "7CFC9A";
  s[35] = "*";
  s[36] = "65";  // the typed-command line (models 0 and 1)
  s[37] = "382";
  s[38] = "560";
  s[39] = "30";
  s[40] = "101828";
  s[41] = "Courier New";
  s[42] = "16";
  s[43] = "E8E0C8";
  s[44] = "*";
  s[45] = "675";  // the command panel at the right
  s[46] = "45";
  s[47] = "210";
  s[48] = "266";
  s[49] = "596";  // the scroll page of model 3
  s[50] = "323";
  s[51] = "596";  // the web page of model 2
  s[52] = "323";
  s[53] = "*";
  s[57] = "";  // console font style: normal
  s[58] = "596";
  s[59] = "271";
  s[64] = "760";  // the end button and its caption
  s[65] = "365";
  s[66] = "bot1.bmp";
  s[67] = "";
  s[68] = "B";
  s[69] = "Arial";
  s[70] = "12";
  s[71] = "E8D8A0";
  s[72] = "Quit";
  s[73] = "I do not understand. Try LOOK, TAKE LAMP, NORTH or SOUTH.";
  s[74] = "Perhaps you meant:";
  s[75] = "naosei";
  s[76] = "LOOK";
  s[77] = "TAKE LAMP";
  s[78] = "NORTH";
  s[79] = "en";
  s[93] = "*";
  s[94] = "2A1A10";
  s[96] = "596";
  s[97] = "323";
  return s;
}

namespace {

bool folderIsEmpty(const fs::path& folder, std::error_code& error) {
  fs::directory_iterator it(folder, error);
  return !error && it == fs::directory_iterator();
}

}  // namespace

int writeNewGame(const std::string& folder, int model, std::ostream& out, std::ostream& err) {
  std::error_code error;
  const fs::path path(folder);
  const fs::file_status status = fs::status(path, error);
  if (fs::exists(status)) {
    if (!fs::is_directory(status)) {
      err << "taluvin: " << folder << " exists and is not a folder\n";
      return 2;
    }
    if (!folderIsEmpty(path, error)) {
      err << "taluvin: " << folder
          << (error ? " cannot be read: " + error.message() : std::string(" is not empty: a new game needs an empty or new folder"))
          << '\n';
      return 2;
    }
  } else if (!fs::create_directories(path, error)) {
    err << "taluvin: cannot make the folder " << folder << ": " << error.message() << '\n';
    return 2;
  }

  const std::string base = (path / "").string();
  const std::string name = templateGameName(folder);
  const auto settings = templateSettings(name, model);
  // One set through the one writer, so a failed write leaves no half game behind.
  StateSet files;
  // The program's settings name the game; the game's own settings hold the same lines, as the
  // player's exit steps leave them.
  files.add(base + "taluvin.ini", settings);
  files.add(base + name + ".ini", settings);
  for (const auto& file : templateTextFiles(name, model)) files.add(base + file.name, file.lines);
  const auto pictures = templatePictures(model);
  for (const auto& picture : pictures) files.addBytes(base + picture.name, picture.bytes);
  files.submit();
  StateWriter::instance().drain();
  if (!fileExists(base + "start.scp") || !fileExists(base + pictures.back().name)) {
    err << "taluvin: could not write every file of the new game in " << folder << '\n';
    return 2;
  }
  out << "A new game \"" << name << "\" (screen model " << model << ") is in " << folder << "\n"
      << "Play it: taluvin " << folder << "\n";
  return 0;
}

}  // namespace taluvin
