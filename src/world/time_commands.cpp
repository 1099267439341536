// The "hoje"/"today" and "agora"/"now" stamps, their difference and their fixed date and time forms.
#include "world/time_commands.h"

#include "base/date_time.h"
#include "base/numbers.h"
#include "state/game_session.h"

#include <cstdlib>

namespace taluvin {

namespace {

constexpr int64_t kSecondsPerDay = 86400;

// A stamp text that cannot be read stamps the moment it was given.
DateTime stampFrom(const std::string& text) {
  if (auto moment = parseDateTime(text)) return *moment;
  return localNow();
}

// The register numbers of these commands are not checked: one outside the table aborts the run
// when it is written.
int32_t registerOr(const std::string& text, int32_t whenEmpty) { return numberOr(text, whenEmpty, 0); }

// "hoje"/"today" or "agora"/"now"; any other word names no stamp.
const DateTime* namedStamp(ScriptInterpreter& ip, const std::string& word) {
  if (word == "hoje" || word == "today") return &ip.TodayStamp;
  if (word == "agora" || word == "now") return &ip.NowStamp;
  return nullptr;
}

Flow showStamp(ScriptInterpreter& ip, std::string (*format)(const DateTime&)) {
  // slot 1 = register (0), slot 2 = hoje/today or agora/now
  auto& registers = ip.session().registers;
  const int32_t n = registerOr(ip.arg(1), 0);
  registers.at(n).clear();
  if (const DateTime* stamp = namedStamp(ip, ip.arg(2))) registers.set(n, format(*stamp));
  return Flow::Done;
}

}  // namespace

Flow cmdSetToday(ScriptInterpreter& ip) {
  // slot 1 = date and time, or nothing for the present moment
  ip.TodayStamp = stampFrom(ip.arg(1));
  return Flow::Done;
}

Flow cmdSetNow(ScriptInterpreter& ip) {
  // slot 1 = date and time, or nothing for the present moment
  ip.NowStamp = stampFrom(ip.arg(1));
  return Flow::Done;
}

Flow cmdTimeDifference(ScriptInterpreter& ip) {
  // slot 1 = register for the days (0); "diftime": slot 2 = register for the rest as a time (next);
  // "diftime#": slots 2, 3, 4 = registers for hours, minutes, seconds (each the one after the last)
  auto& registers = ip.session().registers;
  // Whole seconds on both sides, and the difference counted in seconds: no fraction of a day can
  // round a second away.
  const int64_t diff = std::llabs(secondsSinceDayZero(ip.TodayStamp) - secondsSinceDayZero(ip.NowStamp));
  const int64_t days = diff / kSecondsPerDay;
  const int64_t rest = diff % kSecondsPerDay;
  const int32_t d = registerOr(ip.arg(1), 0);
  registers.set(d, intToText(days));
  if (ip.Cmd != "diftime#") {
    registers.set(registerOr(ip.arg(2), wrapAdd(d, 1)), formatTimeOfDay(rest));
    return Flow::Done;
  }
  const int32_t h = registerOr(ip.arg(2), wrapAdd(d, 1));
  const int32_t m = registerOr(ip.arg(3), wrapAdd(h, 1));
  const int32_t sec = registerOr(ip.arg(4), wrapAdd(m, 1));
  registers.set(h, intToText(rest / 3600));
  registers.set(m, intToText(rest / 60 % 60));
  registers.set(sec, intToText(rest % 60));
  return Flow::Done;
}

Flow cmdShowDate(ScriptInterpreter& ip) { return showStamp(ip, formatDate); }

Flow cmdShowTime(ScriptInterpreter& ip) { return showStamp(ip, formatTime); }

}  // namespace taluvin
