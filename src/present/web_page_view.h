// Page "2" of the game screen: the web view WebB, which reports links instead of following them.
#pragma once

#include <QTextBrowser>
#include <string>

namespace taluvin {

struct GameSession;

class WebPageView {
 public:
  explicit WebPageView(QWidget* page);

  QTextBrowser* browser;  // WebB

  // Lines 51 and 52: the view sits at -2,-2 and is 20 px wider and 4 px taller than the page,
  // so its border and scroll bar fall outside what the player sees.
  void fitToPage(int width, int height);
  // An empty page in the background colour (RRGGBB, as web pages write colours).
  void showEmptyPage(const std::string& background);
};

}  // namespace taluvin
