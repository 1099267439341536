// Surface: the places of the window a script draws on and records hot zones on.
#pragma once

namespace taluvin {

// Scripts name the first three "tel", "fnc" and "pan" (and "linkfunc=", "linkpainel=" their zones).
enum class Surface {
  PictureScreen,  // Tela: the picture screen of model "1"
  CommandPanel,   // TelCmd: the command panel beside it
  FramePicture,   // Imp: the frame picture behind the whole window
  ScrollPage,     // TelMod3: the page image of model "3"
  Memo,           // moImg: the memo box's text, scrolled over the picture screen
  Monitor,        // the monitor window's buffer of model "4"
  Visor,          // the visor's elements
};

}  // namespace taluvin
