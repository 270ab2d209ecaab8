// An engine with a fixed clock and the shipped location file, and a place
// session over it, for the dialog tests.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <QLineEdit>
#include <QTest>

#include "app/dialogs/places/entry_dialog.h"
#include "app/dialogs/places/places_session.h"
#include "app/engine/engine.h"
#include "astro/instant.h"
#include "astro/language.h"

namespace sdro::testing {

/// OK as the button gives it: true when the dialog closed with Accepted.
inline bool confirmed(tentry_dialog& d) {
  d.setResult(QDialog::Rejected);
  d.accept();
  return d.result() == QDialog::Accepted;
}

/// Types a text into a field as the user does and leaves it with Return.
inline void type_and_leave(QLineEdit* edit, const QString& text) {
  edit->clear();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

/// Types a text into a field and moves the focus away (the field is left, no OK).
inline void type_and_tab_away(QLineEdit* edit, const QString& text) {
  edit->clear();
  QTest::keyClicks(edit, text);
  emit edit->editingFinished();
}

class DialogTest : public ::testing::Test {
 protected:
  DialogTest()
      : engine(messages, std::make_unique<tfixed_clock>(tcivil_now{17, 6, 2031, 10.5})), language(german) {
    engine.konfig().ort_dateiname = std::string(SDRO_SOURCE_DIR) + "/data/Orte.csv";
    tzeitort& z = engine.zeitort();
    z.day = 15;
    z.month = 4;
    z.year = 2024;
    z.local_time = 21.5;
    z.zone = 1;
    z.daylight_saving = 1;
    instant_from_civil(z);
  }
  tscripted_messages messages;
  tengine engine;
  LanguageScope language;
  tplaces_session session{engine};
};

}  // namespace sdro::testing
