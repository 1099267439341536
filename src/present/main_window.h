// MainWindow: the borderless 900 x 420 game window and its outer book of pages.
#pragma once

#include "present/paged_book.h"
#include "present/picture_view.h"

#include <QWidget>
#include <functional>
#include <memory>

class QTimer;

namespace taluvin {

class Screen;
struct GameSession;

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(GameSession& session);
  ~MainWindow() override;

  PagedBook* abok0() const { return abok0_; }
  QWidget* defaultPage() const { return abok0_->page("Default"); }
  QWidget* imagesPage() const { return abok0_->page("Imagens"); }
  PictureView* telAber() const { return telAber_; }

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
  PagedBook* abok0_;
  PictureView* telAber_;
  QTimer* pendingStart_;
  std::unique_ptr<Screen> screen_;
};

}  // namespace taluvin
