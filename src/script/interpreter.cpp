// The interpreter loop for one line: classify, split, dispatch, with quote text and jumps.
#include "script/interpreter.h"

#include "base/numbers.h"
#include "base/text.h"
#include "script/markup.h"
#include "script/runner.h"
#include "script/script_file.h"
#include "state/game_session.h"

#include <algorithm>

namespace taluvin {

ScriptInterpreter::ScriptInterpreter(GameSession& session, TraceLog& trace, RunHooks& hooks,
                                     const CommandIndex& commands)
    : session_(session), trace_(trace), hooks_(hooks), commands_(commands) {}

void ScriptInterpreter::interpretLine() {
  traceHanded_ = false;
  for (;;) {
    if (!beginLine()) return;
    if (Rest[0] == '\'') {
      if (quoteText()) continue;
      return;
    }
    // The command word, then up to nine arguments.
    const auto blank = Rest.find(' ');
    if (blank == std::string::npos) {
      Cmd.swap(Rest);
      Rest.clear();
    } else {
      Cmd.assign(Rest, 0, blank);
      Rest.erase(0, blank + 1);
    }
    if (trace_.enabled()) {
      Trace += Cmd;
      Trace += ' ';
    }
    // Arguments are cut from a view of Rest into the slots' own buffers, so a line costs no
    // reallocation of Rest per argument.
    std::string_view rest = Rest;
    const bool wholeRest = takesWholeRest();
    for (int slot = 1; slot <= kSlots; ++slot) {
      if (rest.empty())
        Args[static_cast<size_t>(slot)].clear();
      else
        takeArgument(rest, Args[static_cast<size_t>(slot)], wholeRest);
    }
    Rest.erase(0, Rest.size() - rest.size());
    dispatch();
    // A found "goto" moved CurLine past its label and left that line in Rest to run now.
    if (continueLine_) {
      continueLine_ = false;
      continue;
    }
    return;
  }
}

void ScriptInterpreter::startEventClock() {
  lastEvents_ = lastClockReading_ = Clock::now();
  // The first readings come early, so a run of slow lines finds its pace at once; fast lines
  // double the stride at every reading.
  clockStride_ = linesUntilClock_ = kFirstClockStride;
}

bool ScriptInterpreter::stopRun() {
  moveToLine(static_cast<int>(session_.ScriptLines.size()));
  return false;
}

bool ScriptInterpreter::letEventsRunWhenDue() {
  // A script that loops without ever pausing, or whose lines are slow, would freeze the window.
  // Once a run has gone an event interval without a wait, the window's events run as during a
  // pause, so it repaints and can be closed.
  constexpr auto kEventInterval = std::chrono::milliseconds(50);
  // A clock reading costs as much as several plain lines, so it is taken every so many lines; that
  // number follows the lines' cost, so slow lines still read it about every millisecond.
  constexpr auto kReadingInterval = std::chrono::microseconds(1000);
  const auto now = Clock::now();
  const auto sinceReading = std::max<Clock::duration>(now - lastClockReading_, Clock::duration(1));
  const auto scaled = static_cast<unsigned long long>(clockStride_) *
                      static_cast<unsigned long long>(Clock::duration(kReadingInterval).count()) /
                      static_cast<unsigned long long>(sinceReading.count());
  const unsigned longest = std::min(2 * clockStride_, kMaxClockStride);
  clockStride_ = static_cast<unsigned>(std::clamp<unsigned long long>(scaled, 1, longest));
  linesUntilClock_ = clockStride_;
  lastClockReading_ = now;
  if (now - lastEvents_ < kEventInterval) return true;

  const long long runsBefore = runner_->runsFinished();
  hooks_.letEventsRun();
  lastEvents_ = lastClockReading_ = Clock::now();
  if (hooks_.quitting()) return stopRun();
  // A click meanwhile ran a script of its own: as after a pause, this run goes on from where
  // that one left the lines, which is usually past their end.
  if (runner_->runsFinished() != runsBefore) {
    Trace.clear();
    traceHanded_ = true;
    return false;
  }
  return true;
}

bool ScriptInterpreter::beginLine() {
  // The player ending the program stops the run here, even one that loops without ever waiting.
  if (*stopFlag_) return stopRun();
  if (runner_ && --linesUntilClock_ == 0 && !letEventsRunWhenDue()) return false;
  // The trace text is only put together when someone reads it: a label's note scans the script.
  const bool tracing = trace_.enabled();
  Trace.clear();
  if (tracing) TraceLog::appendPrefix(Trace, session_.CurLine);
  auto trimmed = trimView(Rest);
  if (trimmed.size() != Rest.size()) Rest = std::string(trimmed);
  if (Rest.empty()) return false;
  Cmd.clear();
  const char first = Rest[0];
  if (first == ':' || first == '/' || first == ';') {
    if (!tracing) return false;
    Trace += Rest;
    if (first == ':') {
      Trace += " <-";
      Trace += labelReferenceNote(session_.ScriptLines, Rest);
    }
    return false;
  }
  if (first == '|') {
    Rest = trim(std::string_view(Rest).substr(1));
    if (Rest.empty()) return false;
  }
  return true;
}

std::string ScriptInterpreter::nextArgument() {
  std::string_view rest = Rest;
  std::string arg;
  takeArgument(rest, arg, takesWholeRest());
  Rest.erase(0, Rest.size() - rest.size());
  return arg;
}

bool ScriptInterpreter::takesWholeRest() const { return Cmd == "msg+" || Cmd == "msg="; }

void ScriptInterpreter::takeArgument(std::string_view& rest, std::string& arg, bool wholeRest) {
  if (wholeRest) {
    // The message commands read any register named, and a register the table lacks aborts the run.
    if (!rest.empty() && rest[0] == '#')
      arg = session_.registers.at(toIntOr(rest.substr(1), 0));
    else
      arg.assign(rest);
    rest = {};
    return;
  }
  const auto comma = rest.find(',');
  std::string_view piece = rest.substr(0, comma);
  rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  if (!piece.empty() && piece[0] == '#') {
    const int32_t k = toIntOr(piece.substr(1), 0);
    if (k >= 0 && k < session_.RegCount) {
      arg = session_.registers.at(k);
      return;
    }
    piece.remove_prefix(1);
  }
  arg.assign(piece);
}

bool ScriptInterpreter::quoteText() {
  const ScreenModel model = session_.Modelo.kind();
  std::string line = expandAllMarkup(std::string_view(Rest).substr(1), model);
  std::string collected;
  std::string firstPrefix;
  if (trace_.enabled()) TraceLog::appendPrefix(firstPrefix, session_.CurLine);
  const auto lineCount = static_cast<int>(session_.ScriptLines.size());
  while (line.find('\'') == std::string::npos && session_.CurLine + 1 < lineCount) {
    if (model == ScreenModel::WebPage && !line.empty() && line[0] == '#') line = hooks_.quoteFormForPage(line);
    collected += line;
    collected += ' ';
    ++session_.CurLine;
    line = expandAllMarkup(trimView(session_.ScriptLines[static_cast<size_t>(session_.CurLine)]), model);
  }
  const auto quote = line.find('\'');
  if (quote != std::string::npos) line.erase(quote);
  collected += line;
  hooks_.showQuoteText(collected);
  if (trace_.enabled()) trace_.line(firstPrefix + line);
  // The line after the block runs within this call; a block closing the script simply ends the run.
  return moveToLine(session_.CurLine + 1);
}

bool ScriptInterpreter::moveToLine(int index) {
  session_.CurLine = index;
  if (index >= 0 && index < static_cast<int>(session_.ScriptLines.size())) {
    Rest = session_.ScriptLines[static_cast<size_t>(index)];
    return true;
  }
  // Past the last line: leave CurLine there so the runner's loop stops, and keep the trace quiet.
  Trace.clear();
  traceHanded_ = true;
  return false;
}

void ScriptInterpreter::dispatch() {
  int from = 0;
  for (;;) {
    const int entry = commands_.find(Cmd);
    if (entry < from) return;  // no such keyword, or testing has already passed it
    const auto& row = commands_[static_cast<size_t>(entry)];
    const Flow flow = row.handler(*this);
    if (flow.handsOn()) handOn(flow);
    switch (flow.kind()) {
      case Flow::Kind::Jump:
        from = commands_.gotoEntry();
        continue;
      case Flow::Kind::Restart:
        from = 0;
        continue;
      case Flow::Kind::LineAt:
        // A found "goto" moves past its label and leaves that line in Rest to run now.
        continueLine_ = moveToLine(flow.line());
        return;
      case Flow::Kind::ResumeAfter:
        session_.CurLine = flow.line();
        return;
      case Flow::Kind::EndRun:
        // Well past the last line, so no step of the runner's loop lands back inside the script.
        session_.CurLine = static_cast<int>(session_.ScriptLines.size()) + 10;
        return;
      case Flow::Kind::Done:
        if (!row.goesOn) return;
        from = entry + 1;
        continue;
    }
  }
}

void ScriptInterpreter::handOn(const Flow& flow) {
  trace_.line(Trace);
  Trace = std::move(NextTrace);
  NextTrace.clear();
  traceHanded_ = true;
  if (flow.tracesHeader()) {
    trace_.line(Trace);
    Trace.clear();
    runner_->traceHeader(session_.Script);
  }
}

Flow ScriptInterpreter::jumpIf(bool condition, const std::string& label) {
  static const std::string kJumped = " <- saltou";
  static const std::string kNotJumped = w(" <- não saltou");
  if (!condition) {
    Trace += kNotJumped;
    return Flow::Done;
  }
  Trace += kJumped;
  std::string target = label;  // label may be one of the slots about to be overwritten
  Cmd = "goto";
  Args[1] = std::move(target);
  return Flow::Jump;
}

Flow ScriptInterpreter::executeFrom(int k) {
  Cmd = Args[static_cast<size_t>(k)];
  for (int slot = 1; slot <= kSlots; ++slot) {
    const int from = slot + k;
    if (from <= kSlots)
      Args[static_cast<size_t>(slot)] = std::move(Args[static_cast<size_t>(from)]);
    else
      Args[static_cast<size_t>(slot)].clear();
  }
  Trace = "Exec: ";
  Trace += Cmd;
  Trace += ' ';
  return Flow::Restart;
}

}  // namespace taluvin
