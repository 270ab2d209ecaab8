// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/engine/empty_chart.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cmath>

#include "app/state/konfiguration.h"
#include "astro/angles.h"
#include "astro/chart_kind.h"
#include "astro/names.h"

namespace sdro {
namespace {

QColor to_qcolor(tfarbe c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

bool is_round(int kind, int subkind) {
  return (kind == ka_horizont && subkind == 0) || kind == ka_zoom || kind == ka_nordhimmel ||
         kind == ka_suedhimmel;
}

QFont chart_font(const tschrift& f) {
  QFont font(QString::fromStdString(f.name));
  font.setPixelSize(std::abs(f.hoehe) > 0 ? std::abs(f.hoehe) : 11);
  font.setBold(f.stil & 1);
  font.setItalic(f.stil & 2);
  return font;
}

// Cardinal points of the horizon chart: north at the top, east to the left
// (the sky seen from below), turned by the chart rotation and mirrored.
void draw_cardinal_points(QPainter& p, const tkonfiguration& k, int c, int r) {
  p.setPen(to_qcolor(k.farben[11]));
  p.setFont(chart_font(k.schriften[schrift_horizont]));
  for (int i = 0; i < 8; i += 2) {
    const double angle = 45.0 * i + k.drehwinkel;  // 0 north, 90 east
    const double x = c - k.spiegelung * (r - 14) * sin_deg(angle);
    const double y = c - (r - 14) * cos_deg(angle);
    const QRectF box(x - 12, y - 8, 24, 16);
    p.drawText(box, Qt::AlignCenter, QString::fromUtf8(compass_point(i).data(),
                                                       static_cast<int>(compass_point(i).size())).trimmed());
  }
}

}  // namespace

void draw_empty_chart(QImage& bitmap, const tkonfiguration& k, int d) {
  bitmap.fill(Qt::black);
  QPainter p(&bitmap);
  p.setRenderHint(QPainter::Antialiasing, true);
  const int c = (d - 1) / 2 + 1;
  const int r = c - 1;
  if (is_round(k.kartenart, k.kartenunterart)) {
    p.setPen(QPen(to_qcolor(k.farben[10]), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(c, c), r, r);
    if (k.kartenart == ka_horizont) draw_cardinal_points(p, k, c, r);
  } else {
    p.setPen(QPen(to_qcolor(k.farben[10]), 1));
    p.drawRect(0, 0, d - 1, d - 1);
  }
  if (k.beschriftungkarten) {
    const std::string title =
        chart_kind_caption(k.kartenunterart == 1, k.ansichtvon, k.kartenart);
    p.setPen(to_qcolor(k.schriften[schrift_karten].farbe));
    p.setFont(chart_font(k.schriften[schrift_karten]));
    p.drawText(QRect(4, 2, d, 40), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(title));
  }
}

}  // namespace sdro
