// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/engine/clock.h"

#include <chrono>
#include <ctime>

namespace sdro {
namespace {

class tsystem_clock : public tclock {
 public:
  tcivil_now now() const override {
    const auto t = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(t);
    std::tm local{};
    localtime_r(&secs, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900,
            local.tm_hour + local.tm_min / 60.0 + local.tm_sec / 3600.0};
  }
};

}  // namespace

std::unique_ptr<tclock> make_system_clock() { return std::make_unique<tsystem_clock>(); }

bool clock_is_plausible(const tcivil_now& now) { return now.year >= 1900 && now.year <= 2155; }

}  // namespace sdro
