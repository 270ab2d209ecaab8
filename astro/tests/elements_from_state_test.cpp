// Osculating elements from a state vector: round trips through the orbit
// routines for every orbit form and inclination, and failures that leave the
// elements untouched.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/elements_from_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/calendar.h"
#include "astro/orbits.h"
#include "astro/tests/reference_support.h"

namespace sdro {
namespace {

using testing::angle_difference;

struct tcase {
  double q, e, i, node, peri, days_from_perihelion;
};

theliocentric_state state_of(const tcase& c, double tp, double epoch) {
  const torbit_state s = comet_orbit_state(c.q, c.e, tp, epoch);
  return heliocentric_state(gauss_vectors(c.peri, c.i, c.node), s);
}

TEST(ElementsFromState, RoundTripForEveryOrbitForm) {
  const tcase cases[] = {
      {2.55, 0.0758, 10.59, 80.3, 73.6, 300.0},  {0.34, 0.8502, 11.9, 334.7, 186.2, -20.0},
      {0.9, 0.995, 89.4, 282.5, 130.4, 1000.0},  {0.59, 0.967, 162.3, 58.4, 111.3, -3.0},
      {1.3, 1.2, 40.0, 200.0, 10.0, 45.0},       {1.1, 3.5, 120.0, 10.0, 300.0, -400.0},
      {0.5, 0.9999999, 25.0, 100.0, 20.0, 12.0}, {0.5, 1.0000001, 25.0, 100.0, 20.0, -12.0},
  };
  const double epoch = 2460000.5;
  for (const tcase& c : cases) {
    SCOPED_TRACE("e=" + std::to_string(c.e) + " i=" + std::to_string(c.i));
    const double tp = epoch - c.days_from_perihelion;
    const theliocentric_state st = state_of(c, tp, epoch);
    tosculating_elements el;
    ASSERT_EQ(elements_from_state(st.position, st.velocity, 0.0, epoch, el), telements_status::ok);
    EXPECT_NEAR(el.q, c.q, 1e-10 * c.q);
    EXPECT_NEAR(el.e, c.e, 1e-10);
    EXPECT_NEAR(el.inclination, c.i, 1e-9);
    EXPECT_NEAR(angle_difference(el.node, c.node), 0.0, 1e-9);
    EXPECT_NEAR(angle_difference(el.perihelion, c.peri), 0.0, 1e-7);
    EXPECT_NEAR(angle_difference(el.longitude_of_perihelion, c.node + c.peri), 0.0, 1e-7);
    EXPECT_NEAR(el.perihelion_time, tp, 1e-5);
    EXPECT_NEAR(el.semi_latus_rectum, c.q * (1.0 + c.e), 1e-10);
    EXPECT_EQ(el.type, c.e < 1.0 ? torbit_type::ellipse : torbit_type::hyperbola);
    if (c.e < 1.0) {
      EXPECT_NEAR(el.a, c.q / (1.0 - c.e), 1e-8 * el.a);
      EXPECT_NEAR(el.daily_motion, mean_daily_motion(el.a), 1e-9 * el.daily_motion);
      EXPECT_NEAR(el.mean_anomaly, c.days_from_perihelion * el.daily_motion, 1e-7);
    } else {
      EXPECT_LT(el.a, 0.0);
    }
  }
}

TEST(ElementsFromState, OrbitsInTheEclipticHaveNoNodeButAPerihelion) {
  // i = 0 and i = 180: the node is set to 0 and ω is the perihelion's
  // longitude (prograde) or its negative (retrograde).
  const double epoch = 2451545.0;
  for (double i : {0.0, 180.0}) {
    const tcase c{1.0, 0.3, i, 40.0, 75.0, 33.0};
    const theliocentric_state st = state_of(c, epoch - 33.0, epoch);
    tosculating_elements el;
    ASSERT_EQ(elements_from_state(st.position, st.velocity, 0.0, epoch, el), telements_status::ok);
    EXPECT_NEAR(el.inclination, i, 1e-9);
    EXPECT_DOUBLE_EQ(el.node, 0.0);
    const double perihelion_longitude = i == 0.0 ? 40.0 + 75.0 : 40.0 - 75.0;
    EXPECT_NEAR(angle_difference(i == 0.0 ? el.perihelion : -el.perihelion, perihelion_longitude),
                0.0, 1e-7);
    EXPECT_NEAR(el.perihelion_time, epoch - 33.0, 1e-6);
  }
}

TEST(ElementsFromState, ParabolicState) {
  // Exactly parabolic speed at r = 2q on the latus rectum (ν = 90°).
  const double q = 0.5, r = 2.0 * q;
  const double v = std::sqrt(2.0 * kGaussSquared / r);
  // Flight-path angle 45° at ν = 90° for a parabola.
  const tvektor pos{0.0, r, 0.0};
  const tvektor vel{-v / std::sqrt(2.0), v / std::sqrt(2.0), 0.0};
  tosculating_elements el;
  ASSERT_EQ(elements_from_state(pos, vel, 0.0, 2451545.0, el), telements_status::ok);
  if (el.type == torbit_type::parabola) {
    EXPECT_EQ(el.a, 0.0);
    EXPECT_EQ(el.daily_motion, 0.0);
  }
  EXPECT_NEAR(el.e, 1.0, 1e-12);
  EXPECT_NEAR(el.q, q, 1e-12);
  EXPECT_NEAR(angle_difference(el.perihelion, 0.0), 0.0, 1e-9);
  // Barker: D = tan 45° = 1 → t − T = √(2q³/k²)·(1 + 1/3).
  EXPECT_NEAR(2451545.0 - el.perihelion_time,
              std::sqrt(2.0 * q * q * q / kGaussSquared) * 4.0 / 3.0, 1e-6);
}

TEST(ElementsFromState, FailuresLeaveTheElementsUnchanged) {
  tosculating_elements el;
  el.a = 42.0;
  el.e = 0.25;
  el.node = 17.0;
  const tosculating_elements before = el;
  struct Case {
    tvektor position, velocity;
    double mass;
    telements_status expected;
  };
  const Case cases[] = {
      {{0, 0, 0}, {0, 0, 0}, 0.0, telements_status::no_state},
      {{0, 0, 0}, {0.01, 0, 0}, 0.0, telements_status::no_state},
      {{1, 0, 0}, {0, 0, 0}, 0.0, telements_status::rectilinear},
      {{1, 2, 0}, {0.001, 0.002, 0}, 0.0, telements_status::rectilinear},
      {{1, NAN, 0}, {0, 0.01, 0}, 0.0, telements_status::no_state},
      {{1, 0, 0}, {0, 0.017, 0}, -2.0, telements_status::no_state},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(elements_from_state(c.position, c.velocity, c.mass, 2451545.0, el), c.expected);
    EXPECT_EQ(el.a, before.a);
    EXPECT_EQ(el.e, before.e);
    EXPECT_EQ(el.node, before.node);
  }
}

TEST(ElementsFromState, MassOfTheBodyEntersTheGravitationalParameter) {
  // The circular speed for the Sun alone is below the circular speed of a
  // body of one Jupiter mass: it stands at aphelion of a smaller ellipse.
  const tvektor pos{5.2, 0.0, 0.0};
  const tvektor vel{0.0, kGauss / std::sqrt(5.2), 0.0};
  tosculating_elements light, heavy;
  ASSERT_EQ(elements_from_state(pos, vel, 0.0, 2451545.0, light), telements_status::ok);
  ASSERT_EQ(elements_from_state(pos, vel, 1.0 / 1047.35, 2451545.0, heavy), telements_status::ok);
  EXPECT_NEAR(light.e, 0.0, 1e-12);
  EXPECT_NEAR(light.a, 5.2, 1e-10);
  EXPECT_LT(heavy.a, 5.2);
  EXPECT_GT(heavy.e, 0.0);
}

}  // namespace
}  // namespace sdro
