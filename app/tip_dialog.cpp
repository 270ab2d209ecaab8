// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tip_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "app/tip_list.h"
#include "astro/language.h"

namespace sdro {

TfrmTipdestages::TfrmTipdestages(ttip_list& tips, bool& showtipsatstart, QWidget* parent)
    : QDialog(parent), tips_(tips), show_at_start_(showtipsatstart) {
  setWindowTitle(qtext(sdro::tr("Tip des Tages", "Tip of the day")));
  auto* heading = new QLabel(qtext(sdro::tr("Wußten Sie schon?", "Did you know?")));
  QFont bold = heading->font();
  bold.setBold(true);
  bold.setPointSize(bold.pointSize() + 2);
  heading->setFont(bold);
  text_ = new QLabel;
  text_->setWordWrap(true);
  text_->setMinimumSize(360, 90);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  at_start_ = new QCheckBox(qtext(sdro::tr("Beim nächsten Programmstart anzeigen", "Show tips when starting")));
  at_start_->setChecked(show_at_start_);
  connect(at_start_, &QCheckBox::toggled, this, [this](bool on) { show_at_start_ = on; });
  next_ = new QPushButton(qtext(sdro::tr("&Nächster Tip", "&Next Tip")));
  auto* close = new QPushButton(qtext(sdro::tr("&Schließen", "&Close")));
  close->setDefault(true);
  connect(next_, &QPushButton::clicked, this, &TfrmTipdestages::next_tip);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(at_start_);
  buttons->addStretch();
  buttons->addWidget(next_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(text_, 1);
  layout->addLayout(buttons);
  next_tip();
}

void TfrmTipdestages::next_tip() {
  const auto tip = tips_.next([](std::size_t n) {
    return static_cast<std::size_t>(QRandomGenerator::global()->bounded(static_cast<quint64>(n)));
  });
  if (tip) {
    text_->setText(qtext(*tip));
  } else {
    text_->setText(qtext(sdro::tr("Keine Tips mehr vorhanden", "No more tips available")));
    next_->hide();
  }
}

}  // namespace sdro
