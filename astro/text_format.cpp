// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/text_format.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

#include "astro/angles.h"

namespace sdro {
namespace {

// Replaces the decimal point by `first`, then inserts each of `marks` after two
// further digits each; `tail` is appended. A text without a point is returned
// with the tail only.
std::string insert_units(std::string_view packed_text, std::string_view first,
                         std::initializer_list<std::string_view> marks, std::string_view tail) {
  std::string s(packed_text);
  std::size_t pos = s.find('.');
  if (pos == std::string::npos) return s + std::string(tail);
  s.replace(pos, 1, first);
  pos += first.size();
  for (std::string_view mark : marks) {
    pos += 2;
    if (pos > s.size()) break;
    s.insert(pos, mark);
    pos += mark.size();
  }
  return s + std::string(tail);
}

std::string trim_blanks(std::string_view s) {
  std::size_t a = 0;
  std::size_t b = s.size();
  while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
  while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t')) --b;
  return std::string(s.substr(a, b - a));
}

bool all_digits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::mutex g_date_mutex;
std::string g_short_date_format = "dd.MM.yyyy";

std::string two_digits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

}  // namespace

std::string format_ra_tenths(std::string_view t) { return insert_units(t, "h", {"m", ","}, "s"); }
std::string format_ra(std::string_view t) { return insert_units(t, "h", {"m"}, "s"); }
std::string format_ra_minutes(std::string_view t) { return insert_units(t, "h", {"m"}, ""); }
std::string format_deg_minutes(std::string_view t) { return insert_units(t, "°", {"'"}, ""); }
std::string format_deg_seconds(std::string_view t) { return insert_units(t, "°", {"'"}, "''"); }
std::string format_arcmin_seconds(std::string_view t) { return insert_units(t, "'", {}, "''"); }

std::string format_ra_decimal_minutes(double hours) {
  // Adding half a tenth of a minute and truncating rounds to the tenth; the
  // reduction into [0, 24) makes 23h59.97m read 0h00.0m.
  const double v = normalize_hours(hours + 1.0 / 1200.0);
  int h = static_cast<int>(std::trunc(v));
  int tenths = static_cast<int>(std::trunc((v - h) * 600.0));
  if (tenths >= 600) {
    tenths -= 600;
    h = (h + 1) % 24;
  }
  char buf[32];
  std::snprintf(buf, sizeof buf, "%dh%02d.%dm", h, tenths / 10, tenths % 10);
  return buf;
}

std::string format_clock(std::string_view t) {
  std::string s = insert_units(t, ":", {":"}, "");
  if (!s.empty() && s[0] == ' ') s[0] = '0';
  return s;
}

std::string format_clock_minutes(std::string_view t) {
  std::string s;
  for (char c : t) {
    if (c != ' ') s += c;
  }
  const std::size_t pos = s.find('.');
  if (pos == std::string::npos) return s;
  s[pos] = ':';
  std::size_t colon = pos;
  if (pos == 1) {
    s.insert(0, "0");
    ++colon;
  }
  return s.substr(0, std::min(s.size(), colon + 3));
}

tangle_text parse_angle_text(std::string_view text) {
  std::string s(text);
  tangle_text r;
  const std::size_t deg = s.find("°");
  const bool has_deg = deg != std::string::npos;
  const bool has_apostrophe = s.find('\'') != std::string::npos ||
                              s.find("′") != std::string::npos || s.find("″") != std::string::npos;
  if (has_deg) {
    s.replace(deg, std::string_view("°").size(), ".");
  } else {
    const std::size_t p = s.find_first_of(".,");
    if (p != std::string::npos) s[p] = '.';
  }
  std::string cleaned;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\'') continue;
    if (s.compare(i, 3, "′") == 0 || s.compare(i, 3, "″") == 0) {
      i += 2;
      continue;
    }
    cleaned += s[i];
  }
  cleaned = trim_blanks(cleaned);
  if (!cleaned.empty() && cleaned.back() == '.') cleaned += '0';
  const treal_text v = parse_real(cleaned);
  r.value = v.value;
  r.ok = v.ok;
  r.decimal = !(has_deg || has_apostrophe);
  return r;
}

tclock_text parse_clock_text(std::string_view text) {
  const std::string s = trim_blanks(text);
  tclock_text r;
  std::string parts[3];
  int n = 0;
  for (char c : s) {
    if (c == ':') {
      if (++n > 2) return r;
    } else {
      parts[n] += c;
    }
  }
  if (!all_digits(parts[0])) return r;
  for (int i = 1; i <= n; ++i) {
    if (!all_digits(parts[i]) || parts[i].size() > 2) return r;
    if (parts[i].size() == 1) parts[i] = "0" + parts[i];
    if (std::atoi(parts[i].c_str()) >= 60) return r;
  }
  const std::string packed = parts[0] + (n >= 1 ? "." + parts[1] + (n == 2 ? parts[2] : "") : "");
  const treal_text v = parse_real(packed);
  r.value = v.value;
  r.ok = v.ok;
  return r;
}

std::string format_date(int day, int month, int year) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%2d.%2d.%d", day, month, year);
  return buf;
}

std::string format_fixed(int w, int d, double x) {
  char buf[128];
  std::snprintf(buf, sizeof buf, "%*.*f", std::max(0, w + d + 1), std::max(0, d), x);
  return buf;
}

std::string format_fixed_trimmed(int d, double x) { return trim_blanks(format_fixed(12 - d - 1, d, x)); }

std::string point_to_comma(std::string_view text) {
  std::string s(text);
  const std::size_t p = s.find('.');
  if (p != std::string::npos) s[p] = ',';
  return s;
}

std::string comma_to_point(std::string_view text) {
  std::string s(text);
  const std::size_t p = s.find(',');
  if (p != std::string::npos) s[p] = '.';
  return s;
}

treal_text parse_real(std::string_view text) {
  const std::string s = trim_blanks(text);
  treal_text r;
  if (s.empty()) return r;
  // Only the characters of a plain decimal number: no "inf", "nan" or hex.
  for (char c : s) {
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.' ||
          c == 'e' || c == 'E')) {
      return r;
    }
  }
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || !std::isfinite(v)) return r;
  r.value = v;
  r.ok = true;
  return r;
}

void set_short_date_format(std::string_view pattern) {
  std::lock_guard lock(g_date_mutex);
  g_short_date_format = pattern.empty() ? "dd.MM.yyyy" : std::string(pattern);
}

std::string format_calendar_date(int day, int month, int year, char separator) {
  const bool gregorian = year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day >= 15)));
  if (!gregorian) {
    return std::to_string(day) + separator + std::to_string(month) + separator + std::to_string(year);
  }
  std::string pattern;
  {
    std::lock_guard lock(g_date_mutex);
    pattern = g_short_date_format;
  }
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    if (c == 'd') {
      out += run >= 2 ? two_digits(day) : std::to_string(day);
    } else if (c == 'M') {
      out += run >= 2 ? two_digits(month) : std::to_string(month);
    } else if (c == 'y') {
      out += run >= 3 ? std::to_string(year) : two_digits(((year % 100) + 100) % 100);
    } else {
      out.append(run, c);
    }
    i += run;
  }
  return out;
}

int decode_packed_day(char c) {
  if (c >= '1' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'V') return c - 'A' + 10;
  return 0;
}

std::string pad_minor_planet_number(std::string_view designation) {
  const std::string s(designation);
  const bool bracketed = !s.empty() && s[0] == '(';
  const std::size_t start = bracketed ? 1 : 0;
  const std::size_t end = bracketed ? s.find(')') : s.find(' ');
  const std::size_t stop = end == std::string::npos ? (bracketed ? std::string::npos : s.size()) : end;
  if (stop == std::string::npos) return s;
  const std::string number = s.substr(start, stop - start);
  if (!all_digits(number)) return s;
  std::string padded = number;
  if (padded.size() < 5) padded.insert(0, 5 - padded.size(), '0');
  return s.substr(0, start) + padded + s.substr(stop);
}

}  // namespace sdro
