// WebPageComposer: the model-"2" page, put together line by line while a script runs.
#pragma once

#include "present/font_faces.h"

#include <string>

namespace taluvin {

struct GameSession;

// A page holds at most this many bytes of markup (line ends counted): a run that adds lines
// without end cannot fill the memory. The view shows less of it (kShownPageBudget).
inline constexpr size_t kPageTextBudget = 8 * 1024 * 1024;
// The line that closes a page's text where it was cut: a line break and "[…]".
extern const char kPageCutMarker[];

// A picture line of the page. An empty height leaves the height out, so the browser keeps the
// picture's proportions; placement "left" or "right" floats it, "center" centres it.
struct PagePicture {
  std::string name;
  std::string width;
  std::string height;
  std::string placement;
  std::string script;  // followed, runs this script; empty: not a link
};

// The one writer of the session's PageLines: every piece of page markup is built here. Links carry
// the script to run as "Scp=" + name; the page holds no other kind of address.
class WebPageComposer {
 public:
  explicit WebPageComposer(GameSession& session);

  // Drops what was composed and adds the page's head in the current text style.
  void startPage();
  // The end tags of the style the head opened; they close the page, after its last line.
  const std::string& closingTags() const { return closingTags_; }

  // A message: its "<br>" breaks start new lines, and "@text|script|" pieces become links (a
  // picture when the text names one).
  void addMessage(const std::string& text);
  // One line as it is given. Past the page's budget the part that fits (never cut inside a tag)
  // and a line with the cut marker close the page's text; later lines are left out.
  void addLine(const std::string& line);
  void addLineBreak();

  void addPicture(const PagePicture& picture);
  // A text in the page's face with its own colour, size in pixels and bold/italic/underline.
  void addText(const std::string& text, const std::string& colour, int size, StyleLetters letters);
  // A text in the current text style that runs a script when followed (no script: plain text).
  void addLinkText(const std::string& text, const std::string& script);

  void addObjectTitle(const std::string& title, const std::string& colour);
  void addObjectDescription(const std::string& description);
  // The object's shape picture at its size; a non-empty alignment is written as the picture's own.
  void addObjectShape(const std::string& shape, int width, int height, const std::string& alignment);
  // The objects at a location as a block of linked pictures, columns to a row, at x, y.
  void addObjectGrid(const std::string& location, int x, int y, int width, int height, int columns);

  // An item that runs script when followed: the page's one form of link.
  static std::string link(const std::string& script, const std::string& text);

 private:
  std::string imageTag(const std::string& name, const std::string& width, const std::string& height,
                       const std::string& alignment) const;
  void addMessageLink(std::string& line, const std::string& label, const std::string& script) const;
  // The page's size taken from PageLines as they are, not cut.
  void countPage();

  GameSession& session_;
  std::string closingTags_;
  // The page's size, kept as lines are added; countedLines_ tells whether PageLines is still the
  // page counted (the session empties it when a game opens).
  size_t pageBytes_ = 0;
  size_t countedLines_ = 0;
  bool cut_ = false;
};

}  // namespace taluvin
