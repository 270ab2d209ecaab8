// The configuration record: the 10920-byte fixed-layout image of the
// configuration members (app/state/konfiguration.h), little-endian, built and
// read field by field from one table (config_record.cpp) that states every
// field's offset, type and range. Bytes the table does not name (alignment
// gaps, reserved ranges, the derived part of the instant record) are zero in
// a record we build and are ignored when read.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/state/konfiguration.h"

namespace sdro {

inline constexpr std::size_t kRecordSize = 10920;

/// The record bytes of the configuration members (exactly kRecordSize bytes).
std::string encode_record(const tkonfiguration& k);

/// Outcome of reading a record: empty `field` means every field was in range.
struct trecord_check {
  std::string field;  ///< name of the first field out of its range, e.g. "zoomkarte[2]"
  std::string value;  ///< the offending value as text
  bool ok() const { return field.empty(); }
};

/// Reads a record into `into`. Every field is checked against its range
/// first; only when all are valid is `into` changed (its members the record
/// does not hold, such as the derived part of the instant, stay as they are).
/// A record of the wrong size is reported as the field "record".
trecord_check decode_record(std::string_view record, tkonfiguration& into);

/// One named field of the layout (for documentation and layout checks).
struct trecord_field {
  std::string name;
  std::size_t offset = 0;
  std::size_t size = 0;
};
/// Every field of the record in table order.
std::vector<trecord_field> record_layout();

}  // namespace sdro
