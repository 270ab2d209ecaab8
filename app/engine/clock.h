// The computer's clock as the engine sees it; tests put a fixed clock in.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace sdro {

/// A civil date and time of the computer's own time zone.
struct tcivil_now {
  int day = 1;
  int month = 1;
  int year = 2000;
  double hours = 0.0;  ///< hours + minutes/60 + seconds/3600
};

class tclock {
 public:
  virtual ~tclock() = default;
  virtual tcivil_now now() const = 0;
};

/// The platform's local date and time.
std::unique_ptr<tclock> make_system_clock();

/// A clock that always shows the same instant.
class tfixed_clock : public tclock {
 public:
  explicit tfixed_clock(tcivil_now t) : t_(t) {}
  tcivil_now now() const override { return t_; }

 private:
  tcivil_now t_;
};

/// The plausibility check of the start: a year outside 1900..2155 means the
/// computer's clock is wrong.
bool clock_is_plausible(const tcivil_now& now);

}  // namespace sdro
