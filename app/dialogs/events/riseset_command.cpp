// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/events/riseset_command.h"

#include <charconv>
#include <cmath>
#include <iostream>

#include "app/engine/engine.h"
#include "app/start_options.h"
#include "astro/calendar.h"
#include "astro/language.h"
#include "astro/text_format.h"
#include "places/date_entry.h"

namespace sdro {
namespace {

/// The longest table (days), about 270 years.
constexpr long kMaxDays = 100000;
/// Zone offsets the table takes, hours (the zones of the world run from −12 to +14).
constexpr double kMinZone = -12.0, kMaxZone = 14.0;

struct tdate {
  int year = 0, month = 0, day = 0;
};

/// YYYY-MM-DD with an optional sign on the year; the date must exist.
std::optional<tdate> iso_date(std::string_view s) {
  int sign = 1;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    sign = s.front() == '-' ? -1 : 1;
    s.remove_prefix(1);
  }
  const auto number = [&s](std::size_t digits, int& out) {
    if (s.size() < digits) return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + digits, out);
    if (ec != std::errc() || end != s.data() + digits) return false;
    s.remove_prefix(digits);
    return true;
  };
  const auto dash = [&s] {
    if (s.empty() || s.front() != '-') return false;
    s.remove_prefix(1);
    return true;
  };
  tdate d;
  if (!number(4, d.year) || !dash() || !number(2, d.month) || !dash() || !number(2, d.day) || !s.empty()) {
    return std::nullopt;
  }
  d.year *= sign;
  if (!date_exists(d.day, d.month, d.year)) return std::nullopt;
  if (!julian_date_in_range(calendar_to_jd(d.day, d.month, d.year, 12.0))) return std::nullopt;
  return d;
}

}  // namespace

triseset_arguments riseset_arguments(const tcommand_line& cl) {
  triseset_arguments a;
  triseset_request q;
  const auto subject = riseset_subject(cl.riseset);
  if (!subject) {
    a.error = "--riseset " + cl.riseset + std::string(tr(": erwartet eines von ", ": expected one of ")) +
              riseset_subject_names();
    return a;
  }
  q.subject = *subject;
  const std::string date_form(tr(": erwartet ein Datum YYYY-MM-DD, das es gibt (julianischer Kalender vor "
                                 "1582-10-15), Jahre -4712..9999",
                                 ": expected a date YYYY-MM-DD that exists (Julian calendar before 1582-10-15), "
                                 "years -4712..9999"));
  const auto from = iso_date(cl.from);
  if (!from) {
    a.error = "--from " + cl.from + date_form;
    return a;
  }
  const auto to = iso_date(cl.to);
  if (!to) {
    a.error = "--to " + cl.to + date_form;
    return a;
  }
  const auto place = parse_command_place(cl.place);
  if (!place) {
    a.error = command_place_error(cl.place);
    return a;
  }
  if (!cl.zone.empty()) {
    const treal_text z = parse_real(cl.zone);
    if (!z.ok || z.value < kMinZone || z.value > kMaxZone) {
      a.error = "--zone " + cl.zone +
                std::string(tr(": erwartet die Stunden östlich von Greenwich, -12..14 (5.5 für +05:30)",
                               ": expected the hours east of Greenwich, -12..14 (5.5 for +05:30)"));
      return a;
    }
    q.zone = z.value;
  }
  const long days = std::lround(calendar_to_jd(to->day, to->month, to->year, 0) -
                                calendar_to_jd(from->day, from->month, from->year, 0));
  if (days < 0 || days >= kMaxDays) {
    a.error = "--from " + cl.from + " --to " + cl.to +
              std::string(tr(": der letzte Tag darf nicht vor dem ersten liegen, und die Tabelle fasst "
                             "höchstens 100000 Tage",
                             ": the last day must not come before the first, and the table holds at most "
                             "100000 days"));
    return a;
  }
  q.from_year = from->year;
  q.from_month = from->month;
  q.from_day = from->day;
  q.to_year = to->year;
  q.to_month = to->month;
  q.to_day = to->day;
  q.latitude = place->latitude;
  q.longitude = -place->east_longitude;  // the program counts west positive
  a.request = q;
  return a;
}

int run_riseset(const tcommand_line& cl, std::ostream& out) {
  const triseset_arguments a = riseset_arguments(cl);
  if (!a.request) {
    std::cerr << "sdro: " << a.error << '\n';
    return 2;
  }
  tscripted_messages messages(&std::cerr);
  tengine engine(messages);
  if (!engine.initialisieren(start_options(cl, false))) {
    std::cerr << "sdro: " << start_up_failed() << '\n';
    return 1;
  }
  if (!cl.config.empty() && !engine.load_configuration(cl.config)) {
    std::cerr << "sdro: " << configuration_failure(messages, cl.config) << '\n';
    return 1;
  }
  const tkonfiguration& k = engine.konfig();
  write_riseset_table(out, *a.request, k.theorie, k.referenzhoehen);
  return out.good() ? 0 : 1;
}

}  // namespace sdro
