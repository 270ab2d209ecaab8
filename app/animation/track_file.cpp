// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animation/track_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "app/state/config_file.h"
#include "astro/binary_io.h"
#include "astro/cp1252.h"
#include "astro/text_format.h"

namespace sdro {
namespace {

/// The first four fields of a text line are read up to this many characters.
constexpr std::size_t kOrbFieldLimit = 30;
constexpr double kLastTrackJd = 5373485.0;

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

/// A number of the text file; a decimal comma counts as a point.
bool to_number(std::string_view text, double& out) {
  std::string s(trimmed(text));
  for (char& c : s) {
    if (c == ',') c = '.';
  }
  if (s.empty()) return false;
  const char* first = s.data();
  if (*first == '+') ++first;
  const auto [end, ec] = std::from_chars(first, s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size() && std::isfinite(out);
}

bool to_year(std::string_view text, std::int32_t& out) {
  double y = 0.0;
  if (!to_number(text, y) || y != std::trunc(y) || std::abs(y) > 1e6) return false;
  out = static_cast<std::int32_t>(y);
  return true;
}

/// The next field of a line: up to ";" (the last one takes the rest).
std::string_view next_field(std::string_view& line, bool last) {
  if (last) {
    const std::string_view f = line;
    line = {};
    return f;
  }
  const std::size_t p = line.find(';');
  std::string_view f = line.substr(0, p);
  line = p == std::string_view::npos ? std::string_view{} : line.substr(p + 1);
  return f.substr(0, kOrbFieldLimit);
}

bool parse_orb_line(std::string_view line, tplanetenbahnsatz& p) {
  std::string_view f[5];
  for (int i = 0; i < 5; ++i) f[i] = trimmed(next_field(line, i == 4));
  p.name = std::string(f[2]);
  return to_number(f[0], p.ra) && to_number(f[1], p.dec) && to_year(f[3], p.year) && to_number(f[4], p.jd) &&
         track_point_valid(p);
}

bool read_point(tbytereader& r, tplanetenbahnsatz& p) {
  p.ra = r.f32();
  p.dec = r.f32();
  const std::size_t start = r.position();
  const std::uint8_t length = r.u8();
  if (length > kSorNameCapacity) return false;
  p.name = cp1252_to_utf8(r.bytes(length));
  r.seek(start + 1 + kSorNameCapacity + 3);
  const double year = r.f32();
  p.jd = r.f64();
  if (!r.ok() || !std::isfinite(year) || year != std::trunc(year) || std::abs(year) > 1e6) return false;
  p.year = static_cast<std::int32_t>(year);
  return track_point_valid(p);
}

}  // namespace

bool track_point_valid(const tplanetenbahnsatz& p) {
  return std::isfinite(p.ra) && p.ra >= 0.0 && p.ra <= 360.0 && std::isfinite(p.dec) && p.dec >= -90.0 &&
         p.dec <= 90.0 && p.year >= -4712 && p.year <= 9999 && std::isfinite(p.jd) && p.jd >= 0.0 &&
         p.jd <= kLastTrackJd;
}

ttrack_format track_format_of(std::string_view file_name) {
  const std::size_t dot = file_name.rfind('.');
  if (dot == std::string_view::npos) return ttrack_format::none;
  std::string ext(file_name.substr(dot + 1));
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == "orb") return ttrack_format::text;
  if (ext == "sor") return ttrack_format::binary;
  return ttrack_format::none;
}

std::string orb_text(const tbahnliste& track) {
  std::string text;
  char year[16];
  for (const auto& entry : track) {
    const tplanetenbahnsatz& p = *entry.second;
    std::snprintf(year, sizeof year, "%6d", static_cast<int>(p.year));
    text += format_fixed_trimmed(6, p.ra) + ";" + format_fixed_trimmed(6, p.dec) + ";" + p.name + ";" + year + ";" +
            format_fixed_trimmed(4, p.jd) + "\r\n";
  }
  return text;
}

bool read_orb(std::string_view text, tbahnliste& track) {
  tbahnliste read;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == ':') continue;
    tplanetenbahnsatz p;
    if (parse_orb_line(line, p)) add_track_point(read, std::move(p));
  }
  if (read.empty()) return false;
  track = std::move(read);
  return true;
}

std::string sor_bytes(const std::string& record, const tbahnliste& track) {
  tbytewriter w;
  w.bytes(config_file_bytes(record));
  for (const auto& entry : track) {
    const tplanetenbahnsatz& p = *entry.second;
    w.f32(static_cast<float>(p.ra));
    w.f32(static_cast<float>(p.dec));
    w.short_string(utf8_to_cp1252(p.name), kSorNameCapacity);
    w.zeros(3);
    w.f32(static_cast<float>(p.year));
    w.f64(p.jd);
  }
  return w.take();
}

tsor_contents read_sor(std::string_view bytes, const tkonfiguration& current) {
  tsor_contents c;
  if (bytes.size() < kConfigFileSize || !config_header_matches(bytes)) return c;
  c.konfiguration = current;
  const trecord_check check = decode_record(bytes.substr(kHeaderSize, kRecordSize), c.konfiguration);
  if (!check.ok()) {
    c.status = tsor_status::damaged_record;
    c.field = check.field;
    return c;
  }
  const std::size_t count = (bytes.size() - kConfigFileSize) / kSorPointSize;
  for (std::size_t i = 0; i < count; ++i) {
    tbytereader r(bytes.substr(kConfigFileSize + i * kSorPointSize, kSorPointSize));
    tplanetenbahnsatz p;
    if (!read_point(r, p)) {
      c.status = tsor_status::damaged_point;
      c.field = std::to_string(i + 1);
      c.track.clear();
      return c;
    }
    add_track_point(c.track, std::move(p));
  }
  c.status = tsor_status::ok;
  return c;
}

}  // namespace sdro
