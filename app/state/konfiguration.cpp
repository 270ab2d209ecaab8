// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/konfiguration.h"

namespace sdro {

tfarbtabelle default_day_colours() {
  return {
      farbe_rgb(255, 0, 0),     farbe_rgb(0, 128, 0),     farbe_rgb(0, 128, 128),
      farbe_rgb(255, 0, 255),   farbe_rgb(128, 0, 128),   farbe_rgb(128, 128, 128),
      farbe_rgb(255, 255, 0),   farbe_rgb(128, 128, 128), farbe_rgb(255, 255, 255),
      farbe_rgb(0, 0, 255),     farbe_rgb(128, 128, 128), farbe_rgb(255, 0, 255),
      farbe_rgb(128, 128, 128), farbe_rgb(255, 0, 0),     farbe_rgb(0, 0, 255),
      farbe_rgb(192, 192, 192), farbe_rgb(0, 255, 0),     farbe_rgb(128, 128, 0),
      farbe_rgb(255, 255, 0),   farbe_rgb(128, 128, 128), farbe_rgb(128, 128, 128),
      farbe_rgb(128, 128, 128), farbe_rgb(192, 192, 192), farbe_rgb(255, 255, 255),
      farbe_rgb(255, 255, 255), farbe_rgb(128, 128, 128), farbe_rgb(255, 255, 0),
      farbe_rgb(192, 192, 192), farbe_rgb(128, 255, 255), farbe_rgb(255, 0, 0),
      farbe_rgb(255, 255, 128), farbe_rgb(255, 128, 0),   farbe_rgb(0, 255, 128),
      farbe_rgb(0, 0, 255),     farbe_rgb(64, 0, 128),    farbe_rgb(0, 255, 255),
      farbe_rgb(255, 0, 128),   farbe_rgb(255, 255, 0),   farbe_rgb(128, 0, 0),
  };
}

namespace {

/// Character height in pixels of a font of `points` at 96 dpi, as a negative
/// height (the convention for "character height without internal leading").
std::int32_t pixel_height(std::int32_t points) { return -((points * 96 + 36) / 72); }

tschrift font(const char* name, std::int32_t points, tfarbwert colour) {
  return {points, pixel_height(points), name, colour, 0};
}

}  // namespace

std::array<tschrift, kSchriftenCount> default_fonts() {
  const tfarbwert grey = farbe_rgb(128, 128, 128);
  return {
      font("Arial", 8, grey),
      font("Arial", 8, grey),
      font("Arial", 8, farbe_rgb(255, 255, 255)),
      font("Arial", 8, grey),
      font("Arial", 12, grey),
      font("Arial", 10, grey),
      font("Courier New", 10, farbe_rgb(255, 255, 0)),
      font("Arial", 8, grey),
      font("Times New Roman", 8, grey),
  };
}

std::array<std::uint8_t, kSatellitenauswahlCount> tkonfiguration::all_satellites_shown() {
  std::array<std::uint8_t, kSatellitenauswahlCount> a{};
  a.fill(1);
  return a;
}

std::array<double, kHorizontprofilCount> tkonfiguration::flat_horizon() {
  std::array<double, kHorizontprofilCount> a{};
  a.fill(1.0);
  return a;
}

const tkonfiguration& default_konfiguration() {
  static const tkonfiguration defaults;
  return defaults;
}

bool satellite_selected(const tkonfiguration& k, long index) {
  if (index < 0 || static_cast<std::size_t>(index) >= k.satellitenauswahl.size()) return false;
  return k.satellitenauswahl[static_cast<std::size_t>(index)] != 0;
}

void select_satellite(tkonfiguration& k, long index, bool shown) {
  if (index < 0 || static_cast<std::size_t>(index) >= k.satellitenauswahl.size()) return;
  k.satellitenauswahl[static_cast<std::size_t>(index)] = shown ? 1 : 0;
}

}  // namespace sdro
