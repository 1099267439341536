// Flow-control commands.
#include "script/flow_commands.h"

#include "base/numbers.h"
#include "base/text.h"
#include "script/command_context.h"
#include "script/markup.h"
#include "script/script_file.h"
#include "state/game_session.h"

#include <chrono>
#include <thread>

namespace taluvin {

namespace {

const std::string kDashes(48, '-');
const std::string kEquals(48, '=');

// A script's name is a few bytes: compared here, it costs less than a call to the library's compare.
bool sameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

Flow ifModel(ScriptInterpreter& ip, ScreenModel model) {
  // slot 1 = command word, slots 2.. = its arguments
  if (ip.session().Modelo != model) return Flow::Done;
  return ip.executeFrom(1);
}

}  // namespace

void waitSteps(ScriptInterpreter& ip, long long count, int stepMs) {
  // A program that is ending has nothing left to wait for.
  for (; count > 0 && !ip.hooks().quitting(); --count) {
    ip.hooks().letEventsRun();
    std::this_thread::sleep_for(std::chrono::milliseconds(stepMs));
  }
}

Flow cmdEnd(ScriptInterpreter& ip) {
  static const std::string kEnded = w("<-Encerrou a execução");
  ip.Trace += kEnded;
  ip.NextTrace.startWith(kEquals);
  return Flow::endRun().handingOn();
}

Flow cmdScript(ScriptInterpreter& ip) {
  // slot 1 = script name, possibly with "&Prm=", "&Prx=", "&Pry="
  static const std::string kNoName = w(" <--- não informou o nome do script");
  static const std::string kMissing = w(" <- script não existe");
  auto& s = ip.session();
  std::string name = ip.arg(1);
  if (name.empty()) {
    ip.Trace += kNoName;
    return Flow::Done;
  }
  if (name.find('&') != std::string::npos) name = parseLinkQuery(s, name);
  ip.Trace += name;
  name = resolveScriptAlias(s, name);
  if (!ip.runControl().loadScript(name)) {
    ip.Trace += kMissing;
    return Flow::Done;
  }
  s.Script = name;
  return Flow::resumeAfter(-1).handingOn();
}

Flow cmdPause(ScriptInterpreter& ip) {
  // slot 1 = count of 10 ms steps
  const int32_t count = toIntOr(ip.arg(1), 1);
  ip.Trace.appendNumber(count);
  waitSteps(ip, count, 10);
  return Flow::Done;
}

Flow cmdGosub(ScriptInterpreter& ip) {
  // slot 1 = ":" + label, or a script name
  static const std::string kBusy = w(" <--- já existe gosub em execução (");
  static const std::string kNoTarget = w(" <--- não informou o script/label");
  static const std::string kMissing = w(" <--- não existe este script");
  static const std::string kLabelCall = " <- label em subrotina!";
  static const std::string kScriptCall = " <- script em subrotina";
  static const std::string kGoto = "goto";
  auto& s = ip.session();
  if (s.GosubLine > -1) {
    ip.Trace += kBusy;
    ip.Trace += s.GosubScript;
    ip.Trace += ')';
    return Flow::Done;
  }
  if (ip.arg(1).empty()) {
    ip.Trace += kNoTarget;
    return Flow::Done;
  }
  // A label's name is no alias, so it is not looked through the aliases.
  const std::string& target = ip.arg(1)[0] == ':' ? ip.arg(1) : resolveScriptAlias(s, ip.arg(1));
  const bool isLabel = target[0] == ':';
  // A script target is loaded at once: a missing file changes nothing, as when it is checked
  // first, and the file is looked up once.
  if (!isLabel && !ip.runControl().loadScript(target)) {
    ip.Trace += target;
    ip.Trace += kMissing;
    return Flow::Done;
  }
  s.GosubScript = s.Script;
  s.GosubLine = s.CurLine;
  if (isLabel) {
    const std::string_view name = std::string_view(target).substr(1);
    ip.Trace += name;
    ip.Trace += kLabelCall;
    // A label that is there is jumped to at once, as "goto" would; the jump drops the separator
    // with the rest of its line's trace.
    if (const int label = ip.findLabel(name); label >= 0) return Flow::lineAt(label + 1).handingOn();
    // A missing one goes on to "goto", whose marker follows the separator.
    ip.NextTrace.startWith(kDashes);
    ip.Args[1].assign(name);
    ip.Cmd = kGoto;
    // The entry goes on, so testing reaches "goto" with the rewritten word.
    return Flow::Done.handingOn();
  }
  s.Script = target;
  ip.Trace += target;
  ip.Trace += kScriptCall;
  ip.NextTrace.startWith(kDashes);
  return Flow::resumeAfter(-1).withScriptHeader();
}

Flow cmdReturn(ScriptInterpreter& ip) {
  static const std::string kNoCall = w(" <--- não há gosub em execução!");
  static const std::string kBack = " <- retorno ao script ";
  static const std::string kAtLine = " na linha: ";
  auto& s = ip.session();
  if (s.GosubLine == -1) {
    ip.Trace += kNoCall;
    return Flow::Done;
  }
  if (!sameText(s.Script, s.GosubScript)) {
    ip.runControl().loadScript(s.GosubScript);
    s.Script = s.GosubScript;
  }
  const int callLine = s.GosubLine;
  s.GosubLine = -1;
  if (ip.Trace.on()) {
    auto& marker = ip.returnMarker;
    if (marker.line != callLine || !sameText(marker.script, s.Script)) {
      marker.script = s.Script;
      marker.line = callLine;
      marker.text = kBack + s.Script + kAtLine + std::to_string(callLine);
    }
    ip.Trace += marker.text;
  }
  ip.NextTrace.startWith(kDashes);
  return Flow::resumeAfter(callLine).handingOn();
}

Flow cmdRecall(ScriptInterpreter&) { return Flow::Done; }

Flow cmdRetScp(ScriptInterpreter& ip) {
  // slot 1 = script name, stored even when its file is missing
  static const std::string kMissing = w(" <- não existe este script");
  auto& s = ip.session();
  s.RetScp = ip.arg(1);
  ip.Trace += ip.arg(1);
  if (!scriptExists(s, ip.arg(1))) ip.Trace += kMissing;
  return Flow::Done;
}

Flow cmdScriptCmd(ScriptInterpreter& ip) {
  // slot 1 = vocabulary script name
  static const std::string kNoName = w(" <--- não especificou o script");
  static const std::string kMissing = w(" <--- não existe este script");
  auto& s = ip.session();
  if (ip.arg(1).empty()) {
    ip.Trace += kNoName;
    return Flow::Done;
  }
  ip.Trace += ip.arg(1);
  if (!scriptExists(s, ip.arg(1))) {
    ip.Trace += kMissing;
    return Flow::Done;
  }
  s.ScriptCmd = ip.arg(1);
  return Flow::Done;
}

Flow cmdGoto(ScriptInterpreter& ip) {
  // slot 1 = label name without ":"
  return ip.gotoLabel(ip.arg(1));
}

Flow cmdIfMod0(ScriptInterpreter& ip) { return ifModel(ip, ScreenModel::Console); }
Flow cmdIfMod1(ScriptInterpreter& ip) { return ifModel(ip, ScreenModel::PictureScreen); }
Flow cmdIfMod2(ScriptInterpreter& ip) { return ifModel(ip, ScreenModel::WebPage); }
Flow cmdIfMod3(ScriptInterpreter& ip) { return ifModel(ip, ScreenModel::ScrollPage); }
Flow cmdIfMod4(ScriptInterpreter& ip) { return ifModel(ip, ScreenModel::Monitor); }

Flow cmdTerminate(ScriptInterpreter& ip) {
  // slot 1 = seconds to wait before the program ends
  const int32_t seconds = toIntOr(ip.arg(1), 10);
  // Each second is slept in short steps with events between them, so closing the window during
  // the countdown ends the program at once rather than up to a second later.
  constexpr int kStepMs = 10;
  waitSteps(ip, static_cast<long long>(std::max(seconds, 0)) * (1000 / kStepMs), kStepMs);
  ip.hooks().requestQuit();
  ip.context().leaveMonitor();
  return Flow::Done;
}

}  // namespace taluvin
