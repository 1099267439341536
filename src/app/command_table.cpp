// The one ordered dispatch table of the script language; tools and tests read it from here.
#include "app/command_table.h"

#include "interact/link_commands.h"
#include "present/box_commands.h"
#include "present/message_commands.h"
#include "present/model_commands.h"
#include "present/object_picture_commands.h"
#include "present/picture_commands.h"
#include "present/style_commands.h"
#include "present/surface_commands.h"
#include "script/flow_commands.h"
#include "services/sound_commands.h"
#include "world/object_commands.h"
#include "world/object_conditions.h"
#include "world/object_listing.h"
#include "world/register_arithmetic.h"
#include "world/register_commands.h"
#include "world/register_conditions.h"
#include "world/register_file_commands.h"

namespace taluvin {

namespace {

std::vector<CommandEntry> buildTable() {
  constexpr bool goesOn = true;
  constexpr bool ends = false;
  return {
      /*   1 */ {{"fim", "end"}, cmdEnd, ends},
      /*   2 */ {{"script"}, cmdScript, ends},
      /*   3 */ {{"pausa=", "pause=", "pausa", "pause", "delay"}, cmdPause, ends},
      /*   4 */ {{"msg+"}, cmdMsgAppend, ends},
      /*   5 */ {{"msg="}, cmdMsgSet, ends},
      /*   6 */ {{"clearmsg"}, cmdClearMsg, ends},
      /*   7 */ {{"fonte=", "font="}, cmdFont, ends},
      /*   8 */ {{"param="}, cmdParam, ends},
      /*   9 */ {{"retscp="}, cmdRetScp, ends},
      /*  10 */ {{"setpos=", "setloc=", "posic="}, nullptr, ends},
      /*  11 */ {{"getvar="}, cmdGetVar, ends},
      /*  12 */ {{"corfnd="}, cmdBackgroundColour, ends},
      /*  13 */ {{"fntsize="}, cmdFontSize, ends},
      /*  14 */ {{"fntface="}, cmdFontFace, ends},
      /*  15 */ {{"fntsty="}, cmdFontStyle, ends},
      /*  16 */ {{"corlnk="}, cmdLinkColour, ends},
      /*  17 */ {{"corvzk="}, cmdVisitedColour, ends},
      /*  18 */ {{"cortxt="}, cmdTextColour, ends},
      /*  19 */ {{"gosub"}, cmdGosub, goesOn},
      /*  20 */ {{"return", "ret"}, cmdReturn, ends},
      /*  21 */ {{"recall="}, cmdRecall, goesOn},
      /*  22 */ {{"saveregs"}, cmdSaveRegs, goesOn},
      /*  23 */ {{"saveobjs"}, cmdSaveObjects, goesOn},
      /*  24 */ {{"reset"}, cmdReset, ends},
      /*  25 */ {{"playmusic", "play"}, cmdPlayMusic, ends},
      /*  26 */ {{"volume="}, cmdVolume, goesOn},
      /*  27 */ {{"playsnd", "playsunnd"}, cmdPlaySound, ends},
      /*  28 */ {{"modo=", "setmode=", "mode="}, cmdMode, ends},
      /*  29 */ {{"getobj=", "getshpobj=", "getdscobj=", "getnomobj=", "gettagobj=", "getlocobj="}, cmdGetObject, ends},
      /*  30 */ {{"setobj=", "setshpobj=", "setdscobj=", "setnomobj=", "settagobj=", "setlocobj="}, cmdSetObject, ends},
      /*  31 */ {{"tiratudo", "poetudo", "putall"}, cmdMoveAll, ends},
      /*  32 */ {{"pegobj", "pegobj=", "pegaobj=", "pegaobj", "getobj"}, cmdTakeObject, ends},
      /*  33 */ {{"soltaobj=", "soltaobj", "dropobj"}, cmdDropObject, ends},
      /*  34 */ {{"ifobj="}, cmdIfObjectAt, ends},
      /*  35 */ {{"ifobj#"}, cmdIfObjectNotAt, ends},
      /*  36 */ {{"conta", "count"}, cmdCountObjects, ends},
      /*  37 */ {{"lstobj=", "lstobj"}, cmdListObjects, ends},
      /*  38 */ {{"lstobjlnk=", "lstobjlnk"}, cmdListObjectLinks, ends},
      /*  39 */ {{"listaobjetos"}, cmdListObjectsAccepted, ends},
      /*  40 */ {{"cleartxt", "clear$"}, cmdClearText, ends},
      /*  41 */ {{"cleartela", "clearscreen"}, cmdClearScreen, ends},
      /*  42 */ {{"clearbuf"}, cmdClearBuffer, ends},
      /*  43 */ {{"clearfunc"}, cmdClearPanel, ends},
      /*  44 */ {{"postxt=", "postxt"}, cmdTextPosition, ends},
      /*  45 */ {{"lnfeed="}, cmdLineFeedBy, goesOn},
      /*  46 */ {{"btxt=", "boxtexto=", "printx"}, cmdTextBox, ends},
      /*  47 */ {{"dispobj=", "displayobjetos=", "dispobjts=", "showobjs="}, cmdObjectGrid, ends},
      /*  48 */ {{"linefeed"}, cmdLineFeed, goesOn},
      /*  49 */ {{"display", "display="}, cmdDisplay, ends},
      /*  50 */ {{"showobj="}, cmdShowObject, ends},
      /*  51 */ {{"tem?"}, cmdIfCarried, ends},
      /*  52 */ {{"aquitem?", "objhere?"}, cmdIfHere, ends},
      /*  53 */ {{"objeto=", "object="}, cmdCurrentObject, ends},
      /*  54 */ {{"getultobj=", "lastobj="}, cmdLastObject, ends},
      /*  55 */ {{"hud="}, cmdHud, ends},
      /*  56 */ {{"telpos=", "telloc="}, nullptr, ends},
      /*  57 */ {{"cleardir"}, nullptr, ends},
      /*  58 */ {{"loadmap="}, nullptr, ends},
      /*  59 */ {{"defpicmap="}, nullptr, ends},
      /*  60 */ {{"picmap="}, nullptr, ends},
      /*  61 */ {{"showmap", "showmap="}, nullptr, ends},
      /*  62 */ {{"posmap="}, nullptr, ends},
      /*  63 */ {{"addmap="}, nullptr, ends},
      /*  64 */ {{"linksoff"}, cmdLinksOff, ends},
      /*  65 */ {{"norte=", "north="}, nullptr, ends},
      /*  66 */ {{"sul=", "south="}, nullptr, ends},
      /*  67 */ {{"leste=", "east="}, nullptr, ends},
      /*  68 */ {{"oeste=", "west"}, nullptr, ends},
      /*  69 */ {{"entrar=", "getin="}, nullptr, ends},
      /*  70 */ {{"sair=", "getout="}, nullptr, ends},
      /*  71 */ {{"subir=", "comedown="}, nullptr, ends},
      /*  72 */ {{"descer=", "godown="}, nullptr, ends},
      /*  73 */ {{"linktel=", "lnktel=", "lnkscr="}, cmdLinkScreen, ends},
      /*  74 */ {{"ifdir="}, nullptr, goesOn},
      /*  75 */ {{"linkfunc=", "lnkfnc="}, cmdLinkPanel, ends},
      /*  76 */ {{"linkpainel=", "lnkpan="}, cmdLinkFrame, goesOn},
      /*  77 */ {{"telacorfnd="}, cmdScreenBrush, ends},
      /*  78 */ {{"telacortxt="}, cmdScreenFontColour, ends},
      /*  79 */ {{"telafntnome="}, cmdScreenFontFace, ends},
      /*  80 */ {{"telafntalt="}, cmdScreenFontSize, ends},
      /*  81 */ {{"reg="}, cmdRegSet, ends},
      /*  82 */ {{"reg$"}, cmdRegAppend, ends},
      /*  83 */ {{"trim"}, cmdRegTrim, ends},
      /*  84 */ {{"regtxt=", "regtxt+"}, cmdRegText, ends},
      /*  85 */ {{"reg-"}, cmdRegSub, ends},
      /*  86 */ {{"reg+"}, cmdRegAdd, ends},
      /*  87 */ {{"reg*"}, cmdRegMul, ends},
      /*  88 */ {{"reg:"}, cmdRegRealDiv, ends},
      /*  89 */ {{"reg/"}, cmdRegDiv, ends},
      /*  90 */ {{"reg?"}, cmdRegRandom, ends},
      /*  91 */ {{"ifreg="}, cmdIfRegEqual, ends},
      /*  92 */ {{"ifreg#"}, cmdIfRegDiffers, ends},
      /*  93 */ {{"ifreg>"}, cmdIfRegGreater, ends},
      /*  94 */ {{"ifreg<"}, cmdIfRegLess, ends},
      /*  95 */ {{"getdir"}, nullptr, ends},
      /*  96 */ {{"ifnor"}, nullptr, ends},
      /*  97 */ {{"ifsul"}, nullptr, ends},
      /*  98 */ {{"ifles"}, nullptr, ends},
      /*  99 */ {{"ifoes"}, nullptr, ends},
      /* 100 */ {{"ifmod0"}, cmdIfMod0, goesOn},
      /* 101 */ {{"ifmod1"}, cmdIfMod1, goesOn},
      /* 102 */ {{"ifmod2"}, cmdIfMod2, goesOn},
      /* 103 */ {{"ifmod3"}, cmdIfMod3, goesOn},
      /* 104 */ {{"ifmod4"}, cmdIfMod4, goesOn},
      /* 105 */ {{"if="}, cmdIfEqual, ends},
      /* 106 */ {{"if#"}, cmdIfDiffers, ends},
      /* 107 */ {{"if>"}, cmdIfGreater, ends},
      /* 108 */ {{"if<"}, cmdIfLess, ends},
      /* 109 */ {{"if~"}, cmdIfBetween, ends},
      /* 110 */ {{"scriptcmd="}, cmdScriptCmd, ends},
      /* 111 */ {{"setfoco="}, nullptr, ends},
      /* 112 */ {{"loadpainel", "loadpan"}, nullptr, ends},
      /* 113 */ {{"barratop"}, cmdTopBar, ends},
      /* 114 */ {{"defini="}, nullptr, ends},
      /* 115 */ {{"defcom="}, nullptr, ends},
      /* 116 */ {{"cinza=", "gray="}, nullptr, ends},
      /* 117 */ {{"chuva=", "rain="}, nullptr, ends},
      /* 118 */ {{"altura="}, cmdPageHeight, ends},
      /* 119 */ {{"veltec="}, cmdTypingDelay, ends},
      /* 120 */ {{"poeobj="}, cmdPutObject, ends},
      /* 121 */ {{"temos?", "have?"}, cmdIfHave, ends},
      /* 122 */ {{"cleartotal"}, cmdClearTotal, ends},
      /* 123 */ {{"getlng"}, nullptr, ends},
      /* 124 */ {{"putlng"}, nullptr, ends},
      /* 125 */ {{"ifbr=", "ifbr+", "ifpt=", "ifpt+", "ifen=", "ifen+", "iffr=", "iffr+", "ifes=", "ifes+"}, nullptr, ends},
      /* 126 */ {{"download"}, nullptr, ends},
      /* 127 */ {{"ifloc=", "ifpos="}, nullptr, ends},
      /* 128 */ {{"ifloc#"}, nullptr, ends},
      /* 129 */ {{"efeito=", "effect="}, cmdEffect, ends},
      /* 130 */ {{"visor", "visor="}, nullptr, ends},
      /* 131 */ {{"click", "tic"}, cmdLinkMonitor, ends},
      /* 132 */ {{"instalfonte", "instalfont"}, nullptr, goesOn},
      /* 133 */ {{"borda=", "border="}, cmdBorder, goesOn},
      /* 134 */ {{"ifma="}, cmdIfMa, ends},
      /* 135 */ {{"ifgen="}, cmdIfGen, ends},
      /* 136 */ {{"loadregs"}, cmdLoadRegs, ends},
      /* 137 */ {{"inptdef="}, nullptr, goesOn},
      /* 138 */ {{"inptreg=", "input=", "inptcmd="}, nullptr, ends},
      /* 139 */ {{"align="}, nullptr, ends},
      /* 140 */ {{"legenda=", "subtitle="}, cmdCaption, ends},
      /* 141 */ {{"shape="}, cmdShape, ends},
      /* 142 */ {{"inkey"}, nullptr, ends},
      /* 143 */ {{"refresh"}, cmdRefresh, ends},
      /* 144 */ {{"savebuf", "putbuf"}, cmdSaveBuffer, ends},
      /* 145 */ {{"scroll"}, cmdScroll, ends},
      /* 146 */ {{"sethoje", "settoday"}, nullptr, ends},
      /* 147 */ {{"setagora", "setnow"}, nullptr, ends},
      /* 148 */ {{"diftime", "diftime#"}, nullptr, ends},
      /* 149 */ {{"showdate"}, nullptr, ends},
      /* 150 */ {{"showtime"}, nullptr, ends},
      /* 151 */ {{"encerrar", "terminate"}, cmdTerminate, ends},
      /* 152 */ {{"getxy"}, cmdGetXY, ends},
      /* 153 */ {{"memo", "memo="}, cmdMemo, ends},
      /* 154 */ {{"margem", "margem="}, cmdMargins, ends},
      /* 155 */ {{"texto", "texto+", "text", "text+"}, cmdTextAppend, goesOn},
      /* 156 */ {{"texto=", "text="}, cmdTextSet, ends},
      /* 157 */ {{"scrollbar=", "scrollbar"}, cmdScrollBar, ends},
      /* 158 */ {{"goto"}, cmdGoto, goesOn},
  };
}

}  // namespace

const CommandIndex& commandTable() {
  static const CommandIndex kTable(buildTable());
  return kTable;
}

}  // namespace taluvin
