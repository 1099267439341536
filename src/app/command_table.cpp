// The one ordered dispatch table of the script language; tools and tests read it from here.
#include "app/command_table.h"

#include "interact/input_commands.h"
#include "interact/link_commands.h"
#include "present/box_commands.h"
#include "present/effect_commands.h"
#include "present/map_commands.h"
#include "present/message_commands.h"
#include "present/model_commands.h"
#include "present/object_link_listing.h"
#include "present/object_picture_commands.h"
#include "present/other_screen_commands.h"
#include "present/picture_commands.h"
#include "present/place_picture_commands.h"
#include "present/style_commands.h"
#include "present/surface_commands.h"
#include "present/visor_commands.h"
#include "script/flow_commands.h"
#include "services/sound_commands.h"
#include "world/language_commands.h"
#include "world/object_commands.h"
#include "world/object_conditions.h"
#include "world/object_listing.h"
#include "world/place_commands.h"
#include "world/place_conditions.h"
#include "world/register_arithmetic.h"
#include "world/register_commands.h"
#include "world/register_conditions.h"
#include "world/register_file_commands.h"
#include "world/setup_commands.h"
#include "world/time_commands.h"

namespace taluvin {

namespace {

std::vector<CommandEntry> buildTable() {
  constexpr bool goesOn = true;
  constexpr bool ends = false;
  return {
      /*   1 */ {{"fim", "end"}, cmdEnd, ends, "none"},
      /*   2 */ {{"script"}, cmdScript, ends, "script name (may carry &Prm=, &Prx=, &Pry=)"},
      /*   3 */ {{"pausa=", "pause=", "pausa", "pause", "delay"}, cmdPause, ends, "count of 10 ms waits (1)"},
      /*   4 */ {{"msg+"}, cmdMsgAppend, ends, "text (the whole rest of the line, commas included)"},
      /*   5 */ {{"msg="}, cmdMsgSet, ends, "text (the whole rest of the line, commas included)"},
      /*   6 */ {{"clearmsg"}, cmdClearMsg, ends, "none"},
      /*   7 */ {{"fonte=", "font="}, cmdFont, ends, "face, size, colour, bold, italic, underline"},
      /*   8 */ {{"param="}, cmdParam, ends, "register, prm, prx or pry"},
      /*   9 */ {{"retscp="}, cmdRetScp, ends, "script name"},
      /*  10 */ {{"setpos=", "setloc=", "posic="}, cmdSetPlace, ends, "place name"},
      /*  11 */ {{"getvar="}, cmdGetVar, ends, "register, name of a game value"},
      /*  12 */ {{"corfnd="}, cmdBackgroundColour, ends, "colour (settings line 18)"},
      /*  13 */ {{"fntsize="}, cmdFontSize, ends, "size (settings line 16)"},
      /*  14 */ {{"fntface="}, cmdFontFace, ends, "face (settings line 15)"},
      /*  15 */ {{"fntsty="}, cmdFontStyle, ends, "three letters for bold, italic, underline (biu)"},
      /*  16 */ {{"corlnk="}, cmdLinkColour, ends, "colour (settings line 20)"},
      /*  17 */ {{"corvzk="}, cmdVisitedColour, ends, "colour (settings line 21)"},
      /*  18 */ {{"cortxt="}, cmdTextColour, ends, "colour (settings line 19)"},
      /*  19 */ {{"gosub"}, cmdGosub, goesOn, ":label, or script name"},
      /*  20 */ {{"return", "ret"}, cmdReturn, ends, "none"},
      /*  21 */ {{"recall="}, cmdRecall, goesOn, "none"},
      /*  22 */ {{"saveregs"}, cmdSaveRegs, goesOn, "none"},
      /*  23 */ {{"saveobjs"}, cmdSaveObjects, goesOn, "none"},
      /*  24 */ {{"reset"}, cmdReset, ends, "regs or reg; objs or obj, object name; or mapa, file name"},
      /*  25 */ {{"playmusic", "play"}, cmdPlayMusic, ends, "music file"},
      /*  26 */ {{"volume="}, cmdVolume, goesOn, "volume (0)"},
      /*  27 */ {{"playsnd", "playsunnd"}, cmdPlaySound, ends, ".wav file or off, on to wait for the sound (nothing)"},
      /*  28 */ {{"modo=", "setmode=", "mode="}, cmdMode, ends, "model 0 to 4; for model 4 also width, height"},
      /*  29 */ {{"getobj=", "getshpobj=", "getdscobj=", "getnomobj=", "gettagobj=", "getlocobj="}, cmdGetObject, ends,
                 "register, object name, property word (getobj= only)"},
      /*  30 */ {{"setobj=", "setshpobj=", "setdscobj=", "setnomobj=", "settagobj=", "setlocobj="}, cmdSetObject, ends,
                 "object name, property word (setobj= only), value"},
      /*  31 */ {{"tiratudo", "poetudo", "putall"}, cmdMoveAll, ends, "from place, to place"},
      /*  32 */ {{"pegobj", "pegobj=", "pegaobj=", "pegaobj", "getobj"}, cmdTakeObject, ends, "object name"},
      /*  33 */ {{"soltaobj=", "soltaobj", "dropobj"}, cmdDropObject, ends, "object name"},
      /*  34 */ {{"ifobj="}, cmdIfObjectAt, ends, "object name, place, label"},
      /*  35 */ {{"ifobj#"}, cmdIfObjectNotAt, ends, "object name, place, label"},
      /*  36 */ {{"conta", "count"}, cmdCountObjects, ends, "place, register"},
      /*  37 */ {{"lstobj=", "lstobj"}, cmdListObjects, ends, "register, place"},
      /*  38 */ {{"lstobjlnk=", "lstobjlnk"}, cmdListObjectLinks, ends, "register, place"},
      /*  39 */ {{"listaobjetos"}, cmdListObjectsAccepted, ends, "loc or jog"},
      /*  40 */ {{"cleartxt", "clear$"}, cmdClearText, ends, "none"},
      /*  41 */ {{"cleartela", "clearscreen"}, cmdClearScreen, ends, "colour (background colour)"},
      /*  42 */ {{"clearbuf"}, cmdClearBuffer, ends, "colour (background colour)"},
      /*  43 */ {{"clearfunc"}, cmdClearPanel, ends, "colour (background colour)"},
      /*  44 */ {{"postxt=", "postxt"}, cmdTextPosition, ends, "x, y"},
      /*  45 */ {{"lnfeed="}, cmdLineFeedBy, goesOn, "pixels (10)"},
      /*  46 */ {{"btxt=", "boxtexto=", "printx"}, cmdTextBox, ends,
                 "text, x, y, width, height, colour, style, box colour, size"},
      /*  47 */ {{"dispobj=", "displayobjetos=", "dispobjts=", "showobjs="}, cmdObjectGrid, ends,
                 "place (jog), target (fnc), x, y (0), width, height (panel buffer), columns (5)"},
      /*  48 */ {{"linefeed"}, cmdLineFeed, goesOn, "none"},
      /*  49 */ {{"display", "display="}, cmdDisplay, ends,
                 "name, target, x, y, width, height, then placement (page pictures) or size, colour, style (texts)"},
      /*  50 */ {{"showobj="}, cmdShowObject, ends,
                 "object, tit/dsc/shp, target (msg, tel, fnc or pan), x, y, width, height, size change, colour"},
      /*  51 */ {{"tem?"}, cmdIfCarried, ends, "object name, label"},
      /*  52 */ {{"aquitem?", "objhere?"}, cmdIfHere, ends, "object name, label"},
      /*  53 */ {{"objeto=", "object="}, cmdCurrentObject, ends, "object name"},
      /*  54 */ {{"getultobj=", "lastobj="}, cmdLastObject, ends, "register"},
      /*  55 */ {{"hud="}, cmdHud, ends, "off, on, a .bmp file, or x, y"},
      /*  56 */ {{"telpos=", "telloc="}, cmdPlacePicture, ends, "picture file, script name"},
      /*  57 */ {{"cleardir"}, cmdClearExits, ends, "none"},
      /*  58 */ {{"loadmap="}, cmdLoadMap, ends, "map picture, marker picture"},
      /*  59 */ {{"defpicmap="}, cmdDefinePicMap, ends, "target word, x, y, width, height"},
      /*  60 */ {{"picmap="}, cmdPicMap, ends, "map x, map y (each: the last picmap= value)"},
      /*  61 */ {{"showmap", "showmap="}, cmdShowMap, ends, "on, marker picture, marker x, marker y; or off"},
      /*  62 */ {{"posmap="}, cmdPosMap, ends, "marker x, marker y, scroll x, scroll y (each 0)"},
      /*  63 */ {{"addmap="}, cmdAddMap, ends, "x, y, piece picture, file name"},
      /*  64 */ {{"linksoff"}, cmdLinksOff, ends, "tel, fnc, pan, md3 or md4 (nothing: every zone)"},
      /*  65 */ {{"norte=", "north="}, cmdExitNorth, ends, "script name (empty: no exit)"},
      /*  66 */ {{"sul=", "south="}, cmdExitSouth, ends, "script name (empty: no exit)"},
      /*  67 */ {{"leste=", "east="}, cmdExitEast, ends, "script name (empty: no exit)"},
      /*  68 */ {{"oeste=", "west"}, cmdExitWest, ends, "script name (empty: no exit)"},
      /*  69 */ {{"entrar=", "getin="}, cmdExitIn, ends, "script name (empty: no exit)"},
      /*  70 */ {{"sair=", "getout="}, cmdExitOut, ends, "script name (empty: no exit)"},
      /*  71 */ {{"subir=", "comedown="}, cmdExitUp, ends, "script name (empty: no exit)"},
      /*  72 */ {{"descer=", "godown="}, cmdExitDown, ends, "script name (empty: no exit)"},
      /*  73 */ {{"linktel=", "lnktel=", "lnkscr="}, cmdLinkScreen, ends,
                 "picture file or label text, action, x, y, width, height, cursor type, pressed picture, sound"},
      /*  74 */ {{"ifdir="}, cmdIfExitLink, goesOn, "direction word, item, further link arguments"},
      /*  75 */ {{"linkfunc=", "lnkfnc="}, cmdLinkCommandPanel, ends, "as linktel="},
      /*  76 */ {{"linkpainel=", "lnkpan="}, cmdLinkFramePicture, goesOn, "as linktel="},
      /*  77 */ {{"telacorfnd="}, cmdScreenBrush, ends, "colour"},
      /*  78 */ {{"telacortxt="}, cmdScreenFontColour, ends, "colour"},
      /*  79 */ {{"telafntnome="}, cmdScreenFontFace, ends, "face"},
      /*  80 */ {{"telafntalt="}, cmdScreenFontSize, ends, "size"},
      /*  81 */ {{"reg="}, cmdRegSet, ends, "register, value"},
      /*  82 */ {{"reg$"}, cmdRegAppend, ends, "register, text"},
      /*  83 */ {{"trim"}, cmdRegTrim, ends, "register"},
      /*  84 */ {{"regtxt=", "regtxt+"}, cmdRegText, ends, "register, text literal (may run over lines)"},
      /*  85 */ {{"reg-"}, cmdRegSub, ends, "register, amount"},
      /*  86 */ {{"reg+"}, cmdRegAdd, ends, "register, amount"},
      /*  87 */ {{"reg*"}, cmdRegMul, ends, "register, factor (1)"},
      /*  88 */ {{"reg:"}, cmdRegRealDiv, ends, "register, divisor (1)"},
      /*  89 */ {{"reg/"}, cmdRegDiv, ends, "register, divisor (1)"},
      /*  90 */ {{"reg?"}, cmdRegRandom, ends, "register, maximum"},
      /*  91 */ {{"ifreg="}, cmdIfRegEqual, ends, "register, value, label"},
      /*  92 */ {{"ifreg#"}, cmdIfRegDiffers, ends, "register, value, label"},
      /*  93 */ {{"ifreg>"}, cmdIfRegGreater, ends, "register, value, label"},
      /*  94 */ {{"ifreg<"}, cmdIfRegLess, ends, "register, value, label"},
      /*  95 */ {{"getdir"}, cmdGetExit, ends, "register, direction word"},
      /*  96 */ {{"ifnor"}, cmdIfNorth, ends, "command word, its arguments"},
      /*  97 */ {{"ifsul"}, cmdIfSouth, ends, "command word, its arguments"},
      /*  98 */ {{"ifles"}, cmdIfEast, ends, "command word, its arguments"},
      /*  99 */ {{"ifoes"}, cmdIfWest, ends, "command word, its arguments"},
      /* 100 */ {{"ifmod0"}, cmdIfMod0, goesOn, "command word, its arguments"},
      /* 101 */ {{"ifmod1"}, cmdIfMod1, goesOn, "command word, its arguments"},
      /* 102 */ {{"ifmod2"}, cmdIfMod2, goesOn, "command word, its arguments"},
      /* 103 */ {{"ifmod3"}, cmdIfMod3, goesOn, "command word, its arguments"},
      /* 104 */ {{"ifmod4"}, cmdIfMod4, goesOn, "command word, its arguments"},
      /* 105 */ {{"if="}, cmdIfEqual, ends, "register, value, command word, its arguments"},
      /* 106 */ {{"if#"}, cmdIfDiffers, ends, "register, value, command word, its arguments"},
      /* 107 */ {{"if>"}, cmdIfGreater, ends, "register, value, command word, its arguments"},
      /* 108 */ {{"if<"}, cmdIfLess, ends, "register, value, command word, its arguments"},
      /* 109 */ {{"if~"}, cmdIfBetween, ends, "register, low, high, command word, its arguments"},
      /* 110 */ {{"scriptcmd="}, cmdScriptCmd, ends, "script name"},
      /* 111 */ {{"setfoco="}, cmdSetFocus, ends, "web, inp, fnc, vsr or msg"},
      /* 112 */ {{"loadpainel", "loadpan"}, cmdLoadFramePicture, ends, "picture file"},
      /* 113 */ {{"barratop"}, cmdTopBar, ends, "on or off (on)"},
      /* 114 */ {{"defini="}, cmdDefineSetting, ends, "settings line (-1), value"},
      /* 115 */ {{"defcom="}, cmdDefineVocabulary, ends, "vocabulary script name"},
      /* 116 */ {{"cinza=", "gray="}, cmdGrey, ends,
                 "target (tel, fnc or pan), colour (background colour), level (0), x, y, width, height (each 0)"},
      /* 117 */ {{"chuva=", "rain="}, cmdRain, ends,
                 ".bmp file; off; mask, .bmp file or off; int, milliseconds (40); wgotas, pixels (20); or on"},
      /* 118 */ {{"altura="}, cmdPageHeight, ends, "height (message area height - 10)"},
      /* 119 */ {{"veltec="}, cmdTypingDelay, ends, "milliseconds (0)"},
      /* 120 */ {{"poeobj="}, cmdPutObject, ends, "object name, place"},
      /* 121 */ {{"temos?", "have?"}, cmdIfHave, ends, "object name (the current object), label"},
      /* 122 */ {{"cleartotal"}, cmdClearTotal, ends, "none"},
      /* 123 */ {{"getlng"}, cmdGetLanguage, ends, "register (0)"},
      /* 124 */ {{"putlng"}, cmdPutLanguage, ends, "language code"},
      /* 125 */ {{"ifbr=", "ifbr+", "ifpt=", "ifpt+", "ifen=", "ifen+", "iffr=", "iffr+", "ifes=", "ifes+"},
                 cmdIfLanguageText, ends, "register (0), text literal"},
      /* 126 */ {{"download"}, cmdDownload, ends, "none"},
      /* 127 */ {{"ifloc=", "ifpos="}, cmdIfPlace, ends, "place name, label"},
      /* 128 */ {{"ifloc#"}, cmdIfNotPlace, ends, "place name, label"},
      /* 129 */ {{"efeito=", "effect="}, cmdEffect, ends, "effect name"},
      /* 130 */ {{"visor", "visor="}, cmdVisor, ends, "sub-command, its arguments"},
      /* 131 */ {{"click", "tic"}, cmdLinkMonitor, ends, "as linktel="},
      /* 132 */ {{"instalfonte", "instalfont"}, cmdInstallFont, goesOn, "font file name without extension"},
      /* 133 */ {{"borda=", "border="}, cmdBorder, goesOn, "pen width, colour (000000)"},
      /* 134 */ {{"ifma="}, cmdIfMa, ends, "command word, its arguments"},
      /* 135 */ {{"ifgen="}, cmdIfGen, ends, "command word, its arguments"},
      /* 136 */ {{"loadregs"}, cmdLoadRegs, ends,
                 "none (the game's register file); or file, first register, first line, count"},
      /* 137 */ {{"inptdef="}, cmdRegisterInputStyle, goesOn,
                 "font face, background colour, font colour, font size, 1 for a border, style (biu)"},
      /* 138 */ {{"inptreg=", "input=", "inptcmd="}, cmdRegisterInput, ends, "register or off, x, y, width, height, script"},
      /* 139 */ {{"align="}, cmdAlign, ends, "left, center or right"},
      /* 140 */ {{"legenda=", "subtitle="}, cmdCaption, ends,
                 "text (Sem texto.; $: the memo's text), x, y, width, height (each 0), face, size (1), colour, shadow"},
      /* 141 */ {{"shape="}, cmdShape, ends, "picture file or text, x, y, width, height, script, hover picture"},
      /* 142 */ {{"inkey"}, cmdInkey, ends, "register (0)"},
      /* 143 */ {{"refresh"}, cmdRefresh, ends, "none"},
      /* 144 */ {{"savebuf", "putbuf"}, cmdSaveBuffer, ends, "none"},
      /* 145 */ {{"scroll"}, cmdScroll, ends, "direction (up), x, y, width, height, step (each 0)"},
      /* 146 */ {{"sethoje", "settoday"}, cmdSetToday, ends, "date and time text, or nothing (now)"},
      /* 147 */ {{"setagora", "setnow"}, cmdSetNow, ends, "date and time text, or nothing (now)"},
      /* 148 */ {{"diftime", "diftime#"}, cmdTimeDifference, ends,
                 "register for days (0), for the time (next); diftime#: for days, hours, minutes, seconds (each next)"},
      /* 149 */ {{"showdate"}, cmdShowDate, ends, "register (0), hoje/today or agora/now"},
      /* 150 */ {{"showtime"}, cmdShowTime, ends, "register (0), hoje/today or agora/now"},
      /* 151 */ {{"encerrar", "terminate"}, cmdTerminate, ends, "seconds (10)"},
      /* 152 */ {{"getxy"}, cmdGetXY, ends, "register for x, register for y (each 0)"},
      /* 153 */ {{"memo", "memo="}, cmdMemo, ends,
                 "text or $, x, y, width, height, line height, thumb colour, track colour, link decoration"},
      /* 154 */ {{"margem", "margem="}, cmdMargins, ends, "left, right, top, bottom (each 0)"},
      /* 155 */ {{"texto", "texto+", "text", "text+"}, cmdTextAppend, goesOn, "text"},
      /* 156 */ {{"texto=", "text="}, cmdTextSet, ends, "text"},
      /* 157 */ {{"scrollbar=", "scrollbar"}, cmdScrollBar, ends, "on, off or auto"},
      /* 158 */ {{"goto"}, cmdGoto, goesOn, "label name without :"},
  };
}

}  // namespace

const CommandIndex& commandTable() {
  static const CommandIndex kTable(buildTable());
  return kTable;
}

}  // namespace taluvin
