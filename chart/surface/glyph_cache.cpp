// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/surface/glyph_cache.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <map>
#include <vector>

#include "chart/surface/qt_convert.h"

namespace sdro {

namespace {

constexpr double kScreenDotsPerInch = 96.0;

struct SpecLess {
  bool operator()(const FontSpec& a, const FontSpec& b) const {
    return std::tie(a.face, a.size_points, a.height, a.bold, a.italic, a.underline, a.strikeout) <
           std::tie(b.face, b.size_points, b.height, b.bold, b.italic, b.underline, b.strikeout);
  }
};

std::unique_ptr<Glyph> render(const QFont& font, FontMetrics m, char32_t c) {
  const QString s = QString::fromUcs4(&c, 1);
  const QFontMetrics fm(font);
  auto g = std::make_unique<Glyph>();
  g->advance = fm.horizontalAdvance(s);
  // Room for overhangs on every side of the advance box.
  const int margin = font.pixelSize() + 2;
  const int ox = margin;
  const int oy = margin + m.ascent;
  QImage img(g->advance + 2 * margin, m.height() + 2 * margin, QImage::Format_RGB32);
  img.fill(0xff000000u);
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QPoint(ox, oy), s);
  }
  g->mask = SpanSet(-oy);
  std::vector<Span> row;
  for (int y = 0; y < img.height(); ++y) {
    row.clear();
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      if (qGray(line[x]) < 128) continue;
      if (!row.empty() && row.back().x1 == x - ox) {
        ++row.back().x1;
      } else {
        row.push_back({x - ox, x - ox + 1});
      }
    }
    g->mask.append_row(row);
  }
  return g;
}

}  // namespace

GlyphFace::GlyphFace(const FontSpec& spec)
    : spec_(spec), pixel_size_(font_pixel_size(spec, kScreenDotsPerInch)) {
  const QFontMetrics m(make_qfont(spec_, pixel_size_, true));
  metrics_ = {m.ascent(), m.descent()};
}

const GlyphFace& GlyphFace::of(const FontSpec& spec) {
  static std::mutex mutex;
  static std::map<FontSpec, std::unique_ptr<GlyphFace>, SpecLess> faces;
  const std::lock_guard lock(mutex);
  auto it = faces.find(spec);
  if (it == faces.end()) it = faces.emplace(spec, std::make_unique<GlyphFace>(spec)).first;
  return *it->second;
}

const Glyph& GlyphFace::glyph(char32_t c) const {
  const std::lock_guard lock(mutex_);
  auto it = glyphs_.find(c);
  if (it == glyphs_.end()) {
    it = glyphs_.emplace(c, render(make_qfont(spec_, pixel_size_, true), metrics_, c)).first;
  }
  return *it->second;
}

int GlyphFace::width(std::u32string_view text) const {
  int w = 0;
  for (char32_t c : text) w += glyph(c).advance;
  return w;
}

std::u32string code_points(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  constexpr char32_t kReplacement = 0xFFFD;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || (extra > 0 && i + static_cast<std::size_t>(extra) >= utf8.size())) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    char32_t c = extra == 0 ? b : b & (0x3F >> extra);
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const auto cont = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      ok = ok && (cont & 0xC0) == 0x80;
      c = (c << 6) | (cont & 0x3F);
    }
    out.push_back(ok ? c : kReplacement);
    i += ok ? static_cast<std::size_t>(extra) + 1 : 1;
  }
  return out;
}

}  // namespace sdro
