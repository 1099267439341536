// SaveSlotList: the small list of a game's slots that Ctrl+L opens over the main window.
#pragma once

#include "state/save_slots.h"

#include <QFrame>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace taluvin {

// Rows (newest first) show each slot's thumbnail, time and place; Up and Down choose, Return restores,
// Escape closes, and a click on a row (named "SaveSlot" + its number) restores it.
class SaveSlotList : public QFrame {
  Q_OBJECT
 public:
  explicit SaveSlotList(QWidget* window);

  // Shows the slots with the newest chosen and takes the keyboard; gameFolder marks slots of another.
  void open(const std::vector<SlotListing>& listed, const std::string& gameFolder);
  // Hides the list and gives the keyboard back to the control that had it.
  void dismiss();

  std::function<void(const std::string& slot)> onChoose;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void select(int index);
  void choose(const std::string& slot);

  QLabel* title_;
  QScrollArea* scroll_;
  QWidget* rows_;
  QVBoxLayout* layout_;
  std::vector<QFrame*> rowFrames_;
  std::vector<std::string> names_;
  int selected_ = -1;
  bool returnDown_ = false;  // Return pressed here: its release restores
  QPointer<QWidget> previousFocus_;
};

}  // namespace taluvin
