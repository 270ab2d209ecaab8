// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/colour_tables.h"

#include <algorithm>

#include "astro/language.h"

namespace sdro {
namespace {

constexpr tfarbe rgb(int r, int g, int b) { return tfarbe::rgb(r, g, b); }
constexpr tfarbe kBlack = farbe::schwarz;

// Sky colours per mode, in the order of tsky_state.
constexpr tsky_palette kPalettes[] = {
    {kBlack, kBlack, kBlack, kBlack, kBlack, kBlack},                          // always black
    {rgb(0, 0, 128), rgb(0, 0, 128), kBlack, kBlack, kBlack, kBlack},          // blue/black
    {rgb(0, 0, 255), rgb(0, 0, 255), rgb(0, 0, 128), rgb(0, 0, 128), kBlack,   // 16 colours
     rgb(128, 128, 128)},
    {rgb(64, 0, 128), rgb(0, 0, 128), rgb(32, 0, 64), rgb(32, 0, 64), rgb(0, 0, 32),  // 256
     rgb(32, 32, 32)},
    {rgb(90, 90, 180), rgb(80, 80, 130), rgb(75, 65, 105), rgb(58, 48, 80), rgb(10, 0, 56),  // high
     rgb(52, 65, 65)},
};

constexpr tbitext kModeNames[] = {
    {"Immer schwarzen Hintergrund verwenden", "Use always black Background"},
    {"Zweifarbige Darstellung (blau/schwarz)", "Two Colors (blue/black)"},
    {"16 Farben", "16 Colors"},
    {"256 Farben", "256 Colors"},
    {"High Color", "High Color"},
    {"Automatisch an Windowseinstellungen anpassen", "Use Windows Settings automatically"},
};

}  // namespace

int effective_colour_mode(int colour_mode, int colour_depth) {
  if (colour_mode >= farbmodus_schwarz && colour_mode <= farbmodus_highcolor) return colour_mode;
  if (colour_depth > 15) return farbmodus_highcolor;
  if (colour_depth >= 8) return farbmodus_256;
  return farbmodus_16;
}

std::string_view colour_mode_name(int mode) {
  if (mode < 0 || mode >= kFarbmodusCount) return {};
  return kModeNames[mode].text();
}

tfarbtabelle night_colour_table() {
  tfarbtabelle t;
  t.fill(farbe_rgb(255, 0, 0));
  for (const int i : {0, 1, 2, 3, 4, 5, 9, 10, 11, 12, 14, 15, 18, 19, 20, 21, 22, 23, 25, 38}) {
    t[i] = farbe_rgb(128, 0, 0);
  }
  t[17] = farbe_rgb(128, 128, 128);
  return t;
}

tsky_palette sky_palette(int colour_mode, int colour_depth, bool night) {
  if (night) return kPalettes[farbmodus_schwarz];
  return kPalettes[effective_colour_mode(colour_mode, colour_depth)];
}

bool moonlight(const tkonfiguration& k, const tsky_light& light) {
  return k.mondlicht && light.moon_altitude > k.mondlichthoehe &&
         light.moon_fraction * 100.0 >= k.mondlichtprozent;
}

tsky_background sky_background(const tsky_palette& palette, const tsky_light& light,
                               bool moonlit, bool night) {
  const double h = light.sun_altitude;
  tsky_background b;
  if (h > -50.0 / 60.0) {
    b.state = himmel_tag;
  } else if (h > -6.0) {
    b.state = himmel_buergerlich;
  } else if (h > -10.0) {
    b.state = himmel_10;
  } else if (h > -14.0) {
    b.state = himmel_14;
  } else if (h > -18.0 || night) {
    b.state = moonlit ? himmel_mondlicht : himmel_tiefe_daemmerung;
    b.window_black = moonlit;
  } else {
    b.state = moonlit ? himmel_mondlicht : himmel_tiefe_daemmerung;
    b.window_black = true;
    b.sky = moonlit ? palette[himmel_mondlicht] : kBlack;
    return b;
  }
  b.sky = palette[b.state];
  return b;
}

double limiting_magnitude(double grenzgroesseauge, double teleskopzusatz, double sun_altitude) {
  double m = 26.0;
  if (sun_altitude >= 0.0) {
    m = grenzgroesseauge - 7.0;
  } else if (sun_altitude >= -12.0) {
    m = grenzgroesseauge - 7.0 - sun_altitude * 7.0 / 12.0;
  }
  return m + teleskopzusatz;
}

}  // namespace sdro
