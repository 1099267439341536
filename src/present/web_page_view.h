// Page "2" of the game screen: the web view WebB, which reports links instead of following them.
#pragma once

#include "present/first_use.h"

#include <QRect>
#include <QString>
#include <QTextBrowser>
#include <functional>
#include <string>

namespace taluvin {

struct GameSession;

// The colours a page's body asks for (RRGGBB, empty when the body names none).
struct BodyColours {
  std::string background;
  std::string text;
  std::string link;
  std::string visited;
};

// Read from the first <body> tag of an HTML text: bgcolor, text, link and vlink.
BodyColours readBodyColours(const QString& html);
// The same colours as a style sheet the view applies: its HTML support leaves those body
// attributes unread.
QString bodyStyleSheet(const BodyColours& colours);
// The page as the view can lay it out: a block placed at an absolute position (the view has no
// such positions) flows with the text instead, keeping its distance from the left, so it never
// lies over other lines.
QString inFlowPositions(QString html);

// The page's tags with every bare attribute value in quotes ("&" written "&amp;", blanks around
// the "=" dropped): the view's parser ends a bare value at its first "=", and a link's address is
// "Scp=" + script.
QString quotedAttributes(const QString& html);

// The page with a zero-width break opportunity every 128 characters of a word of 1024 or more
// (a word runs across inline tags up to a blank or a tag that ends a line; style sheets, scripts
// and character names are left whole). The view's line breaking costs the square of a word's
// length, so one long word could hold the window for minutes; no view is that wide.
QString withBreaksInLongWords(const QString& html);

// The view lays out at most this many bytes of a page, the rest cut with the page's marker: a
// page this size takes a fraction of a second, the largest page (kPageTextBudget) half a minute,
// and a signal to end the program waits for the layout.
inline constexpr size_t kShownPageBudget = 256 * 1024;

class WebPageView {
 public:
  WebPageView(QWidget* page, const GameSession& session);

  // WebB: made when a game first shows a page, which most games never do.
  QTextBrowser* browser() { return &browser_.get(); }
  // Runs on the view once it is made (at once if it is).
  void whenBrowserMade(std::function<void(QTextBrowser&)> made) { browser_.whenMade(std::move(made)); }

  // Lines 51 and 52: the view sits at -2,-2 and is 20 px wider and 4 px taller than the page,
  // so its border and scroll bar fall outside what the player sees.
  void fitToPage(int width, int height);
  // An empty page in the background colour (RRGGBB, as web pages write colours).
  void showEmptyPage(const std::string& background);
  // A finished page (Windows-1252), its pictures looked up in the game's folder.
  void showPage(const std::string& html);

 private:
  void showHtml(const QString& html);

  QTextBrowser* makeBrowser();

  QWidget* page_;
  const GameSession& session_;
  QRect geometry_{-2, -2, 616, 327};
  FirstUse<QTextBrowser> browser_;
};

}  // namespace taluvin
