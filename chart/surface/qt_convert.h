// Conversions between the surface's values and Qt's.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <string_view>

#include "chart/surface/colour.h"
#include "chart/surface/font_spec.h"
#include "chart/surface/pen_brush.h"

namespace sdro {

inline QColor to_qcolor(tfarbe c) { return QColor(c.red(), c.green(), c.blue()); }
inline tfarbe from_qcolor(const QColor& c) { return tfarbe::rgb(c.red(), c.green(), c.blue()); }

inline QString to_qstring(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Qt::BrushStyle to_qt_hatch(Hatch h);

/// The font with the family and style of the font description and the given pixel size
/// (logical units); `aliased` switches glyph antialiasing off.
QFont make_qfont(const FontSpec& spec, double pixel_size, bool aliased);

/// The pixel size of a font description: |height| for a character height, the size that
/// gives that cell height for a positive height, else points at `dots_per_inch`.
double font_pixel_size(const FontSpec& spec, double dots_per_inch);

}  // namespace sdro
