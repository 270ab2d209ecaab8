// Colour values as the program stores them: 24 bits, red in the low byte,
// green in the middle byte, blue in the high byte (the layout of the colour
// table `farben`, of the font blocks and of the configuration file).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace sdro {

/// One colour. `value` holds 0x00BBGGRR; the top byte is always zero.
struct tfarbe {
  std::uint32_t value = 0;

  static constexpr tfarbe rgb(int red, int green, int blue) {
    return tfarbe{static_cast<std::uint32_t>((red & 0xff) | ((green & 0xff) << 8) |
                                             ((blue & 0xff) << 16))};
  }
  /// A stored value (configuration file, font block); bits above 24 are dropped.
  static constexpr tfarbe from_value(std::uint32_t stored) { return tfarbe{stored & 0xffffffu}; }

  constexpr int red() const { return static_cast<int>(value & 0xff); }
  constexpr int green() const { return static_cast<int>((value >> 8) & 0xff); }
  constexpr int blue() const { return static_cast<int>((value >> 16) & 0xff); }

  /// The pixel of a 32-bit raster image (0xFFRRGGBB, the QImage RGB32 layout).
  constexpr std::uint32_t to_rgb32() const {
    return 0xff000000u | (static_cast<std::uint32_t>(red()) << 16) |
           (static_cast<std::uint32_t>(green()) << 8) | static_cast<std::uint32_t>(blue());
  }
  static constexpr tfarbe from_rgb32(std::uint32_t pixel) {
    return rgb(static_cast<int>((pixel >> 16) & 0xff), static_cast<int>((pixel >> 8) & 0xff),
               static_cast<int>(pixel & 0xff));
  }

  friend constexpr bool operator==(tfarbe, tfarbe) = default;
};

/// Colours the drawing code names directly.
namespace farbe {
inline constexpr tfarbe schwarz = tfarbe::rgb(0, 0, 0);
inline constexpr tfarbe weiss = tfarbe::rgb(255, 255, 255);
inline constexpr tfarbe grau = tfarbe::rgb(128, 128, 128);
inline constexpr tfarbe hellgrau = tfarbe::rgb(192, 192, 192);
inline constexpr tfarbe dunkelgrau = tfarbe::rgb(64, 64, 64);
inline constexpr tfarbe rot = tfarbe::rgb(255, 0, 0);
inline constexpr tfarbe dunkelrot = tfarbe::rgb(128, 0, 0);
inline constexpr tfarbe gelb = tfarbe::rgb(255, 255, 0);
inline constexpr tfarbe dunkelblau = tfarbe::rgb(0, 0, 128);
}  // namespace farbe

}  // namespace sdro
