// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/places/place_fields.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "app/dialogs/places/entry_dialog.h"
#include "app/qt_text.h"
#include "astro/cp1252.h"
#include "astro/language.h"
#include "astro/names.h"
#include "astro/text_format.h"
#include "places/coordinate_text.h"

namespace sdro {
namespace {

QString one_decimal(double x) { return qtext(point_to_comma(format_fixed_trimmed(1, x))); }

}  // namespace

tplace_fields::tplace_fields(tentry_dialog& dialog, tentry_form form, bool air, tcoordinate_form coordinates)
    : QObject(&dialog), dialog_(dialog), form_(form), air_(air), coordinates_(coordinates) {
  name = new QLineEdit;
  name->setMaxLength(static_cast<int>(kPlaceNameMaxLength));
  longitude = new QLineEdit;
  latitude = new QLineEdit;
  zone = new QSpinBox;
  zone->setRange(-kMaxZone, kMaxZone);
  zone_name = new QLabel;
  minutes = new QSpinBox;
  minutes->setRange(-kMaxAdditionalMinutes, kMaxAdditionalMinutes);
  height = new QLineEdit;
  temperature = new QLineEdit;
  pressure = new QLineEdit;
  refraction = new QCheckBox(qtext(sdro::tr("Re&fraktion berücksichtigen", "Consider Re&fraction")));
  connect(zone, &QSpinBox::valueChanged, this, [this] { show_zone_name(); });
  connect(minutes, &QSpinBox::valueChanged, this, [this] { show_zone_name(); });
  for (const auto& [edit, field] : checked_fields()) {
    dialog.on_leave(edit, [this, edit = edit, field = field] { check_one(edit, field); });
  }
}

std::vector<std::pair<QLineEdit*, tentry_field>> tplace_fields::checked_fields() const {
  if (!air_) return {{latitude, tentry_field::latitude}, {longitude, tentry_field::longitude}, {height, tentry_field::height}};
  return {{latitude, tentry_field::latitude}, {longitude, tentry_field::longitude},
          {temperature, tentry_field::temperature}, {height, tentry_field::height},
          {pressure, tentry_field::pressure}};
}

int tplace_fields::add_to(QGridLayout* grid, int row, QWidget* air_heading) {
  const auto add = [grid, &row](std::string_view label, QWidget* w, QWidget* extra = nullptr) {
    grid->addWidget(buddy_label(std::string(label), w), row, 0);
    grid->addWidget(w, row, 1);
    if (extra) grid->addWidget(extra, row, 2);
    ++row;
  };
  const bool date_form = form_ == tentry_form::date_and_place;
  add(date_form ? sdro::tr("O&rt (Bezeichnung):", "&Location (Name):") : sdro::tr("Or&t:", "Locatio&n:"), name);
  add(sdro::tr("Geogr. &Breite:", "Geogr. L&atitude:"), latitude);
  add(sdro::tr("Geogr. &Länge:", "Geogr. Lon&gitude:"), longitude, new QLabel(qtext(sdro::tr("Ost: negativ", "East: negative"))));
  add(sdro::tr("Ze&itzone:", "Time Zo&ne:"), zone,
      date_form ? new QLabel(qtext(sdro::tr("Ost: positiv", "East: positiv"))) : zone_name);
  if (air_heading) grid->addWidget(air_heading, row++, 0, 1, 3);
  add(sdro::tr("Meeresh&öhe (m):", "Altitude above Sea Level (m):"), height);
  if (air_) {
    add(sdro::tr("Zusätzliche Differenz in Minuten:", "Additional Difference in Minutes:"), minutes);
    add(sdro::tr("Temperatur (°&C):", "Temperature (°&C):"), temperature);
    add(sdro::tr("Luftdruck (Millibar):", "Air Pressure (Millibar):"), pressure);
    grid->addWidget(refraction, row++, 1, 1, 2);
  }
  return row;
}

void tplace_fields::show(const tzeitort& z) {
  shown_ = z;
  show_location(z.place_name, z.latitude, z.longitude, z.zone);
  minutes->setValue(z.additional_minutes);
  height->setText(QString::number(z.height));
  temperature->setText(one_decimal(z.temperature));
  pressure->setText(one_decimal(z.pressure));
  refraction->setChecked(z.use_refraction);
  show_zone_name();
}

void tplace_fields::show_location(const std::string& place_name, double lat, double lon, int zone_hours) {
  const auto text = [this](double deg) {
    return qtext(coordinates_ == tcoordinate_form::packed ? format_packed_degrees(deg) : format_place_coordinate(deg));
  };
  shown_.place_name = place_name;
  shown_.latitude = lat;
  shown_.longitude = lon;
  shown_.zone = zone_hours;
  name->setText(qtext(place_name));
  name->setCursorPosition(0);
  latitude->setText(text(lat));
  longitude->setText(text(lon));
  zone->setValue(zone_hours);
}

void tplace_fields::show_zone_name() {
  std::string text = "(" + std::string(time_zone_name(zone->value()));
  if (!air_ && shown_.additional_minutes != 0) text += "+" + std::to_string(shown_.additional_minutes) + "min";
  zone_name->setText(qtext(text + ")"));
}

void tplace_fields::take_choices(tzeitort& z) const {
  z.place_name = utf8_prefix(name->text().trimmed().toStdString(), kPlaceNameMaxLength);
  z.zone = zone->value();
  if (air_) {
    z.additional_minutes = minutes->value();
    z.use_refraction = refraction->isChecked();
  }
}

tzeitort tplace_fields::current(const tzeitort& base) const {
  tzeitort z = base;
  for (const auto& [edit, field] : checked_fields()) {
    const tentry_check r = check_entry(form_, field, edit->text().toStdString());
    if (r.state == tentry_check::accepted) store_entry(z, field, r.value);
  }
  take_choices(z);
  return z;
}

void tplace_fields::check_one(QLineEdit* edit, tentry_field field) {
  const tentry_check r = check_entry(form_, field, edit->text().toStdString());
  if (r.state == tentry_check::refused) {
    show(current(shown_));  // the rejected field shows its last accepted value
    edit->setFocus();
    dialog_.refuse_field(r.message, r.caption);
    return;
  }
  if (r.state != tentry_check::accepted) return;
  store_entry(shown_, field, r.value);
  if ((field == tentry_field::latitude || field == tentry_field::longitude) && on_coordinates) {
    on_coordinates(shown_.latitude, shown_.longitude);
  }
}

bool tplace_fields::check_and_take(tzeitort& z,
                                   const std::function<void(const std::string&, const std::string&)>& refuse) {
  tzeitort taken = z;
  for (const auto& [edit, field] : checked_fields()) {
    const tentry_check r = check_entry(form_, field, edit->text().toStdString());
    if (r.state == tentry_check::refused) {
      show(current(shown_));
      edit->setFocus();
      refuse(r.message, r.caption);
      return false;
    }
    if (r.state == tentry_check::accepted) store_entry(taken, field, r.value);  // empty: kept
  }
  take_choices(taken);
  z = taken;
  return true;
}

}  // namespace sdro
