// The location list `Orttabelle`: the entries of one location file, sorted
// by name, a search by prefix or by contained text, and the current place
// (name, coordinates, zone) that the place dialogs show and edit.
//
// Names are sorted and compared with one collation, their lower case
// (Latin, Latin-1, Latin Extended-A, Greek, Cyrillic), so the prefix search
// over the sorted list finds names with umlauts as well. The list is plain
// data; the place dialog shows it in a drop-down list and reports the
// messages a load returns.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "places/location_file.h"

namespace sdro {

/// Outcome of a load: on failure a message and caption for the user (in the
/// current language), and the list is unchanged.
struct tlocation_load {
  bool ok = false;
  std::string message;
  std::string caption;
};

class Orttabelle {
 public:
  // --- the list -----------------------------------------------------------------
  /// Loads a location file (at most kMaxLocations entries) and selects the
  /// entry `record_number`, or the first one when it is out of range. A file
  /// that cannot be read, or holds no valid entry, leaves everything as it was.
  tlocation_load Neuedateiladen(const std::filesystem::path& file, int record_number);
  /// Replaces the entries (sorted here; duplicates kept). The current place stays.
  void set_entries(std::vector<tlocation> entries);
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  const tlocation& operator[](std::size_t i) const { return entries_[i]; }
  /// Path of the loaded location file.
  const std::string& Ortdateiname() const { return ortdateiname_; }

  // --- search and selection -------------------------------------------------------
  /// false: the query must begin a name (binary search over the sorted list);
  /// true: the first name in list order that contains it.
  bool ganzwortsuche = false;
  /// Searches without regard to case; when found, selects the entry (with the
  /// selection change). An empty query finds nothing.
  bool suchen(std::string_view query);
  /// Index of the entry `suchen` would find, or −1.
  long find(std::string_view query) const;
  /// Index of the first entry named exactly so (without regard to case), or −1.
  long index_of(std::string_view name) const;
  /// Makes entry i the current place and notifies the owner; ignored when out of range.
  void select(std::size_t i);
  /// Called after every selection change.
  std::function<void()> on_selection_change;

  /// Index of the current entry; an index outside the list reads as 0.
  int datensatznummer() const;
  /// Sets the current index without selecting; values outside the list become 0.
  void set_datensatznummer(int index);

  // --- the current place ------------------------------------------------------------
  const std::string& Ortname() const { return ortname_; }
  void set_Ortname(std::string_view name);
  /// Zone in hours, east positive.
  int Zeitzone() const { return zeitzone_; }
  /// Sets the zone; values outside −12..12 are refused (false).
  bool set_Zeitzone(int zone);
  /// Name of the current zone (current language).
  std::string zeitzonenname() const;
  /// Longitude (degrees, west positive) and latitude of the current place.
  double longitude() const { return longitude_; }
  double latitude() const { return latitude_; }
  /// Sets the coordinates; values out of range are refused (false).
  bool set_coordinates(double latitude, double longitude);
  /// Longitude and latitude as text with four decimals and a decimal comma.
  std::string Gl() const;
  std::string Gb() const;
  /// Sets them from text (comma or point); a text that is no number or out of
  /// range is refused (false) and changes nothing.
  bool set_Gl(std::string_view text);
  bool set_Gb(std::string_view text);

 private:
  std::vector<tlocation> entries_;
  std::vector<std::u32string> keys_;  // lower-case names, in list order
  std::string ortdateiname_;
  long current_ = -1;
  std::string ortname_;
  double longitude_ = 0.0;
  double latitude_ = 0.0;
  int zeitzone_ = 0;
};

}  // namespace sdro
