// Helpers of the surface tests: images, pixel counts and a printable view of
// an image area for failure messages.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>
#include <QImage>

#include <string>

#include "chart/surface/colour.h"
#include "chart/surface/geometry.h"

namespace sdro::test {

/// Text needs a QGuiApplication; this makes one (offscreen) the first time.
inline void ensure_gui() {
  if (QGuiApplication::instance() != nullptr) return;
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "surface_tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

inline QImage filled_image(int w, int h, tfarbe c) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(c.to_rgb32());
  return img;
}

inline tfarbe at(const QImage& img, int x, int y) { return tfarbe::from_rgb32(img.pixel(x, y)); }

inline int count(const QImage& img, tfarbe c) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) n += at(img, x, y) == c ? 1 : 0;
  }
  return n;
}

/// The smallest rectangle holding every pixel of colour c (empty when none).
inline PixelRect bounds_of(const QImage& img, tfarbe c) {
  PixelRect b{img.width(), img.height(), 0, 0};
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      if (at(img, x, y) != c) continue;
      b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x + 1),
           std::max(b.bottom, y + 1)};
    }
  }
  return b.empty() ? PixelRect{} : b;
}

/// Rows of the area with '#' for colour c and '.' for anything else.
inline std::string picture(const QImage& img, tfarbe c, const PixelRect& area) {
  std::string s = "\n";
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) s += at(img, x, y) == c ? '#' : '.';
    s += '\n';
  }
  return s;
}

}  // namespace sdro::test
