// The player's menu over a window: what it shows, what its keys do, and that closing it leaves no trace.
#include "present/player_menu.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace taluvin {
namespace {

class Striped : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    for (int x = 0; x < width(); x += 30) painter.fillRect(x, 0, 15, height(), QColor(200, 40 + x % 200, 60));
  }
};

QImage shotOf(QWidget& window) { return window.grab().toImage(); }

TEST(PlayerMenu, CoversTheWindowAndClosingGivesBackTheSamePicture) {
  Striped window;
  window.resize(900, 420);
  window.show();
  const QImage before = shotOf(window);

  int openChanges = 0;
  PlayerMenu& menu = menuOf(&window);
  menu.onOpenChanged = [&](bool) { ++openChanges; };
  menu.openPage("Menu", {{"Continue", [&] { menu.closeAll(); }, {}, {}}, {"Quit", [] {}, {}, {}}});
  EXPECT_TRUE(menu.isOpen());
  EXPECT_EQ(menu.geometry(), window.rect());
  EXPECT_NE(shotOf(window), before);

  EXPECT_TRUE(menu.handleKey(Qt::Key_Escape));
  EXPECT_FALSE(menu.isOpen());
  EXPECT_EQ(shotOf(window), before);
  EXPECT_EQ(openChanges, 2);
  EXPECT_EQ(&menuOf(&window), &menu);

  // Return on the first line runs it: "Continue" closes.
  menu.openPage("Menu", {{"Continue", [&] { menu.closeAll(); }, {}, {}}});
  menu.handleKey(Qt::Key_Return);
  EXPECT_FALSE(menu.isOpen());
  EXPECT_EQ(shotOf(window), before);
}

TEST(PlayerMenu, PagesStackAndSettingsStepBothWays) {
  QWidget window;
  window.resize(900, 420);
  int speed = 2;
  int quits = 0;
  PlayerMenu& menu = menuOf(&window);
  std::vector<PlayerMenuItem> settings{
      {"Text speed", {}, [&] { return QString::number(speed); }, [&](int step) { speed += step; }}};
  menu.openPage("Menu", {{"Settings", [&] { menu.openPage("Settings", settings); }, {}, {}},
                         {"Keys", [&] { menu.openText("Keys", "F10  this menu\nCtrl+Q  quit"); }, {}, {}},
                         {"Quit", [&] { ++quits; }, {}, {}}});
  menu.handleKey(Qt::Key_Return);
  ASSERT_EQ(menu.pageTitle(), "Settings");
  menu.handleKey(Qt::Key_Right);
  menu.handleKey(Qt::Key_Right);
  menu.handleKey(Qt::Key_Left);
  EXPECT_EQ(speed, 3);
  EXPECT_EQ(menu.pageLines(), std::vector<QString>{"Text speed: 3"});
  menu.handleKey(Qt::Key_Return);  // Return on a setting steps it forward
  EXPECT_EQ(speed, 4);

  menu.handleKey(Qt::Key_Escape);  // back to the first page, where the choice was kept
  EXPECT_EQ(menu.pageTitle(), "Menu");
  EXPECT_EQ(menu.chosen(), 0);
  menu.handleKey(Qt::Key_Up);  // wraps to the last line
  EXPECT_EQ(menu.chosen(), 2);
  menu.handleKey(Qt::Key_Down);
  menu.handleKey(Qt::Key_Down);
  menu.handleKey(Qt::Key_Return);
  EXPECT_EQ(menu.pageTitle(), "Keys");
  EXPECT_TRUE(menu.pageLines().empty());
  menu.handleKey(Qt::Key_Return);  // a text page closes on Return
  EXPECT_EQ(menu.pageTitle(), "Menu");
  menu.handleKey(Qt::Key_End);
  menu.handleKey(Qt::Key_Space);
  EXPECT_EQ(quits, 1);
  EXPECT_FALSE(menu.handleKey(Qt::Key_A));  // kept from the game, but not the menu's
  menu.handleKey(Qt::Key_F10);  // closes from any page
  EXPECT_FALSE(menu.isOpen());
  EXPECT_FALSE(menu.handleKey(Qt::Key_Escape));
}

}  // namespace
}  // namespace taluvin
