// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/events/daily_overview_window.h"

#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

#include "app/engine/engine.h"
#include "app/qt_text.h"
#include "astro/bodies.h"
#include "astro/language.h"

namespace sdro {
namespace {

/// Diagram geometry: pixels per degree, left margin of the frame, base line above the bottom.
constexpr double kScale = 1.5;
constexpr int kLeft = 21;
constexpr int kBase = 67;
/// Bodies this high and higher are drawn (degrees).
constexpr double kLowest = 0.5;
/// Colour-table entry of the orbit trace of body 0; the others follow in tkoerper order.
constexpr int kFirstTraceColour = 26;

int px(double degrees) { return static_cast<int>(std::lround(kScale * degrees)); }

QColor colour(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

}  // namespace

taltitude_diagram::taltitude_diagram(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize taltitude_diagram::sizeHint() const { return {kLeft + px(360) + 30, px(90) + kBase + 16}; }

void taltitude_diagram::set_rows(const toverview& overview, const std::array<int, 10>& colours,
                                 tazimutzaehlung origin) {
  overview_ = overview;
  colours_ = colours;
  origin_ = origin;
  update();
}

void taltitude_diagram::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  const int base = height() - kBase;
  const int top = base - px(90);
  p.setPen(palette().windowText().color());
  QFont font = p.font();
  font.setPixelSize(9);
  p.setFont(font);
  p.drawRect(kLeft, top, px(360), px(90));
  for (int alt = 0; alt <= 80; alt += 10) {
    const int y = base - px(alt);
    p.drawLine(kLeft - 4, y, kLeft, y);
    // The labels stand inside the frame, next to their ticks.
    p.drawText(QRect(kLeft + 2, y - 11, 30, 11), Qt::AlignLeft | Qt::AlignBottom, QString::number(alt) + "°");
  }
  // Azimuth ticks every 45°, labelled in the configured counting (the frame starts at that counting's 0°).
  for (int i = 0; i <= 8; ++i) {
    const int x = kLeft + px(45.0 * i);
    p.drawLine(x, base, x, base + 4);
    p.drawText(QRect(x - 20, base + 4, 40, 12), Qt::AlignHCenter | Qt::AlignTop, QString::number(45 * i));
  }
  QPen dotted(palette().windowText().color(), 1, Qt::DotLine);
  p.setPen(dotted);
  p.drawLine(kLeft + px(180), top, kLeft + px(180), base);
  int legend = kLeft;
  for (const toverview_row& row : overview_.rows) {
    if (!row.valid) continue;  // Pluto outside its theory's dates
    const QColor c = colour(colours_[row.body]);
    if (row.altitude >= kLowest) {
      p.setPen(c);
      p.setBrush(c);
      p.drawEllipse(QPoint(kLeft + px(std::round(row.azimuth)), base - px(std::round(row.altitude))), 3, 3);
    }
    p.fillRect(legend, base + 24, 4, 4, c);
    p.setPen(palette().windowText().color());
    p.drawText(legend + 6, base + 30, qtext(body_name(row.body)));
    legend += 47;
  }
}

TTagesuebers::TTagesuebers(tengine& engine, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), engine_(engine) {
  table_ = new QTableWidget(kOverviewBodies, kOverviewColumns);
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  diagram_ = new taltitude_diagram;
  close_ = new QPushButton;
  close_->setShortcut(QKeySequence(Qt::Key_F3));
  connect(close_, &QPushButton::clicked, this, &QWidget::hide);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(diagram_);
  layout->addWidget(close_, 0, Qt::AlignRight);
  retranslate();
}

void TTagesuebers::retranslate() {
  setWindowTitle(qtext(sdro::tr("Sonne, Mond und Planeten", "Sun, Moon and Planets")));
  close_->setText(qtext(sdro::tr("Schließen (F3)", "Close (F3)")));
  const auto header = overview_header();
  for (int c = 0; c < kOverviewColumns; ++c) table_->setHorizontalHeaderItem(c, new QTableWidgetItem(qtext(header[c])));
}

void TTagesuebers::refill() {
  const tkonfiguration& k = engine_.konfig();
  overview_ = daily_overview(engine_.zeitort(), k.theorie, k.referenzhoehen, engine_.settings().azimut, k.useaberrat);
  retranslate();
  for (int r = 0; r < kOverviewBodies; ++r) {
    for (int c = 0; c < kOverviewColumns; ++c) {
      auto* item = new QTableWidgetItem(qtext(overview_.rows[r].cells[c]));
      item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(r, c, item);
    }
  }
  table_->resizeColumnsToContents();
  table_->resizeRowsToContents();
  std::array<int, 10> colours{};
  for (int b = 0; b < 10; ++b) colours[b] = k.farben[kFirstTraceColour + b];
  diagram_->set_rows(overview_, colours, engine_.settings().azimut);
  adjustSize();
}

}  // namespace sdro
