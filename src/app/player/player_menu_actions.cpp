// The lines of the player's menu and the pages behind them: settings and the keys.
#include "app/player/player_menu_actions.h"

#include "app/player/fullscreen.h"
#include "app/player_language.h"
#include "base/text.h"
#include "app/player/player.h"
#include "app/player/text_outputs.h"
#include "app/saves/save_slot_actions.h"
#include "app/saves/undo_actions.h"
#include "interact/key_router.h"
#include "interact/volume_keys.h"
#include "present/main_window.h"
#include "present/monitor_window.h"
#include "present/player_menu.h"
#include "present/readable_text.h"
#include "present/screen.h"
#include "services/audio_service.h"
#include "services/player_speech.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <iterator>

namespace taluvin {

namespace {

const char* const kKeys = QT_TRANSLATE_NOOP("PlayerMenu",
    "F10                  this menu (F10 or Esc closes it)\n"
    "Ctrl+S               save to a new slot\n"
    "Ctrl+L               the saved slots (F2 names one, Delete deletes it)\n"
    "Ctrl+Z               take back the last move\n"
    "Ctrl+T               the transcript of what the game said\n"
    "F11, Alt+Enter       full screen and back\n"
    "Ctrl+Up, Ctrl+Down   louder, softer; Ctrl+M mutes\n"
    "Ctrl held            outline every place that answers a click\n"
    "Tab, Shift+Tab       move between those places; Return uses one\n"
    "Ctrl+Q               quit (the game is saved)");

QString translate(const char* context, const char* text) { return QCoreApplication::translate(context, text); }

QWidget& windowInFront(Player& player) {
  MonitorWindow* monitor = player.madeMonitor();
  if (monitor && monitor->isVisible()) return *monitor;
  return player.mainWindow();
}

// Closes the menu, then acts once the key or click that chose the line is over: the action may run
// the game's scripts, which wait on events.
std::function<void()> closingThen(Player& player, PlayerMenu& menu, std::function<void(Player&)> act) {
  return [&player, &menu, act] {
    menu.closeAll();
    QTimer::singleShot(0, &player.mainWindow(), [&player, act] { act(player); });
  };
}

// Each language by its own name, so a player who cannot read the other still finds theirs.
QString languageName(PlayerLanguage language) {
  return language == PlayerLanguage::English ? QStringLiteral("English") : QStringLiteral("Português");
}

QString onOff(bool on) { return on ? translate("PlayerMenu", "on") : translate("PlayerMenu", "off"); }

// The speeds a player picks from: half, the game's own, twice, four times, and at once.
void stepTextSpeed(Player& player, int step) {
  static constexpr int kSpeeds[] = {50, 100, 200, 400, 0};
  constexpr int count = static_cast<int>(std::size(kSpeeds));
  Screen& screen = player.mainWindow().screen();
  int at = 1;
  for (int k = 0; k < count; ++k)
    if (kSpeeds[k] == screen.textSpeed()) at = k;
  const int next = kSpeeds[((at + step) % count + count) % count];
  screen.setTextSpeed(next);
  const std::string file = readableTextFile();
  ReadableText choice = loadReadableText(file);
  choice.textSpeed = next;
  saveReadableText(file, choice);
}

void openSettings(Player& player, PlayerMenu& menu) {
  AudioService& audio = player.engine().audio();
  std::vector<PlayerMenuItem> lines;
  lines.push_back({translate("PlayerMenu", "Full screen"), {}, [&player] { return onOff(isFullscreen(player)); },
                   [&player](int) { toggleFullscreen(player); }});
  lines.push_back({translate("PlayerMenu", "Volume"), {},
                   [&audio] { return QString("%1%").arg(audio.playerVolume().level * 100 / PlayerVolume::kSteps); },
                   [&player, &audio](int step) {
                     changePlayerVolume(player, audio, audio.playerVolume().stepped(step));
                   }});
  lines.push_back({translate("PlayerMenu", "Sound"), {},
                   [&audio] { return audio.playerVolume().muted ? translate("PlayerMenu", "muted") : onOff(true); },
                   [&player, &audio](int) {
                     PlayerVolume volume = audio.playerVolume();
                     volume.muted = !volume.muted;
                     changePlayerVolume(player, audio, volume);
                   }});
  lines.push_back({translate("PlayerMenu", "Text speed"), {},
                   [&player] {
                     const int speed = player.mainWindow().screen().textSpeed();
                     return speed == 0 ? translate("PlayerMenu", "at once") : QString::fromUtf8("\u00D7%1").arg(speed / 100.0);
                   },
                   [&player](int step) { stepTextSpeed(player, step); }});
  lines.push_back({translate("PlayerMenu", "Speech (from the next start)"), {},
                   [] { return onOff(loadSpeechSetting(speechSettingFile())); },
                   [](int) {
                     const std::string file = speechSettingFile();
                     saveSpeechSetting(file, !loadSpeechSetting(file));
                   }});
  lines.push_back({translate("PlayerMenu", "Language (from the next start)"), {},
                   [] { return languageName(languageOf(loadLanguageChoice(languageChoiceFile()), localeVariablesOfProcess())); },
                   [](int) {
                     const std::string file = languageChoiceFile();
                     const bool english = languageOf(loadLanguageChoice(file), localeVariablesOfProcess()) ==
                                          PlayerLanguage::English;
                     saveLanguageChoice(file, english ? LanguageChoice::BrazilianPortuguese : LanguageChoice::English);
                   }});
  menu.openPage(translate("PlayerMenu", "Settings"), std::move(lines));
}

}  // namespace

void openPlayerMenu(Player& player) {
  if (player.busy()) {
    // Shown only, never traced, so it is said in the player's language.
    player.tellPlayer(utf8ToCp1252(translate("Notices", "the menu opens once the script has run").toStdString()));
    return;
  }
  PlayerMenu& menu = menuOf(&windowInFront(player));
  if (menu.isOpen()) return;
  menu.onOpenChanged = [&player, &menu](bool open) {
    player.holdRuns(open);
    if (open) {
      player.keyRouter().grabKeys([&menu](QKeyEvent& key) { menu.handleKey(key.key()); });
    } else {
      player.keyRouter().releaseKeys();
    }
  };
  std::vector<PlayerMenuItem> lines;
  lines.push_back({translate("PlayerMenu", "Continue"), [&menu] { menu.closeAll(); }, {}, {}});
  lines.push_back(
      {translate("PlayerMenu", "Save to a new slot"), closingThen(player, menu, saveGameToNextSlot), {}, {}});
  lines.push_back({translate("PlayerMenu", "Load a slot"), closingThen(player, menu, openSaveSlotList), {}, {}});
  lines.push_back({translate("PlayerMenu", "Undo the last move"), closingThen(player, menu, undoLastRun), {}, {}});
  lines.push_back({translate("PlayerMenu", "Transcript"), closingThen(player, menu, showTranscript), {}, {}});
  lines.push_back({translate("PlayerMenu", "Settings"), [&player, &menu] { openSettings(player, menu); }, {}, {}});
  lines.push_back({translate("PlayerMenu", "Keys"),
                   [&menu] { menu.openText(translate("PlayerMenu", "Keys"), translate("PlayerMenu", kKeys)); }, {}, {}});
  lines.push_back({translate("PlayerMenu", "Quit"), closingThen(player, menu, quitFromPlayer), {}, {}});
  menu.openPage(translate("PlayerMenu", "Taluvin"), std::move(lines));
}

void connectPlayerMenu(Player& player) {
  player.keyRouter().addShortcut({.keys = QKeyCombination(Qt::Key_F10), .action = [&player] { openPlayerMenu(player); }});
}

}  // namespace taluvin
