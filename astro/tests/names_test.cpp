// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "astro/bodies.h"
#include "astro/chart_kind.h"
#include "astro/errors.h"
#include "astro/language.h"
#include "astro/names.h"
#include "astro/owning_list.h"

namespace sdro {
namespace {

TEST(Names, TablesFollowTheCurrentLanguage) {
  const struct {
    std::string_view (*f)(int);
    int index;
    const char* de;
    const char* en;
  } cases[] = {
      {body_name, 0, "Sonne", "Sun"},          {body_name, 7, "Neptun", "Neptune"},
      {body_name, 9, "Mond", "Moon"},          {viewpoint_name, 3, "Erde", "Earth"},
      {weekday_name, 0, "Sonntag", "Sunday"},  {weekday_name, 6, "Samstag", "Saturday"},
      {season_name, 3, "Winter", "Winter"},    {moon_phase_name, 1, "Erstes Viertel", "First Quartier"},
      {compass_point, 1, "NO", "NE"},          {compass_point, 2, "O ", "E "},
      {time_zone_name, -12, "Neuseelandzeit", "New Zealand Time"},
      {time_zone_name, 12, "Neuseelandzeit", "New Zealand Time"},
      {time_zone_name, 0, "UT", "UT"},         {time_zone_name, 1, "MEZ", "MEZ"},
      {time_zone_name, -3, "Ostbrasil. Zeit", "East Brasilean Time"},
      {drawing_element_name, 0, "Sternbildlinien", "Constellation Lines"},
      {drawing_element_name, 17, "Satelliten (nicht beleuchtet)", "Satelliten (eclipsed)"},
      {drawing_element_name, 38, "Unbeleuchteter Rand", "Dark edge"},
  };
  for (const auto& c : cases) {
    {
      LanguageScope de(german);
      EXPECT_EQ(c.f(c.index), c.de);
    }
    {
      LanguageScope en(english);
      EXPECT_EQ(c.f(c.index), c.en);
    }
  }
  EXPECT_EQ(body_name(10), "");
  EXPECT_EQ(time_zone_name(13), "");
  EXPECT_EQ(drawing_element_name(-1), "");
}

TEST(Names, EveryTableEntryExistsInBothLanguages) {
  for (tlanguage lang : {german, english}) {
    LanguageScope scope(lang);
    for (int i = 0; i < kBodyCount; ++i) EXPECT_FALSE(body_name(i).empty());
    for (int i = 0; i < kDrawingElementCount; ++i) EXPECT_FALSE(drawing_element_name(i).empty());
    for (int z = -12; z <= 12; ++z) EXPECT_FALSE(time_zone_name(z).empty());
    for (int i = 0; i < 8; ++i) EXPECT_EQ(compass_point(i).size(), 2u);
  }
}

TEST(Names, BodyNumberingsAndSlots) {
  EXPECT_EQ(planet_slot(1), 0);
  EXPECT_EQ(planet_slot(9), 8);
  EXPECT_EQ(planet_slot(0), 0);
  EXPECT_EQ(planet_slot(10), 0);
  EXPECT_EQ(planet_number_of_body(sonne), pn_erde);
  EXPECT_EQ(planet_number_of_body(venus), pn_venus);
  EXPECT_EQ(planet_number_of_body(mars), pn_mars);
  EXPECT_EQ(planet_number_of_body(pluto), pn_pluto);
  EXPECT_EQ(find_body_by_name("neptune"), neptun);
  EXPECT_EQ(find_body_by_name("MOND"), mond);
  EXPECT_EQ(find_body_by_name("Vulcan"), -1);
  EXPECT_EQ(saturn_satellite(3).name, "Titan");
  EXPECT_DOUBLE_EQ(saturn_satellite(3).magnitude, 8.4);
}

TEST(Names, ChartKindCaptions) {
  LanguageScope de(german);
  EXPECT_EQ(chart_kind_caption(false, 0, 200), "Horizontkarte");
  EXPECT_EQ(chart_kind_caption(true, 0, 200), "Äquatorkarte");
  EXPECT_EQ(chart_kind_caption(false, 5, 218), "Anblick auf Jupiter");
  EXPECT_EQ(chart_kind_caption(false, 0, 201), "");
  EXPECT_EQ(chart_kind_caption(false, 0, 12003), "");
  set_current_language(english);
  EXPECT_EQ(chart_kind_caption(false, 0, 200), "Sky");
  EXPECT_EQ(chart_kind_caption(false, 3, 218), "View from Earth");
  EXPECT_EQ(chart_kind_caption(false, 0, 206), "Northern. Sternhimmel");
  EXPECT_EQ(chart_kind_caption(false, 0, 220), "Earth Map");
}

TEST(Names, MpecErrorMessageInCurrentLanguage) {
  LanguageScope en(english);
  EXPECT_STREQ(EmpecFileError().what(), "MPE-Cirkular has an unknown or invalid Format.");
  set_current_language(german);
  EXPECT_STREQ(EmpecFileError().what(), "Das MPE-Zirkular hat ein unbekanntes oder ungültiges Format.");
}

struct Counted {
  explicit Counted(int& live) : live_(live) { ++live_; }
  ~Counted() { --live_; }
  int& live_;
};

TEST(Names, OwningListFreesAttachedObjects) {
  int live = 0;
  {
    tbahndaten_stringlist<Counted> list;
    list.add("Ceres", std::make_unique<Counted>(live));
    list.add("Pallas", std::make_unique<Counted>(live));
    list.add("Vesta", std::make_unique<Counted>(live));
    EXPECT_EQ(live, 3);
    EXPECT_EQ(list.index_of("Pallas"), 1);
    list.erase(1);
    EXPECT_EQ(live, 2);
    EXPECT_EQ(list.name(1), "Vesta");
    list.clear();
    EXPECT_EQ(live, 0);
    list.add("Juno", std::make_unique<Counted>(live));
  }
  EXPECT_EQ(live, 0);
}

}  // namespace
}  // namespace sdro
