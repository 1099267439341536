// Script lines per second of a register-arithmetic loop, beside the same loop in Lua over strings.
#include "app/command_table.h"
#include "script/interpreter.h"
#include "script/run_hooks.h"
#include "script/runner.h"
#include "script/trace_log.h"
#include "state/game_session.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#ifdef TALUVIN_HAVE_LUA
#include <lua.hpp>
#endif

namespace {

constexpr int kIterations = 1000000;
constexpr int kLinesPerIteration = 4;  // three arithmetic lines and the jump; the label line is skipped
constexpr int kSetupLines = 2;

// Written as a game author would: registers are text, the loop counter included.
const char* const kScript =
    "reg= 1,0\r\n"
    "reg= 2,0\r\n"
    ":volta\r\n"
    "reg+ 1,1\r\n"
    "reg+ 2,3\r\n"
    "reg- 2,1\r\n"
    "ifreg< 1,1000000,volta\r\n";

class BenchFolder {
 public:
  BenchFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("taluvin-bench-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
    std::ofstream(path_ / "laco.scp", std::ios::binary) << kScript;
  }
  ~BenchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string folder() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

void ScriptRegisterLoop(benchmark::State& state) {
  BenchFolder folder;
  taluvin::GameSession session;
  session.GameFolder = folder.folder();  // no GameName: the run saves no state files
  session.registers.reset(session.RegCount);
  taluvin::TraceLog trace;
  taluvin::RunHooks hooks;
  taluvin::ScriptInterpreter interpreter(session, trace, hooks, taluvin::commandTable());
  taluvin::ScriptRunner runner(session, interpreter, trace, hooks);
  for (auto _ : state) {
    runner.run("laco");
    if (session.registers.at(1) != "1000000" || session.registers.at(2) != "2000000")
      throw std::runtime_error("the script loop computed the wrong registers");
  }
  const double lines = static_cast<double>(kIterations) * kLinesPerIteration + kSetupLines;
  state.counters["lines_per_second"] =
      benchmark::Counter(lines * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(ScriptRegisterLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

#ifdef TALUVIN_HAVE_LUA
// The same registers as a table of strings, converted with tonumber/tostring at every step.
const char* const kLuaLoop = R"(
local r = {}
for i = 0, 250 do r[i] = "" end
r[1] = "0"
r[2] = "0"
repeat
  r[1] = tostring((tonumber(r[1]) or 0) + 1)
  r[2] = tostring((tonumber(r[2]) or 0) + 3)
  r[2] = tostring((tonumber(r[2]) or 0) - 1)
until not ((tonumber(r[1]) or 0) < 1000000)
return r[1], r[2]
)";

void LuaStringTableLoop(benchmark::State& state) {
  lua_State* lua = luaL_newstate();
  luaL_openlibs(lua);
  if (luaL_loadstring(lua, kLuaLoop) != LUA_OK) throw std::runtime_error(lua_tostring(lua, -1));
  const int chunk = luaL_ref(lua, LUA_REGISTRYINDEX);
  for (auto _ : state) {
    lua_rawgeti(lua, LUA_REGISTRYINDEX, chunk);
    if (lua_pcall(lua, 0, 2, 0) != LUA_OK) throw std::runtime_error(lua_tostring(lua, -1));
    if (std::string(lua_tostring(lua, -2)) != "1000000" || std::string(lua_tostring(lua, -1)) != "2000000")
      throw std::runtime_error("the Lua loop computed the wrong registers");
    lua_pop(lua, 2);
  }
  lua_close(lua);
  const double lines = static_cast<double>(kIterations) * kLinesPerIteration + kSetupLines;
  state.counters["lines_per_second"] =
      benchmark::Counter(lines * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(LuaStringTableLoop)->Unit(benchmark::kMillisecond)->Iterations(3);
#endif

}  // namespace

BENCHMARK_MAIN();
