// Packed sexagesimal numbers D.MMSS: 12.3456 stands for 12°34'56" (or
// 12h34m56s). Entry fields, the place table and several displays use them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sdro {

/// D.MMSS → decimal degrees (or hours). 12.3456 → 12.582222…; −0.3 → −0.5.
double packed_to_decimal(double x);
/// Decimal → D.MMSS with whole seconds. Seconds are truncated with a tolerance
/// of 0.005 s, not rounded; carries propagate (10.9999999 → 11.0).
double decimal_to_packed(double x);
/// Decimal → D.MMSSs with tenths of seconds, rounded to the nearest tenth.
double decimal_to_packed_tenths(double x);

}  // namespace sdro
