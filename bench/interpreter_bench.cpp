// The interpreter's loops beside their Lua twins, with and without a trace written to a file, and
// the scripts of many labels that once cost a scan of the script per jump or per label note.
#include "app/command_table.h"
#include "base/text.h"
#include "script/interpreter.h"
#include "script/run_hooks.h"
#include "script/runner.h"
#include "script/script_cache.h"
#include "script/trace_file.h"
#include "script/trace_log.h"
#include "state/game_session.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#ifdef TALUVIN_HAVE_LUA
#include <lua.hpp>
#endif

namespace {

namespace fs = std::filesystem;

constexpr int kLoopIterations = 1000000;
constexpr int kFileCalls = 100000;
constexpr int kManyLabels = 30000;

class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device rd;
    path_ = fs::temp_directory_path() / ("taluvin-interp-bench-" + std::to_string(rd()));
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  void write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
  }
  std::string folder() const { return path_.string() + "/"; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

// One game session with its interpreter, as the player holds them, over a folder of scripts. The
// trace, when asked for, goes to a file through the sink the program's --trace FILE uses.
class ScriptBench {
 public:
  explicit ScriptBench(std::vector<std::pair<std::string, std::string>> scripts, bool traced = false) {
    for (const auto& [name, text] : scripts) folder_.write(name + ".scp", text);
    session_.GameFolder = folder_.folder();  // no GameName: the run saves no state files
    session_.registers.reset(session_.RegCount);
    if (traced) {
      traceFile_ = taluvin::TraceFile::create(folder_.file("trace.txt"));
      traceFile_->attach(trace_);
    }
  }
  void run(const std::string& name) { runner_.run(name); }
  const std::string& reg(int n) const { return session_.registers.at(n); }
  void expect(int n, const std::string& value) const {
    if (reg(n) != value) throw std::runtime_error("register " + std::to_string(n) + " holds " + reg(n));
  }

 private:
  ScratchFolder folder_;
  taluvin::GameSession session_;
  taluvin::TraceLog trace_;
  taluvin::RunHooks hooks_;
  std::unique_ptr<taluvin::TraceFile> traceFile_;
  taluvin::ScriptInterpreter interpreter_{session_, trace_, hooks_, taluvin::commandTable()};
  taluvin::ScriptCache scripts_{taluvin::commandTable()};
  taluvin::ScriptRunner runner_{session_, interpreter_, trace_, hooks_, scripts_};
};

const char* const kAddLoop =
    "reg= 1,0\r\n"
    "reg= 2,0\r\n"
    ":volta\r\n"
    "reg+ 1,1\r\n"
    "reg+ 2,3\r\n"
    "reg- 2,1\r\n"
    "ifreg< 1,1000000,volta\r\n";

const char* const kConcatLoop =
    "reg= 1,0\r\n"
    ":volta\r\n"
    "reg= 2,x\r\n"
    "reg$ 2,abc\r\n"
    "reg$ 2,#1\r\n"
    "reg+ 1,1\r\n"
    "ifreg< 1,1000000,volta\r\n";

const char* const kGosubLabelLoop =
    "reg= 1,0\r\n"
    ":volta\r\n"
    "gosub :conta\r\n"
    "ifreg< 1,1000000,volta\r\n"
    "fim\r\n"
    ":conta\r\n"
    "reg+ 1,1\r\n"
    "ret\r\n";

const char* const kGosubFileLoop =
    "reg= 1,0\r\n"
    ":volta\r\n"
    "gosub conta\r\n"
    "ifreg< 1,100000,volta\r\n";

const char* const kCalledFile =
    "reg+ 1,1\r\n"
    "ret\r\n";

void countLines(benchmark::State& state, double linesPerRun) {
  state.counters["lines_per_second"] =
      benchmark::Counter(linesPerRun * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void AddLoop(benchmark::State& state) {
  ScriptBench bench({{"laco", kAddLoop}}, state.range(0) != 0);
  for (auto _ : state) {
    bench.run("laco");
    bench.expect(1, "1000000");
    bench.expect(2, "2000000");
  }
  countLines(state, 4.0 * kLoopIterations);
}
BENCHMARK(AddLoop)->ArgName("traced")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

void ConcatLoop(benchmark::State& state) {
  ScriptBench bench({{"laco", kConcatLoop}}, state.range(0) != 0);
  for (auto _ : state) {
    bench.run("laco");
    bench.expect(2, "xabc999999");
  }
  countLines(state, 5.0 * kLoopIterations);
}
BENCHMARK(ConcatLoop)->ArgName("traced")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

void GosubLabelLoop(benchmark::State& state) {
  ScriptBench bench({{"laco", kGosubLabelLoop}}, state.range(0) != 0);
  for (auto _ : state) {
    bench.run("laco");
    bench.expect(1, "1000000");
  }
  countLines(state, 4.0 * kLoopIterations);
}
BENCHMARK(GosubLabelLoop)->ArgName("traced")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

void GosubFileLoop(benchmark::State& state) {
  ScriptBench bench({{"laco", kGosubFileLoop}, {"conta", kCalledFile}}, state.range(0) != 0);
  for (auto _ : state) {
    bench.run("laco");
    bench.expect(1, "100000");
  }
  countLines(state, 4.0 * kFileCalls);
}
BENCHMARK(GosubFileLoop)->ArgName("traced")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// goto L0, :L0, goto L1, :L1, ... : every jump lands below, on a label of its own.
std::string labelChain(int labels) {
  std::string script = "goto L0\r\n";
  for (int i = 0; i < labels; ++i) {
    script += ":L" + std::to_string(i) + "\r\n";
    if (i + 1 < labels) script += "goto L" + std::to_string(i + 1) + "\r\n";
  }
  return script + "reg= 1,fim\r\n";
}

void LabelsReachedByGoto(benchmark::State& state) {
  ScriptBench bench({{"saltos", labelChain(kManyLabels)}});
  for (auto _ : state) {
    bench.run("saltos");
    bench.expect(1, "fim");
  }
}
BENCHMARK(LabelsReachedByGoto)->Unit(benchmark::kMillisecond)->Iterations(1);

std::string labelsOnly(int labels) {
  std::string script;
  for (int i = 0; i < labels; ++i) script += ":L" + std::to_string(i) + "\r\n";
  return script + "reg= 1,fim\r\n";
}

void LabelsFallenThroughTraced(benchmark::State& state) {
  ScriptBench bench({{"rotulos", labelsOnly(kManyLabels)}}, true);
  for (auto _ : state) {
    bench.run("rotulos");
    bench.expect(1, "fim");
  }
}
BENCHMARK(LabelsFallenThroughTraced)->Unit(benchmark::kMillisecond)->Iterations(1);

#ifdef TALUVIN_HAVE_LUA
// Registers as a table of strings, converted with tonumber/tostring at every step, as the
// scripts' registers are text.
class LuaBench {
 public:
  explicit LuaBench(const char* chunk) : lua_(luaL_newstate()) {
    luaL_openlibs(lua_);
    if (luaL_loadstring(lua_, chunk) != LUA_OK) throw std::runtime_error(lua_tostring(lua_, -1));
    chunk_ = luaL_ref(lua_, LUA_REGISTRYINDEX);
  }
  ~LuaBench() { lua_close(lua_); }
  lua_State* state() { return lua_; }
  // Runs the chunk with one text argument and returns its one text result.
  std::string run(const std::string& argument = {}) {
    lua_rawgeti(lua_, LUA_REGISTRYINDEX, chunk_);
    lua_pushstring(lua_, argument.c_str());
    if (lua_pcall(lua_, 1, 1, 0) != LUA_OK) throw std::runtime_error(lua_tostring(lua_, -1));
    std::string result = lua_tostring(lua_, -1);
    lua_pop(lua_, 1);
    return result;
  }

 private:
  lua_State* lua_;
  int chunk_ = 0;
};

const char* const kLuaAddLoop = R"(
local r = {}
for i = 0, 250 do r[i] = "" end
r[1] = "0"
r[2] = "0"
repeat
  r[1] = tostring((tonumber(r[1]) or 0) + 1)
  r[2] = tostring((tonumber(r[2]) or 0) + 3)
  r[2] = tostring((tonumber(r[2]) or 0) - 1)
until not ((tonumber(r[1]) or 0) < 1000000)
return r[1] .. "," .. r[2]
)";

void LuaAddLoop(benchmark::State& state) {
  LuaBench lua(kLuaAddLoop);
  for (auto _ : state)
    if (lua.run() != "1000000,2000000") throw std::runtime_error("the Lua loop computed the wrong registers");
  countLines(state, 4.0 * kLoopIterations);
}
BENCHMARK(LuaAddLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

const char* const kLuaConcatLoop = R"(
local r = {}
for i = 0, 250 do r[i] = "" end
r[1] = "0"
repeat
  r[2] = "x"
  r[2] = r[2] .. "abc"
  r[2] = r[2] .. r[1]
  r[1] = tostring((tonumber(r[1]) or 0) + 1)
until not ((tonumber(r[1]) or 0) < 1000000)
return r[2]
)";

void LuaConcatLoop(benchmark::State& state) {
  LuaBench lua(kLuaConcatLoop);
  for (auto _ : state)
    if (lua.run() != "xabc999999") throw std::runtime_error("the Lua loop computed the wrong text");
  countLines(state, 5.0 * kLoopIterations);
}
BENCHMARK(LuaConcatLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

const char* const kLuaCallLoop = R"(
local r = {}
for i = 0, 250 do r[i] = "" end
local function conta()
  r[1] = tostring((tonumber(r[1]) or 0) + 1)
end
r[1] = "0"
repeat
  conta()
until not ((tonumber(r[1]) or 0) < 1000000)
return r[1]
)";

void LuaCallLoop(benchmark::State& state) {
  LuaBench lua(kLuaCallLoop);
  for (auto _ : state)
    if (lua.run() != "1000000") throw std::runtime_error("the Lua loop computed the wrong count");
  countLines(state, 4.0 * kLoopIterations);
}
BENCHMARK(LuaCallLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

// The called file is read and compiled at every call, as the script file is looked up at every
// call and return.
const char* const kLuaDofileLoop = R"(
local path = ...
r = {}
for i = 0, 250 do r[i] = "" end
r[1] = "0"
repeat
  dofile(path)
until not ((tonumber(r[1]) or 0) < 100000)
return r[1]
)";

void LuaDofileLoop(benchmark::State& state) {
  ScratchFolder folder;
  folder.write("conta.lua", "r[1] = tostring((tonumber(r[1]) or 0) + 1)\n");
  LuaBench lua(kLuaDofileLoop);
  for (auto _ : state)
    if (lua.run(folder.file("conta.lua")) != "100000") throw std::runtime_error("the Lua loop computed the wrong count");
  countLines(state, 4.0 * kFileCalls);
}
BENCHMARK(LuaDofileLoop)->Unit(benchmark::kMillisecond)->Iterations(3);
#endif

}  // namespace
