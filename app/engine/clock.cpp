// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/engine/clock.h"

#include "astro/instant.h"

namespace sdro {
namespace {

class tsystem_clock : public tclock {
 public:
  tcivil_now now() const override {
    const tclock_reading r = computer_now();
    return {r.day, r.month, r.year, r.hours};
  }
};

}  // namespace

std::unique_ptr<tclock> make_system_clock() { return std::make_unique<tsystem_clock>(); }

bool clock_is_plausible(const tcivil_now& now) { return now.year >= 1900 && now.year <= 2155; }

}  // namespace sdro
