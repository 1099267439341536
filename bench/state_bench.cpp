// What a game's size costs a run: object lookups over a large table, and the save after a click in a
// game of many registers.
#include "app/command_table.h"
#include "script/interpreter.h"
#include "script/run_hooks.h"
#include "script/runner.h"
#include "script/script_cache.h"
#include "script/trace_log.h"
#include "state/game_session.h"
#include "state/object_store.h"
#include "state/state_writer.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace {

class StateBenchFolder {
 public:
  StateBenchFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("taluvin-state-bench-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~StateBenchFolder() {
    taluvin::StateWriter::instance().drain();
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string folder() const { return path_.string() + "/"; }
  void write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
  }

 private:
  std::filesystem::path path_;
};

// A session, interpreter and runner over one folder, as the player holds them.
struct BenchRun {
  explicit BenchRun(const std::string& folder) {
    session.GameFolder = folder;
    interpreter = std::make_unique<taluvin::ScriptInterpreter>(session, trace, hooks, taluvin::commandTable());
    runner = std::make_unique<taluvin::ScriptRunner>(session, *interpreter, trace, hooks, scripts);
  }
  taluvin::GameSession session;
  taluvin::TraceLog trace;
  taluvin::RunHooks hooks;
  taluvin::ScriptCache scripts{taluvin::commandTable()};
  std::unique_ptr<taluvin::ScriptInterpreter> interpreter;
  std::unique_ptr<taluvin::ScriptRunner> runner;
};

// "setlocobj=" on every object of a table of N, once each: a lookup that scanned the table would
// make this grow with N squared.
void SetEveryObjectsPlace(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  StateBenchFolder folder;
  std::string script;
  taluvin::Lines table;
  for (int k = 0; k < count; ++k) {
    const std::string key = "o" + std::to_string(100000 + k);
    table.insert(table.end(), {key, key, "", "sala", "", "", "", ""});
    script += "setlocobj= " + key + ",jog\r\n";
  }
  folder.write("move.scp", script);
  BenchRun run(folder.folder());  // no GameName: the run saves no state files
  run.session.registers.reset(run.session.RegCount);
  run.session.objects.setTable(std::move(table));
  for (auto _ : state) run.runner->run("move");
  if (run.session.objects.line(count - 1, taluvin::kObjectLocation) != "jog")
    throw std::runtime_error("the last object did not move");
}
BENCHMARK(SetEveryObjectsPlace)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// A click whose script changes one register, its save included (the writer's thread works in the
// same process, so process CPU time counts it), in a game of N registers with some text in each.
void ClickChangingOneRegister(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  StateBenchFolder folder;
  folder.write("a.scp", "reg= 1,a\r\n");
  folder.write("b.scp", "reg= 1,b\r\n");
  BenchRun run(folder.folder());
  run.session.GameName = "jogo";
  run.session.RegCount = count;
  run.session.registers.reset(count);
  for (int k = 2; k <= count; ++k) run.session.registers.set(k, "valor " + std::to_string(k));
  bool flip = false;
  for (auto _ : state) {
    run.runner->run((flip = !flip) ? "a" : "b");
    taluvin::StateWriter::instance().drain();
  }
}
BENCHMARK(ClickChangingOneRegister)->Arg(250)->Arg(100000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
