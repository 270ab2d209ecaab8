// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/view_commands.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/state/konfiguration.h"
#include "astro/angles.h"
#include "astro/chart_kind.h"
#include "astro/language.h"
#include "astro/sexagesimal.h"
#include "astro/text_format.h"
#include "chart/surface/rnd.h"
#include "chart/viewport.h"

namespace sdro {
namespace {

constexpr int kDefaultTurnStep = 15;
constexpr double kMinZoomRadius = 0.5;
constexpr double kMaxZoomRadius = 60.0;

struct tzoom_menu_item {
  const char* caption;
  double radius;
};
constexpr tzoom_menu_item kZoomMenu[kZoomMenuCount] = {
    {"0,5°", 0.5}, {"2°", 1.0},   {"5°", 2.5},   {"10°", 5.0},  {"20°", 10.0},
    {"30°", 15.0}, {"40°", 20.0}, {"50°", 25.0}, {"70°", 35.0}, {"90°", 45.0},
};

int whole_degrees(double x) { return rnd(normalize_degrees(x)) % 360; }

tview_change positions() { return {true, true, false}; }
tview_change picture() { return {false, true, false}; }

bool all_digits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

}  // namespace

tview_change set_view_direction(tkonfiguration& k, int drehwinkel) { return set_rotation(k, drehwinkel); }

tview_change turn_chart(tkonfiguration& k, int step) {
  int t = std::abs(step);
  if (t < 1 || t > 180) t = kDefaultTurnStep;
  return set_rotation(k, k.drehwinkel + (step < 0 ? -t : t));
}

tview_change toggle_mirror(tkonfiguration& k) {
  k.spiegelung = k.spiegelung == -1 ? 1 : -1;
  return positions();
}

int rotate_choice_of(int degrees) {
  const int v = whole_degrees(degrees);
  return v % 45 == 0 ? v / 45 : kRotateChoiceOther;
}

int rotate_degrees_of(int choice, int typed) {
  if (choice >= 0 && choice < kRotateChoiceOther) return 45 * choice;
  return typed;
}

tview_change set_rotation(tkonfiguration& k, int degrees) {
  k.drehwinkel = whole_degrees(degrees);
  return positions();
}

std::string_view zoom_menu_caption(int i) { return i >= 0 && i < kZoomMenuCount ? kZoomMenu[i].caption : ""; }

double zoom_menu_radius(int i) { return i >= 0 && i < kZoomMenuCount ? kZoomMenu[i].radius : 15.0; }

tview_change enter_zoom_chart(tkonfiguration& k, int screen_width, int M) {
  k.kartengroesse = usable_chart_diameter(screen_width - 16, M);
  k.kartenunterart = 0;
  k.kartenart = ka_zoom;
  return positions();
}

tview_change zoom_to(tkonfiguration& k, double ra, double dec, double radius, int screen_width, int M) {
  k.zoomkarte = {normalize_degrees(ra), std::clamp(dec, -90.0, 90.0),
                 std::clamp(radius, kMinZoomRadius, kMaxZoomRadius)};
  return enter_zoom_chart(k, screen_width, M);
}

std::optional<double> parse_sexagesimal(std::string_view text) {
  std::string s = trimmed(text);
  double sign = 1.0;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    sign = s.front() == '-' ? -1.0 : 1.0;
    s.erase(0, 1);
  }
  if (s.empty()) return std::nullopt;
  double packed = 0.0;
  if (s.find(':') != std::string::npos) {
    const tclock_text c = parse_clock_text(s);
    if (!c.ok) return std::nullopt;
    packed = c.value;
  } else {
    const std::string point = comma_to_point(s);
    const std::size_t dot = point.find('.');
    const std::string whole = point.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? "" : point.substr(dot + 1);
    if (!all_digits(whole) || (!fraction.empty() && !all_digits(fraction))) return std::nullopt;
    const std::string mm = fraction.substr(0, std::min<std::size_t>(2, fraction.size()));
    const std::string ss = fraction.size() > 2 ? fraction.substr(2, 2) : "";
    if ((mm.size() == 2 && std::stoi(mm) >= 60) || (ss.size() == 2 && std::stoi(ss) >= 60)) return std::nullopt;
    const treal_text r = parse_real(point);
    if (!r.ok) return std::nullopt;
    packed = r.value;
  }
  const double value = packed_to_decimal(packed);
  if (!std::isfinite(value)) return std::nullopt;
  return sign * value;
}

tzoom_entry check_zoom_entry(std::string_view ra, std::string_view dec, std::string_view radius) {
  tzoom_entry e;
  const auto hours = parse_sexagesimal(ra);
  if (!hours || *hours < 0.0 || *hours >= 24.0) {
    e.error = tzoom_field::ra;
    e.message = std::string(tr("Rektaszension: muß >0 und <24 im Format hh:mm:ss sein!",
                               "Right Ascension must be >0 and <24 as hh:mm:ss!"));
    return e;
  }
  const auto degrees = parse_sexagesimal(dec);
  if (!degrees || *degrees < -90.0 || *degrees > 90.0) {
    e.error = tzoom_field::dec;
    e.message = std::string(tr("Deklination: muß >=-90 und <=90 im Format gg:mm:ss sein!",
                               "Declination: must be >=-90 and <=90 as gg:mm:ss!"));
    return e;
  }
  const treal_text r = parse_real(comma_to_point(trimmed(radius)));
  if (!r.ok || !std::isfinite(r.value) || r.value < kMinZoomRadius || r.value > kMaxZoomRadius) {
    e.error = tzoom_field::radius;
    e.message = std::string(tr("Durchmesser: muß >=0,5° und <=60° im Format ° und Dezimale (g,xxxx...) sein!",
                               "Diameter: must be >=0,5° and <=60° as ° with Decimals (g,xxxx...)!"));
    return e;
  }
  e.ra = *hours * 15.0;
  e.dec = *degrees;
  e.radius = r.value;
  return e;
}

std::string zoom_ra_text(double ra_degrees) {
  return format_clock(format_fixed(2, 4, decimal_to_packed(normalize_degrees(ra_degrees) / 15.0)));
}

std::string zoom_dec_text(double dec_degrees) {
  const std::string s = format_clock(format_fixed(2, 4, decimal_to_packed(std::fabs(dec_degrees))));
  return (dec_degrees < 0.0 ? "-" : "") + s;
}

std::string zoom_radius_text(double radius) { return point_to_comma(format_fixed_trimmed(1, radius)); }

tview_change shift_overview(tkonfiguration& k, int degrees) {
  k.uebersichtzentrum = whole_degrees(k.uebersichtzentrum + degrees);
  return picture();
}

tview_change centre_overview(tkonfiguration& k, double ra_hours) {
  k.uebersichtzentrum = whole_degrees(180.0 - 15.0 * ra_hours);
  return picture();
}

double overview_centre_ra_hours(const tkonfiguration& k) {
  return normalize_degrees(180.0 - k.uebersichtzentrum) / 15.0;
}

std::optional<tview_change> more_stars(tkonfiguration& k, int level, int last_selected_limit) {
  const int top = level * 10;
  if (k.grenzgroessesterne >= top) return std::nullopt;
  k.grenzgroessesterne = std::min(top, k.grenzgroessesterne + 50);
  tview_change c = picture();
  c.sternemehr = k.grenzgroessesterne > last_selected_limit;
  return c;
}

std::optional<tview_change> fewer_stars(tkonfiguration& k) {
  if (k.grenzgroessesterne <= 0) return std::nullopt;
  k.grenzgroessesterne = std::max(0, k.grenzgroessesterne - 50);
  return picture();
}

}  // namespace sdro
