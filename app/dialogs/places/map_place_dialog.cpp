// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/places/map_place_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <cmath>

#include "app/dialogs/places/place_fields.h"
#include "app/dialogs/places/places_session.h"
#include "app/engine/engine.h"
#include "app/qt_text.h"
#include "astro/language.h"
#include "places/coordinate_text.h"
#include "places/instant_entry.h"

namespace sdro {
namespace {

QColor colour(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

/// Colours of the colour table used by the map: 14 "Erdkarte", 15 "Städte".
constexpr int kSeaColour = 14;
constexpr int kCityColour = 15;

/// Pixels around a city that still hit it.
constexpr double kCityHitRadius = 4.0;

}  // namespace

// --- map view --------------------------------------------------------------------------

tearth_map_view::tearth_map_view(const tearth_map& map, int sea, int city, tmessage_service& messages,
                                 QWidget* parent)
    : QWidget(parent), map_(map), sea_(colour(sea)), city_(colour(city)), messages_(messages) {
  setMinimumSize(360, 180);
  setCursor(Qt::CrossCursor);
  setMouseTracking(true);
}

void tearth_map_view::set_marker(double latitude, double east_longitude) {
  marked_ = true;
  marker_ = {latitude, east_longitude};
  update();
}

void tearth_map_view::resizeEvent(QResizeEvent*) { base_ = QImage(); }

void tearth_map_view::draw_base() {
  const double k = scale();
  base_ = QImage(size(), QImage::Format_RGB32);
  base_.fill(palette().window().color());
  QPainter p(&base_);
  p.fillRect(QRectF(0, 0, 360.0 * k, 180.0 * k), sea_);
  p.setPen(QPen(Qt::black, 0));
  for (const auto& line : map_.lines) {
    QPainterPath path;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const tmap_pixel px = map_pixel(line[i], k);
      if (i == 0) {
        path.moveTo(px.x, px.y);
      } else {
        path.lineTo(px.x, px.y);
      }
    }
    p.drawPath(path);
  }
  p.setPen(city_);
  for (const tmap_city& c : map_.cities) {
    const tmap_pixel px = map_pixel(c.place, k);
    const int x = static_cast<int>(std::lround(px.x)), y = static_cast<int>(std::lround(px.y));
    p.drawEllipse(QRect(x - 1, y - 1, 3, 3));
  }
}

void tearth_map_view::paintEvent(QPaintEvent*) {
  if (base_.size() != size()) draw_base();
  QPainter p(this);
  p.drawImage(0, 0, base_);
  p.setPen(QPen(Qt::yellow, 2));
  if (marked_) {
    const tmap_pixel m = map_pixel(marker_, scale());
    p.drawLine(QPointF(m.x - 8, m.y), QPointF(m.x + 8, m.y));
    p.drawLine(QPointF(m.x, m.y - 8), QPointF(m.x, m.y + 8));
  }
}

void tearth_map_view::click_at(double x, double y) {
  const auto point = map_point(x, y, scale());
  if (!point) {
    messages_.beep(tbeep::warning);
    return;
  }
  const long city = city_at(map_, x, y, scale(), kCityHitRadius);
  if (on_pick) on_pick(*point, city >= 0 ? map_.cities[static_cast<std::size_t>(city)].name : std::string());
}

void tearth_map_view::mouseMoveEvent(QMouseEvent* event) {
  const auto point = map_point(event->position().x(), event->position().y(), scale());
  if (point && on_hover) on_hover(*point);
}

void tearth_map_view::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) click_at(event->position().x(), event->position().y());
}

// --- confirmation ------------------------------------------------------------------------

tzeitort proposal_for_map_point(const tzeitort& z, const tmap_point& point, const std::string& city) {
  const tmap_place place = place_from_map_point(point.east_longitude, point.latitude, city);
  tzeitort p = z;
  p.place_name = place.name;
  p.latitude = place.latitude;
  p.longitude = place.longitude;
  p.zone = place.zone;
  return p;
}

TOrtwahldialogkarte::TOrtwahldialogkarte(tmessage_service& messages, const tzeitort& z, const tzeitort& proposal,
                                         bool keep_ut, QWidget* parent)
    : tentry_dialog(messages, parent), z_(z) {
  setWindowTitle(qtext(sdro::tr("Geographischen Ort aus Erdkarte übernehmen", "Pickup geographic location from Earth Map")));
  fields_ = new tplace_fields(*this, tentry_form::place, false, tcoordinate_form::packed);
  keep_ut_ = new QCheckBox(qtext(sdro::tr("Weltzeit beibehalten", "Do not change UT")));
  keep_ut_->setChecked(keep_ut);
  auto* grid = new QGridLayout;
  const int row = fields_->add_to(grid, 0);
  grid->addWidget(keep_ut_, row, 1, 1, 2);
  add_buttons(grid, qtext(sdro::tr("&OK, Wert übernehmen", "&OK, use Values")));
  fields_->show(proposal);
}

bool TOrtwahldialogkarte::keep_ut() const { return keep_ut_->isChecked(); }

bool TOrtwahldialogkarte::check_and_take() {
  return fields_->check_and_take(z_, [this](const std::string& m, const std::string& c) { refuse(m, c); });
}

// --- the map dialog ----------------------------------------------------------------------

tearth_map_dialog::tearth_map_dialog(tplaces_session& session, const tzeitort& z, bool keep_ut, QWidget* parent)
    : QDialog(parent), session_(session), z_(z), keep_ut_(keep_ut) {
  setWindowTitle(qtext(sdro::tr("Ort auf der Erdkarte wählen", "Choose Location on the Earth Map")));
  auto* layout = new QVBoxLayout(this);
  auto* hint = new QLabel(qtext(sdro::tr("Klicken Sie auf den gewünschten Ort.", "Click on the desired location.")));
  layout->addWidget(hint);
  static const tearth_map kNoMap;
  const tearth_map* map = session.earth_map();
  const auto& farben = session.engine().konfig().farben;
  view_ = new tearth_map_view(map ? *map : kNoMap, farben[kSeaColour], farben[kCityColour], session.messages());
  view_->set_marker(z.latitude, -z.longitude);
  view_->on_pick = [this](const tmap_point& p, const std::string& city) { picked(p, city); };
  view_->on_hover = [hint](const tmap_point& p) {
    const tmap_place place = place_from_map_point(p.east_longitude, p.latitude, "");
    hint->setText(qtext(std::string(sdro::tr("Geogr. Breite: ", "Geogr. Latitude: ")) +
                        format_packed_degrees(place.latitude) +
                        std::string(sdro::tr("   Geogr. Länge: ", "   Geogr. Longitude: ")) +
                        format_packed_degrees(place.longitude)));
  };
  layout->addWidget(view_, 1);
}

void tearth_map_dialog::picked(const tmap_point& point, const std::string& city) {
  TOrtwahldialogkarte confirm(session_.messages(), z_, proposal_for_map_point(z_, point, city), keep_ut_, this);
  if (confirm.exec() != QDialog::Accepted) return;
  z_ = confirm.edited();
  keep_ut_ = confirm.keep_ut();
  accept();
}

}  // namespace sdro
