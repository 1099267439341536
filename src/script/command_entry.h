// One row of the dispatch table, and what a handler hands back to the dispatcher.
#pragma once

#include "script/argument_roles.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace taluvin {

class ScriptInterpreter;

// The one way out of a handler. Besides "done" it carries the jumps a line can make, the end of
// the run, a change of script, and whether the trace written so far is handed on as a line of its
// own before the interpreter's NextTrace becomes the line's trace.
class Flow {
 public:
  enum class Kind : uint8_t {
    Done,         // the line ends here (or testing goes on, for entries that go on)
    Jump,         // Cmd is "goto" and slot 1 the label: testing resumes at "goto"
    Restart,      // Cmd was replaced from the arguments: testing starts again from the first keyword
    LineAt,       // the script line `line` runs next, within this call; past the end the run ends
    ResumeAfter,  // the runner goes on with the line after `line` (-1: a script's first line)
    EndRun        // the run ends after this line
  };

  static const Flow Done;
  static const Flow Jump;
  static const Flow Restart;
  static constexpr Flow lineAt(int index) { return {Kind::LineAt, index}; }
  static constexpr Flow resumeAfter(int index) { return {Kind::ResumeAfter, index}; }
  static constexpr Flow endRun() { return {Kind::EndRun, 0}; }

  // The trace so far goes out now; the interpreter's NextTrace takes its place.
  constexpr Flow handingOn() const {
    Flow f = *this;
    f.handsOn_ = true;
    return f;
  }
  // After handing on, the next trace goes out too, followed by the new script's header.
  constexpr Flow withScriptHeader() const {
    Flow f = handingOn();
    f.header_ = true;
    return f;
  }

  constexpr Kind kind() const { return kind_; }
  constexpr int line() const { return line_; }
  constexpr bool handsOn() const { return handsOn_; }
  constexpr bool tracesHeader() const { return header_; }
  constexpr bool operator==(const Flow& other) const = default;

 private:
  constexpr Flow(Kind kind, int line) : kind_(kind), line_(line) {}

  Kind kind_;
  bool handsOn_ = false;
  bool header_ = false;
  int line_;
};

inline constexpr Flow Flow::Done{Kind::Done, 0};
inline constexpr Flow Flow::Jump{Kind::Jump, 0};
inline constexpr Flow Flow::Restart{Kind::Restart, 0};

using Handler = Flow (*)(ScriptInterpreter&);

// The families the authors' reference groups the rows under, in the order it prints them.
enum class CommandFamily : uint8_t {
  FlowControl,
  MessagesAndText,
  TextStyle,
  Registers,
  PlacesAndExits,
  SavingAndResetting,
  SoundAndMusic,
  ScreenModelsAndSurfaces,
  Objects,
  Pictures,
  TheMap,
  ZonesAndLinks,
  TypingKeysAndFocus,
  SettingsLanguageAndTime,
  EffectsAndTheVisor
};

struct CommandEntry {
  std::vector<std::string_view> keywords;  // aliases sharing one handler
  Handler handler;                         // never null: the index refuses a row without one
  bool goesOn;                             // testing continues with the entries after this one
  CommandFamily family;
  SlotRoles roles;                         // what each slot holds, for tools that read lines
  std::string_view arguments = {};         // what the slots hold, as authors read it
  std::string_view effect = {};            // what the line does, one line for authors

  // What the slots of a line of this row hold; word is the keyword the line used.
  ArgumentRoles rolesOf(std::string_view word, const ArgumentSlots& args) const { return roles.forLine(word, args); }
};

// The ordered table and its keyword index. Keyword lookup runs for every script line, so it is an
// open-addressed table sized well above the keywords, hashed with FNV-1a: a handful of
// instructions for a short word, and a miss (a word that is no keyword) usually ends at the first
// empty slot.
class CommandIndex {
 public:
  explicit CommandIndex(std::vector<CommandEntry> entries);

  const std::vector<CommandEntry>& entries() const { return entries_; }
  const CommandEntry& operator[](size_t i) const { return entries_[i]; }
  size_t size() const { return entries_.size(); }

  // Index of the entry holding the keyword, or -1. Keywords are unique, so the first exact match in
  // test order is the only match.
  int find(std::string_view word) const {
    for (size_t slot = hash(word) & kMask;; slot = (slot + 1) & kMask) {
      const Slot& s = slots_[slot];
      if (s.entry < 0) return -1;
      if (s.word == word) return s.entry;
    }
  }
  // Where a jump resumes testing: the last entry, "goto".
  int gotoEntry() const { return static_cast<int>(entries_.size()) - 1; }

 private:
  static constexpr size_t kSize = 1024;
  static constexpr size_t kMask = kSize - 1;
  struct Slot {
    std::string_view word;
    int entry = -1;
  };

  static size_t hash(std::string_view word) {
    uint32_t h = 2166136261u;
    for (char c : word) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
  }
  void insert(std::string_view word, int entry);

  std::vector<CommandEntry> entries_;
  std::array<Slot, kSize> slots_{};
};

}  // namespace taluvin
