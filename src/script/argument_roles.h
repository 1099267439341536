// What each argument slot of a command holds, as its row in the dispatch table says.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace taluvin {

inline constexpr int kArgumentSlots = 9;

// Slots 1 to 9 as a line splits them; slot 0 is unused.
using ArgumentSlots = std::array<std::string, kArgumentSlots + 1>;

// The kind of text a slot holds. The first group names what a game must hold for the line to work
// (the checker looks those up); the rest are values, so a slot still tells a number from a text.
enum class ArgumentRole : uint8_t {
  None,              // past the last slot the command reads
  Script,            // a script name (aliases, "&" parameters and web addresses allowed)
  Vocabulary,        // a script read as "phrase | script" lines
  Label,             // a label name without ":"
  GosubTarget,       // ":" + label, or a script name
  Command,           // a carried command word; the slots after it are that command's
  TextLiteral,       // the opening of a text literal that may run over the following lines
  Picture,           // a picture file
  PictureOrText,     // a picture when the name holds ".gif", ".png", ".jpg" or ".bmp"; else shown as text
  WebPictureOrText,  // the same, knowing pictures by ".gif", ".png" and ".jpg" only, as web pages do
  Sound,             // a .wav file
  Music,             // a music file
  Font,              // a font file name without ".ttf"
  File,              // another file of the game folder, read or written
  Register,          // a register number
  Colour,            // RRGGBB
  ColourOrNone,      // RRGGBB, or "0" for none
  Number,            // an integer: a position, size, count, level or time
  Text,              // any text, used as written
  Object,            // an object's name
  Place,             // where objects lie: a place's name, "loc" (here) or "jog" (carried)
  Property,          // an object's property: "nom", "dsc", "loc", "shp", "tag", or "tit"
  Surface,           // where the command draws: "tel", "fnc", "pan", "msg", "md3" or "md4"
  Direction,         // an exit: "norte", "sul", "leste", "oeste", "entrar", "sair", "subir", "descer"
  Switch,            // "on" or "off"
  Stamp,             // "hoje"/"today" or "agora"/"now"
  Language,          // a language code: br, pt, en, fr or es
  Word               // one of the other words the command knows; its row's arguments list them
};

// The roles of slots 1 to 9; a line's slots past the last role hold nothing the command reads.
class ArgumentRoles {
 public:
  constexpr ArgumentRoles() = default;
  constexpr ArgumentRoles(std::initializer_list<ArgumentRole> roles) {
    if (roles.size() > roles_.size()) throw std::length_error("more argument roles than slots");
    std::copy(roles.begin(), roles.end(), roles_.begin());
  }

  // Slot 1 to 9; None outside them.
  constexpr ArgumentRole operator[](int slot) const {
    return slot >= 1 && slot <= kArgumentSlots ? roles_[static_cast<size_t>(slot - 1)] : ArgumentRole::None;
  }
  // How many slots the command reads: the last one with a role.
  constexpr int count() const {
    for (int slot = kArgumentSlots; slot >= 1; --slot)
      if ((*this)[slot] != ArgumentRole::None) return slot;
    return 0;
  }
  constexpr bool operator==(const ArgumentRoles& other) const = default;

 private:
  std::array<ArgumentRole, kArgumentSlots> roles_{};
};

// The roles of a line whose sub-command or keyword decides what its other slots hold.
using RolesOfLine = ArgumentRoles (*)(std::string_view word, const ArgumentSlots& args);

// A row's roles: the same for every line, or decided by each line.
class SlotRoles {
 public:
  constexpr SlotRoles() = default;
  constexpr SlotRoles(std::initializer_list<ArgumentRole> roles) : fixed_(roles) {}
  constexpr SlotRoles(RolesOfLine ofLine) : ofLine_(ofLine) {}

  ArgumentRoles forLine(std::string_view word, const ArgumentSlots& args) const {
    return ofLine_ ? ofLine_(word, args) : fixed_;
  }

 private:
  ArgumentRoles fixed_;
  RolesOfLine ofLine_ = nullptr;
};

}  // namespace taluvin
