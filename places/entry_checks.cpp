// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/entry_checks.h"

#include <cmath>
#include <optional>

#include "astro/language.h"
#include "astro/sexagesimal.h"
#include "astro/text_format.h"
#include "astro/zeitort.h"
#include "places/number_text.h"

namespace sdro {
namespace {

struct tmessage_pair {
  tbitext message;
  tbitext caption;
};

// Row: field; columns: date-and-place dialog, place dialogs.
const tmessage_pair kMessages[6][2] = {
    {{{"ET-Ut (Sekunden): ungültiger Wert!", "ET-Ut (Seconds): invalide value!"}, {"", ""}},
     {{"ET-Ut (Sekunden): ungültiger Wert!", "ET-Ut (Seconds): invalide value!"}, {"", ""}}},
    {{{"Geogr. Breite: muß zwischen >=-90 und <=+90 betragen!", "Geogr. Latitude must be >=-90 and <=+90!"},
      {"", ""}},
     {{"Geogr. Breite: muß >=-90 und <=+90 sein!", "Geogr. Latitude: must be >=-90 and <=+90!"},
      {"Fehler bei Eingabe der geogr. Breite", "Error while entering geogr. Latitude"}}},
    {{{"Geogr. Länge: muß zwischen >=-180 und <=+180 betragen!",
       "Geogr. Longitude must be >=-180 and <=+180!"},
      {"", ""}},
     {{"Geogr. Länge: muß >=-180 und <=+180 sein!", "Geogr. Longitude: must be >=-180 and <=+180!"},
      {"Fehler bei Eingabe der geogr. Länge", "Fehler while Entering geogr. Longitude"}}},
    {{{"Bitte einen realistischen Wert für die Meereshöhe eingeben!",
       "Please enter a realistic values for height above sea-level!"},
      {"Fehlerhaft oder unrealistischer Wert", ""}},
     {{"Bitte realistische Werte eingeben!", "Please enter realistic values!"},
      {"Fehler bei Eingabe der Meereshöhe", "Error while entering Altitude above Sea Level"}}},
    {{{"Bitte einen realistischen Wert für die Temperatur in °Celsius eingeben!",
       "Please enter a realistic value for temperature in °Celsius!"},
      {"Fehlerhaft oder unrealistischer Wert", ""}},
     {{"Bitte realistische Werte eingeben!", "Please enter realistic values!"},
      {"Fehler bei Eingabe der Temperatur", "Error while entering Temperature"}}},
    {{{"Bitte einen realistischen Wert für den Luftdruck eingeben!",
       "Please enter a realistic value for air pressure!"},
      {"Fehlerhaft oder unrealistischer Wert", ""}},
     {{"Bitte realistische Werte eingeben!", "Please enter realistic values!"},
      {"Fehler bei Eingabe der Luftdruck", "Error while entering Atmospheric Pressure"}}},
};

bool is_blank(std::string_view s) { return s.find_first_not_of(" \t") == std::string_view::npos; }

/// Minutes and seconds of a packed D.MMSS value below 60.
bool packed_is_valid(double packed) {
  const double rest = std::abs(packed) - std::floor(std::abs(packed));
  const double minutes = std::floor(rest * 100.0 + 1e-9);
  const double seconds = rest * 1e4 - minutes * 100.0;
  return minutes < 60.0 && seconds < 60.0 - 1e-6;
}

std::optional<double> angle(std::string_view text) {
  const tangle_text a = parse_angle_text(text);
  if (!a.ok || !std::isfinite(a.value)) return std::nullopt;
  if (a.decimal) return a.value;
  if (!packed_is_valid(a.value)) return std::nullopt;
  return packed_to_decimal(a.value);
}

std::optional<double> to_double(std::optional<long> v) {
  return v ? std::optional<double>(static_cast<double>(*v)) : std::nullopt;
}

/// The value of a field when it is readable and within its limits.
std::optional<double> accepted_value(tentry_field field, std::string_view text) {
  std::optional<double> v;
  double low = 0.0, high = 0.0;
  switch (field) {
    case tentry_field::delta_t: v = parse_decimal(text); low = -kMaxDeltaT; high = kMaxDeltaT; break;
    case tentry_field::latitude: v = angle(text); low = -kMaxLatitude; high = kMaxLatitude; break;
    case tentry_field::longitude: v = angle(text); low = -kMaxLongitude; high = kMaxLongitude; break;
    case tentry_field::height: v = to_double(parse_whole_number(text)); low = -kMaxHeight; high = kMaxHeight; break;
    case tentry_field::temperature:
      v = parse_decimal(text); low = -kMaxTemperature; high = kMaxTemperature; break;
    case tentry_field::pressure: v = parse_decimal(text); low = 0.0; high = kMaxPressure; break;
  }
  if (!v || *v < low || *v > high) return std::nullopt;
  return v;
}

}  // namespace

tentry_check check_entry(tentry_form form, tentry_field field, std::string_view text) {
  tentry_check r;
  if (is_blank(text)) return r;
  if (const auto v = accepted_value(field, text)) {
    r.state = tentry_check::accepted;
    r.value = *v;
    return r;
  }
  const tmessage_pair& m = kMessages[static_cast<int>(field)][form == tentry_form::place ? 1 : 0];
  r.state = tentry_check::refused;
  r.message = m.message.str();
  r.caption = m.caption.str();
  return r;
}

void store_entry(tzeitort& z, tentry_field field, double value) {
  switch (field) {
    case tentry_field::delta_t: z.delta_t = value; break;
    case tentry_field::latitude: z.latitude = value; break;
    case tentry_field::longitude: z.longitude = value; break;
    case tentry_field::height: z.height = static_cast<std::int32_t>(value); break;
    case tentry_field::temperature: z.temperature = value; break;
    case tentry_field::pressure: z.pressure = value; break;
  }
}

}  // namespace sdro
