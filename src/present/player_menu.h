// PlayerMenu: the player's own menu, laid over a game window while the game waits.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace taluvin {

// One line of a menu page. A line with `act` runs it on Return or a click; a line with `adjust` is a
// setting whose value `value` shows and Left / Right (or a click, forward) change.
struct PlayerMenuItem {
  QString label;
  std::function<void()> act;
  std::function<QString()> value;
  std::function<void(int step)> adjust;
};

// The menu covers the whole window with a dimmed backdrop and a panel of lines. It is a widget of
// its own, so no game surface or buffer ever holds it, and closing it gives back exactly the picture
// that was there. While it is open it takes the keyboard and the mouse; the owner holds the game's
// runs (onOpenChanged).
class PlayerMenu : public QWidget {
  Q_OBJECT
 public:
  explicit PlayerMenu(QWidget* window);

  // Shows a page of lines under a title; the first line is chosen. Opening a page over another
  // keeps the one below: Escape goes back to it, and closes the menu from the first page.
  void openPage(const QString& title, std::vector<PlayerMenuItem> items);
  // A page of plain text (the keys), closed by Escape or Return.
  void openText(const QString& title, const QString& text);
  void closeAll();
  bool isOpen() const { return !pages_.empty(); }

  // The page shown: its title and lines, for tests and the replay's narration.
  QString pageTitle() const;
  int chosen() const;
  std::vector<QString> pageLines() const;

  // Keys the menu answers while open: arrows, Home/End, Return/Space, Left/Right on a setting,
  // Escape (one page back) and F10 (closes). False for any other key, which the menu still keeps
  // from the game.
  bool handleKey(int key);

  std::function<void(bool open)> onOpenChanged;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Page {
    QString title;
    std::vector<PlayerMenuItem> items;
    QString text;
    int chosen = 0;
  };

  void showOver();
  void back();
  void activate(int row);
  void step(int delta);
  QRect panelRect() const;
  QRect rowRect(int row) const;
  int rowAt(const QPoint& point) const;

  std::vector<Page> pages_;
};

// The menu of a window, made at its first use.
PlayerMenu& menuOf(QWidget* window);

}  // namespace taluvin
