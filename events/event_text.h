// Text forms shared by the event views: times of the day and angles with a
// decimal comma.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sdro {

/// Local clock hours → "05:07", rounded to the nearest minute (an event at
/// 23:59:40 reads "24:00", the end of the day it belongs to).
std::string format_event_time(double hours);

/// "62,2°": one decimal, decimal comma, degree sign.
std::string format_degrees_1(double degrees);

}  // namespace sdro
