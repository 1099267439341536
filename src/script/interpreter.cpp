// The interpreter loop for one line: classify, split, dispatch, with quote text and jumps.
#include "script/interpreter.h"

#include "base/numbers.h"
#include "base/text.h"
#include "script/debugger.h"
#include "script/line_syntax.h"
#include "script/markup.h"
#include "script/script_file.h"
#include "state/game_session.h"

#include <algorithm>

namespace taluvin {

ScriptInterpreter::ScriptInterpreter(GameSession& session, TraceLog& trace, RunHooks& hooks,
                                     const CommandIndex& commands)
    : Trace(trace),
      NextTrace(trace),
      session_(session),
      scriptLines_(session.ScriptLines),
      trace_(trace),
      hooks_(hooks),
      commands_(commands) {}

void ScriptInterpreter::interpretLine() {
  if (debugger_) [[unlikely]] {
    debugger_->beforeLines();
    interpretLines();
    debugger_->afterLines();
    return;
  }
  interpretLines();
}

void ScriptInterpreter::interpretLines() {
  traceHanded_ = false;
  for (;;) {
    if (!lineMayRun()) return;
    // A line reached by a jump within this call is a line of its own for a breakpoint too.
    if (debugger_ && !debugger_->beforeLine()) [[unlikely]] {
      stopRun();
      return;
    }
    const ParsedScript& script = currentScript();
    const int index = session_.CurLine;
    const ParsedLine& line = script.line(static_cast<size_t>(index));
    // The trace text is only put together when someone reads it.
    if (Trace.on())
      Trace = script.traceHead(static_cast<size_t>(index));
    else
      Trace.clear();
    switch (line.kind) {
      case LineKind::Blank:
        return;
      case LineKind::Label:
      case LineKind::Comment:
        Cmd.clear();
        return;
      case LineKind::QuoteText:
        Cmd.clear();
        if (quoteText(line.text)) continue;
        return;
      case LineKind::Command:
        break;
    }
    Cmd.assign(line.word);
    takeArguments(script, line);
    dispatch(line.entry);
    // A found "goto" moved CurLine past its label: that line runs now.
    if (continueLine_) {
      continueLine_ = false;
      continue;
    }
    return;
  }
}

const ParsedScript& ScriptInterpreter::parseCurrentScript() {
  // Lines the runner loaded come with their parsed form; any others are parsed once, here.
  script_ = std::make_shared<const ParsedScript>(session_.ScriptLines.shared(), commands_);
  return *script_;
}

void ScriptInterpreter::readCommandLine(int index) {
  const ParsedScript& script = currentScript();
  const ParsedLine& line = script.line(static_cast<size_t>(index));
  Cmd.assign(line.word);
  takeArguments(script, line);
}

void ScriptInterpreter::takeArguments(const ParsedScript& script, const ParsedLine& line) {
  const ArgumentPiece* pieces = script.pieces(line);
  const int count = line.pieceCount;
  for (int slot = 1; slot <= count; ++slot) takePiece(pieces[slot - 1], Args[static_cast<size_t>(slot)], line.wholeRest);
  // The slots past the last line's pieces are empty already; only those it filled are emptied.
  for (int slot = count + 1; slot <= argsInUse_; ++slot) Args[static_cast<size_t>(slot)].clear();
  argsInUse_ = std::max(count, kSlotsHandlersWrite);
}

void ScriptInterpreter::takePiece(const ArgumentPiece& piece, std::string& arg, bool wholeRest) {
  if (!piece.namesRegister) {
    arg.assign(piece.text);
    return;
  }
  // The message commands read any register named, and a register the table lacks aborts the run.
  if (wholeRest) {
    arg = session_.registers.at(piece.registerNumber);
    return;
  }
  if (piece.registerNumber >= 0 && piece.registerNumber < session_.RegCount)
    arg = session_.registers.at(piece.registerNumber);
  else
    arg.assign(piece.text.substr(1));
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

  const long long runsBefore = run_->runsFinished();
  hooks_.letEventsRun();
  lastEvents_ = lastClockReading_ = Clock::now();
  if (hooks_.quitting()) return stopRun();
  // A click meanwhile ran a script of its own: as after a pause, this run goes on from where
  // that one left the lines, which is usually past their end.
  if (run_->runsFinished() != runsBefore) {
    Trace.clear();
    traceHanded_ = true;
    return false;
  }
  return true;
}

bool ScriptInterpreter::lineMayRun() {
  // The player ending the program stops the run here, even one that loops without ever waiting.
  if (*stopFlag_) return stopRun();
  return !(run_ && --linesUntilClock_ == 0 && !letEventsRunWhenDue());
}

bool ScriptInterpreter::quoteText(std::string_view opening) {
  const ScreenModel model = session_.Modelo.kind();
  std::string line = expandAllMarkup(opening.substr(1), model);
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
  if (index >= 0 && index < static_cast<int>(session_.ScriptLines.size())) return true;
  // Past the last line: leave CurLine there so the runner's loop stops, and keep the trace quiet.
  Trace.clear();
  traceHanded_ = true;
  return false;
}

void ScriptInterpreter::dispatch(int entry) {
  // The first row was found when the line was read; a word a handler rewrote is looked up again.
  int from = 0;
  for (;;) {
    if (entry < from) return;  // no such keyword, or testing has already passed it
    const auto& row = commands_[static_cast<size_t>(entry)];
    const Flow flow = row.handler(*this);
    if (flow.handsOn()) handOn(flow);
    switch (flow.kind()) {
      case Flow::Kind::Jump:
        // Cmd is "goto", the last row: no need to look it up.
        entry = from = commands_.gotoEntry();
        continue;
      case Flow::Kind::Restart:
        from = 0;
        entry = commands_.find(Cmd);
        continue;
      case Flow::Kind::LineAt:
        // A found "goto" moves past its label; that line runs now.
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
        entry = commands_.find(Cmd);
        continue;
    }
  }
}

void ScriptInterpreter::handOn(const Flow& flow) {
  traceHanded_ = true;
  if (!Trace.on()) {
    NextTrace.clear();
    return;
  }
  Trace.write();
  Trace.takeFrom(NextTrace);
  if (flow.tracesHeader()) {
    Trace.write();
    Trace.clear();
    run_->traceHeader(session_.Script);
  }
}

Flow ScriptInterpreter::gotoLabel(const std::string& name) {
  static const std::string kMissing = w(" <--- não existe este label");
  const int label = findLabel(name);
  // A jump that lands drops its line's trace for the trace of the line after the label, so the
  // name is echoed only beside the marker of a label that is missing.
  if (label < 0) {
    Trace += name;
    Trace += kMissing;
    return Flow::Done;
  }
  // The line after the label runs within this call; a label closing the script ends the run there.
  return Flow::lineAt(label + 1);
}

Flow ScriptInterpreter::jumpIf(bool condition, const std::string& label) {
  static const std::string kJumped = " <- saltou";
  static const std::string kNotJumped = w(" <- não saltou");
  static const std::string kGoto = "goto";
  if (!condition) {
    Trace += kNotJumped;
    return Flow::Done;
  }
  // The jump is taken here rather than by dispatching the line again to "goto": the same label
  // search, echo and marker, and no row of a jumping condition goes on, so the line ends as
  // after "goto". Only a missing label leaves this line's trace standing.
  Cmd = kGoto;
  if (const int at = findLabel(label); at >= 0) return Flow::lineAt(at + 1);
  Trace += kJumped;
  return gotoLabel(label);
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
