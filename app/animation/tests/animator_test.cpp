// The animation on a running engine: the step limit, steps in sidereal
// days, the way back to the start, the end of the valid dates, single steps
// and the recording of tracks.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "app/animation/animation_steps.h"
#include "app/animation/animator.h"
#include "astro/calendar.h"
#include "astro/language.h"
#include "chart/bodies/tests/bodies_engine.h"

namespace sdro {
namespace {

using testing::BodiesEngine;

struct tview : tanimation_view {
  int started = 0, stopped = 0, interval = 0;
  bool backwards = false;
  void animation_started(bool b, int ms) override {
    ++started;
    backwards = b;
    interval = ms;
  }
  void animation_stopped() override { ++stopped; }
  void interval_changed(int ms) override { interval = ms; }
};

class Animator : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sky_ = new BodiesEngine(); }
  static void TearDownTestSuite() {
    delete sky_;
    sky_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(sky_->ok());
    saved_ = sky_->k();
    sky_->k().kartengroesse = 200;  // small and quick
    sky_->k().animation = tanimation{};
    sky_->engine().set_bahndatei_offen(false);
    sky_->bodies().track().clear();
    sky_->messages().clear();
    sky_->set_utc(2024, 1, 15, 20.0);
    animator_.set_view(&view_);
  }
  void TearDown() override {
    animator_.stop();
    sky_->engine().set_bahndatei_offen(false);
    sky_->k() = saved_;
  }
  tengine& e() { return sky_->engine(); }
  tanimation& a() { return sky_->k().animation; }
  int run_to_end() {
    int steps = 0;
    while (animator_.tick()) ++steps;
    return steps;
  }

  static BodiesEngine* sky_;
  LanguageScope german_{german};
  tkonfiguration saved_;
  tview view_;
  tanimator animator_{sky_->engine()};
};
BodiesEngine* Animator::sky_ = nullptr;

TEST_F(Animator, StopsByItselfAfterTheGivenNumberOfSteps) {
  a().zurueck = false;
  a().schritte = 300;
  const double start = e().zeitort().mjd;
  animator_.start(false);
  EXPECT_TRUE(e().flags().animationlaeuft);
  EXPECT_EQ(view_.started, 1);
  EXPECT_EQ(view_.interval, 100);
  EXPECT_EQ(run_to_end(), 300);
  EXPECT_FALSE(e().flags().animationlaeuft);
  EXPECT_EQ(view_.stopped, 1);
  EXPECT_NEAR(e().zeitort().mjd - start, 300 * kSiderealDay, 1e-5);
}

TEST_F(Animator, SiderealStepsKeepTheStarsWhileThePlanetsMove) {
  a().zurueck = false;
  const double lst = e().zeitort().sidereal_time;
  const double mars_ra = sky_->bodies().bodies()[mars].ra;
  animator_.start(false);
  ASSERT_TRUE(animator_.tick());
  ASSERT_TRUE(animator_.tick());
  EXPECT_NEAR(e().zeitort().sidereal_time, lst, 2e-4);  // hours: well under a second of time
  EXPECT_GT(std::abs(sky_->bodies().bodies()[mars].ra - mars_ra), 0.5);
}

TEST_F(Animator, StoppingReturnsToTheStartWhenAsked) {
  const tzeitort start = e().zeitort();
  animator_.start(true);
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(animator_.tick());
  EXPECT_LT(e().zeitort().mjd, start.mjd - 4);
  animator_.start(true);  // the start command stops a running animation
  EXPECT_FALSE(e().flags().animationlaeuft);
  EXPECT_NEAR(e().zeitort().mjd, start.mjd, 1e-9);
  EXPECT_EQ(e().zeitort().day, start.day);
  EXPECT_NEAR(e().zeitort().local_time, start.local_time, 1e-9);
}

TEST_F(Animator, LeavingTheValidDatesStopsAtTheLastValidStep) {
  a().zurueck = false;
  a().sternzeit = false;
  a().tage = 1;
  e().zeitort().zone = 0;
  set_instant_mjd(e().zeitort(), mjd_from_jd(7.25));
  animator_.start(true);
  EXPECT_TRUE(animator_.tick());   // JD 6.25
  EXPECT_TRUE(animator_.tick());   // JD 5.25
  EXPECT_FALSE(animator_.tick());  // JD 4.25 is refused
  EXPECT_FALSE(e().flags().animationlaeuft);
  EXPECT_NEAR(jd_from_mjd(e().zeitort().mjd), 5.25, 1e-6);
  EXPECT_TRUE(sky_->messages().contains("gültige Ergebnisse"));
}

TEST_F(Animator, SingleStepsMoveOnceEitherWay) {
  const double start = e().zeitort().mjd;
  animator_.single_step(false);
  EXPECT_NEAR(e().zeitort().mjd, start + kSiderealDay, 1e-6);
  animator_.single_step(true);
  animator_.single_step(true);
  EXPECT_NEAR(e().zeitort().mjd, start - kSiderealDay, 1e-6);
  EXPECT_FALSE(e().flags().animationlaeuft);
  EXPECT_EQ(view_.started, 0);
}

TEST_F(Animator, RecordsTheStartAndEveryFurtherInstant) {
  a().zurueck = false;
  a().sternzeit = false;
  a().tage = 2;
  tbahndatei& b = sky_->k().bahndatei;
  b.objekte.fill(false);
  b.objekte[sonne] = b.objekte[mond] = true;
  e().set_bahndatei_offen(true);
  animator_.start(false);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(animator_.tick());
  const tbahnliste& track = sky_->bodies().track();
  ASSERT_EQ(track.count(), 6u);
  std::set<double> instants;
  for (const auto& p : track) instants.insert(p.second->jd);
  EXPECT_EQ(instants.size(), 3u);
  EXPECT_NEAR(*instants.rbegin() - *instants.begin(), 4.0, 1e-6);
  EXPECT_EQ(track.name(0), "Sonne");
  EXPECT_EQ(track.name(1), "Mond");
}

TEST_F(Animator, MovesOnWhenNothingIsRecorded) {
  a().zurueck = false;
  sky_->k().bahndatei.objekte.fill(false);
  e().set_bahndatei_offen(true);
  const double start = e().zeitort().mjd;
  animator_.start(false);
  ASSERT_TRUE(animator_.tick());  // the first tick stays at the start
  ASSERT_TRUE(animator_.tick());
  ASSERT_TRUE(animator_.tick());
  EXPECT_TRUE(sky_->bodies().track().empty());
  EXPECT_NEAR(e().zeitort().mjd, start + 2 * kSiderealDay, 1e-6);
}

TEST_F(Animator, NewSettingsReachTheRunningTimer) {
  animator_.start(false);
  a().intervall = 25;
  animator_.settings_changed();
  EXPECT_EQ(view_.interval, 250);
}

}  // namespace
}  // namespace sdro
