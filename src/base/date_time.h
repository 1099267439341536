// Local dates and times of day in the fixed forms scripts read and write, and the clock they come from.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace taluvin {

// A moment of the local calendar to the second. A time given without a date lies on day zero,
// 30/12/1899, so two such times still differ by their times alone.
struct DateTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
  bool operator==(const DateTime&) const = default;
};

// The local date and time now, from the system clock unless a test has pinned it.
DateTime localNow();
// Tests fix the moment localNow() gives, so nothing waits for the clock; nothing unpins it again.
void pinLocalClock(std::optional<DateTime> moment);

// "dd/mm/yyyy" and "hh:MM:ss" (24-hour clock), whatever the desktop's locale.
std::string formatDate(const DateTime& moment);
std::string formatTime(const DateTime& moment);
std::string formatTimeOfDay(int64_t seconds);  // seconds from 0 to a day less one

// "dd/mm/yyyy hh:MM:ss", the date alone (midnight) or the time alone (day zero); one-digit fields,
// a time without seconds and a two-digit year (in 2000 to 2099) are read too. Anything else, an
// impossible date or time included, gives nothing.
std::optional<DateTime> parseDateTime(std::string_view text);

// Seconds from day zero; negative before it.
int64_t secondsSinceDayZero(const DateTime& moment);

}  // namespace taluvin
