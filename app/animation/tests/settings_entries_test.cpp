// The entries of the animation and orbit-track settings dialogs.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/animation/settings_entries.h"
#include "astro/language.h"

namespace sdro {
namespace {

TEST(AnimationEntries, FieldsAreCheckedAgainstTheirRanges) {
  const LanguageScope german_texts(german);
  struct tcase {
    tanimation_entry field;
    const char* text;
    bool valid;
  };
  const tcase cases[] = {
      {tanimation_entry::zeit, "", true},          {tanimation_entry::zeit, "0", true},
      {tanimation_entry::zeit, "00:00:00", true},  {tanimation_entry::zeit, "-1:00", false},
      {tanimation_entry::zeit, "0:00:01", true},   {tanimation_entry::zeit, "23:59:59", true},
      {tanimation_entry::zeit, "1:30", true},      {tanimation_entry::zeit, "24:00", false},
      {tanimation_entry::zeit, "1:60", false},     {tanimation_entry::zeit, "abc", false},
      {tanimation_entry::tage, "0", true},         {tanimation_entry::tage, "36525", true},
      {tanimation_entry::tage, "36526", false},    {tanimation_entry::tage, "-1", false},
      {tanimation_entry::tage, "1.5", false},      {tanimation_entry::sterntage, "0", false},
      {tanimation_entry::sterntage, "1", true},    {tanimation_entry::schritte, "1", false},
      {tanimation_entry::schritte, "2", true},     {tanimation_entry::schritte, "30000", true},
      {tanimation_entry::schritte, "30001", false}, {tanimation_entry::schritte, "", false},
  };
  for (const tcase& c : cases) {
    EXPECT_EQ(!animation_entry_error(c.field, c.text).has_value(), c.valid) << c.text;
  }
  EXPECT_EQ(*animation_entry_error(tanimation_entry::schritte, "1"),
            "Das Intervall für automatisches Beenden muß >1 und <30000 sein!");
}

TEST(AnimationEntries, TakenOnlyWhenAllAreValid) {
  tanimation a;
  tanimation_entries e = animation_entries(a);
  EXPECT_EQ(e.zeit, "00:00:00");
  EXPECT_EQ(e.schritte, "300");
  e.tage = "2";
  e.zeit = "1:30:15";
  e.schritte = "1";
  EXPECT_EQ(take_animation_entries(e, a), tanimation_entry::schritte);
  EXPECT_EQ(a.tage, 1) << "nothing taken";
  e.schritte = "500";
  EXPECT_FALSE(take_animation_entries(e, a).has_value());
  EXPECT_EQ(a.tage, 2);
  EXPECT_NEAR(a.zeitschritt, 1.3015, 1e-9);
  EXPECT_EQ(a.schritte, 500);
  e.tage = "0";
  e.zeit = "";
  EXPECT_FALSE(take_animation_entries(e, a).has_value());
  EXPECT_NEAR(a.zeitschritt, 0.0001, 1e-12) << "a step of nothing becomes one second";
}

TEST(AnimationEntries, IntervalLabelInSeconds) {
  EXPECT_EQ(interval_label(10), "0,10 s");
  EXPECT_EQ(interval_label(300), "3,00 s");
}

TEST(TrackOptions, ChoicesMapOntoTheLabelFlags) {
  tbahndatei b;
  EXPECT_EQ(name_choice(b), 1);
  EXPECT_EQ(date_choice(b), 2);
  for (int choice = 0; choice < 3; ++choice) {
    set_name_choice(b, choice);
    EXPECT_EQ(name_choice(b), choice);
  }
  EXPECT_FALSE(b.name_immer || b.name_einmal);
  for (int choice = 0; choice < 4; ++choice) {
    set_date_choice(b, choice);
    EXPECT_EQ(date_choice(b), choice);
  }
  EXPECT_TRUE(b.datum && b.jahr && b.jahr_vierstellig);
}

}  // namespace
}  // namespace sdro
