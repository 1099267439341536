// GameSession: the one home of the state a running game reads and changes.
#pragma once

#include "state/game_paths.h"
#include "state/hud_state.h"
#include "state/map_state.h"
#include "state/object_store.h"
#include "state/rain_state.h"
#include "state/random_generator.h"
#include "state/register_table.h"
#include "state/screen_model.h"
#include "state/screen_state.h"
#include "state/settings.h"
#include "state/shared_lines.h"
#include "state/surface_buffers.h"
#include "state/text_file.h"
#include "state/typing_state.h"
#include "state/visor_state.h"
#include "state/zone_table.h"

#include <array>
#include <optional>
#include <string>

namespace taluvin {

struct GameSession {
  // Folders end with the separator and are native paths (file system bytes, not script text);
  // GameFolder stays empty until a game is opened. The program's name is native too.
  std::string ProgramFolder;
  std::string ProgramName;
  std::string GameName;
  std::string GameFolder;
  std::string FolderUrl;

  // What the scripts name and read back: the running script and where runs go back to, the
  // current place (`Posic`) and object (`Objeto`), the vocabulary script, the screen model.
  int RegCount = 250;
  std::string Script = "start";
  std::string IniScp = "start";
  std::string RetScp = "start";
  std::string Objeto;
  std::string Posic;
  std::string ScriptCmd;
  ModelSetting Modelo;
  std::string Language;

  Settings settings;
  std::string carriedLine95;  // line 95 survives OpenGame replacing the settings

  SharedLines ScriptLines;
  int CurLine = 0;
  int GosubLine = -1;
  std::string GosubScript;

  // The parameters a link or "script" name carried ("name&Prm=..&Prx=..&Pry=..").
  std::string Prm, Prx, Pry;

  // Exit scripts of the current place: north, south, east, west, in, out, up, down.
  enum Exit { North, South, East, West, In, Out, Up, Down, ExitCount };
  std::array<std::string, ExitCount> exits;

  RegisterTable registers;
  ObjectStore objects;
  // What opening the program or a game cut to fit the budgets of its tables; the player says each
  // once, in the trace and on stderr.
  Lines notices;
  RandomGenerator random;  // "reg?" draws; starts at state 0 with the program
  Lines PageLines;  // the model-"2" page being composed

  // How the player is addressed and how text is shown.
  std::string playerKind = "jog";
  int typingSpeed = 7;
  std::string textAlignment = "left";
  // Font files a game announced with "instalfonte": names only, for the list of faces; nothing
  // registers or draws with them.
  Lines addedFontFaces;
  // The monitor model's virtual screen ("modo=4,width,height").
  int model4Width = 640;
  int model4Height = 420;

  // Text style, text positions, console effect and model-4 geometry of the screen.
  ScreenState screen;
  // The picture-screen, command-panel and monitor buffers with their canvas styles.
  SurfaceBuffers buffers;

  // Hot zones of every surface, the pointer state and the picture-screen click script.
  ZoneState zones;
  // The typed-command line's last phrase, the key held and the register input box's target.
  TypingState typing;
  // The overlay picture, its position and switches.
  HudState hud;
  // The map page's positions, thumbnail and drag.
  MapState map;
  // The rain's pictures and timing; the timer stops and this clears at every script run.
  RainState rain;
  // The visor's view into its strip; cleared at every script run.
  VisorState visor;

  // Whether a game's files are open; before that nothing may be written, not even into the
  // working folder a bare file name would land in.
  bool gameOpen() const { return !GameName.empty() && !GameFolder.empty(); }
  // The folder listings names are matched against in any letter case: what the disk holds, not
  // game state, so a lookup through a const session may fill them. Dropped as each run starts.
  mutable FolderNames folderNames;
  // The path of a file the game names in GameFolder, as resolveInFolder finds it.
  std::optional<std::string> resolveName(const std::string& name) const {
    return resolveInFolder(GameFolder, name, folderNames);
  }
  // Files of the open game, all in GameFolder, in whatever letter case the folder has them (a new
  // file takes the game's name as written). Opening the game made sure its name and these files
  // stay inside the folder.
  std::string gameFile(const char* extension) const {
    const std::string name = GameName + extension;
    return resolveName(name).value_or(joinInFolder(GameFolder, name));
  }
  std::string programSettingsPath() const { return ProgramFolder + ProgramName + ".ini"; }
};

}  // namespace taluvin
