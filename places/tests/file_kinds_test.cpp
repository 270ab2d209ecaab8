// The kind check of the typed open dialog.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "places/file_kinds.h"
#include "places/tests/test_folder.h"

namespace sdro {
namespace {

TEST(FileKinds, FirstLineDecidesForFilesWithoutAPassingExtension) {
  test::tfolder folder;
  const auto good = folder.write("orte.csv", ":ORTDATEI KYREL! Orte\r\nKassel;-9,5;51,3;1\r\n");
  const auto no_bang = folder.write("ohne.csv", ":ORTDATEI KYREL\r\nKassel;-9,5;51,3;1\r\n");
  const auto other = folder.write("komet.csv", ":BAHNELEMENTE KOMETEN KYREL EXT!\r\n");
  const auto dat = folder.write("irgendwas.dat", "kein Kopf");
  const auto empty = folder.write("leer.csv", "");
  struct tcase {
    std::string_view kind;
    std::filesystem::path file;
    bool passes;
  } cases[] = {
      {"orte", good, true},
      {"ORTE", good, true},  // the kind compares in lower case
      {"orte", no_bang, false},
      {"orte", other, false},
      {"kometen", other, true},
      {"orte", dat, true},    // passes without its first line being read
      {"orte", empty, false},
      {"orte", folder.path() / "fehlt.csv", false},
      {"planetoiden", folder.write("liste.CSV", "x"), true},
      {"orte", folder.write("liste2.CSV", "x"), false},
      {"orte", folder.write("gross.DAT", "x"), true},
      {"orte", folder.write("gemischt.Dat", "x"), false},  // only .dat and .DAT as written
      {"ortebin", dat, true},
      {"ortebin", folder.path() / "fehlt.kor", false},
      {"konfig", folder.path() / "fehlt.kcf", true},
      {"nil", folder.path() / "fehlt", true},
  };
  for (const tcase& c : cases) {
    EXPECT_EQ(check_file_kind(c.kind, c.file, german).ok, c.passes) << c.kind << " " << c.file;
  }
}

TEST(FileKinds, RefusalNamesTheKindInTheDialogLanguage) {
  test::tfolder folder;
  const auto f = folder.write("x.csv", "foreign");
  const auto de = check_file_kind("orte", f, language_from_text("german"));
  EXPECT_EQ(de.message,
            "Dies ist keine Datei mit geographischen Koordinaten. Bitte noch einmal mit anderem Dateinamen versuchen.");
  EXPECT_EQ(de.caption, "Fehler beim Dateiöffnen");
  const auto en = check_file_kind("variable", f, language_from_text("English"));
  EXPECT_EQ(en.message, "This is no File with Variable Stars. Please retry with another filename.");
  EXPECT_EQ(en.caption, "Error while opening File");
  EXPECT_EQ(language_from_text("FRENCH"), german);
}

TEST(FileKinds, UnknownKindsUseTheLocationRow) {
  EXPECT_EQ(file_kind("orte").kind_line, ":ORTDATEI KYREL");
  EXPECT_EQ(file_kind("was auch immer").kind, "orte");
  EXPECT_EQ(file_kind("Konfig").default_extension, "cnf");
  EXPECT_EQ(file_kind("ortebin").help_context, 9500);
}

}  // namespace
}  // namespace sdro
