// TSAOSuche: finds a star of the SAO or PPM zone catalogue by its designation
// and offers a zoom chart around it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <filesystem>

#include "astro/zeitort.h"
#include "catalog/zone_catalogue.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace sdro {

class TSAOSuche : public QDialog {
  Q_OBJECT
 public:
  TSAOSuche(std::filesystem::path data_directory, tzone_catalogue catalogue, const tzeitort& z, bool useaberrat,
            const QString& last_text, QWidget* parent = nullptr);

  /// The last search and its result.
  const tzone_star_found& found() const { return found_; }
  QString text() const;
  /// The accepted map diameter, degrees.
  double diameter() const { return diameter_; }
  /// Searches for the text in the field (as the button does).
  void search();

  void accept() override;
  void reject() override;

 private:
  std::filesystem::path dir_;
  tzone_catalogue catalogue_;
  tzeitort z_;
  bool useaberrat_;
  tzone_star_found found_;
  bool cancel_ = false;
  bool searching_ = false;
  double diameter_ = 2.0;
  QLineEdit* query_ = nullptr;
  QPushButton* search_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* result_ = nullptr;
  QLineEdit* diameter_field_ = nullptr;
  QPushButton* ok_button_ = nullptr;
};

}  // namespace sdro
