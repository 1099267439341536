// Register arithmetic: text read as 32-bit integers (no integer: 0), wrapped, written back as text.
#include "world/register_arithmetic.h"

#include "base/number_format.h"
#include "base/numbers.h"
#include "base/text.h"
#include "state/game_session.h"
#include "world/register_access.h"

namespace taluvin {

namespace {

const std::string kDivisionByZero = w(" <--- divisão por zero");

using Operation = int32_t (*)(int32_t value, int32_t operand);

// slot 1 = register, slot 2 = operand (text that is no integer gives the fallback)
Flow applyOperation(ScriptInterpreter& ip, int32_t fallback, Operation operation) {
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  const int32_t operand = toIntOr(ip.arg(2), fallback);
  ip.Trace += ',';
  ip.Trace.appendNumber(operand);
  std::string& value = ip.session().registers.at(*n);
  assignIntText(value, operation(toIntOr(value, 0), operand));
  return Flow::Done;
}

}  // namespace

Flow cmdRegAdd(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = amount (not a number: 0)
  return applyOperation(ip, 0, wrapAdd);
}

Flow cmdRegSub(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = amount (not a number: 0)
  return applyOperation(ip, 0, wrapSub);
}

Flow cmdRegMul(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = factor (empty or not a number: 1)
  return applyOperation(ip, 1, wrapMul);
}

Flow cmdRegDiv(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = divisor (empty or not a number: 1)
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  const int32_t divisor = toIntOr(ip.arg(2), 1);
  ip.Trace += ',';
  ip.Trace.appendNumber(divisor);
  std::string& value = ip.session().registers.at(*n);
  if (divisor == 0) {
    ip.Trace += kDivisionByZero;
    return Flow::Done;
  }
  const int32_t dividend = toIntOr(value, 0);
  // The one quotient that does not fit in 32 bits wraps, like every other register result.
  const int32_t quotient = divisor == -1 ? wrapSub(0, dividend) : dividend / divisor;
  value = intToText(quotient);
  return Flow::Done;
}

Flow cmdRegRealDiv(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = divisor (empty or not a number: 1)
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  const int32_t divisor = toIntOr(ip.arg(2), 1);
  ip.Trace += ',';
  if (ip.Trace.on()) ip.Trace += formatDecimal(divisor);
  std::string& value = ip.session().registers.at(*n);
  if (divisor == 0) {
    ip.Trace += kDivisionByZero;
    return Flow::Done;
  }
  value = formatDecimal(static_cast<double>(toIntOr(value, 0)) / divisor);
  return Flow::Done;
}

Flow cmdRegRandom(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = maximum of the number added (not a number: 0)
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  auto& s = ip.session();
  const int32_t maximum = toIntOr(ip.arg(2), 0);
  ip.Trace += ',';
  ip.Trace.appendNumber(maximum);
  std::string& value = s.registers.at(*n);
  const auto range = static_cast<uint32_t>(wrapAdd(maximum, 1));
  const auto drawn = static_cast<int32_t>(s.random.draw(range));
  value = intToText(wrapAdd(toIntOr(value, 0), drawn));
  return Flow::Done;
}

}  // namespace taluvin
