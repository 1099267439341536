// SaveSlotList: the small list of a game's slots that Ctrl+L opens over the main window.
#pragma once

#include "state/save_slots.h"

#include <QFrame>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QScrollArea;
class QVBoxLayout;

namespace taluvin {

// Rows (newest first) show each slot's thumbnail, name, time and place; Up and Down choose, Return
// restores, F2 renames, Delete deletes (after asking), Escape closes, and a click on a row (named
// "SaveSlot" + its number) restores it.
class SaveSlotList : public QFrame {
  Q_OBJECT
 public:
  explicit SaveSlotList(QWidget* window);

  // Shows the slots with the newest chosen and takes the keyboard; gameFolder marks slots of another.
  void open(const std::vector<SlotListing>& listed, const std::string& gameFolder);
  // Hides the list and gives the keyboard back to the control that had it.
  void dismiss();

  std::function<void(const std::string& slot)> onChoose;
  // The list is opened again by the owner after either, with the slots as they are then.
  std::function<void(const std::string& slot, const std::string& utf8Label)> onRename;
  std::function<void(const std::string& slot)> onDelete;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void select(int index);
  void choose(const std::string& slot);
  void startRenaming();
  void finishRenaming(bool keep);
  void showTitle();

  QLabel* title_;
  QLineEdit* nameEdit_;
  QScrollArea* scroll_;
  QWidget* rows_;
  QVBoxLayout* layout_;
  std::vector<QFrame*> rowFrames_;
  std::vector<std::string> names_;
  int selected_ = -1;
  bool returnDown_ = false;  // Return pressed here: its release restores
  bool empty_ = true;
  bool askingDelete_ = false;  // Delete pressed: Return deletes the chosen slot, Escape keeps it
  std::vector<QString> titles_;
  QPointer<QWidget> previousFocus_;
};

}  // namespace taluvin
