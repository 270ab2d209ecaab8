// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/date_entry.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "astro/calendar.h"
#include "astro/language.h"
#include "places/number_text.h"

namespace sdro {
namespace {

/// A part of the date: a whole number well inside the range of int.
std::optional<int> integer(std::string_view s) {
  const auto v = parse_whole_number(s);
  if (!v || *v < -100000000 || *v > 100000000) return std::nullopt;
  return static_cast<int>(*v);
}

/// Splits at the first two "."; the year is everything after the second.
struct tdate_parts {
  std::string_view day, month, year;
};
tdate_parts split_date(std::string_view s) {
  tdate_parts p;
  const std::size_t a = s.find('.');
  p.day = s.substr(0, a);
  if (a == std::string_view::npos) return p;
  const std::size_t b = s.find('.', a + 1);
  p.month = s.substr(a + 1, b == std::string_view::npos ? std::string_view::npos : b - a - 1);
  if (b != std::string_view::npos) p.year = s.substr(b + 1);
  return p;
}

}  // namespace

bool is_leap_year(int year) {
  if (year <= 1582) return year % 4 == 0;  // also for negative years: −4 % 4 == 0
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && is_leap_year(year) ? 29 : kDays[month - 1];
}

bool date_exists(int day, int month, int year) {
  if (day < 1 || day > days_in_month(year, month)) return false;
  return !(year == 1582 && month == 10 && day >= 5 && day <= 14);
}

bool julian_date_in_range(double jd) { return jd >= kMinJulianDate && jd <= kMaxJulianDate; }

char filter_date_key(char c) {
  if (c == ',' || c == '.') return '.';
  if ((c >= '0' && c <= '9') || c == '-') return c;
  return 0;
}

tdate_entry read_date_entry(std::string_view text, const tclock_reading& today) {
  std::string s;
  bool foreign = false;
  for (char c : text) {
    if (c == ' ' || c == '\t') continue;
    const char k = filter_date_key(c);
    foreign = foreign || k == 0;
    s += k == 0 ? c : k;
  }
  tdate_entry r;
  if (s.empty()) return r;
  // A missing part comes from today's date; a part that is there must be a number.
  const tdate_parts p = split_date(s);
  const auto part = [](std::string_view t, int fallback) -> std::optional<int> {
    return t.empty() ? std::optional<int>(fallback) : integer(t);
  };
  const auto day = part(p.day, today.day);
  const auto month = part(p.month, today.month);
  auto year = part(p.year, today.year);
  if (foreign || !day || !month || !year) {
    r.state = tdate_entry::refused;
    r.message = std::string(tr("Ungültiges Datum: ", "Invalid date: ")) + std::string(text);
    r.caption = std::string(tr("Ungültiges Datum", "Invalid Date"));
    return r;
  }
  if (p.year.size() == 2 && p.year.front() != '-') year = today.year / 100 * 100 + *year;
  r.day = *day;
  r.month = *month;
  r.year = *year;
  tdate_message m;
  if (!date_exists(r.day, r.month, r.year)) {
    m = missing_date_message(r.day, r.month, r.year);
  } else {
    r.jd = calendar_to_jd(r.day, r.month, r.year, 0.0);
    if (julian_date_in_range(r.jd)) {
      r.state = tdate_entry::accepted;
      return r;
    }
    m = date_range_message();
  }
  r.state = tdate_entry::refused;
  r.message = m.message;
  r.caption = m.caption;
  return r;
}

std::string format_date_entry(int day, int month, int year) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%d.%d.%s%04d", day, month, year < 0 ? "-" : "", std::abs(year));
  return buffer;
}

tdate_message date_range_message() {
  return {"Enter an earlier resp. later Date. Geben Sie bitte ein früheres bzw. späteres Datum ein.",
          "Invalid Date. Datum außerhalb des Gültigkeitsbereichs"};
}

tdate_message missing_date_message(int day, int month, int year) {
  const std::string date = format_date_entry(day, month, year);
  return {std::string(tr("Das Datum ", "The date ")) + date + std::string(tr(" gibt es nicht.", " does not exist.")),
          std::string(tr("Ungültiges Datum", "Invalid Date"))};
}

}  // namespace sdro
