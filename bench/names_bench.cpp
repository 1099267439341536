// A run naming 1,000 pictures in another letter case than the folder spells them, against the same run naming them as spelled.
#include "app/options.h"
#include "app/player/player.h"
#include "present/picture_file.h"
#include "state/state_writer.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kPictures = 1000;

// The benchmark binary's one application: another benchmark may have made it already.
void ensureApplication() {
  if (QCoreApplication::instance()) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  static int argc = 1;
  static char name[] = "taluvin_bench";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

std::string pictureName(const char* stem, int k) {
  char number[8];
  std::snprintf(number, sizeof number, "%04d", k);
  return std::string(stem) + number + ".bmp";
}

// A game whose folder holds 1,000 small pictures spelled "Quadro0000.bmp" and so on, and two
// scripts drawing each of them once: "exato" names them as spelled, "outro" as "quadro0000.bmp".
// The user's data and config folders lie inside it too.
class PictureFolderGame {
 public:
  PictureFolderGame() {
    std::random_device rd;
    base_ = std::filesystem::temp_directory_path() / ("taluvin-names-bench-" + std::to_string(rd()) + std::to_string(rd()));
    const auto folder = base_ / "jogo";
    std::filesystem::create_directories(folder);
    for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
      const char* value = std::getenv(variable);
      saved_.emplace_back(variable, value ? std::optional<std::string>(value) : std::nullopt);
    }
    setenv("XDG_DATA_HOME", (base_ / "user-data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (base_ / "user-config").c_str(), 1);
    write(folder / "taluvin.ini", "\r\n\r\n\r\n\r\njogo\r\n");
    write(folder / "jogo.ini", "");
    write(folder / "start.scp", "cleartela 000000\r\n");
    QImage picture(8, 8, QImage::Format_RGB888);
    std::string exact, other;
    for (int k = 0; k < kPictures; ++k) {
      picture.fill(QColor(k % 256, k / 256, 128));
      taluvin::writeBmp((folder / pictureName("Quadro", k)).string(), picture);
      const std::string place = "," + std::to_string(k % 70 * 8) + "," + std::to_string(k / 70 * 8) + "\r\n";
      exact += "display= " + pictureName("Quadro", k) + ",tel" + place;
      other += "display= " + pictureName("quadro", k) + ",tel" + place;
    }
    write(folder / "exato.scp", exact);
    write(folder / "outro.scp", other);
    folder_ = folder.string() + "/";
  }
  ~PictureFolderGame() {
    taluvin::StateWriter::instance().drain();
    std::error_code ec;
    std::filesystem::remove_all(base_, ec);
    for (const auto& [variable, value] : saved_) {
      if (value)
        setenv(variable.c_str(), value->c_str(), 1);
      else
        unsetenv(variable.c_str());
    }
  }
  const std::string& folder() const { return folder_; }

 private:
  static void write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  }

  std::filesystem::path base_;
  std::string folder_;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// One run of the real player drawing the 1,000 pictures: argument 0 names them as spelled, 1 in
// another letter case. Each run reads the folder's listing afresh, as a player's runs do.
void RunNamingAThousandPictures(benchmark::State& state) {
  ensureApplication();
  PictureFolderGame game;
  taluvin::Options options;
  options.headless = true;
  auto player = std::make_unique<taluvin::Player>(options, game.folder(), "taluvin");
  player->startClick();
  const std::string script = state.range(0) == 0 ? "exato" : "outro";
  player->runScript(script);  // the pictures decoded once, as a player's second visit finds them
  for (auto _ : state) {
    player->runScript(script);
    state.PauseTiming();
    taluvin::StateWriter::instance().drain();
    state.ResumeTiming();
  }
  state.SetLabel(state.range(0) == 0 ? "names as spelled" : "names in another case");
  player->shutdown();
  player.reset();
}
BENCHMARK(RunNamingAThousandPictures)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
