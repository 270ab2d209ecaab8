// The colours of the sky charts: the night colour table, the six sky
// background colours of each colour mode, and the background chosen by the
// Sun's altitude and the moonlight.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "app/state/konfiguration.h"
#include "chart/surface/colour.h"

namespace sdro {

/// The colour modes of the colour dialog (setting "ColorMode").
enum tfarbmodus : int {
  farbmodus_schwarz = 0,      ///< "Immer schwarzen Hintergrund verwenden"
  farbmodus_zweifarbig = 1,   ///< "Zweifarbige Darstellung (blau/schwarz)"
  farbmodus_16 = 2,           ///< "16 Farben"
  farbmodus_256 = 3,          ///< "256 Farben"
  farbmodus_highcolor = 4,    ///< "High Color"
  farbmodus_automatisch = 5,  ///< "Automatisch an Windowseinstellungen anpassen"
};
inline constexpr int kFarbmodusCount = 6;

/// The caption of a colour mode in the current language ("" outside 0..5).
std::string_view colour_mode_name(int mode);

/// The colour table active while night dimming is on: every entry red
/// (255, 0, 0), entries 0..5, 9..12, 14, 15, 18..23, 25 and 38 dark red
/// (128, 0, 0), entry 17 grey.
tfarbtabelle night_colour_table();

/// The six sky colours: the Sun above −50′, above −6°, above −10°, above
/// −14°, deep twilight, moonlight.
enum tsky_state : int {
  himmel_tag = 0,
  himmel_buergerlich = 1,
  himmel_10 = 2,
  himmel_14 = 3,
  himmel_tiefe_daemmerung = 4,
  himmel_mondlicht = 5,
};
using tsky_palette = std::array<tfarbe, 6>;

/// setSkyColours: the sky colours of a colour mode (a mode outside 0..5
/// counts as automatic) for the display's colour depth in bits per pixel;
/// all black with night dimming.
tsky_palette sky_palette(int colour_mode, int colour_depth, bool night);
/// The mode an automatic choice takes for a colour depth (others unchanged).
int effective_colour_mode(int colour_mode, int colour_depth);

/// What lights the sky at the instant.
struct tsky_light {
  double sun_altitude = -90.0;  ///< degrees, geometric
  double moon_altitude = -90.0; ///< degrees, geometric
  double moon_fraction = 0.0;   ///< illuminated fraction 0..1
};

/// The background of a chart: the brush colour and the colour of the window
/// behind the chart.
struct tsky_background {
  tfarbe sky = farbe::schwarz;
  bool window_black = false;  ///< the window behind the chart is black
  tsky_state state = himmel_tag;
};

/// The moonlight condition: moonlight on, the Moon higher than
/// `mondlichthoehe` and its illuminated fraction × 100 at least `mondlichtprozent`.
bool moonlight(const tkonfiguration& k, const tsky_light& light);

/// The background brush by the Sun's altitude (and the moonlight).
tsky_background sky_background(const tsky_palette& palette, const tsky_light& light,
                               bool moonlit, bool night);

/// The current limiting magnitude m_lim for the Sun's altitude h:
/// auge − 7 for h ≥ 0, auge − 7 − h · 7/12 for −12 ≤ h < 0, 26 below −12;
/// the telescope's gain is added in every case.
double limiting_magnitude(double grenzgroesseauge, double teleskopzusatz, double sun_altitude);

}  // namespace sdro
