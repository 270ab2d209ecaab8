// The view commands of the sky charts as changes of the configuration
// members: view direction, rotation and mirror, the zoom chart (entering it,
// the zoom menu, the centre-and-radius dialog), the overview's centre, more
// and fewer stars, and the rotate dialog's choices. The main window's menus
// and the command line call these; each says what the cycle must redo.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sdro {

struct tkonfiguration;

/// What a command asks of the cycle.
struct tview_change {
  bool positionenneu = false;  ///< the projected positions change
  bool bildneu = false;        ///< the chart must be redrawn
  bool sternemehr = false;     ///< the star selection must grow
};

// --- rotation and mirror -------------------------------------------------------

/// The view directions "&Süd", "&Ost", "&Nord", "&West": 0, 90, 180, 270.
enum tblickrichtung : int { blick_sued = 0, blick_ost = 90, blick_nord = 180, blick_west = 270 };
tview_change set_view_direction(tkonfiguration& k, int drehwinkel);
/// "Nach &links drehen" (step +t) and "Nach &rechts drehen" (step −t):
/// v = rnd((v ± t) mod 360); a step t outside 1..180 (the "TurnMaps"
/// setting) counts as 15.
tview_change turn_chart(tkonfiguration& k, int step);
/// "S&eitenverkehrt".
tview_change toggle_mirror(tkonfiguration& k);

/// The rotate dialog: choice i (0 "Süd" … 7 "Südwest") is 45 · i degrees,
/// choice 8 "Andere" keeps the typed value.
inline constexpr int kRotateChoiceOther = 8;
int rotate_choice_of(int degrees);
int rotate_degrees_of(int choice, int typed);
/// The rotate dialog's result (0..360; 360 is a full turn, 0).
tview_change set_rotation(tkonfiguration& k, int degrees);

// --- zoom chart ------------------------------------------------------------------

/// The zoom menu ("Zoomen auf"): ten captions "0,5°" … "90°" with their radii.
inline constexpr int kZoomMenuCount = 10;
std::string_view zoom_menu_caption(int i);
double zoom_menu_radius(int i);

/// Entering the zoom chart: the chart diameter becomes the screen width − 16
/// (within the usable range), sub-kind 0, kind 204.
tview_change enter_zoom_chart(tkonfiguration& k, int screen_width, int M);
/// The zoom chart on a centre (degrees of date) with a radius (0.5..60).
tview_change zoom_to(tkonfiguration& k, double ra, double dec, double radius, int screen_width, int M);

/// The dialog "Umgebungskarte festlegen": right ascension "HH:MM:SS resp.
/// HH.MMSS" (0 ≤ α < 24 h), declination "GG:MM:SS resp. GG.MMSS" (−90..90),
/// radius 0.5..60 degrees with a decimal comma or point.
enum class tzoom_field { none, ra, dec, radius };
struct tzoom_entry {
  tzoom_field error = tzoom_field::none;  ///< the field in error (it gets the focus)
  std::string message;                    ///< the error text in the current language
  double ra = 0.0;                        ///< degrees
  double dec = 0.0;                       ///< degrees
  double radius = 30.0;                   ///< degrees
  bool ok() const { return error == tzoom_field::none; }
};
tzoom_entry check_zoom_entry(std::string_view ra, std::string_view dec, std::string_view radius);
/// The fields' texts of a centre and radius, as the dialog shows them.
std::string zoom_ra_text(double ra_degrees);
std::string zoom_dec_text(double dec_degrees);
std::string zoom_radius_text(double radius);

/// Reads "12:34:56", "12:34", "12.3456" or "12,3456" (a sign allowed) as
/// sexagesimal D.MMSS and gives the decimal value; nothing for other text or
/// minutes and seconds of 60 or more.
std::optional<double> parse_sexagesimal(std::string_view text);

// --- equatorial overview -----------------------------------------------------------

/// "Nach &links" (+15°) and "Nach &rechts" (−15°): `uebersichtzentrum` taken
/// mod 360 and rounded to whole degrees.
tview_change shift_overview(tkonfiguration& k, int degrees);
/// "&Festlegen...": the overview centred on a right ascension (hours, 0..24).
tview_change centre_overview(tkonfiguration& k, double ra_hours);
/// The central right ascension of the overview, hours.
double overview_centre_ra_hours(const tkonfiguration& k);

// --- more and fewer stars -----------------------------------------------------------

/// "&Mehr Sterne": +50 (half a magnitude), at most Level × 10; sets sternemehr
/// when the limit rises above the last selected one. Nothing when already at the top.
std::optional<tview_change> more_stars(tkonfiguration& k, int level, int last_selected_limit);
/// "&Weniger Sterne": −50, at least 0. Nothing when already at 0.
std::optional<tview_change> fewer_stars(tkonfiguration& k);

}  // namespace sdro
