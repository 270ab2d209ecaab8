// The two numberings of the solar-system bodies and their names.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace sdro {

/// Index of the name tables and of the main window's body arrays.
enum tkoerper : int {
  sonne = 0,
  merkur = 1,
  venus = 2,
  mars = 3,
  jupiter = 4,
  saturn = 5,
  uranus = 6,
  neptun = 7,
  pluto = 8,
  mond = 9,
};
inline constexpr int kBodyCount = 10;

/// Heliocentric order of the planetary theories: 1 Mercury … 3 Earth … 9 Pluto.
/// In geocentric work number 3 yields the Sun.
enum tplanetnummer : int {
  pn_merkur = 1,
  pn_venus = 2,
  pn_erde = 3,
  pn_mars = 4,
  pn_jupiter = 5,
  pn_saturn = 6,
  pn_uranus = 7,
  pn_neptun = 8,
  pn_pluto = 9,
};

/// Zero-based planet slot of a planet number: n − 1 for 1..9, else 0.
int planet_slot(int planetnummer);

/// Planet number (heliocentric order) of a body index; the Sun gives 3 (Earth),
/// the Moon 0 (it has no planet number).
int planet_number_of_body(tkoerper body);

/// Body name in the current language ("Sonne" … "Mond" / "Sun" … "Moon").
/// Out-of-range indices give an empty text.
std::string_view body_name(int index);
/// Viewpoint name in heliocentric order from the Sun: "Sonne", "Merkur", …,
/// "Erde", … "Pluto" / "Sun", "Mercury", …, "Earth", … "Pluto".
std::string_view viewpoint_name(int index);

/// The five Saturn satellites of the satellite view and their magnitudes.
struct tsaturnmond {
  std::string_view name;
  double magnitude;
};
const tsaturnmond& saturn_satellite(int index);  // 0 Tethys … 4 Japetus
inline constexpr int kSaturnSatelliteCount = 5;

/// Finds a body by its German or English name, ignoring case; −1 if none.
int find_body_by_name(std::string_view name);

}  // namespace sdro
