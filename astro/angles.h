// Angles in degrees: normalisation, trigonometry and small numeric helpers.
// All angles are degrees (doubles) unless a name says hours.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

/// Degrees to radians (the program-wide factor).
inline constexpr double kDegToRad = 0.0174532925199433;
/// Radians to degrees.
inline constexpr double kRadToDeg = 1.0 / kDegToRad;
/// 2π as the series use it on revolutions.
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kPi = 3.141592653589793;

/// Whole part of x, truncated toward zero (Pascal's Int).
double trunc_int(double x);

/// x reduced into [0, 360).
double normalize_degrees(double x);
/// x reduced into [0, 24).
double normalize_hours(double x);
/// Fractional part of x in [0, 1) (for revolutions).
double frac_positive(double x);

double sin_deg(double x);
double cos_deg(double x);
double tan_deg(double x);
/// Sine of x, and its cosine through c, in one call.
double sincos_deg(double x, double& c);
/// Arc tangent, result in degrees (−90, 90).
double atan_deg(double x);
/// Arc sine in degrees. The argument is clamped to [−1, 1] first, so a value
/// pushed just past ±1 by rounding gives ±90 instead of NaN.
double asin_deg(double x);
/// Arc cosine in degrees, 90 − asin_deg(x); the argument is clamped to [−1, 1].
double acos_deg(double x);
/// Angle of the point (x, y) in degrees, range (−180, 180]; 0 for the origin.
/// Note the argument order: abscissa first.
double atan2_deg(double x, double y);

/// +1, 0 or −1.
double sign_of(double x);
/// Decimal logarithm (ln x / ln 10).
double log10_of(double x);
/// Real cube root; 0 for 0 and the negative root for negative x.
double cube_root(double x);

}  // namespace sdro
