// InspectorWindow: the game's state beside the game, in a window of the player's own ("Inspector").
#pragma once

#include "script/debugger.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace taluvin {

class Player;

// It reads the session when told to (after a run, at every stop), never on a timer, and writes
// nothing but a register the author edits while a run is stopped: that value goes into the
// session and is saved with the run's next set of state files.
class InspectorWindow : public QWidget {
 public:
  InspectorWindow(Player& player, const Debugger* debugger);
  ~InspectorWindow() override;

  // Reads the session again; stopped says whether a run waits at a breakpoint.
  void refresh(bool stopped);

  std::function<void(GoOn)> onGoOn;
  std::function<void()> onClosed;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* makeRegisterPane();
  QWidget* makeObjectPane();
  QWidget* makeWherePane();
  QWidget* makeZonePane();
  QWidget* makeBreakpointPane();
  void fillRegisters();
  void fillObjects();
  void fillWhere();
  void fillZones();
  void registerEdited(int row);
  // The zone of that row of the zone list outlined over its surface; -1 hides the outline.
  void outlineZone(int row);

  Player& player_;
  const Debugger* debugger_;
  bool stopped_ = false;
  bool filling_ = false;  // the tables' own changes while they are filled are no edits
  std::vector<std::string> shownRegisters_;  // as the last refresh found them: what changed since
  QTableWidget* registers_ = nullptr;
  QTableWidget* objects_ = nullptr;
  QLabel* where_ = nullptr;
  QTableWidget* zones_ = nullptr;
  std::vector<int> zoneSlots_;  // the zone table's slot of each row
  QListWidget* breakpoints_ = nullptr;
  QLabel* state_ = nullptr;
  std::vector<QPushButton*> goOnButtons_;
  QPointer<QFrame> outline_;  // a child of the surface it outlines, which may go first
};

}  // namespace taluvin
