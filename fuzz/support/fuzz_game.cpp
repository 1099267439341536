// A scratch game folder and a player that gives up on a script once its budget is spent.
#include "support/fuzz_game.h"

#include "app/player/player.h"
#include "base/run_abort.h"
#include "script/runner.h"
#include "state/text_file.h"

#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace taluvin::fuzz {

namespace {

// Far beyond what any seed needs, yet an input that loops is given up within about a second.
constexpr long long kLineBudget = 20000;
constexpr auto kTimeBudget = std::chrono::milliseconds(1000);

class BoundedPlayer : public Player {
 public:
  BoundedPlayer(const Options& options, const std::string& folder)
      : Player(options, folder, "taluvin"), started_(std::chrono::steady_clock::now()) {
    trace().setSink([this](std::string_view) { countLine(); });
  }

  // Waiting commands and endless loops ask this between their steps and stop when it says so.
  bool quitting() const override { return Player::quitting() || spent(); }
  void showRunAbort(const std::string&) override {}

 private:
  bool spent() const {
    return lines_ > kLineBudget || std::chrono::steady_clock::now() - started_ > kTimeBudget;
  }

  void countLine() {
    // Typed-out console text sleeps per character; the fuzzer learns nothing from the waiting.
    session().typingSpeed = 0;
    ++lines_;
    // Thrown only inside a run, where the runner catches it as it catches any failed line.
    if (spent() && runner().depth() > 0) throw RunAbort("fuzz budget spent");
  }

  std::chrono::steady_clock::time_point started_;
  long long lines_ = 0;
};

std::string makeScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "taluvin-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data())) std::abort();
  std::atexit([] { std::filesystem::remove_all(scratchFolder()); });
  return pattern + "/";
}

}  // namespace

void startApplication(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  // Kept for the whole process: widgets need it, and making one per input would dominate the time.
  static QApplication* application = new QApplication(*argc, *argv);
  (void)application;
}

const std::string& scratchFolder() {
  // Never destroyed, so the exit handler that removes the folder can still read its name.
  static const std::string* folder = new std::string(makeScratchFolder());
  return *folder;
}

void clearScratch() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(scratchFolder(), ignored))
    std::filesystem::remove_all(entry.path(), ignored);
}

std::string_view asText(const uint8_t* data, size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

void writeFile(const std::string& name, std::string_view bytes) {
  std::ofstream out(scratchFolder() + name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void writeGame(const GameFiles& files) {
  clearScratch();
  writeFile("taluvin.ini", "\r\n\r\n\r\n\r\njogo\r\n");
  writeFile("jogo.ini", files.settings);
  writeFile("jogo.rgs", files.registers);
  writeFile("jogo.obz", files.catalogue);
  writeFile("jogo.obx", files.table);
  writeFile("start.scp", files.start);
}

void playGame() {
  Options options;
  options.headless = true;
  BoundedPlayer player(options, scratchFolder());
  try {
    player.startClick();
  } catch (const RunAbort&) {
    // The budget ran out outside the innermost run's own catch; the input has been played.
  }
}

std::pair<std::string_view, std::string_view> splitAtNul(std::string_view bytes) {
  const size_t nul = bytes.find('\0');
  if (nul == std::string_view::npos) return {bytes, std::string_view()};
  return {bytes.substr(0, nul), bytes.substr(nul + 1)};
}

}  // namespace taluvin::fuzz
