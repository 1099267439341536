// Conditions on registers and on the player kind.
#include "world/register_conditions.h"

#include "base/numbers.h"
#include "state/game_session.h"
#include "world/register_access.h"

namespace taluvin {

namespace {

enum class Test { Equal, Differs, Greater, Less };

// "if=" and "if#" compare text exactly; the ordered tests compare integers.
bool holds(Test test, const std::string& value, const std::string& operand, bool abortOnNonInteger) {
  switch (test) {
    case Test::Equal:
      return value == operand;
    case Test::Differs:
      return value != operand;
    case Test::Greater:
    case Test::Less: {
      const int32_t a = abortOnNonInteger ? toIntOrAbort(value) : toIntOr(value, 0);
      const int32_t b = abortOnNonInteger ? toIntOrAbort(operand) : toIntOr(operand, 0);
      return test == Test::Greater ? a > b : a < b;
    }
  }
  return false;
}

int lastFilledSlot(const ScriptInterpreter& ip) {
  int last = 0;
  for (int slot = 1; slot <= ScriptInterpreter::kSlots; ++slot)
    if (!ip.arg(slot).empty()) last = slot;
  return last;
}

// "," before each argument from slot `from` on, up to the last one given.
void echoArguments(ScriptInterpreter& ip, int from) {
  const int last = lastFilledSlot(ip);
  for (int slot = from; slot <= last; ++slot) {
    ip.Trace += ',';
    ip.Trace += ip.arg(slot);
  }
}

// slot 1 = register, slot 2 = value, slot 3 = label
Flow jumpOnRegister(ScriptInterpreter& ip, Test test) {
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  const bool condition = holds(test, ip.session().registers.at(*n), ip.arg(2), false);
  return ip.jumpIf(condition, ip.arg(3));
}

// slot 1 = register, slot 2 = value, slot 3 = command word, slots 4.. = its arguments
Flow executeOnRegister(ScriptInterpreter& ip, Test test) {
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  ip.Trace += ',';
  ip.Trace += ip.arg(2);
  ip.Trace += '+';
  ip.Trace += ip.arg(3);
  echoArguments(ip, 4);
  if (!holds(test, ip.session().registers.at(*n), ip.arg(2), true)) return Flow::Done;
  return ip.executeFrom(3);
}

// slots 1.. = command word and its arguments
Flow executeForPlayerKind(ScriptInterpreter& ip, const char* kind) {
  const int last = lastFilledSlot(ip);
  for (int slot = 1; slot <= last; ++slot) {
    if (slot > 1) ip.Trace += ',';
    ip.Trace += ip.arg(slot);
  }
  if (ip.session().playerKind != kind) return Flow::Done;
  return ip.executeFrom(1);
}

}  // namespace

Flow cmdIfRegEqual(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = text it must equal, slot 3 = label
  return jumpOnRegister(ip, Test::Equal);
}

Flow cmdIfRegDiffers(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = text it must differ from, slot 3 = label
  return jumpOnRegister(ip, Test::Differs);
}

Flow cmdIfRegGreater(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = integer it must exceed, slot 3 = label
  return jumpOnRegister(ip, Test::Greater);
}

Flow cmdIfRegLess(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = integer it must be below, slot 3 = label
  return jumpOnRegister(ip, Test::Less);
}

Flow cmdIfEqual(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = text it must equal, slot 3 = command word, slots 4.. = arguments
  return executeOnRegister(ip, Test::Equal);
}

Flow cmdIfDiffers(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = text it must differ from, slot 3 = command, slots 4.. = arguments
  return executeOnRegister(ip, Test::Differs);
}

Flow cmdIfGreater(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = integer it must exceed, slot 3 = command, slots 4.. = arguments
  return executeOnRegister(ip, Test::Greater);
}

Flow cmdIfLess(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = integer it must be below, slot 3 = command, slots 4.. = arguments
  return executeOnRegister(ip, Test::Less);
}

Flow cmdIfBetween(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = low, slot 3 = high, slot 4 = command word, slots 5.. = its arguments
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  const std::string& low = ip.arg(2);
  const std::string& high = ip.arg(3);
  ip.Trace += low;
  ip.Trace += '+';
  ip.Trace += high;
  echoArguments(ip, 4);
  ip.Trace += ',';
  if (ip.Trace.on()) ip.Trace += intToText(toIntOr(low, 0));
  ip.Trace += ',';
  if (ip.Trace.on()) ip.Trace += intToText(toIntOr(high, 0));
  echoArguments(ip, 4);
  // The bounds are text in character-code order, so "10" lies below "2".
  const std::string& value = ip.session().registers.at(*n);
  if (!(low <= value && value <= high)) return Flow::Done;
  return ip.executeFrom(4);
}

Flow cmdIfMa(ScriptInterpreter& ip) {
  // slot 1 = command word, slots 2.. = its arguments
  return executeForPlayerKind(ip, "ma");
}

Flow cmdIfGen(ScriptInterpreter& ip) {
  // slot 1 = command word, slots 2.. = its arguments
  return executeForPlayerKind(ip, "gen");
}

}  // namespace taluvin
