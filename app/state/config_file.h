// The configuration file (extension "kcf"): the 33-byte header and the
// 10920-byte configuration record, and `tconfig`, the named holder of one
// record that serves the current configuration file, the history and the undo
// snapshots; `tundo_list` owns a list of them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/state/config_record.h"
#include "app/state/konfiguration.h"
#include "app/state/messages.h"

namespace sdro {

inline constexpr std::size_t kHeaderSize = 33;
inline constexpr std::size_t kConfigFileSize = kHeaderSize + kRecordSize;  // 10953
inline constexpr std::string_view kConfigIdentification = "Sdro 3.0003 32Bitcnf-Datei";

/// A configuration: a file name (empty: not yet saved) and a record
/// (all zero when new).
class tconfig {
 public:
  tconfig() : record_(kRecordSize, '\0') {}

  const std::string& dateiname() const { return dateiname_; }
  void set_dateiname(std::string name) { dateiname_ = std::move(name); }
  /// The record bytes, always kRecordSize long.
  const std::string& record() const { return record_; }
  void set_record(const tkonfiguration& k) { record_ = encode_record(k); }

 private:
  std::string dateiname_;
  std::string record_;
};

/// The main window caption for a configuration file name.
std::string window_caption(std::string_view dateiname);

/// The file bytes of a record: identification text padded to 33 bytes, then the record.
std::string config_file_bytes(const std::string& record);
/// Whether the bytes begin with the identification header of this version
/// (also the header of the binary orbit-track files).
bool config_header_matches(std::string_view bytes);

/// Outcome of reading a configuration file.
enum class tconfig_read { ok, missing, foreign, damaged };

struct tconfig_load {
  tconfig_read status = tconfig_read::missing;
  tkonfiguration konfiguration;  ///< the checked members (status ok only)
};

/// Reads and checks a configuration file and decodes it over `current`.
/// A missing file fails without a message; a file that is not a complete
/// configuration file of this version (wrong header, or shorter than 10953
/// bytes) and a record with a field out of range are reported through
/// `messages`. Nothing is applied here: the caller applies the result.
tconfig_load read_config_file(const std::filesystem::path& path, const tkonfiguration& current,
                              tmessage_service& messages);

/// Writes the record as a configuration file, atomically. On failure reports
/// "<name> ist kein gültiger Dateiname" and returns false.
bool write_config_file(const std::filesystem::path& path, const std::string& record,
                       tmessage_service& messages);

/// The history and undo lists: own their configurations.
class tundo_list {
 public:
  std::size_t count() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  tconfig& at(std::size_t i) { return *entries_.at(i); }
  const tconfig& at(std::size_t i) const { return *entries_.at(i); }
  tconfig& last() { return *entries_.back(); }
  void add(std::unique_ptr<tconfig> c) { entries_.push_back(std::move(c)); }
  /// Appends, then drops the oldest entries beyond `keep`.
  void add_keeping(std::unique_ptr<tconfig> c, std::size_t keep);
  void remove(std::size_t i);
  void clear() { entries_.clear(); }

 private:
  std::vector<std::unique_ptr<tconfig>> entries_;
};

}  // namespace sdro
