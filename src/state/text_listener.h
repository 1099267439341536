// Who hears of every text the game shows: the transcript and the voice listen; nobody by default.
#pragma once

#include "state/screen_model.h"

#include <algorithm>
#include <string>
#include <vector>

namespace taluvin {

// Where a text became visible; each kind is reduced to what the player reads (plainShownText).
enum class TextKind {
  Console,     // model "0": the console (typed out or not), a message or quote text
  Message,     // model "1": the message strip, a message or quote text
  WebPage,     // model "2": a page when it is shown, its markup reduced to text
  ScrollPage,  // model "3": a message written on the scroll page
  Box,         // a text box (btxt=, display=) on any surface, the monitor's included
  Memo,        // a scrolling text box
  Caption,     // legenda=
  Reply,       // what a typed phrase no vocabulary line knows gets
  Focus,       // a link or zone label the keyboard moved onto
};

class TextListener {
 public:
  virtual ~TextListener() = default;
  // The text as the player sees it: Windows-1252, lines joined by '\n', never empty.
  virtual void textShown(TextKind kind, const std::string& text) = 0;
};

class TextListeners {
 public:
  void add(TextListener* listener) { listeners_.push_back(listener); }
  void remove(TextListener* listener) { std::erase(listeners_, listener); }
  // Reduces the text once, and only when someone listens.
  void tell(TextKind kind, const std::string& shown) const;
  // A message command's or quote text's text: its kind follows the model. The web page is told
  // whole when it is shown, and the monitor shows messages only through boxes, so neither is told
  // here; the scroll page only where the command writes the text (msg=).
  void tellMessage(ScreenModel model, const std::string& shown, bool writtenOnScrollPage = false) const;

 private:
  std::vector<TextListener*> listeners_;
};

}  // namespace taluvin
