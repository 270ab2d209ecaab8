// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include "app/dialogs/catalog/constellation_chooser.h"
#include "app/dialogs/catalog/deep_sky_chooser.h"
#include "app/dialogs/catalog/star_chooser.h"
#include "app/dialogs/catalog/zone_search_dialog.h"
#include "app/state/tests/test_folder.h"
#include "astro/binary_io.h"
#include "astro/derived_fields.h"
#include "astro/file_io.h"
#include "astro/language.h"

namespace sdro {
namespace {

QString result_label(QDialog& d) {
  // The result label is the only label without a buddy that shows a result text.
  QString text;
  for (QLabel* l : d.findChildren<QLabel*>()) {
    if (!l->text().isEmpty() && l->text() != "Messier" && l->text() != "IC" && l->text() != "NGC" &&
        !l->text().contains('(')) {
      text = l->text();
    }
  }
  return text;
}

TEST(StarChooser, FindsTheBestNameAndShowsTheLoadingLevel) {
  LanguageScope de(german);
  QLocale::setDefault(QLocale(QLocale::German));
  tsterne_list stars(3);
  stars[0].designation = "Vega";
  stars[1].designation = "Sirius";
  stars[2].designation = "Sirrah";
  Tsternwahldialog d(stars, 65, false);
  EXPECT_EQ(d.windowTitle(), "Sterne, heller als 6,5 mag suchen");
  d.search_for("SIR");
  EXPECT_EQ(d.star_index(), 1);  // equal position and length: the first stays the best
  EXPECT_EQ(d.designation(), "Sirius");
  EXPECT_EQ(result_label(d), "Sirius");
  d.search_for("Wega");
  EXPECT_EQ(d.star_index(), -1);
  EXPECT_EQ(result_label(d), "Nicht gefunden");
  QLocale::setDefault(QLocale::c());
}

TEST(DeepSkyChooser, ThreeListsAndTheListTheQueryNames) {
  LanguageScope de(german);
  tnebel_list objects(4);
  objects[0].designation = "7000";
  objects[1].designation = "M 42";
  objects[2].designation = "IC 434";
  objects[3].designation = "224";
  TNebelform d(objects, false);
  struct Case {
    const char* query;
    long index;
    const char* shown;
  };
  const Case cases[] = {
      {"m 42", 1, "M 42"},       // a lower-case m still chooses the Messier list
      {"IC 434", 2, "IC 434"},
      {"ngc 224", 3, "NGC 224"},
      {"7000", 0, "NGC 7000"},
  };
  for (const Case& c : cases) {
    d.search_for(c.query);
    EXPECT_EQ(d.object_index(), c.index) << c.query;
    EXPECT_EQ(d.designation(), c.shown) << c.query;
  }
}

TEST(ConstellationChooser, SearchesWhileTypingAndReturnsTheEntryNumber) {
  tsternbildtabelle labels;
  fill_constellation_labels(labels, false);
  TFrmSternbildsuche german_names(labels);
  EXPECT_EQ(german_names.entry_number(), 1);  // nothing chosen yet: the first entry
  german_names.search_for("bär");
  EXPECT_EQ(german_names.entry_number(), 9);  // "Bärenhüter" before "Großer Bär"
  fill_constellation_labels(labels, true);
  TFrmSternbildsuche latin(labels);
  latin.search_for("ursa m");
  EXPECT_EQ(latin.entry_number(), 84);  // "Ursa Major": as early and shorter than "Ursa Minor"
}

std::string zone_record(float ra, float dec, std::int16_t tenths, const std::string& name) {
  tbytewriter w;
  for (const float f : {ra, 0.0f, dec, 0.0f}) w.f32(f);
  w.i16(tenths);
  w.fixed_string(name, 10);
  return w.take();
}

TEST(ZoneSearchDialog, FindsByNumberAndChecksTheMapDiameter) {
  LanguageScope de(german);
  QLocale::setDefault(QLocale(QLocale::German));
  const auto dir = testing::fresh_folder();
  write_file_atomically(dir / "0001+0+1.dat", zone_record(3.0f, 4.0f, 65, "  123"));
  tzeitort z;
  update_derived_fields(z, false);
  TSAOSuche d(dir, tzone_catalogue::sao, z, false, "123");
  d.search();
  ASSERT_TRUE(d.found().found);
  EXPECT_EQ(d.found().zone, 1);
  bool warned = false;
  QTimer::singleShot(0, [&warned] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      warned = box->text().startsWith("Kartendurchmesser muß");
      box->accept();
    }
  });
  auto* field = d.findChildren<QLineEdit*>().back();
  field->setText("0,4");
  d.accept();
  EXPECT_TRUE(warned);
  EXPECT_EQ(d.result(), QDialog::Rejected);  // still open
  field->setText("2,5");
  d.accept();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.diameter(), 2.5);
  QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace sdro
