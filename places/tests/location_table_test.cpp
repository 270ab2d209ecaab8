// Location files and the location list: parsing, loading, sorting and search.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/language.h"
#include "astro/names.h"
#include "places/location_table.h"
#include "places/tests/test_folder.h"

namespace sdro {
namespace {

TEST(LocationLine, ParsesFieldsWithCommaOrPointAndSkipsBadLines) {
  const auto f = parse_location_line("Frankfurt;-8,5;50,25;1");
  ASSERT_TRUE(f);
  EXPECT_EQ(f->name, "Frankfurt");
  EXPECT_DOUBLE_EQ(f->data.longitude, -8.5);
  EXPECT_DOUBLE_EQ(f->data.latitude, 50.25);
  EXPECT_EQ(f->data.zone, 1);

  const auto p = parse_location_line("New York;73.94;40.67;-5\r");
  ASSERT_TRUE(p);
  EXPECT_DOUBLE_EQ(p->data.longitude, 73.94);
  EXPECT_EQ(p->data.zone, -5);

  const char* skipped[] = {
      "",                           // empty
      ":ORTDATEI KYREL!",           // kind line
      "Halbe Zone;-8,5;50,25;1,5",  // zone not whole
      "Zu weit östlich;-8,5;50,25;13",
      "Zu weit westlich;-8,5;50,25;-13",
      "Breite;-8,5;90,5;1",
      "Länge;-180,25;50;1",
      "Zwei Felder;-8,5;50,25",
      "Text;acht;50;1",
      "Zwei Kommas;-8,5,1;50;1",
      ";-8,5;50,25;1",  // no name
  };
  for (const char* line : skipped) EXPECT_FALSE(parse_location_line(line)) << line;
  // The extremes of every range are places.
  EXPECT_TRUE(parse_location_line("Pol;180;-90;-12"));
  EXPECT_TRUE(parse_location_line("Pol;-180;90;12"));
}

TEST(LocationFile, ReadsLfCrLfAndCrLinesAndBothEncodings) {
  const std::string bytes =
      "\xEF\xBB\xBF:ORTDATEI KYREL! test\r\n"
      "A Coru\xF1" "a;8,3960;43,3713;1\r\n"  // Windows-1252 ñ
      "K\xC3\xB6ln;-6,9583;50,9413;1\n"         // UTF-8 ö
      "Rom;-12,5;41,9;1\r"
      "Oslo;-10,75;59,91;1";
  const auto entries = parse_location_file(bytes);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].name, "A Coru\xC3\xB1" "a");
  EXPECT_EQ(entries[1].name, "K\xC3\xB6ln");
  EXPECT_EQ(entries[2].name, "Rom");
  EXPECT_EQ(entries[3].name, "Oslo");
}

TEST(LocationFile, StopsAtTheMaximumNumberOfEntries) {
  std::string bytes = ":ORTDATEI KYREL!\n";
  for (int i = 0; i < 40000; ++i) bytes += "Ort" + std::to_string(i) + ";-8,5;50,25;1\n";
  EXPECT_EQ(parse_location_file(bytes).size(), kMaxLocations);
}

std::vector<tlocation> places(std::initializer_list<const char*> names) {
  std::vector<tlocation> out;
  for (const char* n : names) out.push_back({n, {50.0, -8.0, 1}});
  return out;
}

TEST(LocationTable, SortsWithoutRegardToCaseAndKeepsDuplicates) {
  Orttabelle t;
  t.set_entries(places({"bremen", "Aachen", "Zwickau", "\xC3\x84gypten", "Bremen", "aalen"}));
  std::vector<std::string> names;
  for (std::size_t i = 0; i < t.size(); ++i) names.push_back(t[i].name);
  // Lower case of "Ä" sorts after the ASCII letters; both "Bremen" stay.
  EXPECT_EQ(names, (std::vector<std::string>{"Aachen", "aalen", "bremen", "Bremen", "Zwickau", "\xC3\x84gypten"}));
}

TEST(LocationTable, PrefixSearchFindsBeginningsOnlyAndWholeWordSearchFindsParts) {
  Orttabelle t;
  t.set_entries(places({"Kassel", "Frankfurt am Main", "Hamburg", "\xC3\x84gypten", "Zwickau"}));
  // Sorted: Frankfurt am Main, Hamburg, Kassel, Zwickau, Ägypten.
  EXPECT_EQ(t.find("fra"), 0);
  EXPECT_EQ(t.find("FRA"), 0);
  EXPECT_EQ(t.find("\xC3\xA4gy"), 4);  // "ägy" finds "Ägypten" in the sorted list
  EXPECT_EQ(t.find("main"), -1);
  EXPECT_EQ(t.find(""), -1);
  t.ganzwortsuche = true;
  EXPECT_EQ(t.find("main"), 0);
  EXPECT_EQ(t.find("burg"), 1);
  EXPECT_EQ(t.find(""), -1);
}

TEST(LocationTable, PrefixSearchStaysInsideTheList) {
  Orttabelle t;
  EXPECT_EQ(t.find("a"), -1);  // empty list
  t.set_entries(places({"Kassel"}));
  EXPECT_EQ(t.find("kas"), 0);
  EXPECT_EQ(t.find("a"), -1);    // before the only entry
  EXPECT_EQ(t.find("zzz"), -1);  // beyond the last entry
  EXPECT_EQ(t.find("kassel und mehr"), -1);
  t.set_entries(places({"Aachen", "Bonn", "Zwickau"}));
  EXPECT_EQ(t.find("zwickau"), 2);
  EXPECT_EQ(t.find("zz"), -1);
  EXPECT_EQ(t.index_of("BONN"), 1);
  EXPECT_EQ(t.index_of("Bon"), -1);
  EXPECT_EQ(t.index_of("Zwickau Nord"), -1);
}

TEST(LocationTable, SelectionSetsTheCurrentPlaceAndNotifies) {
  Orttabelle t;
  t.set_entries({{"Frankfurt", {50.25, -8.5, 1}}, {"Quito", {-0.22, 78.5, -5}}});
  int notified = 0;
  t.on_selection_change = [&notified] { ++notified; };
  EXPECT_TRUE(t.suchen("fr"));
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(t.Ortname(), "Frankfurt");
  EXPECT_EQ(t.Gl(), "-8,5000");
  EXPECT_EQ(t.Gb(), "50,2500");
  EXPECT_EQ(t.Zeitzone(), 1);
  {
    LanguageScope en(english);
    EXPECT_EQ(t.zeitzonenname(), time_zone_name(1));
  }
  EXPECT_FALSE(t.suchen("xyz"));
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(t.Ortname(), "Frankfurt");
}

TEST(LocationTable, CoordinateTextReadsBothSeparatorsAndRefusesBadValues) {
  Orttabelle t;
  EXPECT_TRUE(t.set_Gl("8,25"));
  EXPECT_DOUBLE_EQ(t.longitude(), 8.25);
  EXPECT_TRUE(t.set_Gl("-8.5"));
  EXPECT_EQ(t.Gl(), "-8,5000");
  EXPECT_TRUE(t.set_Gb(t.Gb()));  // what is written reads back
  EXPECT_FALSE(t.set_Gb("91"));
  EXPECT_FALSE(t.set_Gl("acht"));
  EXPECT_FALSE(t.set_Gl("-180,5"));
  EXPECT_DOUBLE_EQ(t.longitude(), -8.5);
  EXPECT_FALSE(t.set_Zeitzone(13));
  EXPECT_TRUE(t.set_Zeitzone(-12));
  EXPECT_EQ(t.Zeitzone(), -12);
}

TEST(LocationTable, RecordNumberOutsideTheListReadsAsZero) {
  Orttabelle t;
  EXPECT_EQ(t.datensatznummer(), 0);
  std::vector<tlocation> ten;
  for (int i = 0; i < 10; ++i) ten.push_back({"Ort " + std::to_string(i), {0, 0, 0}});
  t.set_entries(ten);
  t.set_datensatznummer(500);
  EXPECT_EQ(t.datensatznummer(), 0);
  t.set_datensatznummer(7);
  EXPECT_EQ(t.datensatznummer(), 7);
  t.set_datensatznummer(-1);
  EXPECT_EQ(t.datensatznummer(), 0);
}

TEST(LocationTable, LoadSelectsTheRecordAndRefusesMissingOrForeignFiles) {
  test::tfolder folder;
  const auto good = folder.write("orte.csv", ":ORTDATEI KYREL!\r\nKassel;-9,5;51,3;1\r\nBonn;-7,1;50,7;1\r\n");
  Orttabelle t;
  int notified = 0;
  t.on_selection_change = [&notified] { ++notified; };
  ASSERT_TRUE(t.Neuedateiladen(good, 1).ok);
  EXPECT_EQ(t.size(), 2u);
  EXPECT_EQ(t.Ortname(), "Kassel");  // sorted: Bonn, Kassel
  EXPECT_EQ(t.Ortdateiname(), good.string());
  EXPECT_EQ(notified, 1);
  ASSERT_TRUE(t.Neuedateiladen(good, 99).ok);
  EXPECT_EQ(t.Ortname(), "Bonn");

  LanguageScope de(german);
  const auto missing = t.Neuedateiladen(folder.path() / "fehlt.csv", 0);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.message, "Datei " + (folder.path() / "fehlt.csv").string() + " nicht gefunden!");
  EXPECT_EQ(missing.caption, "Fehler beim Dateiöffnen");
  const auto foreign = t.Neuedateiladen(folder.write("bild.csv", std::string("\x89PNG\r\n\x1a\n\0\0", 10)), 0);
  EXPECT_FALSE(foreign.ok);
  EXPECT_FALSE(foreign.message.empty());
  // Neither failure changed the list, the current place or the file name.
  EXPECT_EQ(t.size(), 2u);
  EXPECT_EQ(t.Ortname(), "Bonn");
  EXPECT_EQ(t.Ortdateiname(), good.string());
}

TEST(LocationTable, ShippedLocationFileLoadsAndSearches) {
  Orttabelle t;
  const auto r = t.Neuedateiladen(std::string(SDRO_SOURCE_DIR) + "/data/Orte.csv", 0);
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_GT(t.size(), 1000u);
  ASSERT_TRUE(t.suchen("kassel"));
  EXPECT_EQ(t.Ortname(), "Kassel");
  EXPECT_NEAR(t.latitude(), 51.3, 0.1);
  EXPECT_NEAR(t.longitude(), -9.5, 0.1);  // east negative
  EXPECT_EQ(t.Zeitzone(), 1);
  ASSERT_TRUE(t.suchen("a coru"));  // a Windows-1252 name of the file
  EXPECT_EQ(t.Ortname(), "A Coru\xC3\xB1" "a");
}

}  // namespace
}  // namespace sdro
