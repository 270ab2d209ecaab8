// View commands: directions and turns, the mirror, the zoom menu and dialog
// fields, the overview's centre and the star limit steps.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "app/state/konfiguration.h"
#include "astro/language.h"
#include "chart/component/sky_chart_component.h"
#include "chart/view_commands.h"

namespace sdro {
namespace {

TEST(ViewCommands, DirectionsTurnsAndMirrorChangeThePositions) {
  tkonfiguration k;
  EXPECT_TRUE(set_view_direction(k, blick_ost).positionenneu);
  EXPECT_EQ(k.drehwinkel, 90);
  EXPECT_EQ(rotate_choice_of(k.drehwinkel), 2);  // "Ost" ticked
  set_view_direction(k, blick_nord);
  EXPECT_EQ(k.drehwinkel, 180);
  k.drehwinkel = 350;
  turn_chart(k, 15);
  EXPECT_EQ(k.drehwinkel, 5);
  turn_chart(k, -15);
  EXPECT_EQ(k.drehwinkel, 350);
  turn_chart(k, 0);  // a broken "TurnMaps" value steps 15°
  EXPECT_EQ(k.drehwinkel, 5);
  EXPECT_TRUE(toggle_mirror(k).positionenneu);
  EXPECT_EQ(k.spiegelung, -1);
  toggle_mirror(k);
  EXPECT_EQ(k.spiegelung, 1);
}

TEST(ViewCommands, RotateDialogChoices) {
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(rotate_degrees_of(i, 17), 45 * i);
    EXPECT_EQ(rotate_choice_of(45 * i), i);
  }
  EXPECT_EQ(rotate_degrees_of(kRotateChoiceOther, 17), 17);
  EXPECT_EQ(rotate_choice_of(17), kRotateChoiceOther);
  EXPECT_EQ(rotate_choice_of(360), 0);
  tkonfiguration k;
  set_rotation(k, 360);
  EXPECT_EQ(k.drehwinkel, 0);
}

TEST(ViewCommands, ZoomMenuAndEnteringTheZoomChart) {
  const double radii[] = {0.5, 1, 2.5, 5, 10, 15, 20, 25, 35, 45};
  for (int i = 0; i < kZoomMenuCount; ++i) EXPECT_EQ(zoom_menu_radius(i), radii[i]);
  EXPECT_EQ(zoom_menu_caption(0), "0,5°");
  EXPECT_EQ(zoom_menu_caption(9), "90°");
  tkonfiguration k;
  k.kartenunterart = 1;
  zoom_to(k, 400.0, -95.0, 0.1, 1280, 1200);
  EXPECT_EQ(k.kartenart, 204);
  EXPECT_EQ(k.kartenunterart, 0);
  EXPECT_EQ(k.kartengroesse, 1200);  // screen width − 16, at most M
  EXPECT_DOUBLE_EQ(k.zoomkarte[0], 40.0);
  EXPECT_DOUBLE_EQ(k.zoomkarte[1], -90.0);
  EXPECT_DOUBLE_EQ(k.zoomkarte[2], 0.5);
}

TEST(ViewCommands, ZoomDialogFields) {
  LanguageScope german(sdro::german);
  // Right ascension 0h is a valid centre (0 ≤ α < 24).
  const tzoom_entry zero = check_zoom_entry("00:00:00", "0", "30");
  ASSERT_TRUE(zero.ok()) << zero.message;
  EXPECT_DOUBLE_EQ(zero.ra, 0.0);
  const tzoom_entry e = check_zoom_entry("5:35:17", "-05:23:28", "2,5");
  ASSERT_TRUE(e.ok());
  EXPECT_NEAR(e.ra, (5 + 35 / 60.0 + 17 / 3600.0) * 15, 1e-6);
  EXPECT_NEAR(e.dec, -(5 + 23 / 60.0 + 28 / 3600.0), 1e-6);
  EXPECT_DOUBLE_EQ(e.radius, 2.5);
  const tzoom_entry packed = check_zoom_entry("5.3517", "+22.0100", "60");
  ASSERT_TRUE(packed.ok());
  EXPECT_NEAR(packed.ra, e.ra, 1e-6);
  EXPECT_NEAR(packed.dec, 22 + 1 / 60.0, 1e-6);

  const struct {
    const char *ra, *dec, *radius;
    tzoom_field field;
  } refused[] = {
      {"24:00:00", "0", "30", tzoom_field::ra},    {"-1", "0", "30", tzoom_field::ra},
      {"12:61:00", "0", "30", tzoom_field::ra},    {"abc", "0", "30", tzoom_field::ra},
      {"", "0", "30", tzoom_field::ra},            {"12", "90:00:01", "30", tzoom_field::dec},
      {"12", "-91", "30", tzoom_field::dec},       {"12", "4.75", "30", tzoom_field::dec},
      {"12", "0", "0,4", tzoom_field::radius},     {"12", "0", "60,1", tzoom_field::radius},
      {"12", "0", "x", tzoom_field::radius},       {"12", "0", "nan", tzoom_field::radius},
  };
  for (const auto& r : refused) {
    const tzoom_entry x = check_zoom_entry(r.ra, r.dec, r.radius);
    EXPECT_EQ(x.error, r.field) << r.ra << " " << r.dec << " " << r.radius;
    EXPECT_FALSE(x.message.empty());
  }
  EXPECT_EQ(check_zoom_entry("24", "0", "1").message, "Rektaszension: muß >0 und <24 im Format hh:mm:ss sein!");
  LanguageScope english(sdro::english);
  EXPECT_EQ(check_zoom_entry("1", "0", "0").message,
            "Diameter: must be >=0,5° and <=60° as ° with Decimals (g,xxxx...)!");
  // The fields show what they read back.
  EXPECT_EQ(zoom_ra_text(83.8), "05:35:12");
  const tzoom_entry back = check_zoom_entry(zoom_ra_text(83.8), zoom_dec_text(-5.39), zoom_radius_text(2.5));
  ASSERT_TRUE(back.ok());
  EXPECT_NEAR(back.ra, 83.8, 0.01);
  EXPECT_NEAR(back.dec, -5.39, 0.001);
}

TEST(ViewCommands, OverviewCentre) {
  tkonfiguration k;
  k.uebersichtzentrum = 0;
  EXPECT_EQ(overview_centre_hours(k.uebersichtzentrum), 12);
  shift_overview(k, 15);
  EXPECT_EQ(k.uebersichtzentrum, 15);
  shift_overview(k, -30);
  EXPECT_EQ(k.uebersichtzentrum, 345);
  EXPECT_EQ(overview_centre_hours(k.uebersichtzentrum), 13);
  centre_overview(k, 6.0);
  EXPECT_EQ(k.uebersichtzentrum, 90);
  EXPECT_DOUBLE_EQ(overview_centre_ra_hours(k), 6.0);
  centre_overview(k, 0.0);
  EXPECT_EQ(k.uebersichtzentrum, 180);
}

TEST(ViewCommands, MoreAndFewerStarsInHalfMagnitudes) {
  tkonfiguration k;
  k.grenzgroessesterne = 500;
  auto c = more_stars(k, 60, 500);
  ASSERT_TRUE(c);
  EXPECT_EQ(k.grenzgroessesterne, 550);
  EXPECT_TRUE(c->sternemehr);
  more_stars(k, 60, 550);
  EXPECT_EQ(k.grenzgroessesterne, 600);
  EXPECT_FALSE(more_stars(k, 60, 600));  // at Level × 10
  k.grenzgroessesterne = 580;
  c = more_stars(k, 60, 700);
  EXPECT_EQ(k.grenzgroessesterne, 600);
  EXPECT_FALSE(c->sternemehr);  // not above the last selection
  k.grenzgroessesterne = 30;
  ASSERT_TRUE(fewer_stars(k));
  EXPECT_EQ(k.grenzgroessesterne, 0);
  EXPECT_FALSE(fewer_stars(k));
}

}  // namespace
}  // namespace sdro
