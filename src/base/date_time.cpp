// Calendar arithmetic, the fixed date and time forms, and the pinnable local clock.
#include "base/date_time.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace taluvin {

namespace {

std::optional<DateTime>& pinnedMoment() {
  static std::optional<DateTime> moment;
  return moment;
}

bool isLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 of a proleptic Gregorian date (the usual era-based count).
int64_t daysFromCivil(int year, int month, int day) {
  const int64_t y = year - (month <= 2 ? 1 : 0);
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yearOfEra = y - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// Splits text into runs of digits separated by sep; false when anything else is there or a run is
// missing or longer than maxDigits.
bool readFields(std::string_view text, char sep, std::vector<int>& fields, size_t maxDigits) {
  fields.clear();
  size_t start = 0;
  while (true) {
    const size_t end = std::min(text.find(sep, start), text.size());
    const std::string_view digits = text.substr(start, end - start);
    if (digits.empty() || digits.size() > maxDigits) return false;
    int value = 0;
    for (char c : digits) {
      if (!std::isdigit(static_cast<unsigned char>(c))) return false;
      value = value * 10 + (c - '0');
    }
    fields.push_back(value);
    if (end == text.size()) return true;
    start = end + 1;
  }
}

bool readDate(std::string_view text, DateTime& moment) {
  std::vector<int> f;
  if (!readFields(text, '/', f, 4) || f.size() != 3) return false;
  if (f[0] > 99 || f[1] > 99) return false;
  const bool shortYear = text.size() - text.rfind('/') - 1 <= 2;
  const int year = shortYear ? 2000 + f[2] : f[2];
  if (year < 1 || f[1] < 1 || f[1] > 12 || f[0] < 1 || f[0] > daysInMonth(year, f[1])) return false;
  moment.year = year;
  moment.month = f[1];
  moment.day = f[0];
  return true;
}

bool readTime(std::string_view text, DateTime& moment) {
  std::vector<int> f;
  if (!readFields(text, ':', f, 2) || f.size() < 2 || f.size() > 3) return false;
  if (f.size() == 2) f.push_back(0);
  if (f[0] > 23 || f[1] > 59 || f[2] > 59) return false;
  moment.hour = f[0];
  moment.minute = f[1];
  moment.second = f[2];
  return true;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

}  // namespace

DateTime localNow() {
  if (pinnedMoment()) return *pinnedMoment();
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

void pinLocalClock(std::optional<DateTime> moment) { pinnedMoment() = moment; }

std::string formatDate(const DateTime& m) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", m.day, m.month, m.year);
  return text;
}

std::string formatTime(const DateTime& m) {
  return formatTimeOfDay(int64_t{m.hour} * 3600 + m.minute * 60 + m.second);
}

std::string formatTimeOfDay(int64_t seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return text;
}

std::optional<DateTime> parseDateTime(std::string_view text) {
  text = trimmed(text);
  DateTime moment;
  const size_t blank = text.find(' ');
  if (blank != std::string_view::npos) {
    if (!readDate(text.substr(0, blank), moment) || !readTime(trimmed(text.substr(blank + 1)), moment)) return {};
    return moment;
  }
  if (readDate(text, moment) || readTime(text, moment)) return moment;
  return {};
}

int64_t secondsSinceDayZero(const DateTime& m) {
  const int64_t days = daysFromCivil(m.year, m.month, m.day) - daysFromCivil(1899, 12, 30);
  return days * 86400 + int64_t{m.hour} * 3600 + m.minute * 60 + m.second;
}

}  // namespace taluvin
