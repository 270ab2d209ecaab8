// An ini-style settings file of our own: "[Section]" lines and "key=value"
// lines. Section and key names compare without regard to ASCII case and may
// hold blanks and commas; a value is everything after the first "=" (commas
// included), without surrounding blanks. Lines that are neither (comments,
// blank lines) are kept, and so is the order of sections and keys, so a file
// read and written again changes only what was set.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sdro {

class tinifile {
 public:
  tinifile() = default;
  /// Parses ini text (UTF-8, or Windows-1252 when not valid UTF-8).
  static tinifile parse(std::string_view text);
  /// Reads a file; a missing or unreadable file gives an empty ini.
  static tinifile load(const std::filesystem::path& path);

  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  std::string read_string(std::string_view section, std::string_view key, std::string_view def) const;
  /// Decimal integer; anything else gives the default.
  long read_integer(std::string_view section, std::string_view key, long def) const;
  /// Integer ≠ 0 (or "true"/"false"); anything else gives the default.
  bool read_bool(std::string_view section, std::string_view key, bool def) const;
  /// Decimal number with a decimal point or comma.
  double read_float(std::string_view section, std::string_view key, double def) const;

  /// Sets a value (line breaks in it become blanks); new keys go to the end
  /// of their section, new sections to the end of the file.
  void write_string(std::string_view section, std::string_view key, std::string_view value);
  void write_integer(std::string_view section, std::string_view key, long value);
  void write_bool(std::string_view section, std::string_view key, bool value);
  void write_float(std::string_view section, std::string_view key, double value);
  void erase_section(std::string_view section);
  bool has_section(std::string_view section) const;

  /// The file text (UTF-8, "\n" line ends).
  std::string text() const;
  /// Writes the text atomically; false when that fails.
  bool save(const std::filesystem::path& path) const;

 private:
  struct tline {
    std::string key;    // empty for a kept non-entry line
    std::string value;  // or the kept line's text
  };
  struct tsection {
    std::string name;   // empty for lines before the first section
    std::vector<tline> lines;
  };
  tsection* find_section(std::string_view name);
  const tsection* find_section(std::string_view name) const;
  std::vector<tsection> sections_;
};

}  // namespace sdro
