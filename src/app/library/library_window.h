// The games library window: the games folder's games with their opening pictures, to play, continue, remove or add.
#pragma once

#include "app/library/games_library.h"

#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace taluvin {

class LibraryWindow : public QWidget {
  Q_OBJECT
 public:
  explicit LibraryWindow(std::string programName, QWidget* parent = nullptr);

  // Reads the games folder and the index again.
  void refresh();
  // Adds a folder or a zip archive, as Add and a drop do.
  void addGame(const std::string& path);
  // The game chosen in the list ("" when none).
  std::string chosenGame() const;
  void choose(const std::string& name);
  // What the status line says.
  QString status() const;

  // The player's answers, asked in a dialog unless a caller (a test) answers instead.
  enum class SameNameAnswer { Replace, KeepBoth, Cancel };
  std::function<SameNameAnswer(const QString& name)> askSameName;
  std::function<bool(const QString& name)> confirmRemove;

 signals:
  // The chosen game is to be played from its opening screen, or continued from its place.
  void playChosen(const QString& folder, bool resume);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void playSelected(bool resume);
  void removeSelected();
  void chooseAndAdd(bool archive);
  void updateButtons();
  void say(const QString& text);

  std::string programName_;
  QListWidget* list_;
  QPushButton* play_;
  QPushButton* continue_;
  QPushButton* remove_;
  QPushButton* add_;
  QLabel* status_;
};

}  // namespace taluvin
