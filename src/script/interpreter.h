// ScriptInterpreter: turns one script line into a command word and arguments, and dispatches it.
#pragma once

#include "base/date_time.h"
#include "script/command_entry.h"
#include "script/parsed_script.h"
#include "script/run_control.h"
#include "script/run_hooks.h"
#include "script/trace_log.h"
#include "script/trace_text.h"
#include "state/shared_lines.h"

#include <array>
#include <chrono>
#include <csignal>
#include <memory>
#include <string>
#include <string_view>

namespace taluvin {

struct GameSession;
class CommandContext;
class Debugger;

class ScriptInterpreter {
 public:
  static constexpr int kSlots = kArgumentSlots;

  ScriptInterpreter(GameSession& session, TraceLog& trace, RunHooks& hooks, const CommandIndex& commands);

  // Whoever runs the lines; without one (a line read outside any run) no events run between lines.
  void setRunControl(RunControl* control) { run_ = control; }
  void setContext(CommandContext* context) { context_ = context; }
  // Read before every line: once raised (by the player ending the program, possibly from a signal
  // handler) every run stops at its next line.
  void setStopFlag(const volatile std::sig_atomic_t* flag) { stopFlag_ = flag; }
  // Breakpoints set: the debugger is asked before and after lines. Without one a line costs one
  // more well-predicted branch.
  void setDebugger(Debugger* debugger) { debugger_ = debugger; }
  // A run starts: its first event turn comes one event interval from now.
  void startEventClock();

  // Interprets line CurLine of ScriptLines; may run several lines (a quote text and the line
  // after it, a jump and the line after its label), moving CurLine itself.
  void interpretLine();

  // The parsed form of lines the runner has just put in ScriptLines. Lines put there any other way
  // are parsed when they first run.
  void useScript(std::shared_ptr<const ParsedScript> script) { script_ = std::move(script); }
  // The parsed form of ScriptLines as they are now. Asked for by every line and every jump, so
  // the usual answer (the lines are still those parsed) is inline.
  const ParsedScript& currentScript() {
    if (script_ && script_->lines() == scriptLines_.shared()) [[likely]]
      return *script_;
    return parseCurrentScript();
  }
  // Index of the first line of ScriptLines whose trimmed text is ":" + name, or -1.
  int findLabel(std::string_view name) { return currentScript().findLabel(name); }
  // "goto": the line after the label runs next within this call; the name is echoed, and a missing
  // label is a marker on the trace.
  Flow gotoLabel(const std::string& name);

  // Puts line index of the current script in Cmd and the argument slots as running it would, "#N"
  // references resolved, without running it: what a handler finds when it is called.
  void readCommandLine(int index);

  // Jump style: a true condition jumps to label, a false one ends the line.
  Flow jumpIf(bool condition, const std::string& label);
  // Execute style: a true condition runs the command carried in slot k and the slots after it.
  Flow executeFrom(int k);

  const std::string& arg(int slot) const { return Args[static_cast<size_t>(slot)]; }

  GameSession& session() { return session_; }
  TraceLog& trace() { return trace_; }
  RunHooks& hooks() { return hooks_; }
  RunControl& runControl() { return *run_; }
  // What a handler may ask of the program around it; set whenever handlers of the screen, pages
  // or audio can run.
  CommandContext& context() { return *context_; }
  const CommandIndex& commands() const { return commands_; }

  // True once the current line's trace has been handed and nothing was added since.
  bool traceAlreadyHanded() const { return traceHanded_ && Trace.empty(); }

  std::string Cmd;
  // Slots 1 to 9; slot 0 is unused. Besides the interpreter, handlers write slots 1 and 2 only
  // (executeFrom moves text down): each line empties only the slots that may hold text.
  std::array<std::string, kSlots + 1> Args;
  TraceText Trace;
  // The trace that follows once a handler's flow hands the current one on.
  TraceText NextTrace;
  // The "hoje"/"today" and "agora"/"now" stamps; the interpreter's window takes both from the clock
  // when it is created, and only the commands that set them change them.
  DateTime TodayStamp;
  DateTime NowStamp;
  // "ret"'s marker: a traced subroutine returns to the same line of the same script turn after
  // turn, so its whole text is kept while those stay.
  struct ReturnMarker {
    std::string script;
    int line = -1;
    std::string text;
  };
  ReturnMarker returnMarker;

 private:
  void interpretLines();
  // The checks before every line; false when the run stops here.
  bool lineMayRun();
  const ParsedScript& parseCurrentScript();
  // A piece cut when the line was read, with a "#N" register reference resolved now.
  void takePiece(const ArgumentPiece& piece, std::string& arg, bool wholeRest);
  void takeArguments(const ParsedScript& script, const ParsedLine& line);
  bool quoteText(std::string_view opening);  // true when the line after the block runs within this call
  void dispatch(int entry);
  // The current trace goes out as a line of its own and NextTrace takes its place.
  void handOn(const Flow& flow);
  bool moveToLine(int index);  // false when the script has no such line: the run ends there
  bool stopRun();               // the run ends before the current line; always false
  // Lets the window's events run once an event interval of this run has passed; false when the
  // run must stop here (the program is ending, or a click ran a script of its own).
  bool letEventsRunWhenDue();

  GameSession& session_;
  const SharedLines& scriptLines_;  // the session's ScriptLines
  TraceLog& trace_;
  RunHooks& hooks_;
  const CommandIndex& commands_;
  RunControl* run_ = nullptr;
  std::shared_ptr<const ParsedScript> script_;
  CommandContext* context_ = nullptr;
  Debugger* debugger_ = nullptr;
  bool traceHanded_ = false;
  bool continueLine_ = false;
  static constexpr int kSlotsHandlersWrite = 2;
  int argsInUse_ = kSlots;  // slots past this one are empty

  static constexpr std::sig_atomic_t kNeverStop = 0;
  const volatile std::sig_atomic_t* stopFlag_ = &kNeverStop;

  using Clock = std::chrono::steady_clock;
  static constexpr unsigned kFirstClockStride = 8;
  static constexpr unsigned kMaxClockStride = 1024;
  unsigned clockStride_ = kFirstClockStride;  // lines between two clock readings, following their cost
  unsigned linesUntilClock_ = kFirstClockStride;
  Clock::time_point lastClockReading_ = Clock::now();
  Clock::time_point lastEvents_ = Clock::now();
};

}  // namespace taluvin
