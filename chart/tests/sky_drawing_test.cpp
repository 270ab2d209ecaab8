// The drawing pass on the recording surface: which objects are drawn, where
// their pixel positions are kept, the drawing order of each chart, the hooks,
// the scale bar and Telrad circles, and sizes that could divide by zero.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "astro/chart_kind.h"
#include "astro/instant_text.h"
#include "astro/language.h"
#include "catalog/designations.h"
#include "catalog/stars.h"
#include "chart/chart_frame.h"
#include "chart/deep_sky_layer.h"
#include "chart/surface/recording_surface.h"
#include "chart/surface/rnd.h"
#include "chart/surface/symbols.h"
#include "chart/symbol_sizes.h"
#include "chart/tests/sky_engine_fixture.h"

namespace sdro {
namespace {

using testing::kKassel;
using testing::SkyEngine;

class SkyDrawing : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sky_ = new SkyEngine(); }
  static void TearDownTestSuite() {
    delete sky_;
    sky_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(sky_->ok());
    ASSERT_NE(sky_->catalogue(), nullptr);
    saved_ = sky_->k();
    tkonfiguration& k = sky_->k();
    k.kartenart = 200;
    k.kartenunterart = 0;
    k.kartengroesse = 1170;
    sky_->set(kKassel, 2024, 1, 15, 22.0);
    sky_->draw();
  }
  void TearDown() override {
    const tzeitort z = sky_->k().zeitort;
    sky_->k() = saved_;
    sky_->k().zeitort = z;
    sky_->chart().marker().reset();
  }
  /// Draws the engine's current chart onto a recording surface.
  const RecordingSurface& record(const tsky_hooks& hooks = {}) {
    recording_ = std::make_unique<RecordingSurface>(Extent{1222, 1222});
    draw_sky(*recording_, sky_->chart().scene(sky_->engine()), hooks);
    return *recording_;
  }
  static tsterne_list& stars() { return sky_->catalogue()->stars(); }
  static tsternrecord& star(const std::string& name) {
    for (tsternrecord& s : stars()) {
      if (s.designation == name) return s;
    }
    static tsternrecord none;
    ADD_FAILURE() << name;
    return none;
  }

  static SkyEngine* sky_;
  tkonfiguration saved_;
  std::unique_ptr<RecordingSurface> recording_;
};
SkyEngine* SkyDrawing::sky_ = nullptr;

bool blit_at(const RecordingSurface& s, PixelPoint corner) {
  for (const DrawCall* c : s.calls_of(DrawOp::bit_blt)) {
    if (c->points[0] == corner) return true;
  }
  return false;
}

TEST_F(SkyDrawing, LimitIsInclusive) {
  tsternrecord& a = star("Capella");
  tsternrecord& b = star("Rigel");
  const int ma = a.magnitude, mb = b.magnitude;
  sky_->k().grenzgroessesterne = 500;
  a.magnitude = 500;
  b.magnitude = 501;
  const RecordingSurface& s = record();
  ASSERT_NE(a.x, -10);
  const int half = symbol_half_size(star_bitmap(5, sky_->chart().scene(sky_->engine()).star_size));
  EXPECT_TRUE(blit_at(s, {a.x - half, a.y - half}));
  EXPECT_EQ(b.x, -10);
  EXPECT_EQ(b.y, -10);
  a.magnitude = ma;
  b.magnitude = mb;
}

TEST_F(SkyDrawing, DrawnStarsKeepThePixelTheirSymbolWasDrawnAt) {
  const RecordingSurface& bitmaps = record();
  int checked = 0;
  for (const tsternrecord& s : stars()) {
    if (s.x == -10 || s.magnitude > 300) continue;
    const int id = star_bitmap(magnitude_class(s.magnitude), sky_->chart().scene(sky_->engine()).star_size);
    EXPECT_TRUE(blit_at(bitmaps, {s.x - symbol_half_size(id), s.y - symbol_half_size(id)})) << s.designation;
    ++checked;
  }
  EXPECT_GT(checked, 20);
  // As circles: a filled circle of the star's radius around the kept pixel.
  sky_->k().sternbitmaps = false;
  const RecordingSurface& circles = record();
  const tsternrecord& sirius = star("Sirius");
  const int b = sky_->chart().scene(sky_->engine()).star_size;
  const int r = star_radius(magnitude_class(sirius.magnitude), b);
  const auto ellipses = circles.calls_of(DrawOp::ellipse);
  EXPECT_TRUE(std::any_of(ellipses.begin(), ellipses.end(), [&](const DrawCall* c) {
    return c->points[0] == PixelPoint{sirius.x - r, sirius.y - r} &&
           c->points[1] == PixelPoint{sirius.x + r + 1, sirius.y + r + 1} && c->brush.colour == farbe::weiss;
  }));
}

TEST_F(SkyDrawing, NightDimmingDrawsRedCircles) {
  sky_->engine().set_nachtabdunkelung(true, night_colour_table());
  const RecordingSurface& s = record();
  sky_->engine().set_nachtabdunkelung(false);
  EXPECT_TRUE(s.calls_of(DrawOp::bit_blt).empty());
  const auto ellipses = s.calls_of(DrawOp::ellipse);
  ASSERT_FALSE(ellipses.empty());
  EXPECT_TRUE(std::any_of(ellipses.begin(), ellipses.end(), [](const DrawCall* c) { return c->brush.colour == farbe::rot; }));
}

TEST_F(SkyDrawing, DeepSkyObjectsKeepTheCornerOfTheirSymbolAndHiddenGroupsNothing) {
  const RecordingSurface& s = record();
  int checked = 0;
  for (const tnebelrecord& o : sky_->catalogue()->nebulae()) {
    if (o.x == -10) continue;
    const int size = deep_sky_diameter(o.magnitude, sky_->k().nebelgroessevariation);
    const auto ellipses = s.calls_of(DrawOp::ellipse);
    EXPECT_TRUE(std::any_of(ellipses.begin(), ellipses.end(), [&](const DrawCall* c) {
      return c->points[0] == PixelPoint{o.x, o.y} && c->points[1] == PixelPoint{o.x + size, o.y + size};
    })) << o.designation;
    ++checked;
  }
  EXPECT_GT(checked, 5);
  sky_->k().gruppehaufen = sky_->k().gruppenebel = sky_->k().gruppegalaxien = sky_->k().gruppeunsicher = false;
  record();
  for (const tnebelrecord& o : sky_->catalogue()->nebulae()) EXPECT_EQ(o.x, -10) << o.designation;
}

TEST_F(SkyDrawing, DeepSkyLabelsKeepClearOfTheirSymbolAsStarLabelsDo) {
  tkonfiguration& k = sky_->k();
  k.beschriftungobjekte = true;
  k.beschriftungnebel = 1000;
  k.beschriftungsterne = 1000;
  k.saobeschriftungsart = 0;
  int checked = 0;
  for (const int kind : {200, 204}) {
    for (const int size_setting : {kSizeLarge, kSizeMedium, kSizeSmall, kSizeVerySmall}) {
      k.kartenart = kind;
      k.zoomkarte = {270.0, 0.0, 30.0};  // Ophiuchus and Aquila: IC 4665, IC 4756
      k.nebelgroessevariation = size_setting;
      sky_->draw();
      const RecordingSurface& s = record();
      const auto texts = s.calls_of(DrawOp::text);
      const auto label_of = [&](const std::string& name) {
        const auto t = std::find_if(texts.begin(), texts.end(), [&](const DrawCall* c) { return c->text == name; });
        return t == texts.end() ? nullptr : *t;
      };
      for (const tnebelrecord& o : sky_->catalogue()->nebulae()) {
        if (o.x == -10) continue;
        const int d = deep_sky_diameter(o.magnitude, size_setting);
        const std::string name = deep_sky_display_name(o.designation);
        const DrawCall* label = label_of(name);
        ASSERT_NE(label, nullptr) << name;
        // The symbol's box is (o.x, o.y) – (o.x + d, o.y + d); the label's
        // baseline runs through its lower right corner and the text begins
        // three pixels right of it, whatever the symbol's size.
        EXPECT_EQ(label->points[0], (PixelPoint{o.x + d + 3, o.y + d})) << name << " " << size_setting;
        EXPECT_EQ(label->state.text_align.v, VAlign::baseline) << name;
        EXPECT_EQ(label->text_cell.left, o.x + d + 3) << name << " " << kind << " " << size_setting;
        ++checked;
      }
      // The same gap as a star's label beside its symbol.
      const tsternrecord& sirius = star("Sirius");
      if (kind == 200 && sirius.x != -10) {
        const DrawCall* label = label_of(sirius.designation);
        ASSERT_NE(label, nullptr);
        const int half = symbol_half_size(star_bitmap(magnitude_class(sirius.magnitude),
                                                      sky_->chart().scene(sky_->engine()).star_size));
        EXPECT_EQ(label->points[0], (PixelPoint{sirius.x + half + 3, sirius.y + half}));
      }
    }
  }
  EXPECT_GT(checked, 40);
}

TEST_F(SkyDrawing, ConstellationNamesAreWrittenAtTheirKeptPixel) {
  sky_->k().beschriftungsternbilder = true;
  const RecordingSurface& s = record();
  int written = 0;
  for (const tsternbildlabel& l : sky_->catalogue()->constellations()) {
    if (l.x == -10) continue;
    const auto texts = s.calls_of(DrawOp::text);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const DrawCall* c) {
      return c->text == l.name && c->points[0] == PixelPoint{l.x, l.y};
    })) << l.name;
    ++written;
  }
  EXPECT_GT(written, 20);
}

TEST_F(SkyDrawing, OverviewBreaksLinesAtTheMapEdge) {
  tkonfiguration& k = sky_->k();
  k.kartenunterart = 1;
  k.sternbildgrenzen = true;
  k.milchstrasse = 4;
  // A figure segment from α = 359.5° to 0.5° crosses 0h.
  tstars& cat = *sky_->catalogue();
  const tlinienpunkt p1 = cat.line_point(1), p2 = cat.line_point(2);
  const auto set = [&cat](std::size_t n, double ra, std::uint8_t pen) {
    tlinienpunkt& p = cat.line_point(n);
    p.ra_date = static_cast<float>(ra);
    p.dec_date = 10.0f;
    p.x1950 = static_cast<float>(std::cos(ra * 0.017453292519943295));
    p.y1950 = static_cast<float>(std::sin(ra * 0.017453292519943295));
    p.z1950 = 0.0f;
    p.pen = pen;
  };
  set(1, 359.5, 1);
  set(2, 0.5, 0);
  for (const int offset : {0, 75, 180}) {
    k.uebersichtzentrum = offset;
    const RecordingSurface& s = record();
    const int d = k.kartengroesse;
    for (const DrawCall* c : s.calls_of(DrawOp::polyline)) {
      for (std::size_t i = 1; i < c->points.size(); ++i) {
        EXPECT_LT(std::abs(c->points[i].x - c->points[i - 1].x), d / 2) << offset;
      }
    }
  }
  cat.line_point(1) = p1;
  cat.line_point(2) = p2;
}

TEST_F(SkyDrawing, ZoomChartLinesStayOnTheNearHemisphere) {
  tkonfiguration& k = sky_->k();
  k.kartenart = 204;
  k.zoomkarte = {83.8, -1.0, 30.0};
  k.sternbildgrenzen = true;
  k.milchstrasse = 4;
  sky_->draw();
  const tsky_scene scene = sky_->chart().scene(sky_->engine());
  const tviewport& vp = scene.viewport();
  const double reach = 90.0 / 30.0 * vp.R + 1.0;  // 90° from the centre
  const RecordingSurface& s = record();
  int segments = 0;
  for (const DrawCall* c : s.calls_of(DrawOp::polyline)) {
    for (const PixelPoint& p : c->points) {
      EXPECT_LE(std::hypot(p.x - vp.c, p.y - vp.c), reach);
      ++segments;
    }
  }
  EXPECT_GT(segments, 100);
}

TEST_F(SkyDrawing, ALineLayerSwitchedOnWithoutARecomputeIsDrawnWhereARecomputeDrawsIt) {
  tkonfiguration& k = sky_->k();
  const auto polylines = [](const RecordingSurface& s) {
    std::vector<std::vector<PixelPoint>> out;
    for (const DrawCall* c : s.calls_of(DrawOp::polyline)) out.push_back(c->points);
    return out;
  };
  const auto layers = [&k](bool on) {
    k.sternbilder = true;
    k.sternbildgrenzen = on;
    k.milchstrasse = on ? 4 : 0;
    k.nebelumrisse = on;
  };
  for (const int kind : {200, 206}) {
    k.kartenart = kind;
    layers(true);
    sky_->set(kKassel, 2024, 1, 15, 22.0);
    sky_->draw();  // every point placed for 22h
    layers(false);
    sky_->set(kKassel, 2024, 1, 16, 3.0);
    sky_->draw();  // the figures placed anew for 3h, the rest left as it was
    layers(true);
    const auto switched_on = polylines(record());
    sky_->draw();
    const auto recomputed = polylines(record());
    EXPECT_GT(recomputed.size(), 100u) << kind;
    EXPECT_EQ(switched_on, recomputed) << kind;
  }
}

TEST_F(SkyDrawing, PointsFarApartAreNeverJoined) {
  // Two consecutive figure points 72° apart, both above the horizon.
  tstars& cat = *sky_->catalogue();
  const tlinienpunkt p1 = cat.line_point(1), p2 = cat.line_point(2);
  const double lst = sky_->engine().zeitort().sidereal_time * 15.0;
  const auto set = [&cat](std::size_t n, double ra, double dec, std::uint8_t pen) {
    tlinienpunkt& p = cat.line_point(n);
    p.ra_date = static_cast<float>(ra);
    p.dec_date = static_cast<float>(dec);
    const double r = ra * 0.017453292519943295, d = dec * 0.017453292519943295;
    p.x1950 = static_cast<float>(std::cos(d) * std::cos(r));
    p.y1950 = static_cast<float>(std::cos(d) * std::sin(r));
    p.z1950 = static_cast<float>(std::sin(d));
    p.pen = pen;
  };
  set(1, lst - 70.0, 51.0, 1);
  set(2, lst + 70.0, 51.0, 0);
  sky_->k().tierkreishervorheben = true;
  const RecordingSurface& s = record();
  const tfarbe zodiac = tfarbe::from_value(static_cast<std::uint32_t>(sky_->k().farben[1]));
  const tsky_scene scene = sky_->chart().scene(sky_->engine());
  const PixelPoint a = scene.projection.pixel(scene.projection.place(lst - 70.0, 51.0));
  const PixelPoint b = scene.projection.pixel(scene.projection.place(lst + 70.0, 51.0));
  for (const DrawCall* c : s.calls_of(DrawOp::polyline)) {
    if (c->state.pen.colour != zodiac) continue;
    for (std::size_t i = 1; i < c->points.size(); ++i) {
      EXPECT_FALSE(c->points[i - 1] == a && c->points[i] == b);
    }
  }
  cat.line_point(1) = p1;
  cat.line_point(2) = p2;
}

// The first call drawn with a pen of this colour and width.
std::ptrdiff_t first_line(const RecordingSurface& s, tfarbe colour, int width) {
  const auto& calls = s.calls();
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].op == DrawOp::polyline && calls[i].state.pen.colour == colour && calls[i].state.pen.width == width) {
      return static_cast<std::ptrdiff_t>(i);
    }
  }
  return -1;
}

std::ptrdiff_t first_of(const RecordingSurface& s, DrawOp op) {
  const auto& calls = s.calls();
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].op == op) return static_cast<std::ptrdiff_t>(i);
  }
  return -1;
}

TEST_F(SkyDrawing, EachChartDrawsInItsOwnOrder) {
  tkonfiguration& k = sky_->k();
  k.milchstrasse = 1;
  k.tierkreishervorheben = false;
  const tfarbe figure = tfarbe::from_value(static_cast<std::uint32_t>(k.farben[0]));
  const tfarbe milky = tfarbe::from_value(static_cast<std::uint32_t>(k.farben[20]));
  const int width = k.milchstrassebreite[0];
  {
    const RecordingSurface& s = record();
    ASSERT_GE(first_line(s, figure, 1), 0);
    ASSERT_GE(first_line(s, milky, width), 0);
    EXPECT_LT(first_line(s, milky, width), first_line(s, figure, 1));  // horizon chart: Milky Way first
  }
  k.kartenart = 206;
  sky_->draw();
  {
    const RecordingSurface& s = record();
    EXPECT_LT(first_line(s, figure, 1), first_line(s, milky, width));  // northern sky: figures first
  }
  k.kartenart = 204;
  k.zoomkarte = {83.8, -1.0, 20.0};
  k.sternbitmaps = true;
  sky_->draw();
  {
    // Zoom chart: stars (blits) before deep-sky objects (ellipses without outline).
    const RecordingSurface& s = record();
    const auto& calls = s.calls();
    std::ptrdiff_t first_nebula = -1;
    for (std::size_t i = 0; i < calls.size(); ++i) {
      if (calls[i].op == DrawOp::ellipse && !calls[i].state.pen.draws()) {
        first_nebula = static_cast<std::ptrdiff_t>(i);
        break;
      }
    }
    ASSERT_GE(first_of(s, DrawOp::bit_blt), 0);
    ASSERT_GE(first_nebula, 0);
    EXPECT_LT(first_of(s, DrawOp::bit_blt), first_nebula);
  }
}

TEST_F(SkyDrawing, HooksRunAtTheirPlaceWithTheScene) {
  std::vector<std::string> seen;
  tsky_hooks hooks;
  for (const auto layer : {tsky_layer::frame, tsky_layer::grids, tsky_layer::user_labels, tsky_layer::meteor_radiant,
                           tsky_layer::bodies, tsky_layer::local_horizon, tsky_layer::after}) {
    hooks.add(layer, "probe", [&seen, layer](Zeichenflaeche& s, const tsky_scene& scene) {
      seen.push_back(std::to_string(static_cast<int>(layer)));
      s.text_out(scene.viewport().c, scene.viewport().c, "probe");
    });
  }
  const RecordingSurface& s = record(hooks);
  EXPECT_EQ(seen, (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6"}));
  // The bodies come after the stars.
  const auto& calls = s.calls();
  std::ptrdiff_t last_star = -1, probe_bodies = -1;
  int probes = 0;
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].op == DrawOp::bit_blt) last_star = static_cast<std::ptrdiff_t>(i);
    if (calls[i].op == DrawOp::text && calls[i].text == "probe" && ++probes == 5) probe_bodies = static_cast<std::ptrdiff_t>(i);
  }
  EXPECT_LT(last_star, probe_bodies);
}

TEST_F(SkyDrawing, ScaleBarHasTheLengthOfItsLabel) {
  tkonfiguration& k = sky_->k();
  k.kartenart = 204;
  for (const double radius : {30.0, 15.0, 7.0, 4.0, 2.0, 0.5}) {
    for (const int d : {1170, 700}) {
      k.zoomkarte = {83.8, -1.0, radius};
      k.kartengroesse = d;
      sky_->draw();
      const tsky_scene scene = sky_->chart().scene(sky_->engine());
      const tscale_bar bar = scale_bar(scene);
      const double degrees = scale_bar_degrees(radius);
      const double pixels_per_degree = scene.viewport().R / radius;  // the projection's scale
      EXPECT_NEAR(bar.x_end - 10, degrees * pixels_per_degree, 0.5) << radius << " " << d;
      const RecordingSurface& s = record();
      const auto lines = s.calls_of(DrawOp::line);
      EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const DrawCall* c) {
        return c->points[0] == PixelPoint{10, 10} && c->points[1] == PixelPoint{bar.x_end, 10};
      }));
    }
  }
  k.zoomkarte[2] = 0.5;
  EXPECT_EQ(scale_bar(sky_->chart().scene(sky_->engine())).label, "0.5°");
  k.zoomkarte[2] = 30.0;
  EXPECT_EQ(scale_bar(sky_->chart().scene(sky_->engine())).label, "10°");
}

TEST_F(SkyDrawing, OutlinesOnTheZoomChartFollowTheChartDiameter) {
  tkonfiguration& k = sky_->k();
  k.kartenart = 204;
  k.zoomkarte = {83.8, -5.4, 2.0};
  const tnebelrecord* m42 = nullptr;
  for (const tnebelrecord& o : sky_->catalogue()->nebulae()) {
    if (o.designation == "M 42") m42 = &o;
  }
  ASSERT_NE(m42, nullptr);
  ASSERT_GT(m42->major, 30);
  double extent[2];
  int i = 0;
  for (const int d : {1170, 585}) {
    k.kartengroesse = d;
    const tdeep_sky_outline o = deep_sky_outline(sky_->chart().scene(sky_->engine()), *m42);
    ASSERT_EQ(o.points.size(), 61u);
    int lo = 1 << 20, hi = -(1 << 20);
    for (const PixelPoint& p : o.points) {
      lo = std::min({lo, p.x, p.y});
      hi = std::max({hi, p.x, p.y});
    }
    extent[i++] = hi - lo;
    // The major axis in pixels is the catalogue's arcminutes at R / ρ pixels per degree.
    const double R = chart_centre(d) - 1;
    EXPECT_NEAR(hi - lo, m42->major / 60.0 * R / 2.0, m42->major / 60.0 * R / 2.0 * 0.25) << d;
  }
  EXPECT_NEAR(extent[0] / extent[1], 2.0, 0.1);
}

TEST_F(SkyDrawing, TelradCirclesAroundTheMarker) {
  sky_->chart().marker() = ttelrad_marker{star("Sirius").ra_apparent, star("Sirius").dec_apparent};
  tkonfiguration& k = sky_->k();
  k.telrad_ein = {true, false, true};
  const tsky_scene scene = sky_->chart().scene(sky_->engine());
  const RecordingSurface& s = record();
  const auto at = scene.projection.object_pixel(scene.projection.place_from_horizontal(
      star("Sirius").altitude, star("Sirius").sin_azimuth, star("Sirius").cos_azimuth));
  ASSERT_TRUE(at);
  std::vector<int> radii;
  for (const DrawCall* c : s.calls_of(DrawOp::ellipse)) {
    if (c->state.pen.colour == scene.t().telrad.colour && !c->brush.fills()) {
      const int r = (c->points[1].x - c->points[0].x - 1) / 2;
      EXPECT_NEAR(c->points[0].x + r, at->x, 1);
      radii.push_back(r);
    }
  }
  const double ppd = scene.viewport().R / 90.0;
  ASSERT_EQ(radii.size(), 2u);
  EXPECT_EQ(radii[0], rnd(k.telrad[0] * ppd / 2));
  EXPECT_EQ(radii[1], rnd(k.telrad[2] * ppd / 2));
}

TEST_F(SkyDrawing, DateAndPlaceStayInsideTheChartAtTheRuleOrRightAligned) {
  tkonfiguration& k = sky_->k();
  k.beschriftungkarten = true;
  const std::string saved_place = k.zeitort.place_name;
  k.zeitort.place_name = "51.320° N, 9.500° O";
  struct tkind {
    int kind;
    std::array<double, 3> zoom;
  };
  const tkind kinds[] = {{200, {}}, {204, {83.8, -5.4, 1.0}}, {206, {}}, {207, {}}};
  int moved = 0, kept = 0, shrunk = 0;
  for (const tlanguage language : {german, english}) {
    const LanguageScope scope(language);
    for (const tkind& c : kinds) {
      for (const int d : {100, 160, 300, 420, 421, 600, 601, 900, 901, 1170}) {
        k.kartenart = c.kind;
        if (c.kind == 204) k.zoomkarte = c.zoom;
        k.kartengroesse = d;
        sky_->draw();
        const tsky_scene scene = sky_->chart().scene(sky_->engine());
        ASSERT_EQ(scene.viewport().d, d);
        RecordingSurface s(Extent{d, d});
        draw_sky(s, scene, {});
        const std::string date = format_instant(k.zeitort, instant_hh_mm);
        const int b = d > 900 ? -30 : d > 600 ? 5 : d > 420 ? 18 : 30;
        const struct {
          std::string text;
          int rule_x, y;
        } header[] = {{date, rnd(b / 1.8) + rnd(d / 2.0 + d / 6.4), 0},
                      {k.zeitort.place_name, rnd(d / 2.0 + d / 4.9 + b), 16}};
        for (const auto& h : header) {
          const auto texts = s.calls_of(DrawOp::text);
          const auto call = std::find_if(texts.begin(), texts.end(), [&](const DrawCall* t) { return t->text == h.text; });
          ASSERT_NE(call, texts.end()) << h.text << " " << c.kind << " " << d;
          const PixelRect& cell = (*call)->text_cell;
          EXPECT_GE(cell.left, 0) << h.text << " " << c.kind << " " << d;
          EXPECT_LE(cell.right, d) << h.text << " " << c.kind << " " << d;
          EXPECT_EQ(cell.top, h.y) << h.text << " " << c.kind << " " << d;
          const int width = cell.right - cell.left;
          const bool fits_at_rule = h.rule_x + width <= d - 4;
          if (fits_at_rule) {
            EXPECT_EQ(cell.left, h.rule_x) << h.text << " " << c.kind << " " << d;
            ++kept;
          } else {
            EXPECT_EQ(cell.right, d - 4) << h.text << " " << c.kind << " " << d;  // against the right edge
            ++moved;
          }
          if ((*call)->state.font != chart_font(k, schrift_karten)) ++shrunk;
        }
        const std::string title = chart_kind_caption(false, k.ansichtvon, k.kartenart);
        for (const DrawCall* t : s.calls_of(DrawOp::text)) {  // the title at the bottom left too
          if (t->text != title) continue;
          EXPECT_GE(t->text_cell.left, 0) << t->text << " " << c.kind << " " << d;
          EXPECT_LE(t->text_cell.right, d) << t->text << " " << c.kind << " " << d;
        }
      }
    }
  }
  EXPECT_GT(kept, 0);
  EXPECT_GT(moved, 0);
  EXPECT_GT(shrunk, 0);  // the smallest charts need a smaller font
  k.zeitort.place_name = saved_place;
}

TEST_F(SkyDrawing, SizesFromADamagedSourceNeitherDivideByZeroNorVanish) {
  tkonfiguration& k = sky_->k();
  for (const int kind : {200, 204, 206, 207}) {
    k.kartenart = kind;
    k.kartengroesse = 0;
    k.zoomkarte = {std::nan(""), 200.0, 0.0};
    k.polkartengrenze = 900;
    k.sterngroessevariation = 9;
    k.nebelgroessevariation = -77;
    k.telrad = {-1.0, std::nan(""), 1e300};
    sky_->chart().marker() = ttelrad_marker{10.0, 10.0};
    const tsky_scene scene = sky_->chart().scene(sky_->engine());
    EXPECT_EQ(scene.viewport().d, kMinChartDiameter);
    EXPECT_GT(scene.viewport().R, 0);
    EXPECT_GE(scene.projection.rim(), 0.5);
    EXPECT_LE(scene.projection.rim(), 130.0);
    const RecordingSurface& s = record();
    EXPECT_FALSE(s.calls().empty());
  }
}

}  // namespace
}  // namespace sdro
