// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <charconv>
#include <cmath>

#include "app/state/ini_file.h"
#include "app/state/settings.h"
#include "astro/text_format.h"

namespace sdro {
namespace {

struct toption {
  std::string_view flag;
  std::string_view value;  ///< name of the value; empty for a switch
  tbitext help;
  std::string tcommand_line::*target;  ///< where the value goes (null for --help)
};

// The options of every mode. Add a row for a new flag.
const toption kOptions[] = {
    {"--render", "OUT.png",
     {"die Karte ohne Fenster zeichnen und als PNG schreiben", "draw the chart without a window and write it as PNG"},
     &tcommand_line::render},
    {"--config", "FILE.kcf",
     {"Konfigurationsdatei, nach dem Start angewandt", "configuration file applied after the start"},
     &tcommand_line::config},
    {"--date", "YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]",
     {"Zeitpunkt der Karte (ohne Zone: UT)", "instant of the chart (no zone: UT)"}, &tcommand_line::date},
    {"--place", "LAT,LON[,HEIGHT]",
     {"Beobachtungsort, Grad Nord und Ost, Meter", "observing place, degrees north and east, metres"},
     &tcommand_line::place},
    {"--size", "PIXELS", {"Kartendurchmesser (100..2750)", "chart diameter (100..2750)"}, &tcommand_line::size},
    {"--chart", "200|204|205|206|207",
     {"Himmelskarte: Horizont, Ausschnitt, Übersicht, Nord-, Südhimmel",
      "sky chart: horizon, zoom, overview, northern, southern sky"},
     &tcommand_line::chart},
    {"--equatorial", "",
     {"die äquatoriale Übersicht (Unterart von --chart 200)", "the equatorial overview (sub-kind of --chart 200)"},
     &tcommand_line::equatorial},
    {"--zoom", "RA,DEC,RADIUS",
     {"Mitte und Radius der Ausschnittskarte, Grad (Radius 0.5..60)",
      "zoom chart centre and radius, degrees (radius 0.5..60)"},
     &tcommand_line::zoom},
    {"--view", "S|E|N|W|DEGREES",
     {"Blickrichtung: der Horizontpunkt unten, oder eine Drehung",
      "view direction: the horizon point at the bottom, or a rotation"},
     &tcommand_line::view},
    {"--mirror", "", {"die Karte Ost-West gespiegelt", "the chart mirrored east-west"}, &tcommand_line::mirror},
    {"--constellations", "on|off|all|zodiac", {"Sternbildfiguren", "constellation figures"},
     &tcommand_line::constellations},
    {"--names", "on|off", {"Sternbildnamen", "constellation names"}, &tcommand_line::names},
    {"--boundaries", "on|off", {"Sternbildgrenzen", "constellation boundaries"}, &tcommand_line::boundaries},
    {"--milky-way", "0..4",
     {"Milchstraße: keine, Umriss, mittel, fein, sehr fein", "Milky Way: none, outline, medium, fine, very fine"},
     &tcommand_line::milky_way},
    {"--outlines", "on|off", {"Umrisse der Deep-Sky-Objekte", "deep-sky outlines"}, &tcommand_line::outlines},
    {"--grids", "none|horizon,equator,ecliptic", {"Koordinatennetze", "coordinate grids"}, &tcommand_line::grids},
    {"--limit", "MAG", {"Grenzgröße der Sterne", "limiting magnitude of the stars"}, &tcommand_line::limit},
    {"--night", "", {"Nachtabdunkelung (rot auf schwarz)", "night dimming (red on black)"}, &tcommand_line::night},
    {"--datadir", "DIR",
     {"Datenverzeichnis (statt dem der Einstellungsdatei)", "data directory (instead of the settings file's)"},
     &tcommand_line::datadir},
    {"--ini", "FILE", {"Einstellungsdatei (statt sdro32.ini)", "settings file (instead of sdro32.ini)"},
     &tcommand_line::ini},
    {"--riseset", "BODY|twilight",
     {"Tabelle der Auf- und Untergänge und Kulminationen (CSV) mit --from, --to, --place",
      "table of rise, transit and set (CSV) with --from, --to, --place"},
     &tcommand_line::riseset},
    {"--from", "DATE",
     {"erster Tag von --riseset (YYYY-MM-DD), erster Zeitpunkt von --ephemeris",
      "first day of --riseset (YYYY-MM-DD), first instant of --ephemeris"},
     &tcommand_line::from},
    {"--to", "DATE",
     {"letzter Tag von --riseset (YYYY-MM-DD), letzter Zeitpunkt von --ephemeris",
      "last day of --riseset (YYYY-MM-DD), last instant of --ephemeris"},
     &tcommand_line::to},
    {"--zone", "HOURS",
     {"Zone der Tage und Ortszeiten von --riseset (Vorgabe 0: UT)",
      "zone of the --riseset days and local times (default 0: UT)"},
     &tcommand_line::zone},
    {"--ephemeris", "BODY",
     {"scheinbare Örter (CSV) von --from bis --to [--step, --place]; Daten wie bei --date",
      "apparent places (CSV) from --from to --to [--step, --place]; dates as --date"},
     &tcommand_line::ephemeris},
    {"--step", "DAYS",
     {"Abstand der Zeilen von --ephemeris (Vorgabe 1)", "interval of the --ephemeris rows (default 1)"},
     &tcommand_line::step},
    {"--theory", "own|vsop87d|vsop87c",
     {"Planetentheorie von --ephemeris (Vorgabe: wie beim Start)",
      "planetary theory of --ephemeris (default: as at the start)"},
     &tcommand_line::theory},
    {"--moon", "brown|elp",
     {"Mondtheorie von --ephemeris (Vorgabe brown)", "lunar theory of --ephemeris (default brown)"},
     &tcommand_line::moon},
    {"--record", "STEPS,DAYS",
     {"die Bahnspuren der Körper an STEPS Zeitpunkten im Abstand von DAYS Tagen ab --date aufzeichnen",
      "record the bodies' orbit tracks at STEPS instants DAYS apart from --date"},
     &tcommand_line::record},
    {"--track", "FILE.orb|FILE.sor",
     {"Bahnspurdatei, auf der Karte gezeichnet (mit --record: geschrieben)",
      "orbit-track file drawn on the chart (with --record: written)"},
     &tcommand_line::track},
    {"--help", "", {"dieser Text", "this text"}, nullptr},
};

const toption* find_option(std::string_view flag) {
  for (const auto& o : kOptions) {
    if (o.flag == flag) return &o;
  }
  return nullptr;
}

template <class T>
bool read_number(std::string_view& s, std::size_t digits_min, std::size_t digits_max, T& out) {
  std::size_t n = 0;
  while (n < s.size() && n < digits_max && s[n] >= '0' && s[n] <= '9') ++n;
  if (n < digits_min) return false;
  std::from_chars(s.data(), s.data() + n, out);
  s.remove_prefix(n);
  return true;
}

bool expect(std::string_view& s, char c) {
  if (s.empty() || s.front() != c) return false;
  s.remove_prefix(1);
  return true;
}

int days_in_month(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

std::optional<double> number(std::string_view text) {
  const treal_text r = parse_real(text);
  if (!r.ok || !std::isfinite(r.value)) return std::nullopt;
  return r.value;
}

}  // namespace

tcommand_line::tmode tcommand_line::mode() const {
  if (help) return tmode::help;
  if (!render.empty()) return tmode::render;
  if (!riseset.empty()) return tmode::riseset;
  if (!ephemeris.empty()) return tmode::ephemeris;
  return tmode::window;
}

tparsed_command_line parse_command_line(const std::vector<std::string_view>& args) {
  tparsed_command_line r;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if (a.size() < 2 || a.substr(0, 2) != "--") {
      r.options.files.emplace_back(a);
      continue;
    }
    const std::size_t eq = a.find('=');
    const std::string_view flag = a.substr(0, eq);
    const toption* option = find_option(flag);
    if (!option) {
      r.error = std::string(tr("unbekannte Option ", "unknown option ")) + std::string(flag);
      return r;
    }
    if (option->value.empty()) {
      if (option->target) {
        r.options.*(option->target) = "1";
      } else {
        r.options.help = true;
      }
      continue;
    }
    std::string_view value;
    if (eq != std::string_view::npos) {
      value = a.substr(eq + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      r.error = std::string(flag) + std::string(tr(" braucht einen Wert: ", " needs a value: ")) +
                std::string(option->value);
      return r;
    }
    r.options.*(option->target) = std::string(value);
  }
  return r;
}

std::string usage_text() {
  std::string s(tr("Aufruf: sdro [FILE.kcf] [Optionen]\n", "usage: sdro [FILE.kcf] [options]\n"));
  for (const auto& o : kOptions) {
    std::string line = "  " + std::string(o.flag);
    if (!o.value.empty()) line += " " + std::string(o.value);
    if (line.size() < 44) line.resize(44, ' ');
    s += line + " " + o.help.str() + "\n";
  }
  return s;
}

tlanguage command_line_language(const std::vector<std::string_view>& args,
                                const std::filesystem::path& program) {
  // The arguments are walked as parse_command_line walks them, so that a
  // value is never taken for a flag; a flag it does not know is passed over.
  std::string_view ini;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if (a.size() < 2 || a.substr(0, 2) != "--") continue;
    const std::size_t eq = a.find('=');
    const toption* option = find_option(a.substr(0, eq));
    if (!option || option->value.empty()) continue;
    std::string_view value;
    if (eq != std::string_view::npos) {
      value = a.substr(eq + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    }
    if (option->target == &tcommand_line::ini) ini = value;
  }
  const std::filesystem::path file = ini.empty() ? settings_file_path(program) : std::filesystem::path(ini);
  return read_language(tinifile::load(file));
}

std::optional<tcommand_date> parse_command_date(std::string_view s) {
  tcommand_date d;
  int sign = 1;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    sign = s.front() == '-' ? -1 : 1;
    s.remove_prefix(1);
  }
  int minute = 0;
  double second = 0;
  if (!read_number(s, 4, 4, d.year) || !expect(s, '-') || !read_number(s, 2, 2, d.month) ||
      !expect(s, '-') || !read_number(s, 2, 2, d.day) || !(expect(s, 'T') || expect(s, ' '))) {
    return std::nullopt;
  }
  int hour = 0;
  if (!read_number(s, 2, 2, hour) || !expect(s, ':') || !read_number(s, 2, 2, minute)) return std::nullopt;
  if (!s.empty() && s.front() == ':') {
    s.remove_prefix(1);
    int whole = 0;
    if (!read_number(s, 2, 2, whole)) return std::nullopt;
    second = whole;
  }
  d.year *= sign;
  if (d.year < -4712 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1 ||
      d.day > days_in_month(d.year, d.month) || hour > 23 || minute > 59 || second >= 60) {
    return std::nullopt;
  }
  d.hours = hour + minute / 60.0 + second / 3600.0;
  if (s.empty() || s == "Z") return d;
  const int zone_sign = s.front() == '-' ? -1 : s.front() == '+' ? 1 : 0;
  if (zone_sign == 0) return std::nullopt;
  s.remove_prefix(1);
  int zh = 0, zm = 0;
  if (!read_number(s, 2, 2, zh) || !expect(s, ':') || !read_number(s, 2, 2, zm) || !s.empty()) {
    return std::nullopt;
  }
  if (zh > 12 || zm > 59 || (zh == 12 && zm > 0)) return std::nullopt;
  d.zone_hours = zone_sign * zh;
  d.zone_minutes = zone_sign * zm;
  return d;
}

std::optional<tcommand_place> parse_command_place(std::string_view s) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t comma = s.find(',');
    parts.push_back(s.substr(0, comma));
    if (comma == std::string_view::npos) break;
    s.remove_prefix(comma + 1);
  }
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  const auto lat = number(parts[0]);
  const auto lon = number(parts[1]);
  if (!lat || !lon || std::abs(*lat) > 90 || std::abs(*lon) > 180) return std::nullopt;
  tcommand_place p{*lat, *lon, 0};
  if (parts.size() == 3) {
    const auto h = number(parts[2]);
    if (!h || *h < -1000 || *h > 10000) return std::nullopt;
    p.height = static_cast<int>(std::lround(*h));
  }
  return p;
}

std::string command_place_error(std::string_view text) {
  return "--place " + std::string(text) +
         std::string(tr(": erwartet LAT,LON[,HEIGHT]: Breite |LAT| ≤ 90, Länge |LON| ≤ 180 (Ost positiv) "
                        "und eine Höhe in Metern",
                        ": expected LAT,LON[,HEIGHT] with |LAT| ≤ 90, |LON| ≤ 180 (east positive) and a "
                        "height in metres"));
}

std::optional<int> parse_command_size(std::string_view s) {
  int v = 0;
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size() || v < 100 || v > 2750) return std::nullopt;
  return v;
}

}  // namespace sdro
