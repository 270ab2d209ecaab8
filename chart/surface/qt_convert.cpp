// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/qt_convert.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cstdlib>

namespace sdro {

Qt::BrushStyle to_qt_hatch(Hatch h) {
  switch (h) {
    case Hatch::horizontal: return Qt::HorPattern;
    case Hatch::vertical: return Qt::VerPattern;
    case Hatch::fdiagonal: return Qt::FDiagPattern;
    case Hatch::bdiagonal: return Qt::BDiagPattern;
    case Hatch::cross: return Qt::CrossPattern;
    case Hatch::diagcross: return Qt::DiagCrossPattern;
  }
  return Qt::CrossPattern;
}

QFont make_qfont(const FontSpec& spec, double pixel_size, bool aliased) {
  QFont f(QString::fromStdString(spec.face));
  f.setPixelSize(std::max(1, static_cast<int>(pixel_size + 0.5)));
  f.setBold(spec.bold);
  f.setItalic(spec.italic);
  f.setUnderline(spec.underline);
  f.setStrikeOut(spec.strikeout);
  f.setKerning(false);
  if (aliased) f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

double font_pixel_size(const FontSpec& spec, double dots_per_inch) {
  if (spec.height < 0) return -spec.height;
  if (spec.height > 0) {
    // Scale a reference size to the wanted cell height.
    constexpr int kReference = 100;
    const QFontMetricsF m(make_qfont(spec, kReference, false));
    const double cell = m.ascent() + m.descent();
    return cell > 0 ? spec.height * kReference / cell : spec.height;
  }
  return spec.size_points * dots_per_inch / 72.0;
}

}  // namespace sdro
