// The parts every chooser dialog of the catalogue shares: the search field,
// the search button, the result label and the OK and Cancel buttons.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include <QString>

class QDialog;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace sdro {

inline QString qtext_of(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

struct tchooser_parts {
  QVBoxLayout* layout = nullptr;
  QLineEdit* query = nullptr;
  QPushButton* search = nullptr;
  QLabel* result = nullptr;
  QDialogButtonBox* buttons = nullptr;
};

/// Builds the parts on a dialog; the caller adds its lists to `layout` (between
/// the search row and the result label, via insert_widget) and connects the
/// search. OK accepts, Cancel rejects.
tchooser_parts build_chooser_parts(QDialog& dialog, const QString& title);

}  // namespace sdro
