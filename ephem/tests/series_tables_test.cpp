// The generated coefficient tables against the structure and constants that
// the theories are published with: group sizes, the telling first row of
// Mercury, mean anomalies and the final assembly constants.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "ephem/planet_series.h"
#include "ephem/tables/moon_libration_series.h"
#include "ephem/tables/moon_series.h"
#include "ephem/tables/pluto_fit_series.h"

namespace sdro {
namespace {

struct GroupShape {
  int planet;
  std::vector<std::size_t> rows;  // per group, in order
  std::size_t extras;
};

TEST(SeriesTables, GroupSizesOfEveryRoutine) {
  const GroupShape shapes[] = {
      {1, {36, 7, 10, 1}, 0},   {2, {4, 27, 3, 6, 2}, 2}, {4, {12, 53, 29, 12}, 4},
      {5, {48, 2}, 2},          {6, {54, 14, 3}, 3},      {7, {7, 19, 35, 9}, 0},
      {8, {5, 6, 24}, 0},       {9, {18, 8}, 2},          {3, {23, 13, 12, 4}, 10},
  };
  for (const GroupShape& s : shapes) {
    const tplanetseries* p = own_planet_series(s.planet);
    ASSERT_NE(p, nullptr) << s.planet;
    ASSERT_EQ(p->groups.size(), s.rows.size()) << p->routine;
    for (std::size_t g = 0; g < s.rows.size(); ++g)
      EXPECT_EQ(p->groups[g].terms.size(), s.rows[g]) << p->routine << " group " << g;
    EXPECT_EQ(p->extras.size(), s.extras) << p->routine;
  }
  EXPECT_EQ(own_planet_series(0), nullptr);
  EXPECT_EQ(own_planet_series(10), nullptr);
}

TEST(SeriesTables, TellingRowsAndKeptDuplicates) {
  // Mercury perturbed by Venus, first row.
  const tseriesterm& r = own_planet_series(1)->groups[0].terms[0];
  EXPECT_EQ(own_planet_series(1)->groups[0].perturber, "Venus");
  EXPECT_EQ(r.i1, 1);
  EXPECT_EQ(r.i, 0);
  EXPECT_EQ(r.it, 0);
  EXPECT_DOUBLE_EQ(r.dlc, 259.74);
  EXPECT_DOUBLE_EQ(r.dls, 84547.39);
  EXPECT_DOUBLE_EQ(r.drc, -78342.34);
  EXPECT_DOUBLE_EQ(r.drs, 0.01);
  EXPECT_DOUBLE_EQ(r.dbc, 11683.22);
  EXPECT_DOUBLE_EQ(r.dbs, 21203.79);

  // Uranus: the third group (Neptune) carries T powers up to 3; the fourth
  // group adds the fixed phase 2·M_Jupiter.
  const tplanetseries& u = *own_planet_series(7);
  int max_it = 0;
  for (const tseriesterm& t : u.groups[2].terms) max_it = std::max(max_it, t.it);
  EXPECT_EQ(max_it, 3);
  EXPECT_EQ(u.groups[3].phase_anomaly, 5);
  EXPECT_EQ(u.groups[3].phase_multiplier, 2);

  // Neptune's Uranus group has two rows with the key (1, 0, 0); both count.
  int keys = 0;
  for (const tseriesterm& t : own_planet_series(8)->groups[2].terms)
    if (t.i1 == 1 && t.i == 0 && t.it == 0) ++keys;
  EXPECT_EQ(keys, 2);
}

struct Anomaly {
  int index;
  double m0, m1;
};
struct Assembly {
  int planet;
  std::vector<Anomaly> anomalies;
  double l0, a1, a2, r0, r1, r2, unit, b0, b1, b2;
};

TEST(SeriesTables, MeanAnomaliesAndAssemblyConstants) {
  const Assembly cases[] = {
      {1, {{1, 0.4855407, 415.2014314}, {2, 0.1394222, 162.5490444}, {3, 0.9937861, 99.9978139},
           {5, 0.0558417, 8.4298417}, {6, 0.8823333, 3.3943333}},
       0.2151379, 5601.7, 1.1, 0.3952829, 0.0000016, 0, 1e-6, -2522.15, -30.18, 0.04},
      {2, {{1, 0.4861431, 415.2018375}, {2, 0.1400197, 162.5494552}, {3, 0.9944153, 99.9982208},
           {4, 0.0556297, 53.1674631}, {5, 0.0567028, 8.4305083}, {6, 0.8830539, 3.3947206}},
       0.3654783, 5071.2, 1.1, 0.7233482, -0.0000002, 0, 1e-6, -67.70, 0.04, 0.01},
      {4, {{2, 0.1382208, 162.5482542}, {3, 0.9926208, 99.9970236}, {4, 0.0538553, 53.1662736},
           {5, 0.0548944, 8.4290611}, {6, 0.8811167, 3.393525}},
       0.9334591, 6615.5, 1.1, 1.5303352, 0.0000131, 0, 1e-6, 596.32, -2.92, -0.10},
      {5, {{5, 0.0565314, 8.4302963}, {6, 0.8829867, 3.3947688}, {7, 0.3969537, 1.1902586}},
       0.038891, 5025.2, 0.8, 5.208873, 0.000041, 0, 1e-5, 227.3, -0.3, 0},
      {6, {{5, 0.0565314, 8.4302963}, {6, 0.8829867, 3.3947688}, {7, 0.3969537, 1.1902586},
           {8, 0.7208473, 0.6068623}},
       0.2561136, 5018.6, 1.9, 9.557584, -0.000186, 0, 1e-5, 175.1, -10.2, 0},
      {7, {{5, 0.0564472, 8.4302889}, {6, 0.8829611, 3.3947583}, {7, 0.3967117, 1.1902849},
           {8, 0.7216833, 0.6068528}},
       0.4734843, 5082.3, 34.2, 19.211991, -0.000333, -0.000005, 1e-5, -130.61, -0.54, 0.04},
      {8, {{5, 0.0563867, 8.4298907}, {6, 0.8825086, 3.3957748}, {7, 0.3965358, 1.1902851},
           {8, 0.7214906, 0.6068526}},
       0.1254046, 4982.8, -21.3, 30.072984, 0.001234, 0.000003, 1e-5, 54.77, 0.26, 0.06},
      {9, {{5, 0.0565314, 8.4302963}, {6, 0.8829867, 3.3947688}, {9, 0.0385795, 0.4026667}},
       0.6232469, 0, 0, 40.7247248, 0, 0, 1e-5, -3.909434 * 3600, 0, 0},
      {3, {{2, 0.1387306, 162.5485917}, {3, 0.9931266, 99.9973604}, {4, 0.054325, 53.1666028},
           {5, 0.055175, 8.4293972}, {6, 0.88165, 3.3938722}, {10, 0.8274, 1236.8531},
           {11, 0.3749, 1325.5524}, {12, 0.2591, 1342.2278}},
       0.7859453, 6191.2, 1.1, 1.0001398, -0.0000007, 0, 1e-6, 0, 0, 0},
  };
  for (const Assembly& c : cases) {
    const tplanetseries& p = *own_planet_series(c.planet);
    SCOPED_TRACE(p.routine);
    for (const Anomaly& a : c.anomalies) {
      EXPECT_DOUBLE_EQ(p.anomalies[a.index].m0, a.m0) << a.index;
      EXPECT_DOUBLE_EQ(p.anomalies[a.index].m1, a.m1) << a.index;
    }
    EXPECT_EQ(p.self_anomaly, c.planet);
    EXPECT_DOUBLE_EQ(p.l0, c.l0);
    EXPECT_DOUBLE_EQ(p.l1, c.a1);
    EXPECT_DOUBLE_EQ(p.l2, c.a2);
    EXPECT_DOUBLE_EQ(p.r0, c.r0);
    EXPECT_DOUBLE_EQ(p.r1, c.r1);
    EXPECT_DOUBLE_EQ(p.r2, c.r2);
    EXPECT_DOUBLE_EQ(p.dr_unit, c.unit);
    EXPECT_NEAR(p.b0, c.b0, 1e-9);
    EXPECT_DOUBLE_EQ(p.b1, c.b1);
    EXPECT_DOUBLE_EQ(p.b2, c.b2);
  }
  // Secular terms of DL: Mercury 2.8 + 3.2T, Venus 1.9 + 1.8T, Mars 0.14 + 0.87T − 0.11T².
  EXPECT_DOUBLE_EQ(own_planet_series(1)->dl_c1, 3.2);
  EXPECT_DOUBLE_EQ(own_planet_series(2)->dl_c0, 1.9);
  EXPECT_DOUBLE_EQ(own_planet_series(4)->dl_c2, -0.11);
}

TEST(SeriesTables, LunarPlutoFitAndLibrationTables) {
  using namespace tables;
  EXPECT_EQ(std::size(kMoonSolar1Terms), 35u);
  EXPECT_EQ(std::size(kMoonSolar2Terms), 46u);
  EXPECT_EQ(std::size(kMoonSolar3Terms), 23u);
  EXPECT_EQ(std::size(kMoonLatitudeTerms), 10u);
  EXPECT_EQ(std::size(kMoonPlanetaryTerms), 11u);
  EXPECT_EQ(std::size(kMoonLongPeriodicArguments), 7u);
  EXPECT_DOUBLE_EQ(kMoonConstants.beta_main + kMoonConstants.beta_main_add, 18519.70);
  EXPECT_DOUBLE_EQ(kMoonConstants.sinpi_scale, 0.999953253);
  EXPECT_DOUBLE_EQ(kMoonConstants.arc, 206264.81);
  EXPECT_DOUBLE_EQ(kMoonConstants.mean_l0.c1, 1336.85522467);
  EXPECT_EQ(kMoonConstants.fac_d.max_multiple, 6);
  // The long-periodic coefficients quoted with the mean arguments.
  EXPECT_DOUBLE_EQ(kMoonLongPeriodicL0[2], 14.27);
  EXPECT_DOUBLE_EQ(kMoonLongPeriodicL0[3], 7.26);
  EXPECT_DOUBLE_EQ(kMoonLongPeriodicL0[0], 0.84);

  EXPECT_EQ(std::size(kPlutoFitTerms), 106u);
  EXPECT_EQ(kPlutoFitGroupSizes[0], 82);
  EXPECT_EQ(kPlutoFitGroupSizes[1], 19);
  EXPECT_EQ(kPlutoFitGroupSizes[2], 5);
  EXPECT_EQ(kPlutoFitTerms[82].power, 1);
  EXPECT_EQ(kPlutoFitTerms[101].power, 2);

  EXPECT_EQ(std::size(kLibrationRho), 10u);
  EXPECT_EQ(std::size(kLibrationSigma), 13u);
  EXPECT_EQ(std::size(kLibrationTau), 19u);
  // ρ begins −0.02752 cos M′ − 0.02245 sin F + 0.00684 cos(M′ − 2F).
  EXPECT_DOUBLE_EQ(kLibrationRho[0].coeff, -0.02752);
  EXPECT_FALSE(kLibrationRho[0].is_sine);
  EXPECT_EQ(kLibrationRho[0].mp, 1);
  EXPECT_DOUBLE_EQ(kLibrationRho[1].coeff, -0.02245);
  EXPECT_TRUE(kLibrationRho[1].is_sine);
  EXPECT_EQ(kLibrationRho[2].f, -2);
  // σ begins −0.02816 sin M′ + 0.02244 cos F − 0.00682 sin(M′ − 2F).
  EXPECT_DOUBLE_EQ(kLibrationSigma[0].coeff, -0.02816);
  EXPECT_DOUBLE_EQ(kLibrationSigma[1].coeff, 0.02244);
  EXPECT_DOUBLE_EQ(kLibrationSigma[2].coeff, -0.00682);
}

}  // namespace
}  // namespace sdro
