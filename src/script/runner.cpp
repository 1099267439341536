// The script runner: preparation, the line loop, and the end-of-run steps.
#include "script/runner.h"

#include "base/run_abort.h"
#include "base/text.h"
#include "script/markup.h"
#include "script/script_file.h"
#include "state/game_session.h"
#include "state/lifecycle.h"
#include "state/state_writer.h"

namespace taluvin {

ScriptRunner::ScriptRunner(GameSession& session, ScriptInterpreter& interpreter, TraceLog& trace, RunHooks& hooks,
                           ScriptCache& scripts)
    : session_(session), interpreter_(interpreter), trace_(trace), hooks_(hooks), cache_(scripts) {
  interpreter_.setRunControl(this);
}

bool ScriptRunner::loadScript(const std::string& name) {
  auto path = scriptPath(session_, name);
  if (!path) return false;
  auto script = cache_.load(*path);
  if (!script) return false;
  session_.ScriptLines.share(script->lines());
  interpreter_.useScript(std::move(script));
  return true;
}

void ScriptRunner::traceHeader(const std::string& name) {
  if (!trace_.enabled()) return;
  trace_.line("Executando script: " + name + ".scp");
  trace_.line("Labels neste script...");
  trace_.line(interpreter_.currentScript().labelList());
  trace_.line("");
}

void ScriptRunner::saveState() {
  if (!session_.gameOpen()) return;
  // Registers, objects and the settings naming the place of one run land together or not at all.
  StateSet set;
  set.add(session_.gameFile(".rgs"), session_.registers.lines());
  set.add(session_.gameFile(".obx"), session_.objects.table());
  addRunSettings(set, session_, hooks_.windowGeometry());
  set.submit();
}

void ScriptRunner::run(std::string requested) {
  ++depth_;
  struct DepthGuard {
    int& depth;
    ~DepthGuard() { --depth; }
  } guard{depth_};

  try {
    // Files may have come and gone since the last run: names are matched against fresh listings.
    session_.folderNames.clear();
    // Interaction reset and layout from the settings.
    session_.Script = requested;
    session_.GosubScript.clear();
    session_.GosubLine = -1;
    hooks_.resetInteraction();
    hooks_.applyRunLayout();

    // Link parameters and aliases.
    session_.Prm.clear();
    session_.Prx.clear();
    session_.Pry.clear();
    std::string name = requested.find('&') != std::string::npos ? parseLinkQuery(session_, requested) : requested;
    name = resolveScriptAlias(session_, name);
    session_.Script = name;

    // A missing script leaves the previous lines loaded, and they run again.
    if (loadScript(name)) {
      traceHeader(name);
    } else {
      static const std::string kNotFound = w("Não encontrei o script: ");
      trace_.line(kNotFound + name + ".scp");
      trace_.line("");
    }

    interpreter_.startEventClock();
    interpretAll();
  } catch (const RunAbort& failure) {
    // The message keeps its own text and says where: an author sees which line of which script to
    // look at. The failing line's trace, as far as it got, goes before it.
    std::string where = std::move(abortWhere_);
    abortWhere_.clear();
    if (where.empty()) where = "before the first line of " + session_.Script + ".scp";
    // The rest of the script and the end-of-run steps are skipped; the session keeps its changes.
    // A run nested in a waiting command shares the lines with the run that waits: leaving them at
    // their end stops that run too, so no line of the aborted script runs after its failure.
    session_.CurLine = static_cast<int>(session_.ScriptLines.size());
    trace_.line(failure.what());
    trace_.line(where);
    trace_.flush();
    if (!dynamic_cast<const RunStopped*>(&failure)) hooks_.showRunAbort(std::string(failure.what()) + "\n" + where);
    ++finished_;
    return;
  }

  hooks_.updateScreen();
  saveState();
  trace_.flush();
  hooks_.letEventsRun();
  hooks_.settleAfterRun();
  ++finished_;
}

void ScriptRunner::interpretAll() {
  session_.CurLine = 0;
  try {
    while (session_.CurLine < static_cast<int>(session_.ScriptLines.size())) {
      interpreter_.interpretLine();
      if (!interpreter_.traceAlreadyHanded()) interpreter_.Trace.write();
      ++session_.CurLine;
    }
  } catch (const RunAbort&) {
    // The failing line's trace, as far as it got, goes before the message.
    abortWhere_ = abortLocation();
    if (!interpreter_.traceAlreadyHanded()) interpreter_.Trace.write();
    throw;
  }
}

std::string ScriptRunner::abortLocation() const {
  const std::string file = session_.Script + ".scp";
  const int line = session_.CurLine;
  if (line < 0 || line >= static_cast<int>(session_.ScriptLines.size())) return "in " + file + ", after its last line";
  return "in " + file + ", line " + std::to_string(line + 1) + ": " +
         trim(session_.ScriptLines[static_cast<size_t>(line)]);
}

}  // namespace taluvin
