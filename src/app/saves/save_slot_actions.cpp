// Save slots as the player uses them: Ctrl+S, Ctrl+L and the list, each refused while a script runs.
#include "app/saves/save_slot_actions.h"

#include "app/player/player.h"
#include "app/saves/save_slot_list.h"
#include "app/saves/save_slot_screen.h"
#include "app/saves/undo_actions.h"
#include "base/date_time.h"
#include "base/text.h"
#include "interact/key_router.h"
#include "present/main_window.h"
#include "present/monitor_window.h"
#include "present/screen.h"
#include "state/save_slots.h"
#include "state/slot_edits.h"

#include <QBuffer>
#include <iostream>

namespace taluvin {

namespace {

constexpr int kThumbnailWidth = 225;  // a quarter of the window's design width

// Messages are built as UTF-8 (paths are the file system's bytes); the trace and the screen take
// Windows-1252 text.
void say(Player& player, const std::string& message, bool onScreen = true) {
  const std::string text = utf8ToCp1252(message);
  player.trace().line(text);
  player.trace().flush();
  if (onScreen) player.tellPlayer(text);
  if (player.headless()) std::cerr << "taluvin: " << message << '\n';
}

std::string thumbnailPng(Player& player) {
  const QImage shot = player.mainWindow().grab().toImage();
  if (shot.isNull() || shot.width() == 0) return {};
  const QImage small = shot.scaledToWidth(kThumbnailWidth, Qt::SmoothTransformation);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!small.save(&buffer, "PNG")) return {};
  return bytes.toStdString();
}

std::string placeOf(const SlotManifest& m) { return m.posic.empty() ? std::string("no place") : cp1252ToUtf8(m.posic); }

// The window the player looks at: the monitor in model "4", which covers the main window.
QWidget& windowInFront(Player& player) {
  MonitorWindow* monitor = player.madeMonitor();
  if (monitor && monitor->isVisible()) return *monitor;
  return player.mainWindow();
}

SaveSlotList* madeSlotList(Player& player) {
  if (MonitorWindow* monitor = player.madeMonitor())
    if (auto* list = monitor->findChild<SaveSlotList*>("SaveSlots")) return list;
  return player.mainWindow().findChild<SaveSlotList*>("SaveSlots");
}

// A rename or a delete from the list, said like a save, and the list shown again as the slots now are.
template <typename Edit>
void editSlot(Player& player, const std::string& slot, Edit edit, const std::string& done) {
  std::string problem;
  const std::string folder = gameSavesFolder(player.session().GameName, problem);
  if (folder.empty()) {
    say(player, "slot " + slot + " was not changed: " + problem);
    return;
  }
  const std::string failed = edit(folder);
  say(player, failed.empty() ? done : failed);
  openSaveSlotList(player);
}

SaveSlotList& slotList(Player& player) {
  QWidget& window = windowInFront(player);
  SaveSlotList* list = madeSlotList(player);
  if (!list) {
    list = new SaveSlotList(&window);
    list->onChoose = [&player](const std::string& slot) { restoreGameFromSlot(player, slot); };
    list->onRename = [&player](const std::string& slot, const std::string& label) {
      editSlot(player, slot, [&](const std::string& folder) { return renameSlot(folder, slot, label); },
               "slot " + slot + " renamed");
    };
    list->onDelete = [&player](const std::string& slot) {
      editSlot(player, slot, [&](const std::string& folder) { return deleteSlot(folder, slot); },
               "slot " + slot + " deleted");
    };
  } else if (list->parentWidget() != &window) {
    list->setParent(&window);
  }
  return *list;
}

}  // namespace

void saveGameToNextSlot(Player& player) {
  // A run changes the state as it goes: a save mid-run would hold half of one.
  if (player.busy()) {
    say(player, "not saved: a script is running");
    return;
  }
  const GameSession& session = player.session();
  const DateTime now = localNow();
  const std::string time = formatDate(now) + " " + formatTime(now);
  const SlotSaved saved = saveToNextSlot(session, time, thumbnailPng(player), screenToKeep(player));
  if (!saved.error.empty()) {
    say(player, saved.error);
    return;
  }
  say(player, "saved to slot " + saved.name + " (" + time + ", " +
                  (session.Posic.empty() ? std::string("no place") : cp1252ToUtf8(session.Posic)) + ")");
  if (SaveSlotList* list = madeSlotList(player); list && list->isVisible()) openSaveSlotList(player);
}

bool restoreGameFromSlot(Player& player, const std::string& ref) {
  if (player.busy()) {
    say(player, "not restored: a script is running");
    return false;
  }
  GameSession& s = player.session();
  const SlotRestore restored = restoreSlot(s.ProgramFolder, s.ProgramName, s.GameName, ref, true);
  if (!restored.error.empty()) {
    say(player, restored.error);
    return false;
  }
  const std::string message =
      "restored " + restored.label + " (" + restored.manifest.time + ", " + placeOf(restored.manifest) + ")";
  // In the trace before the place's script, on the screen after it.
  say(player, message, false);
  player.resume([&player, &restored] { putScreenBack(player, restored); });
  player.tellPlayer(utf8ToCp1252(message));
  return true;
}

void openSaveSlotList(Player& player) {
  if (player.busy()) {
    say(player, "the saves cannot be opened while a script is running");
    return;
  }
  const GameSession& s = player.session();
  std::string problem;
  const std::string folder = gameSavesFolder(s.GameName, problem);
  if (folder.empty()) {
    say(player, "no saves to show: " + problem);
    return;
  }
  slotList(player).open(listSlots(folder), s.ProgramFolder);
}

void connectSaveSlotKeys(Player& player, KeyRouter& router) {
  // Taken whole, press and release, so neither reaches the game as a typed letter; a key held down
  // saves once. Refusing while a script runs is said by the actions themselves.
  router.addShortcut({.keys = Qt::CTRL | Qt::Key_S, .action = [&player] { saveGameToNextSlot(player); }});
  router.addShortcut({.keys = Qt::CTRL | Qt::Key_L, .action = [&player] { openSaveSlotList(player); }});
  router.addShortcut({.keys = Qt::CTRL | Qt::Key_Z, .action = [&player] { undoLastRun(player); }});
  router.addShortcut({.keys = Qt::CTRL | Qt::Key_Q, .action = [&player] { quitFromPlayer(player); }});
}

}  // namespace taluvin
