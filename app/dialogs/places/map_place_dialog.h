// A place picked on the Earth map: the map view that draws the shipped
// coastlines and cities and reports clicks, the dialog around it, and the
// confirmation `TOrtwahldialogkarte` that shows the proposed place for
// checking and editing before it is taken.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include <algorithm>
#include <functional>

#include "app/dialogs/places/entry_dialog.h"
#include "astro/zeitort.h"
#include "places/earth_map.h"

class QCheckBox;

namespace sdro {

class tplace_fields;
class tplaces_session;
class tmessage_service;

/// The equirectangular map: sea, coastlines, cities and a cross at the marked
/// place. A click inside the map reports its point and the city under it.
class tearth_map_view : public QWidget {
  Q_OBJECT
 public:
  /// `sea` and `city` are colours of the colour table (red in the low byte).
  tearth_map_view(const tearth_map& map, int sea, int city, tmessage_service& messages,
                  QWidget* parent = nullptr);
  void set_marker(double latitude, double east_longitude);
  /// Pixels per degree at the current width.
  double scale() const { return std::min(width() / 360.0, height() / 180.0); }
  QSize sizeHint() const override { return {720, 360}; }
  /// A click at a pixel (what a mouse press does): beeps outside the map.
  void click_at(double x, double y);
  std::function<void(const tmap_point&, const std::string& city)> on_pick;
  /// The point under the mouse while it moves over the map.
  std::function<void(const tmap_point&)> on_hover;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  void draw_base();
  const tearth_map& map_;
  QColor sea_, city_;
  tmessage_service& messages_;
  QImage base_;  // coastlines and cities, built for the current size
  bool marked_ = false;
  tmap_point marker_;
};

/// `TOrtwahldialogkarte`: the place proposed for a map point, with name,
/// coordinates, zone and height to check and change.
class TOrtwahldialogkarte : public tentry_dialog {
  Q_OBJECT
 public:
  /// `z` gives the instant, the height and the air; `proposal` the place.
  TOrtwahldialogkarte(tmessage_service& messages, const tzeitort& z, const tzeitort& proposal, bool keep_ut,
                      QWidget* parent = nullptr);
  const tzeitort& edited() const { return z_; }
  bool keep_ut() const;
  tplace_fields& fields() { return *fields_; }

 protected:
  bool check_and_take() override;

 private:
  tzeitort z_;
  tplace_fields* fields_ = nullptr;
  QCheckBox* keep_ut_ = nullptr;
};

/// The place of a record with the proposal for a map point: the clicked city's
/// name or a name from the coordinates, the nearest whole-hour zone, the height kept.
tzeitort proposal_for_map_point(const tzeitort& z, const tmap_point& point, const std::string& city);

/// The map in a dialog: a click opens the confirmation; its OK ends this dialog.
class tearth_map_dialog : public QDialog {
  Q_OBJECT
 public:
  tearth_map_dialog(tplaces_session& session, const tzeitort& z, bool keep_ut, QWidget* parent = nullptr);
  const tzeitort& edited() const { return z_; }
  bool keep_ut() const { return keep_ut_; }
  tearth_map_view* view() { return view_; }
  /// What a click on the map does (also for tests): the confirmation, and on its OK the result.
  void picked(const tmap_point& point, const std::string& city);

 private:
  tplaces_session& session_;
  tzeitort z_;
  bool keep_ut_;
  tearth_map_view* view_ = nullptr;
};

}  // namespace sdro
