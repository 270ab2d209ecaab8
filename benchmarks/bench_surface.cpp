// The drawing surface: the primitives of one chart frame at the default
// bitmap size (1200 + 22 pixels square). For 60 redraws a second a whole
// frame has about 16 ms.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "chart/surface/raster_surface.h"
#include "chart/surface/recording_surface.h"
#include "chart/surface/symbols.h"

namespace {

using namespace sdro;

constexpr int kBitmap = 1222;
constexpr int kChart = 1200;

void ensure_gui() {
  if (QGuiApplication::instance() != nullptr) return;
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "bench_surface";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

struct Star {
  int x, y, radius, bitmap;
};

std::vector<Star> stars(int n) {
  std::mt19937 gen(42);
  std::uniform_int_distribution<int> pos(10, kChart - 10);
  std::uniform_int_distribution<int> rad(0, 4);
  std::uniform_int_distribution<int> bmp(kFirstStarBitmap, kLastStarBitmap);
  std::vector<Star> out;
  for (int i = 0; i < n; ++i) out.push_back({pos(gen), pos(gen), rad(gen), bmp(gen)});
  return out;
}

// Polylines of 51 points (50 segments) wandering over the chart.
std::vector<std::vector<PixelPoint>> lines(int segments) {
  std::mt19937 gen(7);
  std::uniform_int_distribution<int> pos(0, kChart);
  std::uniform_int_distribution<int> step(-12, 12);
  std::vector<std::vector<PixelPoint>> out;
  for (int done = 0; done < segments; done += 50) {
    std::vector<PixelPoint> line{{pos(gen), pos(gen)}};
    for (int i = 0; i < 50; ++i) {
      line.push_back({line.back().x + step(gen), line.back().y + step(gen)});
    }
    out.push_back(std::move(line));
  }
  return out;
}

void draw_stars(Zeichenflaeche& s, const std::vector<Star>& all) {
  s.set_pen(stock::white_pen);
  s.set_brush(stock::white_brush);
  for (const Star& st : all) {
    if (st.radius == 0) {
      s.set_pixel(st.x, st.y, farbe::weiss);
    } else {
      s.ellipse(st.x - st.radius, st.y - st.radius, st.x + st.radius + 1, st.y + st.radius + 1);
    }
  }
}

void draw_lines(Zeichenflaeche& s, const std::vector<std::vector<PixelPoint>>& all, const Pen& pen) {
  s.set_pen(pen);
  for (const auto& l : all) s.polyline(l);
}

void draw_labels(Zeichenflaeche& s, int n) {
  s.set_font(FontSpec{"DejaVu Sans", 8, 0});
  s.set_text_colour(farbe::grau);
  s.set_background_mode(BackgroundMode::transparent);
  s.set_text_align(HAlign::left, VAlign::baseline);
  for (int i = 0; i < n; ++i) s.text_out(20 + (i * 37) % 1100, 20 + (i * 53) % 1150, "Beteigeuze 0.5 mag");
}

void BM_ClearBitmap(benchmark::State& state) {
  QImage img(kBitmap, kBitmap, QImage::Format_RGB32);
  RasterSurface s(img);
  for (auto _ : state) s.fill_rect(0, 0, kBitmap, kBitmap, Brush::solid(tfarbe::rgb(10, 0, 56)));
}
BENCHMARK(BM_ClearBitmap)->Unit(benchmark::kMicrosecond);

void BM_StarDiscs10k(benchmark::State& state) {
  QImage img(kBitmap, kBitmap, QImage::Format_RGB32);
  RasterSurface s(img);
  const auto all = stars(10000);
  for (auto _ : state) draw_stars(s, all);
}
BENCHMARK(BM_StarDiscs10k)->Unit(benchmark::kMicrosecond);

void BM_StarBitmapsOr10k(benchmark::State& state) {
  QImage img(kBitmap, kBitmap, QImage::Format_RGB32);
  RasterSurface s(img);
  const auto all = stars(10000);
  for (auto _ : state) {
    for (const Star& st : all) {
      const int h = symbol_half_size(st.bitmap);
      s.draw_bitmap(st.x - h, st.y - h, symbol_bitmap(st.bitmap), RasterOp::bit_or);
    }
  }
}
BENCHMARK(BM_StarBitmapsOr10k)->Unit(benchmark::kMicrosecond);

void BM_PolylineSegments5k(benchmark::State& state) {
  QImage img(kBitmap, kBitmap, QImage::Format_RGB32);
  RasterSurface s(img);
  const auto all = lines(5000);
  const Pen pen = state.range(0) == 0 ? Pen::solid(farbe::grau)
                  : state.range(0) == 1 ? Pen::dotted(farbe::grau)
                                        : Pen::solid(farbe::grau, 3);
  for (auto _ : state) draw_lines(s, all, pen);
}
BENCHMARK(BM_PolylineSegments5k)->Arg(0)->Arg(1)->Arg(2)->ArgNames({"solid0_dotted1_wide2"})
    ->Unit(benchmark::kMicrosecond);

void BM_Labels500(benchmark::State& state) {
  ensure_gui();
  QImage img(kBitmap, kBitmap, QImage::Format_RGB32);
  RasterSurface s(img);
  for (auto _ : state) draw_labels(s, 500);
}
BENCHMARK(BM_Labels500)->Unit(benchmark::kMicrosecond);

// The ground of the local horizon: the chart circle XOR a 361-point profile.
void BM_LocalHorizonRegion(benchmark::State& state) {
  QImage img(kBitmap, kBitmap, QImage::Format_RGB32);
  RasterSurface s(img);
  std::vector<PixelPoint> profile;
  for (int i = 0; i <= 360; ++i) {
    const double r = (90 - (10 + 8 * std::sin(i * 0.1))) / 90 * 600;
    profile.push_back({600 + static_cast<int>(r * std::sin(i * M_PI / 180)),
                       600 + static_cast<int>(r * std::cos(i * M_PI / 180))});
  }
  for (auto _ : state) {
    s.fill_region(Region::ellipse(1, 1, kChart, kChart) ^ Region::polygon(profile),
                  stock::gray_brush);
  }
}
BENCHMARK(BM_LocalHorizonRegion)->Unit(benchmark::kMicrosecond);

void BM_FloodFillWholeBitmap(benchmark::State& state) {
  QImage img(kBitmap, kBitmap, QImage::Format_RGB32);
  RasterSurface s(img);
  bool flip = false;
  for (auto _ : state) {
    const tfarbe from = flip ? farbe::grau : farbe::schwarz;
    if (!flip) s.fill_rect(0, 0, kBitmap, kBitmap, stock::black_brush);
    s.set_brush(Brush::solid(flip ? farbe::schwarz : farbe::grau));
    benchmark::DoNotOptimize(s.flood_fill(600, 600, from, FloodMode::surface));
    flip = !flip;
  }
}
BENCHMARK(BM_FloodFillWholeBitmap)->Unit(benchmark::kMicrosecond);

// A dense horizon chart: clear, 10,000 stars, 5,000 line segments, 300 labels.
void typical_frame(Zeichenflaeche& s, const std::vector<Star>& st,
                   const std::vector<std::vector<PixelPoint>>& ln) {
  s.fill_rect(0, 0, kBitmap, kBitmap, Brush::solid(tfarbe::rgb(10, 0, 56)));
  s.set_pen(Pen::solid(tfarbe::rgb(160, 160, 160)));
  s.set_brush(stock::null_brush);
  s.ellipse(0, 0, kChart, kChart);
  draw_lines(s, ln, Pen::solid(farbe::rot));
  draw_stars(s, st);
  draw_labels(s, 300);
}

void BM_TypicalFrame(benchmark::State& state) {
  ensure_gui();
  QImage img(kBitmap, kBitmap, QImage::Format_RGB32);
  RasterSurface s(img);
  const auto st = stars(10000);
  const auto ln = lines(5000);
  for (auto _ : state) typical_frame(s, st, ln);
}
BENCHMARK(BM_TypicalFrame)->Unit(benchmark::kMillisecond);

void BM_TypicalFrameRecorded(benchmark::State& state) {
  const auto st = stars(10000);
  const auto ln = lines(5000);
  for (auto _ : state) {
    RecordingSurface s;
    typical_frame(s, st, ln);
    benchmark::DoNotOptimize(s.calls().size());
  }
}
BENCHMARK(BM_TypicalFrameRecorded)->Unit(benchmark::kMillisecond);

}  // namespace
