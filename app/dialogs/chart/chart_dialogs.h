// The dialogs of the sky charts. Each edits copies of the values it shows and
// hands them back after OK; a value that cannot be taken is reported with
// the field's message and keeps the dialog open, so nothing half-checked
// reaches the chart.
//
//   TZoomfaktForm       "&Vergrößerung...": the chart diameter, 180..M pixels
//   TRektEingForm       "Umgebungskarte festlegen": zoom chart centre and radius
//   TUebersichtForm     "&Festlegen...": the central right ascension of the overview
//   TDrehwinkelForm     "&Karte drehen...": the rotation, with the eight directions
//   TFarbmodForm        "&Farben wählen...": colour mode, colour table, Milky Way widths
//   TGrenzgrForm        "&Grenzgrößen...": the limiting magnitudes
//   TObjektgrForm       "Objektgruppen auswählen": the deep-sky object groups
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

#include "app/state/konfiguration.h"
#include "chart/view_commands.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSlider;
class QSpinBox;

namespace sdro {

class tmessage_service;

class TZoomfaktForm : public QDialog {
  Q_OBJECT
 public:
  TZoomfaktForm(int diameter, int M, QWidget* parent = nullptr);
  int diameter() const;
  QSlider* slider() { return slider_; }

 private:
  QSlider* slider_ = nullptr;
  QLabel* value_ = nullptr;
};

class TRektEingForm : public QDialog {
  Q_OBJECT
 public:
  TRektEingForm(tmessage_service& messages, double ra, double dec, double radius, QWidget* parent = nullptr);
  void accept() override;
  /// The checked entry after OK.
  const tzoom_entry& entry() const { return entry_; }
  QLineEdit* ra_field() { return ra_; }
  QLineEdit* dec_field() { return dec_; }
  QLineEdit* radius_field() { return radius_; }
  QSlider* radius_slider() { return slider_; }

 private:
  tmessage_service& messages_;
  tzoom_entry entry_;
  QLineEdit* ra_ = nullptr;
  QLineEdit* dec_ = nullptr;
  QLineEdit* radius_ = nullptr;
  QSlider* slider_ = nullptr;
};

class TUebersichtForm : public QDialog {
  Q_OBJECT
 public:
  TUebersichtForm(tmessage_service& messages, double ra_hours, QWidget* parent = nullptr);
  void accept() override;
  double ra_hours() const { return hours_; }
  QLineEdit* ra_field() { return ra_; }

 private:
  tmessage_service& messages_;
  double hours_ = 12.0;
  QLineEdit* ra_ = nullptr;
};

class TDrehwinkelForm : public QDialog {
  Q_OBJECT
 public:
  TDrehwinkelForm(int drehwinkel, QWidget* parent = nullptr);
  int degrees() const;
  QSpinBox* spin() { return spin_; }
  int choice() const;

 private:
  QSpinBox* spin_ = nullptr;
  QButtonGroup* choices_ = nullptr;
  bool syncing_ = false;
};

class TFarbmodForm : public QDialog {
  Q_OBJECT
 public:
  TFarbmodForm(int colour_mode, const tfarbtabelle& farben, const std::array<std::uint8_t, 4>& breiten,
               QWidget* parent = nullptr);
  int colour_mode() const;
  const tfarbtabelle& farben() const { return farben_; }
  std::array<std::uint8_t, 4> breiten() const;
  /// Sets entry i of the edited table (what the colour chooser returns).
  void set_colour(int i, tfarbwert colour);
  QListWidget* list() { return list_; }

 private:
  void show_colour(int i);
  void choose_colour();

  tfarbtabelle farben_;
  QComboBox* mode_ = nullptr;
  QListWidget* list_ = nullptr;
  std::array<QSpinBox*, 4> widths_{};
};

/// The limits the limits dialog edits (magnitude × 100).
struct tgrenzgroessen {
  int sterne = 500;
  int nebel = 500;
  int sao = 1000;
  int kleinkoerper = 1500;
};

class TGrenzgrForm : public QDialog {
  Q_OBJECT
 public:
  /// `level`: the loading level (magnitude × 10), the stars' highest limit.
  TGrenzgrForm(const tgrenzgroessen& limits, int level, QWidget* parent = nullptr);
  tgrenzgroessen limits() const;

 private:
  QDoubleSpinBox* sterne_ = nullptr;
  QDoubleSpinBox* nebel_ = nullptr;
  QDoubleSpinBox* sao_ = nullptr;
  QDoubleSpinBox* kleinkoerper_ = nullptr;
};

/// The four deep-sky groups: clusters, nebulae, galaxies, uncertain objects.
struct tobjektgruppen {
  bool haufen = true;
  bool nebel = true;
  bool galaxien = true;
  bool unsicher = false;
};

class TObjektgrForm : public QDialog {
  Q_OBJECT
 public:
  TObjektgrForm(const tobjektgruppen& groups, QWidget* parent = nullptr);
  tobjektgruppen groups() const;

 private:
  std::array<QCheckBox*, 4> boxes_{};
};

}  // namespace sdro
