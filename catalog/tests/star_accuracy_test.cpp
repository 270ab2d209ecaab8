// Star places of the catalogue container against ERFA.
//
// The sample (star_sample.csv, made by tools/fixtures/catalog/make_star_sample.py)
// holds records of the shipped star file with the J2000 source place of each
// star. Two references:
//   1. the same models computed with ERFA: linear motion in the 1950 frame,
//      IAU 1976 precession from J1950.0 (eraPrec76), IAU 1980 nutation
//      (eraNut80, eraNumat) and the circular-orbit annual aberration applied
//      by eraAb with the velocity the classical formula assumes — within 0.1″;
//   2. the J2000 source places propagated by ERFA (eraPmsafe), precessed and
//      nutated with eraPnm80 and aberrated with the Earth's velocity from
//      eraEpv00 — within 1″ over 1950–2050, which checks the 1950 places and
//      motions the star file was generated with.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "astro/horizontal.h"
#include "catalog/stars.h"
#include "catalog/tests/catalog_files.h"

namespace sdro {
namespace {

constexpr double kArcsec = 1.0 / 3600.0;
constexpr double kJ1950 = 2433282.5;  // J1950.0 (T = −0.5)
constexpr double kKappa = 20.49552 * ERFA_DAS2R;

struct tsample {
  std::string record;  // 40 bytes
  double ra2000, dec2000, pmra_cosd, pmdec;  // degrees, mas/yr
  std::string name;
};

std::vector<tsample> read_sample() {
  std::ifstream in(std::string(SDRO_TEST_DATA) + "/star_sample.csv");
  std::vector<tsample> out;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::stringstream ss(line);
    std::string hex, field;
    std::getline(ss, hex, ',');
    tsample s;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
      s.record += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    double* values[] = {&s.ra2000, &s.dec2000, &s.pmra_cosd, &s.pmdec};
    for (double* v : values) {
      std::getline(ss, field, ',');
      *v = std::stod(field);
    }
    std::getline(ss, s.name);
    out.push_back(s);
  }
  return out;
}

void unit(double ra_deg, double dec_deg, double p[3]) { eraS2c(ra_deg * ERFA_DD2R, dec_deg * ERFA_DD2R, p); }

double separation_arcsec(double a[3], double ra_deg, double dec_deg) {
  double b[3];
  unit(ra_deg, dec_deg, b);
  return eraSepp(a, b) * ERFA_DR2AS;
}

// The TT Julian date of the record in two parts.
struct ttt {
  double d1 = 2451545.0;
  double d2 = 0.0;
};
ttt tt_of(const tzeitort& z) { return {2451545.0, z.t * 36525.0}; }

// Reference 1: the program's models evaluated with ERFA.
void model_mean(const tsternrecord& s, const ttt& tt, double p[3]) {
  const double years = (tt.d1 - kJ1950 + tt.d2) / 365.25;
  double zeta, z, theta, r[3][3], p0[3];
  eraPrec76(kJ1950, 0.0, tt.d1, tt.d2, &zeta, &z, &theta);
  eraIr(r);
  eraRz(-zeta, r);
  eraRy(theta, r);
  eraRz(-z, r);
  unit(s.ra_1950 + years * s.pm_ra, s.dec_1950 + years * s.pm_dec, p0);
  eraRxp(r, p0, p);
}

// The Sun's geometric longitude of the mean ecliptic and equinox of date, from
// the Earth's heliocentric place of eraEpv00 (radians).
double sun_longitude(const ttt& tt) {
  double pvh[2][3], pvb[2][3], rp[3][3], e[3], ecl[3];
  eraEpv00(tt.d1, tt.d2, pvh, pvb);
  eraPmat76(tt.d1, tt.d2, rp);
  eraRxp(rp, pvh[0], e);
  const double eps = eraObl80(tt.d1, tt.d2);
  ecl[0] = e[0];
  ecl[1] = std::cos(eps) * e[1] + std::sin(eps) * e[2];
  ecl[2] = -std::sin(eps) * e[1] + std::cos(eps) * e[2];
  return std::atan2(ecl[1], ecl[0]) + ERFA_DPI;
}

void model_apparent(double mean[3], const ttt& tt, double p[3]) {
  double dpsi, deps, rn[3][3], pt[3], v[3];
  eraNut80(tt.d1, tt.d2, &dpsi, &deps);
  const double eps = eraObl80(tt.d1, tt.d2);
  eraNumat(eps, dpsi, deps, rn);
  eraRxp(rn, mean, pt);
  // The velocity (in units of c) of an Earth on a circular orbit, 90° behind the Sun.
  const double sun = sun_longitude(tt);
  v[0] = kKappa * std::sin(sun);
  v[1] = -kKappa * std::cos(sun) * std::cos(eps);
  v[2] = -kKappa * std::cos(sun) * std::sin(eps);
  eraAb(pt, v, 1.0, std::sqrt(1.0 - kKappa * kKappa), p);
}

// Reference 2: the J2000 source place propagated rigorously.
void source_places(const tsample& s, const ttt& tt, double mean[3], double apparent[3]) {
  const double dec = s.dec2000 * ERFA_DD2R;
  const double pmr = s.pmra_cosd / 1000.0 * ERFA_DAS2R / std::cos(dec);
  const double pmd = s.pmdec / 1000.0 * ERFA_DAS2R;
  double ra2, dec2, pmr2, pmd2, px2, rv2, p[3], rp[3][3], rbpn[3][3], pvh[2][3], pvb[2][3], v[3], pab[3];
  eraPmsafe(s.ra2000 * ERFA_DD2R, dec, pmr, pmd, 0.0, 0.0, 2451545.0, 0.0, tt.d1, tt.d2, &ra2, &dec2, &pmr2,
            &pmd2, &px2, &rv2);
  eraS2c(ra2, dec2, p);
  eraPmat76(tt.d1, tt.d2, rp);
  eraRxp(rp, p, mean);
  eraEpv00(tt.d1, tt.d2, pvh, pvb);
  double v2 = 0.0;
  for (int i = 0; i < 3; ++i) {
    v[i] = pvb[1][i] * ERFA_AULT / ERFA_DAYSEC;
    v2 += v[i] * v[i];
  }
  eraAb(p, v, eraPm(pvh[0]), std::sqrt(1.0 - v2), pab);
  eraPnm80(tt.d1, tt.d2, rbpn);
  eraRxp(rbpn, pab, apparent);
}

class StarAccuracy : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sample_ = new std::vector<tsample>(read_sample());
    folder_ = new test::tdata_folder("accuracy");
    std::string stars;
    for (const tsample& s : *sample_) stars += s.record;
    folder_->write("sterne.dat", stars);
    folder_->write("linien.dat", test::line_file(10, 2000));
    folder_->write("nebel_ext.dat", test::nebula_record({}));
  }
  static void TearDownTestSuite() {
    delete folder_;
    delete sample_;
  }

  // The container positioned for an instant (UT), with nutation and aberration.
  std::unique_ptr<tstars> positioned(const tzeitort& z) {
    tstars_setup setup;
    setup.data_directory = folder_->path();
    setup.level = kHighestLevel;
    setup.check_year = false;
    setup.folder_writable = [](const std::filesystem::path&) { return false; };
    tstars_status status;
    auto s = tstars::create(setup, z, status);
    EXPECT_EQ(status, tstars_status::ok);
    if (!s) return s;
    EXPECT_EQ(s->stars().size(), sample_->size());
    s->SetDateAndPlace(z, true, true);
    trecompute_request r;
    r.star_limit = 3000;
    s->RecomputePositions(r);
    return s;
  }

  static std::vector<tsample>* sample_;
  static test::tdata_folder* folder_;
};

std::vector<tsample>* StarAccuracy::sample_ = nullptr;
test::tdata_folder* StarAccuracy::folder_ = nullptr;

const int kYears[] = {1950, 1968, 1987, 2000, 2013, 2031, 2050};

TEST_F(StarAccuracy, MeanAndApparentPlacesMatchTheModelsWithinATenthOfAnArcsecond) {
  ASSERT_GT(sample_->size(), 300u);
  for (const int year : kYears) {
    const tzeitort z = test::instant(year, 7, 2, 6.0);
    const ttt tt = tt_of(z);
    auto s = positioned(z);
    ASSERT_TRUE(s);
    double worst_mean = 0.0;
    double worst_apparent = 0.0;
    for (const tsternrecord& star : s->stars()) {
      double mean[3], apparent[3];
      model_mean(star, tt, mean);
      model_apparent(mean, tt, apparent);
      worst_mean = std::max(worst_mean, separation_arcsec(mean, star.ra_date, star.dec_date));
      worst_apparent = std::max(worst_apparent, separation_arcsec(apparent, star.ra_apparent, star.dec_apparent));
    }
    EXPECT_LT(worst_mean, 0.1) << year;
    EXPECT_LT(worst_apparent, 0.1) << year;
    std::printf("%d: largest difference from the models: mean %.3f\", apparent %.3f\"\n", year, worst_mean,
                worst_apparent);
  }
}

TEST_F(StarAccuracy, PlacesMatchTheJ2000SourcePropagatedByErfaWithinOneArcsecond) {
  for (const int year : kYears) {
    const tzeitort z = test::instant(year, 2, 14, 18.0);
    const ttt tt = tt_of(z);
    auto s = positioned(z);
    ASSERT_TRUE(s);
    double worst_mean = 0.0;
    double worst_apparent = 0.0;
    for (std::size_t i = 0; i < sample_->size(); ++i) {
      const tsternrecord& star = s->stars()[i];
      double mean[3], apparent[3];
      source_places((*sample_)[i], tt, mean, apparent);
      const double dm = separation_arcsec(mean, star.ra_date, star.dec_date);
      const double da = separation_arcsec(apparent, star.ra_apparent, star.dec_apparent);
      EXPECT_LT(dm, 1.0) << star.designation << " " << year;
      EXPECT_LT(da, 1.0) << star.designation << " " << year;
      worst_mean = std::max(worst_mean, dm);
      worst_apparent = std::max(worst_apparent, da);
    }
    std::printf("%d: largest difference from the source places: mean %.3f\", apparent %.3f\"\n", year,
                worst_mean, worst_apparent);
  }
}

TEST_F(StarAccuracy, HorizontalPlacesMatchErfa) {
  for (const tazimutzaehlung origin : {azimutSued, azimutNord}) {
    tzeitort z = test::instant(2024, 11, 5, 21.5, 51.2, -9.3);
    auto s = positioned(z);
    ASSERT_TRUE(s);
    s->set_azimuth_origin(origin);
    s->SetDateAndPlace(z, true, true);
    trecompute_request r;
    r.star_limit = 3000;
    s->RecomputePositions(r);
    for (const tsternrecord& star : s->stars()) {
      double az, el;  // ERFA: azimuth from north through east
      eraHd2ae((z.sidereal_time * 15.0 - star.ra_apparent) * ERFA_DD2R, star.dec_apparent * ERFA_DD2R,
               z.latitude * ERFA_DD2R, &az, &el);
      const double ours = std::atan2(star.sin_azimuth, star.cos_azimuth) + (origin == azimutSued ? ERFA_DPI : 0.0);
      const double daz = std::remainder(ours - az, 2.0 * ERFA_DPI) * ERFA_DR2AS * std::cos(el);
      EXPECT_NEAR(star.altitude, el * ERFA_DR2D, 0.1 * kArcsec) << star.designation;
      EXPECT_LT(std::fabs(daz), 0.1) << star.designation;
    }
  }
}

}  // namespace
}  // namespace sdro
