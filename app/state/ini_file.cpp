// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/ini_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iterator>
#include <utility>

#include "astro/cp1252.h"
#include "astro/file_io.h"
#include "astro/text_format.h"

namespace sdro {
namespace {

constexpr std::size_t kReadLimit = 16u << 20;

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string single_line(std::string_view v) {
  std::string s(v);
  std::replace(s.begin(), s.end(), '\n', ' ');
  std::replace(s.begin(), s.end(), '\r', ' ');
  return std::string(trim(s));
}

}  // namespace

tinifile tinifile::parse(std::string_view raw) {
  std::string text = text_to_utf8(raw);
  std::string_view rest(text);
  if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
  tinifile ini;
  ini.sections_.push_back({});
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    const std::string_view t = trim(line);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
      ini.sections_.push_back({std::string(trim(t.substr(1, t.size() - 2))), {}});
      continue;
    }
    const std::size_t eq = t.find('=');
    if (eq != std::string_view::npos && eq > 0 && t.front() != ';' && t.front() != '#') {
      ini.sections_.back().lines.push_back(
          {std::string(trim(t.substr(0, eq))), std::string(trim(t.substr(eq + 1)))});
    } else {
      ini.sections_.back().lines.push_back({"", std::string(trim(line))});
    }
  }
  return ini;
}

tinifile tinifile::load(const std::filesystem::path& path) {
  const auto bytes = read_whole_file(path, kReadLimit);
  return bytes ? parse(*bytes) : tinifile();
}

const tinifile::tsection* tinifile::find_section(std::string_view name) const {
  for (const auto& s : sections_) {
    if (!s.name.empty() && same_name(s.name, name)) return &s;
  }
  return nullptr;
}

tinifile::tsection* tinifile::find_section(std::string_view name) {
  return const_cast<tsection*>(std::as_const(*this).find_section(name));
}

std::optional<std::string> tinifile::value(std::string_view section, std::string_view key) const {
  const tsection* s = find_section(section);
  if (!s) return std::nullopt;
  for (const auto& l : s->lines) {
    if (!l.key.empty() && same_name(l.key, key)) return l.value;
  }
  return std::nullopt;
}

std::string tinifile::read_string(std::string_view section, std::string_view key,
                                  std::string_view def) const {
  auto v = value(section, key);
  return v ? *v : std::string(def);
}

long tinifile::read_integer(std::string_view section, std::string_view key, long def) const {
  const auto v = value(section, key);
  if (!v) return def;
  long result = 0;
  const char* first = v->data();
  const char* last = first + v->size();
  if (first != last && *first == '+') ++first;
  const auto [p, ec] = std::from_chars(first, last, result);
  return (ec == std::errc() && p == last) ? result : def;
}

bool tinifile::read_bool(std::string_view section, std::string_view key, bool def) const {
  const auto v = value(section, key);
  if (!v) return def;
  if (same_name(*v, "true")) return true;
  if (same_name(*v, "false")) return false;
  const long missing = -987654321;
  const long n = read_integer(section, key, missing);
  return n == missing ? def : n != 0;
}

double tinifile::read_float(std::string_view section, std::string_view key, double def) const {
  const auto v = value(section, key);
  if (!v) return def;
  const treal_text r = parse_real(comma_to_point(*v));
  return r.ok ? r.value : def;
}

void tinifile::write_string(std::string_view section, std::string_view key, std::string_view value) {
  const std::string k = single_line(key);
  if (k.empty()) return;
  tsection* s = find_section(section);
  if (!s) {
    sections_.push_back({single_line(section), {}});
    s = &sections_.back();
  }
  for (auto& l : s->lines) {
    if (!l.key.empty() && same_name(l.key, k)) {
      l.value = single_line(value);
      return;
    }
  }
  // Insert after the last entry, before trailing blank lines of the section.
  auto at = s->lines.end();
  while (at != s->lines.begin() && std::prev(at)->key.empty() && std::prev(at)->value.empty()) --at;
  s->lines.insert(at, {k, single_line(value)});
}

void tinifile::write_integer(std::string_view section, std::string_view key, long value) {
  write_string(section, key, std::to_string(value));
}

void tinifile::write_bool(std::string_view section, std::string_view key, bool value) {
  write_string(section, key, value ? "1" : "0");
}

void tinifile::write_float(std::string_view section, std::string_view key, double value) {
  char buffer[64];
  const auto [p, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  write_string(section, key, ec == std::errc() ? std::string_view(buffer, p - buffer) : "0");
}

void tinifile::erase_section(std::string_view section) {
  std::erase_if(sections_, [&](const tsection& s) { return !s.name.empty() && same_name(s.name, section); });
}

bool tinifile::has_section(std::string_view section) const { return find_section(section) != nullptr; }

std::string tinifile::text() const {
  std::string out;
  for (const auto& s : sections_) {
    if (!s.name.empty()) out += "[" + s.name + "]\n";
    for (const auto& l : s.lines) {
      out += l.key.empty() ? l.value : l.key + "=" + l.value;
      out += '\n';
    }
  }
  return out;
}

bool tinifile::save(const std::filesystem::path& path) const {
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  return write_file_atomically(path, text());
}

}  // namespace sdro
