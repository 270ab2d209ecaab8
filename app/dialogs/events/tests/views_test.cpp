// The information dialog in both modes and the daily overview window.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTableWidget>

#include "app/dialogs/events/daily_overview_window.h"
#include "app/dialogs/events/time_place_dialog.h"
#include "app/engine/engine.h"
#include "astro/derived_fields.h"
#include "astro/instant.h"
#include "astro/language.h"

namespace sdro {
namespace {

tzeitort kassel_midsummer() {
  tzeitort z;
  z.day = 18;
  z.month = 6;
  z.year = 2024;
  z.local_time = 22.0;
  instant_from_civil(z);
  z.t = dynamical_centuries(z.mjd, z.delta_t);
  update_derived_fields(z, false);
  return z;
}

TEST(TimePlaceDialog, CompactModeSetsTheClockToTheChosenEventInEitherLanguage) {
  for (tlanguage language : {german, english}) {
    LanguageScope scope(language);
    const ttime_place_info info = time_place_info(kassel_midsummer(), {}, kDefaultReferenceAltitudes, {});
    TInfozeitortdlg d(info, TInfozeitortdlg::tmode::compact);
    EXPECT_EQ(d.windowTitle(), language == german ? "Uhrzeit ändern" : "Change Time");
    EXPECT_EQ(d.chooser()->currentIndex(), 0);
    d.accept();
    EXPECT_FALSE(d.chosen_hours());  // the first entry changes nothing
    d.chooser()->setCurrentIndex(d.chooser()->findText(language == german ? "Mittag" : "Noon"));
    d.accept();
    ASSERT_TRUE(d.chosen_hours());
    EXPECT_DOUBLE_EQ(*d.chosen_hours(), 12.0);
    d.chooser()->setCurrentIndex(d.chooser()->findText(language == german ? "Sonnenaufgang" : "Sunrise"));
    d.accept();
    ASSERT_TRUE(d.chosen_hours());
    EXPECT_DOUBLE_EQ(*d.chosen_hours(), info.events[3].hours);  // after the twilights that begin
  }
  LanguageScope de(german);
  TInfozeitortdlg full(time_place_info(kassel_midsummer(), {}, kDefaultReferenceAltitudes, {}),
                       TInfozeitortdlg::tmode::full);
  EXPECT_EQ(full.windowTitle(), "Informationen über Einstellungen, Ort, und Zeit");
}

TEST(DailyOverviewWindow, ShowsTheOverviewOfTheEnginesInstant) {
  LanguageScope en(english);
  tscripted_messages messages;
  tengine engine(messages);
  engine.zeitort() = kassel_midsummer();
  TTagesuebers w(engine);
  w.refill();
  EXPECT_EQ(w.windowTitle(), "Sun, Moon and Planets");
  EXPECT_EQ(w.table()->horizontalHeaderItem(2)->text(), "      Dec");
  for (int r = 0; r < kOverviewBodies; ++r) {
    for (int c = 0; c < kOverviewColumns; ++c) {
      EXPECT_EQ(w.table()->item(r, c)->text().toStdString(), w.overview().rows[r].cells[c]);
    }
  }
  EXPECT_EQ(w.table()->item(9, 0)->text(), "Moon");
  const QImage picture = w.diagram()->grab().toImage();
  EXPECT_FALSE(picture.isNull());
}

}  // namespace
}  // namespace sdro
