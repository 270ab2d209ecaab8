// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/deep_sky.h"

#include <gtest/gtest.h>

#include "astro/language.h"
#include "catalog/deep_sky_lists.h"
#include "catalog/tests/catalog_files.h"

namespace sdro {
namespace {

tnebelrecord object(const std::string& name, int type, int major, int minor, int angle) {
  tnebelrecord o;
  o.designation = name;
  o.type = static_cast<std::uint8_t>(type);
  o.major = static_cast<std::int16_t>(major);
  o.minor = static_cast<std::int16_t>(minor);
  o.position_angle = static_cast<std::int16_t>(angle);
  return o;
}

TEST(DeepSky, InformationText) {
  struct Case {
    tnebelrecord o;
    const char* german;
    const char* english;
  };
  const Case cases[] = {
      {object("7000", 3, 120, 100, 0), "NGC 7000, diffuser Gasnebel, 120'x100'",
       "NGC 7000, Diffuse Nebula, 120'x100'"},
      {object("M 31", 2, 178, 63, 35), "M 31, Galaxie, 178'x63', Positionswinkel: 35°",
       "M 31, Galaxy, 178'x63', Pos.-Angle: 35°"},
      {object("M 13", 1, 0, 0, 0), "M 13, Kugelsternhaufen", "M 13, Glubular Cluster"},
      // A major diameter below −99 hides size and angle whatever they hold.
      {object("IC 434", 3, -100, 5, 7), "IC 434, diffuser Gasnebel", "IC 434, Diffuse Nebula"},
      {object("IC 1", 5, -99, 0, 0), "IC 1, Typ unbekannt oder unsicheres Objekt, -99'",
       "IC 1, Unknown Type or uncertain Object, -99'"},
      // An unknown type code has no type text.
      {object("42", 6, 3, 0, 0), "NGC 42, 3'", "NGC 42, 3'"},
  };
  for (const Case& c : cases) {
    {
      LanguageScope de(german);
      EXPECT_EQ(nebula_info_text(c.o), c.german);
    }
    LanguageScope en(english);
    EXPECT_EQ(nebula_info_text(c.o), c.english);
  }
}

TEST(DeepSky, GroupsOfTheObjectTypes) {
  const tnebula_group groups[] = {tnebula_group::clusters, tnebula_group::clusters, tnebula_group::galaxies,
                                  tnebula_group::nebulae,  tnebula_group::nebulae,  tnebula_group::uncertain,
                                  tnebula_group::none};
  for (int type = 0; type <= 6; ++type) EXPECT_EQ(nebula_group(type), groups[type]) << type;
}

TEST(DeepSky, RecordDecodingClampsTheNameAndRejectsBrokenVectors) {
  test::tnebula_fields f;
  f.name = "NGC 1234567890123";  // 17 characters: cut to the 15 of the field
  std::string bytes = test::nebula_record(f);
  bytes[24] = static_cast<char>(40);  // a length byte beyond the field
  tnebelrecord o;
  ASSERT_TRUE(decode_nebula_record(bytes, o));
  EXPECT_EQ(o.designation, "NGC 12345678901");
  f.x = 3.0f;  // not a unit vector
  EXPECT_FALSE(decode_nebula_record(test::nebula_record(f), o));
}

TEST(DeepSkyChooser, ListsAndTheListAQueryChooses) {
  tnebel_list objects;
  for (const char* name : {"7000", "M 42", "IC 434", "224", "MIC 1", "Mel 20"}) {
    tnebelrecord o;
    o.designation = name;
    objects.push_back(o);
  }
  const tdeep_sky_lists lists = build_deep_sky_lists(objects);
  ASSERT_EQ(lists.messier.size(), 3u);  // "M 42", "MIC 1", "Mel 20"
  ASSERT_EQ(lists.ic.size(), 1u);
  ASSERT_EQ(lists.ngc.size(), 2u);
  EXPECT_EQ(lists.ngc[0].text, "NGC 7000");
  EXPECT_EQ(lists.ngc[0].index, 0u);
  EXPECT_EQ(lists.ngc[1].text, "NGC 224");
  EXPECT_EQ(lists.ngc[1].index, 3u);
  EXPECT_EQ(lists.ic[0].index, 2u);
  EXPECT_EQ(lists.messier[1].text, "MIC 1");

  EXPECT_EQ(deep_sky_list_for_query("M 42"), tdeep_sky_list::messier);
  EXPECT_EQ(deep_sky_list_for_query("m42"), tdeep_sky_list::messier);
  EXPECT_EQ(deep_sky_list_for_query("IC 434"), tdeep_sky_list::ic);
  EXPECT_EQ(deep_sky_list_for_query("ic434"), tdeep_sky_list::ic);
  EXPECT_EQ(deep_sky_list_for_query("NGC 7000"), tdeep_sky_list::ngc);
  EXPECT_EQ(deep_sky_list_for_query("7000"), tdeep_sky_list::ngc);
}

}  // namespace
}  // namespace sdro
