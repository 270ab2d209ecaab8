// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/constellations.h"

namespace sdro {
namespace {

struct tconstellation_entry {
  const char* latin;
  const char* german;
  int ra;   // degrees, 1950.0
  int dec;  // degrees, 1950.0
};

constexpr tconstellation_entry kConstellations[kConstellationCount] = {
    {"Andromeda", "Andromeda", 8, 37},
    {"Antlia", "Luftpumpe", 151, -34},
    {"Apus", "Paradiesvogel", 238, -79},
    {"Aquarius", "Wassermann", 336, -5},
    {"Aquila", "Adler", 296, 3},
    {"Ara", "Altar", 258, -55},
    {"Aries", "Widder", 38, 23},
    {"Auriga", "Fuhrmann", 84, 36},
    {"Bootes", "Bärenhüter", 225, 32},
    {"Caelum", "Grabstichel", 72, -38},
    {"Camelopardus", "Giraffe", 74, 66},
    {"Cancer", "Krebs", 129, 18},
    {"Canes Venatici", "Jagdhunde", 198, 41},
    {"Canis Major", "Großer Hund", 102, -22},
    {"Canis Minor", "Kleiner Hund", 110, 8},
    {"Capricornus", "Steinbock", 318, -20},
    {"Carina", "Schiffskiel", 113, -58},
    {"Cassiopeia", "Kassiopeia", 20, 61},
    {"Centaurus", "Zentaur", 205, -48},
    {"Cepheus", "Cepheus", 337, 67},
    {"Cetus", "Walfisch", 30, -4},
    {"Chamaeleon", "Chamäleon", 146, -79},
    {"Circinus", "Zirkel", 225, -64},
    {"Columba", "Taube", 89, -36},
    {"Coma Berenices", "Haar der Berenike", 194, 23},
    {"Corona Australis", "Südliche Krone", 286, -41},
    {"Corona Borealis", "Nördliche Krone", 237, 31},
    {"Corvus", "Rabe", 187, -20},
    {"Crater", "Becher", 170, -13},
    {"Crux", "Kreuz des Südens", 187, -60},
    {"Cygnus", "Schwan", 311, 47},
    {"Delphinus", "Delphin", 313, 13},
    {"Dorado", "Schwerfisch", 73, -58},
    {"Draco", "Drache", 258, 63},
    {"Equuleus", "Füllen", 318, 7},
    {"Eridanus", "Fluß Eridanus", 51, -15},
    {"Fornax", "Ofen", 42, -32},
    {"Gemini", "Zwillinge", 108, 26},
    {"Grus", "Kranich", 336, -45},
    {"Hercules", "Herkules", 256, 36},
    {"Horologium", "Pendeluhr", 46, -54},
    {"Hydra", "Wasserschlange", 150, -17},
    {"Hydrus", "Kleine Wasserschlange", 30, -73},
    {"Indus", "Indianer", 318, -53},
    {"Lacerta", "Eidechse", 337, 45},
    {"Leo", "Löwe", 161, 17},
    {"Leo Minor", "Kleiner Löwe", 153, 34},
    {"Lepus", "Hase", 81, -20},
    {"Libra", "Waage", 225, -16},
    {"Lupus", "Wolf", 230, -43},
    {"Lynx", "Luchs", 114, 49},
    {"Lyra", "Leier", 281, 34},
    {"Mensa", "Tafelberg", 75, -79},
    {"Microscopium", "Mikroskopium", 314, -35},
    {"Monoceros", "Einhorn", 105, -3},
    {"Musca", "Fliege", 186, -70},
    {"Norma", "Winkelmaß", 244, -49},
    {"Octans", "Oktant", 330, -84},
    {"Ophiuchus", "Schlangenträger", 261, -1},
    {"Orion", "Orion", 85, 3},
    {"Pavo", "Pfau", 297, -64},
    {"Pegasus", "Pegasus", 342, 19},
    {"Perseus", "Perseus", 56, 38},
    {"Phoenix", "Phönix", 11, -48},
    {"Pictor", "Maler", 84, -51},
    {"Pisces", "Fische", 9, 9},
    {"Piscis Austrinus", "Südlicher Fisch", 342, -32},
    {"Puppis", "Hinterdeck", 112, -39},
    {"Pyxis", "Schiffskompaß", 134, -30},
    {"Reticulum", "Netz", 59, -62},
    {"Sagitta", "Pfeil", 294, 17},
    {"Sagittarius", "Schütze", 284, -28},
    {"Scorpius", "Skorpion", 245, -28},
    {"Sculptor", "Bildhauer", 15, -31},
    {"Scutum", "Schild", 280, -9},
    {"Serpens Caput", "Kopf der Schlange", 237, 11},
    {"Serpens Cauda", "Hinterteil der Schlange", 275, -2},
    {"Sextans", "Sextant", 157, -2},
    {"Taurus", "Stier", 75, 20},
    {"Telescopium", "Teleskop", 278, -47},
    {"Triangulum", "Dreieck", 30, 32},
    {"Triangulum Australe", "Südliches Dreieck", 241, -67},
    {"Tucana", "Tukan", 357, -64},
    {"Ursa Major", "Großer Bär", 172, 58},
    {"Ursa Minor", "Kleiner Bär", 226, 76},
    {"Vela", "Segel", 142, -48},
    {"Virgo", "Jungfrau", 197, -1},
    {"Volans", "Fliegender Fisch", 119, -69},
    {"Vulpecula", "Füchschen", 305, 25},
};

}  // namespace

std::string_view constellation_name(int number, bool latin) {
  if (number < 1 || number > kConstellationCount) return {};
  const tconstellation_entry& e = kConstellations[number - 1];
  return latin ? e.latin : e.german;
}

void fill_constellation_labels(tsternbildtabelle& table, bool latin) {
  for (int i = 0; i < kConstellationCount; ++i) {
    const tconstellation_entry& e = kConstellations[i];
    tsternbildlabel& label = table[static_cast<std::size_t>(i)];
    label.name = latin ? e.latin : e.german;
    label.ra_1950 = static_cast<std::uint16_t>(e.ra);
    label.dec_1950 = static_cast<std::int8_t>(e.dec);
  }
}

}  // namespace sdro
