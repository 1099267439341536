// MainWindow: the borderless 900 x 420 game window and its outer book of pages.
#pragma once

#include "present/paged_book.h"
#include "present/picture_view.h"

#include <QWidget>
#include <functional>
#include <memory>

class QTimer;

namespace taluvin {

class InputHold;
class Screen;
struct GameSession;

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  // The screen's typed-out text holds input in hold, which outlives the window.
  MainWindow(GameSession& session, InputHold& hold);
  ~MainWindow() override;

  PagedBook* outerBook() const { return outerBook_; }
  QWidget* defaultPage() const { return outerBook_->page("Default"); }
  QWidget* imagesPage() const { return outerBook_->page("Imagens"); }
  PictureView* openingPicture() const { return openingPicture_; }

  // The pages of the game itself, built by the presentation code.
  Screen& screen() { return *screen_; }

  // The opening picture's start click and resume double click.
  std::function<void()> onStartClick;
  std::function<void()> onResume;
  // Closing the window ends the program.
  std::function<void()> onClose;

  // A click on the opening picture that waits out the double-click interval before it starts.
  bool startClickPending() const;

  void centreOnScreen();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  PagedBook* outerBook_;         // Abok0
  PictureView* openingPicture_;  // TelAber
  QTimer* pendingStart_;
  bool doubleClickHeld_ = false;  // the button of a double click is still down
  std::unique_ptr<Screen> screen_;
};

}  // namespace taluvin
