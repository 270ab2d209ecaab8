// The two-language name tables (German first, English second in each row).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro/language.h"

namespace sdro::names_tables {

inline constexpr tbitext kBodies[] = {
    {"Sonne", "Sun"},     {"Merkur", "Mercury"}, {"Venus", "Venus"},   {"Mars", "Mars"},
    {"Jupiter", "Jupiter"}, {"Saturn", "Saturn"}, {"Uranus", "Uranus"}, {"Neptun", "Neptune"},
    {"Pluto", "Pluto"},   {"Mond", "Moon"},
};

inline constexpr tbitext kViewpoints[] = {
    {"Sonne", "Sun"},       {"Merkur", "Mercury"}, {"Venus", "Venus"},   {"Erde", "Earth"},
    {"Mars", "Mars"},       {"Jupiter", "Jupiter"}, {"Saturn", "Saturn"}, {"Uranus", "Uranus"},
    {"Neptun", "Neptune"},  {"Pluto", "Pluto"},
};

inline constexpr tbitext kWeekdays[] = {
    {"Sonntag", "Sunday"},     {"Montag", "Monday"},        {"Dienstag", "Tuesday"},
    {"Mittwoch", "Wednesday"}, {"Donnerstag", "Thursday"},  {"Freitag", "Friday"},
    {"Samstag", "Saturday"},
};

inline constexpr tbitext kSeasons[] = {
    {"Frühling", "Spring"}, {"Sommer", "Summer"}, {"Herbst", "Fall"}, {"Winter", "Winter"},
};

inline constexpr tbitext kMoonPhases[] = {
    {"Neumond", "New Moon"},
    {"Erstes Viertel", "First Quartier"},
    {"Vollmond", "Full Moon"},
    {"Letztes Viertel", "Last Quartier"},
};

inline constexpr tbitext kCompass[] = {
    {"N ", "N "}, {"NO", "NE"}, {"O ", "E "}, {"SO", "SE"},
    {"S ", "S "}, {"SW", "SW"}, {"W ", "W "}, {"NW", "NW"},
};

// Entry i names the zone UT + (i − 12) hours.
inline constexpr tbitext kTimeZones[] = {
    {"Neuseelandzeit", "New Zealand Time"},
    {"UT-11", "UT-11"},
    {"HST", "HST"},
    {"UT-9", "UT-9"},
    {"PST", "PST"},
    {"MST", "MST"},
    {"CST", "CST"},
    {"EST", "EST"},
    {"Atlantikzeit", "Atlantic Time"},
    {"Ostbrasil. Zeit", "East Brasilean Time"},
    {"Südatlantikzeit", "South Atlantic Time"},
    {"Isländ. Zeit", "Island Time"},
    {"UT", "UT"},
    {"MEZ", "MEZ"},
    {"OEZ", "OEZ"},
    {"Moskauer Zeit", "Moscow Time"},
    {"UT+4", "UT+4"},
    {"UT+5", "UT+5"},
    {"UT+6", "UT+6"},
    {"UT+7", "UT+7"},
    {"Chines. Küstenz.", "Chines. Coast Time"},
    {"Mittl. Japanzeit", "Japanese Time"},
    {"Ostaustr. Zeit", "East Austral. Time"},
    {"Südseezeit", "South-Sea Time"},
    {"Neuseelandzeit", "New Zealand Time"},
};

inline constexpr tbitext kDrawingElements[] = {
    {"Sternbildlinien", "Constellation Lines"},
    {"Tierkreissternbilder", "Zodiac Constellations"},
    {"Gasnebel", "Diffuse Nebula"},
    {"Galaxien", "Galaxies"},
    {"Sternhaufen", "Clusters"},
    {"Unbekannte Objekte", "Unknown Objects"},
    {"Nebelumrisse", "Outlines (Deep Sky)"},
    {"Nebelumrisse (unbekannte Größe)", "Outlines (unknown extension)"},
    {"Telrad®-Kreise", "Telrad®-Circles"},
    {"Ekliptik", "Ecliptic"},
    {"Äquatorsystem", "Equator System"},
    {"Horizontsystem", "Horizon System"},
    {"Gradnetz auf Planeten", "Grid on Earth Map"},
    {"Erdgradnetz", "Grid on Moon Map"},
    {"Erdkarte", "Earth Map"},
    {"Städte", "Cities"},
    {"Satelliten (beleuchtet)", "Satellites (illuminated)"},
    {"Satelliten (nicht beleuchtet)", "Satelliten (eclipsed)"},
    {"Sternbildgrenzen", "Constellaton Boundaries"},
    {"Flächige Objekte", "Outlines"},
    {"Milchstraße (grob)", "Milkyway (Outline)"},
    {"Milchstraße (mittel)", "Milkywas (medium)"},
    {"Milchstraße (fein)", "Milkyway (fine)"},
    {"Milchstraße (sehr fein)", "Milkyway (very fine)"},
    {"Benutzerdefinierte Objekte", "User defined Labels"},
    {"Horizontverlauf", "Local Horizon"},
    {"Bahnspur Sonne", "Orbit Trace Sun"},
    {"Bahnspur Merkur", "Orbit Trace Mercury"},
    {"Bahnspur Venus", "Orbit Trace Venus"},
    {"Bahnspur Mars", "Orbit Trace Mars"},
    {"Bahnspur Jupiter", "Orbit Trace Jupiter"},
    {"Bahnspur Saturn", "Orbit Trace Saturn"},
    {"Bahnspur Uranus", "Orbit Trace Uranus"},
    {"Bahnspur Neptun", "Orbit Trace Neptune"},
    {"Bahnspur Pluto", "Orbit Trace Pluto"},
    {"Bahnspur Mond", "Orbit Trace Moon"},
    {"Bahnspur Planetoid/Komet", "Orbit Trace Asteroid/Comet"},
    {"Beleuchteter Rand", "Illuminated edge"},
    {"Unbeleuchteter Rand", "Dark edge"},
};

}  // namespace sdro::names_tables
