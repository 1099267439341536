// A temporary game folder played by an in-process player.
#include "support/test_game.h"

#include "script/runner.h"
#include "base/text.h"
#include "state/state_writer.h"
#include "state/text_file.h"

#include <QObject>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

namespace taluvin::testing {

TestGame::TestGame() : events_(std::make_unique<QObject>()) {
  std::random_device rd;
  auto dir = std::filesystem::temp_directory_path() / ("taluvin-test-" + std::to_string(rd()) + std::to_string(rd()));
  // The game gets a folder of its own inside the test's, so a name that climbs out of the game
  // folder still lands in the test's temporary area.
  std::filesystem::create_directories(dir / "jogo");
  beside_ = dir.string() + "/";
  folder_ = beside_ + "jogo/";
  std::vector<std::string> program(5);
  program[4] = "jogo";
  writeLines("taluvin.ini", program);
  writeLines("jogo.ini", {});
}

TestGame::~TestGame() {
  player_.reset();
  // Saves still waiting would land in a folder about to go, and say so on stderr.
  StateWriter::instance().drain();
  std::error_code ec;
  std::filesystem::remove_all(beside_, ec);
}

void TestGame::write(const std::string& name, const std::string& text) {
  std::ofstream out(folder_ + name, std::ios::binary | std::ios::trunc);
  const std::string bytes = utf8ToCp1252(text);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void TestGame::writeLines(const std::string& name, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  write(name, text);
}

void TestGame::settings(const std::vector<std::pair<int, std::string>>& lines) {
  std::vector<std::string> all(101);
  for (const auto& [index, value] : lines) all[static_cast<size_t>(index)] = value;
  writeLines("jogo.ini", all);
}

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string TestGame::read(const std::string& name) const {
  StateWriter::instance().drain();  // the player's saves are written off its thread
  return cp1252ToUtf8(fileBytes(folder_ + name));
}

std::vector<std::string> TestGame::readLines(const std::string& name) const {
  std::vector<std::string> lines;
  for (const auto& l : taluvin::readLines(folder_ + name)) lines.push_back(cp1252ToUtf8(l));
  return lines;
}

bool TestGame::exists(const std::string& name) const {
  StateWriter::instance().drain();
  return std::filesystem::exists(folder_ + name);
}

Player& TestGame::player() {
  if (!player_) {
    Options options;
    options.headless = true;
    player_ = std::make_unique<Player>(options, folder_, "taluvin");
    player_->trace().setSink([this](std::string_view line) {
      trace_.push_back(cp1252ToUtf8(line));
      if (!armed_.empty()) queueArmedEvents(trace_.back());
    });
  }
  return *player_;
}

void TestGame::start() { player().startClick(); }

void TestGame::run(const std::string& script) { player().runScript(utf8ToCp1252(script)); }

void TestGame::atTraced(const std::string& line, std::function<void()> event) {
  armed_.emplace_back(line, std::move(event));
}

void TestGame::queueArmedEvents(const std::string& line) {
  for (auto at = armed_.begin(); at != armed_.end();) {
    if (at->first != line) {
      ++at;
      continue;
    }
    QTimer::singleShot(0, events_.get(), std::move(at->second));
    at = armed_.erase(at);
  }
}

bool TestGame::traced(const std::string& line) const {
  return std::find(trace_.begin(), trace_.end(), line) != trace_.end();
}

void TestGame::quit() { player().shutdown(); }

void TestGame::restart() {
  player_.reset();
  trace_.clear();
}

std::string TestGame::reg(int k) { return cp1252ToUtf8(player().session().registers.at(k)); }

}  // namespace taluvin::testing
