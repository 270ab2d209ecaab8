// Small catalogue files for the tests: records built field by field, a
// temporary data folder, and instants with up-to-date derived fields.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "astro/binary_io.h"
#include "astro/derived_fields.h"
#include "astro/file_io.h"
#include "astro/instant.h"
#include "astro/zeitort.h"

namespace sdro::test {

namespace fs = std::filesystem;

/// A fresh folder under the system's temporary folder, removed afterwards.
class tdata_folder {
 public:
  explicit tdata_folder(const std::string& tag) {
    static int serial = 0;
    path_ = fs::temp_directory_path() /
            ("sdro_catalog_" + tag + "_" + std::to_string(::getpid()) + "_" + std::to_string(serial++));
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~tdata_folder() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, ec);
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  fs::path operator/(const std::string& name) const { return path_ / name; }
  void write(const std::string& name, const std::string& bytes) const {
    write_file_atomically(path_ / name, bytes);
  }
  std::string read(const std::string& name) const { return read_whole_file(path_ / name).value_or(""); }

 private:
  fs::path path_;
};

/// An instant in UT at a place, derived fields up to date (the mean local
/// sidereal time, or the apparent one).
inline tzeitort instant(int year, int month, int day, double ut_hours = 0.0, double latitude = 50.0,
                        double longitude_west = -10.0, bool apparent_sidereal_time = false) {
  tzeitort z;
  z.year = year;
  z.month = month;
  z.day = day;
  z.zone = 0;
  z.daylight_saving = 0;
  z.additional_minutes = 0;
  z.local_time = ut_hours;
  z.latitude = latitude;
  z.longitude = longitude_west;
  z.use_refraction = false;
  instant_from_civil(z);
  update_derived_fields(z, apparent_sidereal_time);
  return z;
}

struct tstar_fields {
  float ra_date = 0, dec_date = 0, ra = 0, dec = 0, pm_ra = 0, pm_dec = 0;
  std::int32_t magnitude = 500;
  std::string name = "Star";
  std::uint8_t year_byte = 100;
  std::uint8_t length_byte = 255;  // 255: the name's length
};

inline std::string star_record(const tstar_fields& f) {
  tbytewriter w;
  w.f32(f.ra_date);
  w.f32(f.dec_date);
  w.f32(f.ra);
  w.f32(f.dec);
  w.f32(f.pm_ra);
  w.f32(f.pm_dec);
  w.i32(f.magnitude);
  w.short_string(f.name, 8);
  w.u8(f.year_byte);
  w.u8(0xAB);  // reserved bytes: kept as they are
  w.u8(0xCD);
  std::string r = w.take();
  if (f.length_byte != 255) r[28] = static_cast<char>(f.length_byte);
  return r;
}

inline std::string line_record(float x, float y, float z, std::uint8_t pen, std::int32_t year) {
  tbytewriter w;
  w.f32(0);
  w.f32(0);
  w.f32(x);
  w.f32(y);
  w.f32(z);
  w.u8(pen);
  w.zeros(3);
  w.i32(year);
  return w.take();
}

struct tnebula_fields {
  float x = 1, y = 0, z = 0;
  std::int32_t magnitude = 800;
  std::string name = "7000";
  std::uint8_t type = 3;
  std::uint8_t year_byte = 100;
  std::int16_t major = 0, minor = 0, angle = 0;
};

inline std::string nebula_record(const tnebula_fields& f) {
  tbytewriter w;
  w.f32(0);
  w.f32(0);
  w.f32(f.x);
  w.f32(f.y);
  w.f32(f.z);
  w.i32(f.magnitude);
  w.short_string(f.name, 15);
  w.u8(f.type);
  w.u8(f.year_byte);
  w.i16(f.major);
  w.i16(f.minor);
  w.i16(f.angle);
  return w.take();
}

inline std::string zone_record(float ra, float dec, std::int16_t tenths, const std::string& name,
                               float pm_ra = 0, float pm_dec = 0) {
  tbytewriter w;
  w.f32(ra);
  w.f32(pm_ra);
  w.f32(dec);
  w.f32(pm_dec);
  w.i16(tenths);
  w.fixed_string(name, 10);
  return w.take();
}

/// n line points on the equator, each starting a polyline, with a year.
inline std::string line_file(std::size_t n, std::int32_t year) {
  std::string out;
  for (std::size_t i = 0; i < n; ++i) out += line_record(1, 0, 0, 1, year);
  return out;
}

}  // namespace sdro::test
