// The place fields shared by the place dialogs: name, longitude, latitude,
// zone with its name, height and, where a dialog has them, the additional
// minutes, temperature, pressure and refraction. Each typed field is checked
// when it is left, with the place dialogs' messages.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "astro/zeitort.h"
#include "places/entry_checks.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace sdro {

class tentry_dialog;

/// How coordinates are shown: decimal with four decimals ("8,5000") in the
/// list dialog, packed degrees ("8°30'00''") in the map dialog.
enum class tcoordinate_form { decimal, packed };

class tplace_fields : public QObject {
  Q_OBJECT
 public:
  /// `form`: whose messages and labels; `air`: the dialog has additional
  /// minutes, temperature, pressure and refraction.
  tplace_fields(tentry_dialog& dialog, tentry_form form, bool air, tcoordinate_form coordinates);

  /// Adds the labelled fields to a grid, starting at `row`, with `air_heading`
  /// (if any) above the additional settings; returns the next free row.
  int add_to(QGridLayout* grid, int row, QWidget* air_heading = nullptr);
  /// Shows the place of a record.
  void show(const tzeitort& z);
  /// Shows a place chosen from a list or a map; the other fields keep what they hold.
  void show_location(const std::string& place_name, double latitude, double longitude, int zone);
  /// The place as the fields hold it now, without messages: a field that
  /// cannot be read keeps the value of `base`.
  tzeitort current(const tzeitort& base) const;
  /// Checks the fields in the order latitude, longitude, temperature, height,
  /// pressure; the first rejection is reported through `refuse` (the fields
  /// are shown again and the rejected one gets the focus) and nothing is
  /// taken. Otherwise every value goes into `z`.
  bool check_and_take(tzeitort& z, const std::function<void(const std::string&, const std::string&)>& refuse);
  /// Called after a coordinate was accepted on leaving its field.
  std::function<void(double latitude, double longitude)> on_coordinates;

  QLineEdit* name = nullptr;
  QLineEdit* longitude = nullptr;
  QLineEdit* latitude = nullptr;
  QSpinBox* zone = nullptr;
  QLabel* zone_name = nullptr;
  QSpinBox* minutes = nullptr;
  QLineEdit* height = nullptr;
  QLineEdit* temperature = nullptr;
  QLineEdit* pressure = nullptr;
  QCheckBox* refraction = nullptr;

 private:
  /// The typed fields of the dialog in the order of the checks.
  std::vector<std::pair<QLineEdit*, tentry_field>> checked_fields() const;
  void take_choices(tzeitort& z) const;
  void check_one(QLineEdit* edit, tentry_field field);
  void show_zone_name();
  tentry_dialog& dialog_;
  tentry_form form_;
  bool air_;
  tcoordinate_form coordinates_;
  tzeitort shown_;  // the values last shown or accepted, for resetting a rejected field
};

}  // namespace sdro
