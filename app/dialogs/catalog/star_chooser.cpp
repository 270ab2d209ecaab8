// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/catalog/star_chooser.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "astro/language.h"
#include "catalog/list_search.h"

namespace sdro {
namespace {

// "Sterne, heller als 6,0 mag suchen": the loading level in magnitudes, with
// the decimal separator of the user's locale.
QString title_for(int level) {
  const QString number = QLocale().toString(level / 10.0, 'f', 1);
  return qtext_of(sdro::tr("Sterne, heller als ", "Find Stars brighter as ")) + number +
         qtext_of(sdro::tr(" mag suchen", " mag"));
}

}  // namespace

Tsternwahldialog::Tsternwahldialog(const tsterne_list& stars, int level, bool search_on_button_only,
                                   QWidget* parent)
    : QDialog(parent), stars_(stars), parts_(build_chooser_parts(*this, title_for(level))) {
  connect(parts_.search, &QPushButton::clicked, this, [this] { search(); });
  if (!search_on_button_only) connect(parts_.query, &QLineEdit::textChanged, this, [this] { search(); });
}

void Tsternwahldialog::search_for(const QString& text) {
  parts_.query->setText(text);
  search();
}

void Tsternwahldialog::search() {
  const tlist_search_result r = list_search(
      stars_.size(), [this](std::size_t i) -> std::string_view { return stars_[i].designation; },
      parts_.query->text().toStdString());
  index_ = r.index;
  parts_.result->setText(qtext_of(r.label));
}

QString Tsternwahldialog::designation() const {
  return index_ >= 0 ? qtext_of(stars_[static_cast<std::size_t>(index_)].designation) : QString();
}

}  // namespace sdro
