// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animation/settings_entries.h"

#include <charconv>

#include "app/animation/animation_steps.h"
#include "astro/language.h"
#include "astro/text_format.h"
#include "places/clock_entry.h"

namespace sdro {
namespace {

constexpr double kOneSecond = 0.0001;  ///< packed h.mmss

std::optional<long> integer(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  long v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

std::optional<long> in_range(std::string_view text, long lo, long hi) {
  const auto v = integer(text);
  if (!v || *v < lo || *v > hi) return std::nullopt;
  return v;
}

/// The time field as packed h.mmss: empty or "0" is 0; else 0:00:01 … 23:59:59.
std::optional<double> packed_time(std::string_view text) {
  const tclock_entry c = read_clock_entry(text, true);
  if (c.state == tclock_entry::empty) return 0.0;
  if (const auto zero = integer(text); zero && *zero == 0) return 0.0;
  if (c.state != tclock_entry::accepted) return std::nullopt;
  if (c.hours == 0.0) return 0.0;
  if (c.hours < 1.0 / 3600 - 1e-9) return std::nullopt;
  return hours_to_packed(c.hours + kClockReadingBias);
}

}  // namespace

std::string& tanimation_entries::operator[](tanimation_entry e) {
  switch (e) {
    case tanimation_entry::zeit: return zeit;
    case tanimation_entry::tage: return tage;
    case tanimation_entry::sterntage: return sterntage;
    case tanimation_entry::schritte: break;
  }
  return schritte;
}

tanimation_entries animation_entries(const tanimation& a) {
  tanimation_entries e;
  e.zeit = format_clock_entry(packed_to_hours(a.zeitschritt), true);
  e.tage = std::to_string(a.tage);
  e.sterntage = std::to_string(a.sterntage);
  e.schritte = std::to_string(a.schritte);
  return e;
}

std::optional<std::string> animation_entry_error(tanimation_entry which, std::string_view text) {
  switch (which) {
    case tanimation_entry::zeit:
      if (packed_time(text)) return std::nullopt;
      return std::string(tr("Das Zeitintervall muß positiv, >0:00:01 und < 24 oder 0 sein! Die Eingabe wird im "
                            "Format (h)h:mm(:ss)",
                            "Time Intervall must be, positive, >0:00:01 and < 24 or 0! The Format must be "
                            "(h)h:mm(:ss)"));
    case tanimation_entry::tage:
      if (in_range(text, 0, 36525)) return std::nullopt;
      return std::string(tr("Das Tagesintervall muß zwischen positiv und <36525 sein!",
                            "Intervall in Days must be positive and <36525!"));
    case tanimation_entry::sterntage:
      if (in_range(text, 1, 36525)) return std::nullopt;
      return std::string(tr("Das Intervall für Sterntage muß zwischen positiv und <36525 sein!",
                            "Intervall for sidereal Days mst be positive and <36525!"));
    case tanimation_entry::schritte:
      if (in_range(text, 2, 30000)) return std::nullopt;
      return std::string(tr("Das Intervall für automatisches Beenden muß >1 und <30000 sein!",
                            "The Intervall for automatic Stop must be >1 and <30000!"));
  }
  return std::nullopt;
}

std::optional<tanimation_entry> take_animation_entries(const tanimation_entries& e, tanimation& a) {
  const auto zeit = packed_time(e.zeit);
  if (!zeit) return tanimation_entry::zeit;
  const auto tage = in_range(e.tage, 0, 36525);
  if (!tage) return tanimation_entry::tage;
  const auto sterntage = in_range(e.sterntage, 1, 36525);
  if (!sterntage) return tanimation_entry::sterntage;
  const auto schritte = in_range(e.schritte, 2, 30000);
  if (!schritte) return tanimation_entry::schritte;
  a.zeitschritt = *tage == 0 && *zeit == 0.0 ? kOneSecond : *zeit;
  a.tage = static_cast<std::int32_t>(*tage);
  a.sterntage = static_cast<std::int32_t>(*sterntage);
  a.schritte = static_cast<std::int32_t>(*schritte);
  return std::nullopt;
}

std::string interval_label(int units) { return point_to_comma(format_fixed_trimmed(2, units / 100.0)) + " s"; }

int name_choice(const tbahndatei& b) { return b.name_immer ? 0 : b.name_einmal ? 1 : 2; }

void set_name_choice(tbahndatei& b, int choice) {
  b.name_immer = choice == 0;
  b.name_einmal = choice == 1;
}

int date_choice(const tbahndatei& b) {
  if (!b.datum) return 0;
  if (!b.jahr) return 1;
  return b.jahr_vierstellig ? 3 : 2;
}

void set_date_choice(tbahndatei& b, int choice) {
  b.datum = choice >= 1;
  b.jahr = choice >= 2;
  b.jahr_vierstellig = choice >= 3;
}

}  // namespace sdro
