// Zeichenflaeche: the one drawing interface of all charts.
//
// It works like a device context: the chart code selects a pen, a brush, a
// font, text colour, alignment and background mode, then draws; every
// primitive uses what is selected. This keeps the chart code as short as the
// drawing descriptions it follows ("with the ecliptic pen and no fill", "the
// selected sky brush"): a figure such as the phase drawing can use the brush
// its caller selected, and a block of labels shares one set of text settings.
// save_state()/restore_state() (or a StateGuard) bring everything back.
//
// Geometry follows device-context drawing: rectangle and ellipse boxes have
// exclusive right and bottom edges; line_to and polyline leave out the last
// pixel of the line; coordinates are logical units (pixels on the raster
// surface). The public functions normalise their arguments and forward to
// the back-end, so every back-end sees the same calls.
//
// Back-ends: RasterSurface (QImage, pixel exact, no antialiasing),
// PaintDeviceSurface (any QPaintDevice: printer, PDF writer; vector output)
// and RecordingSurface (records the calls for tests). Only the raster
// surface reads pixels: pixel() gives no value and flood_fill() does
// nothing and returns false on a page; the recording surface records the
// flood fill and returns true.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "chart/surface/draw_state.h"

class QImage;

namespace sdro {

/// How a bit-block copy combines source and destination pixels.
enum class RasterOp {
  copy,           ///< destination = source
  bit_or,         ///< destination |= source (symbols light on black)
  bit_and,        ///< destination &= source
  bit_xor,        ///< destination ^= source
  inverted_copy,  ///< destination = ~source
};

/// Flood fill: the area of one colour (surface) or everything up to a border colour.
enum class FloodMode { surface, border };

class Zeichenflaeche {
 public:
  Zeichenflaeche() = default;
  virtual ~Zeichenflaeche() = default;
  Zeichenflaeche(const Zeichenflaeche&) = delete;
  Zeichenflaeche& operator=(const Zeichenflaeche&) = delete;

  // --- selected objects and settings -------------------------------------
  void set_pen(const Pen& pen);
  void set_brush(const Brush& brush) { state_.brush = brush; }
  void set_font(const FontSpec& font) { state_.font = font; }
  void set_text_colour(tfarbe colour) { state_.text_colour = colour; }
  void set_background_colour(tfarbe colour) { state_.background_colour = colour; }
  void set_background_mode(BackgroundMode mode) { state_.background_mode = mode; }
  void set_text_align(TextAlign align) { state_.text_align = align; }
  void set_text_align(HAlign h, VAlign v) { state_.text_align = {h, v}; }
  /// Limits every later drawing to the region (select a clip region).
  void set_clip(const Region& region) { state_.clip = region; }
  void clear_clip() { state_.clip.reset(); }

  const DrawState& state() const { return state_; }
  const Pen& pen() const { return state_.pen; }
  const Brush& brush() const { return state_.brush; }
  const FontSpec& font() const { return state_.font; }

  /// Pushes all settings (objects, text settings, clip, position).
  void save_state() { saved_.push_back(state_); }
  /// Pops the settings of the matching save_state(); no-op without one.
  void restore_state();

  /// Size of the drawing area in logical units.
  virtual Extent size() const = 0;

  // --- lines ---------------------------------------------------------------
  void move_to(int x, int y);
  /// A line with the pen from the current position to (x, y), without the
  /// pixel at (x, y); (x, y) becomes the current position. Dotted pens
  /// continue their pattern over consecutive line_to calls.
  void line_to(int x, int y);
  /// Lines through the points with the pen; the last point is not drawn.
  /// The current position is neither used nor changed.
  void polyline(std::span<const PixelPoint> points);

  // --- filled shapes (outline with the pen, inside with the brush) ---------
  void rectangle(int left, int top, int right, int bottom);
  void ellipse(int left, int top, int right, int bottom);
  /// The closed polygon through the points.
  void polygon(std::span<const PixelPoint> points, FillMode mode = FillMode::alternate);
  /// The rectangle filled with `brush`, no outline.
  void fill_rect(int left, int top, int right, int bottom, const Brush& brush);
  /// The region filled with `brush` (or with the selected brush).
  void fill_region(const Region& region, const Brush& brush);
  void fill_region(const Region& region) { fill_region(region, state_.brush); }

  // --- pixels ----------------------------------------------------------------
  void set_pixel(int x, int y, tfarbe colour);
  /// The colour of a pixel, or nothing outside the surface or on back-ends
  /// without pixels.
  virtual std::optional<tfarbe> pixel(int x, int y) const = 0;
  /// Fills with the selected brush, starting at (x, y): in surface mode the
  /// connected area of `colour`, in border mode the connected area up to
  /// pixels of `colour`. False when nothing could be filled (seed outside,
  /// seed of the wrong colour, back-end without pixels).
  bool flood_fill(int x, int y, tfarbe colour, FloodMode mode);

  // --- bitmaps ---------------------------------------------------------------
  /// Copies w × h pixels from (sx, sy) of `source` to (x, y).
  void bit_blt(int x, int y, int w, int h, const QImage& source, int sx, int sy, RasterOp op);
  /// The whole image at (x, y).
  void draw_bitmap(int x, int y, const QImage& source, RasterOp op);

  // --- text ------------------------------------------------------------------
  /// Writes UTF-8 text with the font, text colour, alignment and background mode.
  void text_out(int x, int y, std::string_view text);
  /// Width and cell height of the text in the selected font.
  virtual Extent text_extent(std::string_view text) const = 0;
  virtual FontMetrics font_metrics() const = 0;

 protected:
  DrawState& mutable_state() { return state_; }

  virtual void do_line(PixelPoint from, PixelPoint to, int& pattern_phase) = 0;
  virtual void do_polyline(std::span<const PixelPoint> points) = 0;
  virtual void do_rectangle(const PixelRect& box) = 0;
  virtual void do_ellipse(const PixelRect& box) = 0;
  virtual void do_polygon(std::span<const PixelPoint> points, FillMode mode) = 0;
  virtual void do_fill_rect(const PixelRect& box, const Brush& brush) = 0;
  virtual void do_fill_region(const Region& region, const Brush& brush) = 0;
  virtual void do_set_pixel(int x, int y, tfarbe colour) = 0;
  virtual bool do_flood_fill(int x, int y, tfarbe colour, FloodMode mode) = 0;
  virtual void do_bit_blt(int x, int y, int w, int h, const QImage& source, int sx, int sy,
                          RasterOp op) = 0;
  virtual void do_text(int x, int y, std::string_view text) = 0;

 private:
  DrawState state_;
  std::vector<DrawState> saved_;
  int line_phase_ = 0;
};

/// Saves the settings of a surface and restores them at the end of the scope.
class StateGuard {
 public:
  explicit StateGuard(Zeichenflaeche& surface) : surface_(surface) { surface_.save_state(); }
  ~StateGuard() { surface_.restore_state(); }
  StateGuard(const StateGuard&) = delete;
  StateGuard& operator=(const StateGuard&) = delete;

 private:
  Zeichenflaeche& surface_;
};

}  // namespace sdro
