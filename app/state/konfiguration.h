// The configuration members: everything that defines what the user looks at
// and how. This is the live state the main window (the engine) holds; the
// configuration record (app/state/config_record.h) is its fixed-layout image
// in files, history and undo snapshots.
//
// Blocks whose owning subsystem does not give them meaning yet are kept as raw
// bytes (`traw_block`): they travel through every file, snapshot and apply
// unchanged, so a file read and written again is byte-identical. A subsystem
// that takes a block over replaces the raw member by its own record type and
// the block's entry in the field table (config_record.cpp) by a sub-table of
// its fields, as `zeitort` and `schriften` do; nothing else changes.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/state/animation_settings.h"
#include "astro/enums.h"
#include "astro/zeitort.h"
#include "ephem/theory_selection.h"

namespace sdro {

/// Bytes of a block whose meaning belongs to another subsystem.
template <std::size_t N>
using traw_block = std::array<std::uint8_t, N>;

/// Spacing of coordinate lines.
enum tkoordinatendichte : std::uint8_t { gradnetz_weit = 0, gradnetz_mittel = 1, gradnetz_eng = 2 };

/// A colour: red in the low byte, green in the middle byte, blue in the high byte.
using tfarbwert = std::int32_t;
constexpr tfarbwert farbe_rgb(int red, int green, int blue) {
  return static_cast<tfarbwert>(red | (green << 8) | (blue << 16));
}
inline constexpr int kFarbenCount = 39;
using tfarbtabelle = std::array<tfarbwert, kFarbenCount>;
/// The start-up day colours.
tfarbtabelle default_day_colours();

/// One chart font.
struct tschrift {
  std::int32_t groesse = 8;      ///< size in points
  std::int32_t hoehe = -11;      ///< height in pixels (negative: character height, 96 dpi)
  std::string name = "Arial";    ///< face name, UTF-8
  tfarbwert farbe = farbe_rgb(128, 128, 128);  ///< day colour
  std::uint8_t stil = 0;         ///< bit 0 bold, 1 italic, 2 underline, 3 strike-out
};
inline constexpr int kSchriftenCount = 9;
/// Index of the nine fonts in record order.
enum tschriftindex : int {
  schrift_planetengitter = 0,
  schrift_mondkarte = 1,
  schrift_erdkarte = 2,
  schrift_objekte = 3,
  schrift_karten = 4,
  schrift_sternbilder = 5,
  schrift_benutzer = 6,
  schrift_aequator = 7,
  schrift_horizont = 8,
};
std::array<tschrift, kSchriftenCount> default_fonts();

inline constexpr std::size_t kSatellitenauswahlCount = 1300;
inline constexpr std::size_t kHorizontprofilCount = 361;

/// The configuration members with their start-up defaults. Names are those the
/// whole program uses; magnitudes are in hundredths unless noted.
struct tkonfiguration {
  tzeitort zeitort;                        ///< date, time and observing place (Kassel)
  traw_block<136> planetoid{};             ///< element set of the single selected asteroid
  traw_block<128> komet{};                 ///< element set of the single selected comet
  std::string ort_dateiname;               ///< location database file
  std::string pldateiname;                 ///< asteroid element file
  std::string plkonfiguration;             ///< asteroid object configuration
  std::string kodateiname;                 ///< comet element file
  std::string kokonfiguration;             ///< comet object configuration
  std::string tledateiname;                ///< satellite element file
  std::string labeldateiname;              ///< user label database
  tfarbtabelle farben = default_day_colours();  ///< day colour table
  std::int32_t kartengroesse = 1170;       ///< chart diameter, pixels
  std::int32_t polkartengrenze = 0;        ///< −40..40
  std::int32_t uebersichtzentrum = 0;      ///< degrees
  std::int32_t grenzgroessesterne = 500;
  std::int32_t beschriftungsterne = 200;
  std::int32_t beschriftungnebel = 600;
  std::int32_t grenzgroessenebel = 500;
  std::uint8_t finsternisauswahl = 1;      ///< 0..3
  bool beschriftungkarten = true;
  bool sternbilder = true;
  bool sternbildgrenzen = false;
  bool allesternbilder = true;
  bool tierkreishervorheben = true;
  bool gradnetzekliptik = false;
  bool gradnetzaequator = false;
  bool gradnetzhorizont = false;
  bool gradnetzplaneten = true;
  bool orientierungslinien = true;
  bool beschriftungobjekte = true;
  bool beschriftungsternbilder = false;
  bool beschriftungsonnensystem = true;
  bool beschriftungbenutzer = false;
  std::uint8_t erdkartengradnetz = 0;      ///< 0 none, 1 grid, 2 time zones
  tTagnacht tagnacht = fein;
  std::int32_t erdkartenaufloesung = 1;    ///< 1..4
  std::array<double, 3> zoomkarte{180.0, 0.0, 30.0};  ///< centre RA, Dec, radius (degrees)
  bool gruppeunsicher = false;
  bool gruppenebel = true;
  bool gruppehaufen = true;
  bool gruppegalaxien = true;
  bool planeten = true;
  bool planetoiden = true;
  bool kometen = true;
  bool satellitenein = false;
  std::int32_t sterngroessevariation = -2; ///< −4 large … −1 very small
  std::int32_t nebelgroessevariation = -2;
  tanimation animation;                    ///< animation settings
  tbahndatei bahndatei;                    ///< orbit-track file settings
  bool weltzeitbeibehalten = true;
  tdichteHorizont dichteHorizont = g15;
  ttheoriewahl theorie;                    ///< planetary and lunar theory, perturbing planets
  std::uint16_t aktualisierungsintervall = 10;  ///< seconds, 1..240
  bool echtzeit = false;
  std::array<std::uint8_t, kSatellitenauswahlCount> satellitenauswahl = all_satellites_shown();
  std::int32_t satellitentage = 1000;      ///< 5..3652
  std::uint8_t satellitensonnenhoehe = 0;  ///< 0..3
  std::int32_t jupitergrf = 49;            ///< 0..359
  std::int32_t gradnetzkoerper = 0;        ///< 0..8
  bool uselast = true;
  bool useaberrat = false;
  traw_block<24> konjunktionssuche{};      ///< conjunction search settings
  traw_block<16> ereignissuche{};          ///< event search settings
  std::uint8_t plmodus = 0;                ///< asteroid dialog mode flag
  std::uint8_t komodus = 0;                ///< comet dialog mode flag
  std::array<std::int32_t, 4> druckgroessen{5, 200, 10, 90};
  std::array<bool, 3> telrad_ein{true, true, true};
  std::array<double, 3> telrad{0.5, 2.0, 4.0};  ///< circle diameters, degrees
  tkoordinatendichte gradnetzRA = gradnetz_mittel;
  tkoordinatendichte gradnetzdk = gradnetz_mittel;
  bool checkTracker = true;
  bool checkTelrad = true;
  bool einplanetoid = true;
  bool einkomet = true;
  std::int32_t nmeteor = 0;
  std::array<std::int32_t, 4> krater{98, 95, 90, 20};
  std::uint8_t satbahnintervall = 4;       ///< seconds, 1..90
  std::int32_t satindex = 0;
  std::int32_t satbahnpunkte = 2000;       ///< 10..3000
  std::int32_t satzeitschritt = 10;        ///< seconds, 1..600
  std::array<std::uint8_t, 4> milchstrassebreite{3, 2, 1, 1};
  bool nebelumrisse = true;
  std::uint8_t milchstrasse = 2;           ///< 0..4
  std::int32_t praezession = 0;            ///< 0..4
  std::int32_t drehwinkel = 0;             ///< degrees
  std::int32_t konjunktionsmodus = 1;
  std::int8_t mondlichthoehe = 5;          ///< degrees, −8..90
  std::uint8_t mondlichtprozent = 10;      ///< 0..100
  bool mondlicht = true;
  std::int32_t kartenart = 200;
  bool schnellrechnen = true;
  bool gegenpunkt = false;
  bool orte = true;
  bool extinktion = false;
  bool sonnenhoehegrenze = false;
  double grenzgroesseauge = 5.0;           ///< magnitudes
  double teleskopzusatz = 0.0;             ///< magnitudes
  bool lateinisch = true;
  bool mondphasenfuellen = true;
  bool planetenscheiben = false;
  bool mondparallaxe = true;
  bool ppm = false;
  std::int32_t spiegelung = 1;             ///< +1 or −1
  std::int32_t grenzgroessesao = 1000;
  std::int32_t beschriftungsao = 40;       ///< magnitude × 10, 0..135
  std::int32_t grenzgroessekleinkoerper = 1500;
  double aequinoktium = 0.0;               ///< Julian centuries from J2000.0
  bool satbahnradec = true;
  bool sternbitmaps = true;
  bool groesseautomatisch = true;
  std::array<double, 6> referenzhoehen{-34, 8, -50, -6, -12, -18};
  std::array<double, kHorizontprofilCount> horizontprofil = flat_horizon();
  bool lokalerhorizont = false;
  double horizontanhebung = 1.0;           ///< degrees, 0..88
  std::int32_t kartenunterart = 0;         ///< 0/1
  std::int32_t ansichtvon = 0;
  std::uint8_t integrationsgenauigkeit = 0;  ///< 0..2
  std::uint8_t saobeschriftungsart = 0;    ///< 0..2
  std::int32_t planetengitter = 10;        ///< degrees, 5..60
  bool mare = true;
  std::uint8_t satellitenbeschriftung = 3; ///< 0..5
  std::array<tschrift, kSchriftenCount> schriften = default_fonts();

  static std::array<std::uint8_t, kSatellitenauswahlCount> all_satellites_shown();
  static std::array<double, kHorizontprofilCount> flat_horizon();
};

/// The start-up defaults of every member.
const tkonfiguration& default_konfiguration();

/// Is satellite `index` of the element file shown? Indices outside the
/// selection are never shown (and never indexed).
bool satellite_selected(const tkonfiguration& k, long index);
/// Sets the flag of satellite `index`; indices outside the selection are ignored.
void select_satellite(tkonfiguration& k, long index, bool shown);

}  // namespace sdro
