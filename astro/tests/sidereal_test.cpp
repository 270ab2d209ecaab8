// Sidereal time against ERFA (IAU 1982 GMST, 1994 GAST) and Meeus' examples.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/sidereal.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/tests/reference_support.h"

namespace sdro {
namespace {

using testing::kSecondOfTime;

double hours_difference(double a, double b) { return std::remainder(a - b, 24.0); }

TEST(SiderealTime, MeanAndApparentMatchErfaFrom1800To2200) {
  double worst_mean = 0.0, worst_apparent = 0.0;
  for (double jd : testing::sweep_instants()) {
    const double mjd = mjd_from_jd(jd);
    const double gmst = eraGmst82(kMjdOffset, mjd) * 12.0 / ERFA_DPI;
    const double gast = eraGst94(kMjdOffset, mjd) * 12.0 / ERFA_DPI;
    worst_mean = std::fmax(worst_mean,
                           std::fabs(hours_difference(local_sidereal_time(false, 0.0, mjd), gmst)));
    worst_apparent = std::fmax(
        worst_apparent, std::fabs(hours_difference(local_sidereal_time(true, 0.0, mjd), gast)));
  }
  EXPECT_LT(worst_mean, 0.0001 * kSecondOfTime);     // 0.1 ms
  EXPECT_LT(worst_apparent, 0.001 * kSecondOfTime);  // 1 ms
}

TEST(SiderealTime, PublishedExamples) {
  // Astronomical Algorithms 12.a and 12.b: 1987-04-10 0h UT: mean 13h10m46.3668s,
  // apparent 13h10m46.1351s; at 19h21m00s UT: mean 8h34m57.0896s.
  const double mjd0 = calendar_to_mjd(10, 4, 1987, 0.0);
  EXPECT_NEAR(greenwich_mean_sidereal_time(mjd0), 13 + 10 / 60.0 + 46.3668 / 3600.0,
              0.001 * kSecondOfTime);
  EXPECT_NEAR(local_sidereal_time(true, 0.0, mjd0), 13 + 10 / 60.0 + 46.1351 / 3600.0,
              0.002 * kSecondOfTime);
  const double mjd1 = calendar_to_mjd(10, 4, 1987, 19 + 21 / 60.0);
  EXPECT_NEAR(greenwich_mean_sidereal_time(mjd1), 8 + 34 / 60.0 + 57.0896 / 3600.0,
              0.001 * kSecondOfTime);
}

TEST(SiderealTime, LongitudeIsWestPositiveAndTheResultStaysBelow24h) {
  const double mjd = 51544.5;
  const double greenwich = local_sidereal_time(false, 0.0, mjd);
  // 15° west is one hour earlier.
  EXPECT_NEAR(hours_difference(local_sidereal_time(false, 15.0, mjd), greenwich), -1.0, 1e-12);
  // Instants whose apparent time lies just below 24 h (and just above 0 h):
  // the result never reads 24 h or a negative value.
  for (double jd : testing::sweep_instants(3000)) {
    for (bool apparent : {false, true}) {
      const double lst = local_sidereal_time(apparent, 0.0, mjd_from_jd(jd));
      ASSERT_GE(lst, 0.0);
      ASSERT_LT(lst, 24.0);
    }
  }
  // An instant whose mean time is 0.1 s after 0 h: in 2000 the equation of
  // the equinoxes is about −0.86 s, so the apparent time lies just below 24 h.
  const double target = 0.1 * kSecondOfTime;
  double m = mjd;
  for (int k = 0; k < 5; ++k) {
    m += hours_difference(target, greenwich_mean_sidereal_time(m)) / 24.0 / 1.0027379;
  }
  ASSERT_NEAR(greenwich_mean_sidereal_time(m), target, 1e-9);
  const double last = local_sidereal_time(true, 0.0, m);
  EXPECT_LT(last, 24.0);
  EXPECT_GT(last, 24.0 - 1.0 * kSecondOfTime);
}

TEST(SiderealTime, EquationOfTheEquinoxesIsBelow1_2Seconds) {
  for (double jd : testing::sweep_instants()) {
    const double mjd = mjd_from_jd(jd);
    const double d =
        hours_difference(local_sidereal_time(true, 0.0, mjd), local_sidereal_time(false, 0.0, mjd));
    EXPECT_LT(std::fabs(d), 1.2 * kSecondOfTime);
  }
}

}  // namespace
}  // namespace sdro
