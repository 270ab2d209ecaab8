// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/clock_entry.h"

#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "astro/language.h"
#include "astro/sexagesimal.h"
#include "astro/text_format.h"

namespace sdro {

char filter_clock_key(char c) {
  if (c == ',' || c == '.' || c == ':') return ':';
  if (c >= '0' && c <= '9') return c;
  return 0;
}

tclock_entry read_clock_entry(std::string_view text, bool with_seconds) {
  std::string s;
  int colons = 0;
  for (char c : text) {
    if (c == ' ' || c == '\t') continue;
    const char k = filter_clock_key(c);
    if (k == 0) return {tclock_entry::refused, 0.0};
    if (k == ':' && ++colons == 2 && !with_seconds) break;  // the seconds are not read
    s += k;
  }
  tclock_entry r;
  if (s.empty()) return r;
  const tclock_text clock = parse_clock_text(s);
  const std::string hour_text = s.substr(0, s.find(':'));
  if (!clock.ok || hour_text.empty() || hour_text.size() > 2 || clock.value >= 24.0) {
    r.state = tclock_entry::refused;
    return r;
  }
  r.state = tclock_entry::accepted;
  r.hours = packed_to_decimal(clock.value);
  return r;
}

std::string clock_entry_message(bool with_seconds) {
  return std::string(with_seconds ? tr("Uhrzeit: ungültiger Wert! Bitte hh:mm:ss eingeben.",
                                       "Time: invalide value! Please enter hh:mm:ss.")
                                  : tr("Uhrzeit: ungültiger Wert! Bitte hh:mm eingeben.",
                                       "Time: invalide value! Please enter hh:mm."));
}

std::string format_clock_entry(double hours, bool with_seconds) {
  const double h = std::isfinite(hours) ? normalize_hours(hours) : 0.0;
  long seconds = static_cast<long>(std::floor(h * 3600.0 + 0.005));
  if (!with_seconds) seconds -= seconds % 60;
  seconds %= 86400;
  char buffer[64];
  if (with_seconds) {
    std::snprintf(buffer, sizeof buffer, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  } else {
    std::snprintf(buffer, sizeof buffer, "%02ld:%02ld", seconds / 3600, seconds / 60 % 60);
  }
  return buffer;
}

}  // namespace sdro
