// The template game's text files: scripts for each screen model, vocabulary, registers and objects.
#include "app/newgame/new_game.h"

#include "base/text.h"

#include <sstream>

namespace taluvin {

namespace {

// The source is UTF-8; game files are Windows-1252.
std::vector<std::string> split(const char* text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(w(line));  // "§" in Windows-1252
  return lines;
}

// What every model shares: the first script, taking the lamp, its description, the vocabulary.
const char* kStart = R"(/ The first script of every game. A new game starts here; a resume (a double click on the
/ opening picture) runs the current place instead.
/ Register 1 counts the moves, register 2 carries a note to the next room shown.
/ Objects go back to their .obj files, so a new game finds the lamp in the study again.
reset objs
reg= 1,0
reg= 2,Welcome. Find the lamp in the room to the north.
retscp= start
veltec= 2
script sala1)";

const char* kTake = R"(/ TAKE LAMP typed, or a click on the lamp: only the room that holds it has it.
ifobj# lanterna,@pos,nada
pegaobj lanterna
reg= 2,You take the lamp.
script @pos
:nada
reg= 2,There is no lamp here.
script @pos)";

const char* kLampIcon = R"(/ A click on an object's icon runs the script named after the object.
getdscobj= 2,lanterna
script @pos)";

const char* kUnknown = R"(/ Model 2 runs this script (settings line 75) for a phrase the vocabulary lacks.
reg= 2,I do not understand. Try LOOK or TAKE LAMP.
script @pos)";

const char* kVocabulary = R"(LOOK       | @pos
TAKE LAMP  | pegar
GET LAMP   | pegar
NORTH      | @norte
N          | @norte
SOUTH      | @sul
S          | @sul)";

struct ModelScripts {
  const char* hall;
  const char* study;
  const char* inventory;
};

// Model 0: a typed-out console; the room's picture and the inventory go on the command panel.
const ModelScripts kConsole = {
    R"(/ The hall. A place is a script: it says where the player is, shows the room and declares its exits.
modo= 0
setpos= sala1
cleardir
norte= sala2
clearfunc 2A1A10
display= sala1.png,fnc,0,0,210,95
msg= §THE HALL§A quiet hall with bare stone walls. A door leads north.§
gosub inventario)",
    R"(/ The study: the lamp lies on the table until the player takes it.
modo= 0
setpos= sala2
cleardir
sul= sala1
clearfunc 2A1A10
display= sala2.png,fnc,0,0,210,95
msg= §THE STUDY§A small study with a shelf of books. The door south leads back to the hall.§
aquitem? lanterna,lampada
goto depois
:lampada
msg= A lamp lies on the table.§
:depois
gosub inventario)",
    R"(/ Called by every room: the note left for it, the inventory on the command panel, the move count.
if# 2,,msg=,#2
if# 2,,linefeed
reg= 2,
display= Inventory,fnc,10,102,0,0,14,E8D8A0,B
dispobj= jog,fnc,10,130,190,120,4
reg+ 1,1
return)",
};

// Model 1: the picture screen with the message strip below it; zones make the door and the lamp clickable.
const ModelScripts kPictureScreen = {
    R"(/ The hall. A place is a script: it says where the player is, draws the room and declares its exits.
modo= 1
setpos= sala1
clearbuf
display= sala1.png,tel,0,0
legenda= The hall,12,8,300,30,Arial,16,F8E8B0,000000
/ Each place clears the exits and declares its own; the door's zone runs the north exit.
cleardir
norte= sala2
linktel= vazio.bmp,@norte,250,60,96,150
msg= A quiet hall with bare stone walls. A door leads north.
gosub inventario)",
    R"(/ The study: the lamp lies on the table until the player takes it.
modo= 1
setpos= sala2
clearbuf
display= sala2.png,tel,0,0
legenda= The study,12,8,300,30,Arial,16,F8E8B0,000000
cleardir
sul= sala1
linktel= vazio.bmp,@sul,20,60,80,150
aquitem? lanterna,lampada
msg= A small study with a shelf of books. The door south leads back to the hall.
goto depois
:lampada
linktel= lanterna.png,pegar,406,152,0,0
msg= A small study with a shelf of books. A lamp lies on the table. The door south leads back to the hall.
:depois
gosub inventario)",
    R"(/ Called by every room: the note left for it, the inventory on the command panel, the move count.
if# 2,,linefeed
if# 2,,msg+,#2
reg= 2,
clearfunc 2A1A10
display= Inventory,fnc,10,6,0,0,14,E8D8A0,B
dispobj= jog,fnc,10,34,190,190,4
reg+ 1,1
return)",
};

// Model 2: a web page made of the run's pictures, messages and links.
const ModelScripts kWebPage = {
    R"(/ The hall. A place is a script: it says where the player is, shows the room and declares its exits.
mode= 2
setpos= sala1
cleardir
norte= sala2
display= sala1.png,tel,0,0,400,182
msg= §The hall§A quiet hall with bare stone walls. A door leads @north|@norte| to a study.
gosub inventario)",
    R"(/ The study: the lamp lies on the table until the player takes it.
mode= 2
setpos= sala2
cleardir
sul= sala1
display= sala2.png,tel,0,0,400,182
msg= §The study§A small study with a shelf of books. The door @south|@sul| leads back to the hall.
aquitem? lanterna,lampada
goto depois
:lampada
msg= §A lamp lies on the table. @Take~it|pegar| before you go.
:depois
gosub inventario)",
    R"(/ Called by every room: the note left for it, the inventory on the command panel, the move count.
if# 2,,linefeed
if# 2,,msg=,#2
reg= 2,
clearfunc 2A1A10
display= Inventory,fnc,10,6,0,0,14,E8D8A0,B
dispobj= jog,fnc,10,34,190,190,4
reg+ 1,1
return)",
};

// Model 3: a tall scrolling page; pictures and text boxes stack down it, words link to scripts.
const ModelScripts kScrollPage = {
    R"(/ The hall. A place is a script: it says where the player is, shows the room and declares its exits.
mode= 3
setpos= sala1
cleardir
norte= sala2
display= sala1.png,tel,0,0,440,200
postxt= 0,206
btxt= The hall §A quiet hall with bare stone walls. A door leads @north|@norte| to a study.
gosub inventario)",
    R"(/ The study: the lamp lies on the table until the player takes it.
mode= 3
setpos= sala2
cleardir
sul= sala1
display= sala2.png,tel,0,0,440,200
postxt= 0,206
btxt= The study §A small study with a shelf of books. The door @south|@sul| leads back to the hall.
aquitem? lanterna,lampada
goto depois
:lampada
btxt= A lamp lies on the table. @Take|pegar| it.
:depois
gosub inventario)",
    R"(/ Called by every room: the note left for it, the inventory on the command panel, the move count.
if# 2,,btxt=,#2
reg= 2,
clearfunc 2A1A10
display= Inventory,fnc,10,6,0,0,14,E8D8A0,B
dispobj= jog,fnc,10,34,190,190,4
reg+ 1,1
return)",
};

// Model 4: the monitor window over the whole screen, drawn in a 640 x 420 virtual screen. The game opens
// in model 4 already, where "modo= 4" would only empty the buffer and never show the window: the
// rooms say "mode= 4".
const ModelScripts kMonitor = {
    R"(/ The hall. A place is a script: it says where the player is, draws the room and declares its exits.
mode= 4
setpos= sala1
cleartela 101828
shape= sala1.png,22,12
legenda= The hall,34,20,300,30,Arial,16,F8E8B0,000000
cleardir
norte= sala2
click vazio.bmp,@norte,272,72,96,150
btxt= A quiet hall with bare stone walls. A door leads @north|@norte| to a study.,22,290,596,40
gosub inventario)",
    R"(/ The study: the lamp lies on the table until the player takes it.
mode= 4
setpos= sala2
cleartela 101828
shape= sala2.png,22,12
legenda= The study,34,20,300,30,Arial,16,F8E8B0,000000
cleardir
sul= sala1
click vazio.bmp,@sul,42,72,80,150
aquitem? lanterna,lampada
btxt= A small study with a shelf of books. The door @south|@sul| leads back to the hall.,22,290,596,40
goto depois
:lampada
shape= lanterna.png,428,164,,,pegar
btxt= A small study with a shelf of books. A lamp lies on the table. The door @south|@sul| leads back.,22,290,596,40
:depois
gosub inventario)",
    R"(/ Called by every room: the note left for it, the inventory, the typing box, the move count.
if# 2,,btxt=,#2,22,330,596,20
reg= 2,
btxt= Inventory:,22,362,90,20
dispobj= jog,tel,110,352,200,50,4
/ A box taking one typed phrase of the vocabulary; a phrase it lacks runs naosei.
inptdef= Courier New,2A1A10,E8E0C8,12,1,biu
inptcmd= 3,330,360,288,24,naosei
reg+ 1,1
return)",
};

const ModelScripts& scriptsFor(int model) {
  static const ModelScripts* const kModels[] = {&kConsole, &kPictureScreen, &kWebPage, &kScrollPage, &kMonitor};
  return *kModels[model >= 0 && model <= 4 ? model : 1];
}

}  // namespace

std::vector<TemplateFile> templateTextFiles(const std::string& gameName, int model) {
  const ModelScripts& scripts = scriptsFor(model);
  // The lamp's record: key, title, description, place, picture, tag and two spare lines.
  const std::vector<std::string> lamp = {
      "lanterna", "an old lamp", "An old brass lamp, still full of oil.", "sala2", "lanterna.png", "luz", "", ""};
  std::vector<std::string> registers(101);
  registers[1] = "0";
  return {
      {"start.scp", split(kStart)},
      {"sala1.scp", split(scripts.hall)},
      {"sala2.scp", split(scripts.study)},
      {"inventario.scp", split(scripts.inventory)},
      {"pegar.scp", split(kTake)},
      {"lanterna.scp", split(kLampIcon)},
      {"naosei.scp", split(kUnknown)},
      {"comandos.scp", split(kVocabulary)},
      {gameName + ".rgs", registers},
      {gameName + ".obz", {"lanterna"}},
      {gameName + ".obx", lamp},
      {"lanterna.obj", lamp},
  };
}

}  // namespace taluvin
