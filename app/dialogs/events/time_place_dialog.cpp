// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/events/time_place_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "astro/language.h"

namespace sdro {
namespace {

QLabel* label(std::string_view text, Qt::Alignment align = Qt::AlignLeft) {
  auto* l = new QLabel(qtext(text));
  l->setAlignment(align | Qt::AlignVCenter);
  return l;
}

/// The Sun-and-Moon block: Moon and Sun with rise, set, transit and its
/// altitude; the twilights below their own heading with begin and end.
QGridLayout* sun_and_moon(const ttime_place_info& info) {
  auto* g = new QGridLayout;
  const Qt::Alignment right = Qt::AlignRight;
  g->addWidget(label(sdro::tr("Aufgang", "Rise"), right), 0, 1);
  g->addWidget(label(sdro::tr("Untergang ", "    Set"), right), 0, 2);
  g->addWidget(label(sdro::tr("Kulmination", "Transit"), right), 0, 3);
  g->addWidget(label(sdro::tr("Kulminationshöhe", "Altitude at Transit"), right), 0, 4);
  int row = 1;
  for (int i = 0; i < 5; ++i) {
    if (i == 2) {
      g->addWidget(label(sdro::tr("Dämmerung  ", "Twighlight  ")), row, 0);
      g->addWidget(label(sdro::tr("Anfang", "Begin"), right), row, 1);
      g->addWidget(label(sdro::tr("Ende", "End"), right), row, 2);
      ++row;
    }
    const tinfo_row& r = info.rows[i];
    g->addWidget(label(r.label), row, 0);
    g->addWidget(label(r.rise, right), row, 1);
    g->addWidget(label(r.set, right), row, 2);
    g->addWidget(label(r.transit, right), row, 3);
    g->addWidget(label(r.culmination, right), row, 4);
    ++row;
  }
  g->addWidget(label(info.moon_line), row, 0, 1, 5);
  return g;
}

}  // namespace

TInfozeitortdlg::TInfozeitortdlg(const ttime_place_info& info, tmode mode, QWidget* parent)
    : QDialog(parent), info_(info) {
  auto* layout = new QVBoxLayout(this);
  if (mode == tmode::full) {
    setWindowTitle(qtext(sdro::tr("Informationen über Einstellungen, Ort, und Zeit",
                                  "Informations about Settings, Location, Date")));
    for (const std::string& line : info.lines) layout->addWidget(label(line));
    auto* objects = new QGroupBox(qtext(sdro::tr("Objekte und Grenzgrößen", "Objects and Magnitude Limits")));
    auto* o = new QVBoxLayout(objects);
    o->addWidget(label(info.counts));
    for (const std::string& line : info.limits) o->addWidget(label(line));
    layout->addWidget(objects);
    auto* block = new QGroupBox(qtext(sdro::tr("Sonne und Mond", "Sun and Moon")));
    block->setLayout(sun_and_moon(info));
    layout->addWidget(block);
  } else {
    setWindowTitle(qtext(sdro::tr("Uhrzeit ändern", "Change Time")));
    layout->addLayout(sun_and_moon(info));
  }
  auto* set = new QGroupBox(qtext(sdro::tr("&Uhrzeit setzen auf", "Set &Time to")));
  auto* s = new QGridLayout(set);
  chooser_ = new QComboBox;
  for (const tinfo_event& e : info.events) chooser_->addItem(qtext(e.text));
  chooser_->setCurrentIndex(0);
  auto* event = label(sdro::tr("Ereignis:", "Event:"));
  event->setBuddy(chooser_);
  s->addWidget(event, 0, 0);
  s->addWidget(chooser_, 0, 1);
  layout->addWidget(set);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(qtext(sdro::tr("&Abbrechen", "&Cancel")));
  connect(buttons, &QDialogButtonBox::accepted, this, &TInfozeitortdlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void TInfozeitortdlg::accept() {
  const int i = chooser_->currentIndex();
  chosen_.reset();
  if (i >= 0 && static_cast<std::size_t>(i) < info_.events.size() && info_.events[static_cast<std::size_t>(i)].changes) {
    chosen_ = info_.events[static_cast<std::size_t>(i)].hours;
  }
  QDialog::accept();
}

}  // namespace sdro
