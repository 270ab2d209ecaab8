// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/list_search.h"

#include "astro/language.h"

namespace sdro {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::size_t kProgressStep = 100;
constexpr std::size_t kStartPosition = 1000000;
constexpr std::size_t kStartLength = 100000;

// Decodes one character at s[i] into cp; returns the bytes taken (at least 1).
std::size_t next_character(std::string_view s, std::size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  std::size_t n = 0;
  if ((b0 & 0xE0) == 0xC0) {
    n = 2;
    cp = b0 & 0x1Fu;
  } else if ((b0 & 0xF0) == 0xE0) {
    n = 3;
    cp = b0 & 0x0Fu;
  } else if ((b0 & 0xF8) == 0xF0) {
    n = 4;
    cp = b0 & 0x07u;
  } else {
    cp = kReplacement;
    return 1;
  }
  if (i + n > s.size()) {
    cp = kReplacement;
    return 1;
  }
  for (std::size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      cp = kReplacement;
      return 1;
    }
    cp = (cp << 6) | (b & 0x3Fu);
  }
  return n;
}

bool in(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

char32_t lower(char32_t c) {
  if (in(c, U'A', U'Z')) return c + 0x20;
  if (in(c, 0xC0, 0xDE) && c != 0xD7) return c + 0x20;
  if (c == 0x178) return 0xFF;
  // Latin Extended-A: capital and small letters alternate.
  const bool even_capital = in(c, 0x100, 0x137) || in(c, 0x14A, 0x177);
  const bool odd_capital = in(c, 0x139, 0x148) || in(c, 0x179, 0x17E);
  if ((even_capital && c % 2 == 0) || (odd_capital && c % 2 == 1)) return c + 1;
  if (in(c, 0x391, 0x3A9) && c != 0x3A2) return c + 0x20;
  if (in(c, 0x410, 0x42F)) return c + 0x20;
  if (in(c, 0x400, 0x40F)) return c + 0x50;
  return c;
}

}  // namespace

std::u32string lower_case_for_search(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    i += next_character(utf8, i, cp);
    out += lower(cp);
  }
  return out;
}

tlist_search_result list_search(std::size_t count, const tlist_entry& entry, std::string_view query,
                                const tlist_progress& progress) {
  tlist_search_result result;
  if (query.empty()) return result;
  const std::u32string needle = lower_case_for_search(query);
  std::size_t best_position = kStartPosition;
  std::size_t best_length = kStartLength;
  for (std::size_t i = 0; i < count; ++i) {
    if (progress && i % kProgressStep == 0) progress(i);
    const std::u32string text = lower_case_for_search(entry(i));
    const std::size_t at = text.find(needle);
    if (at == std::u32string::npos) continue;
    const std::size_t position = at + 1;
    if (position < best_position || text.size() < best_length) {
      best_position = position;
      best_length = text.size();
      result.index = static_cast<long>(i);
    }
  }
  if (result.index < 0) {
    result.status = tlist_search_status::not_found;
    result.label = std::string(tr("Nicht gefunden", "Not found"));
  } else {
    result.status = tlist_search_status::found;
    result.label = std::string(entry(static_cast<std::size_t>(result.index)));
  }
  return result;
}

tlist_search_result list_search(const std::vector<std::string>& entries, std::string_view query,
                                const tlist_progress& progress) {
  return list_search(
      entries.size(), [&entries](std::size_t i) -> std::string_view { return entries[i]; }, query,
      progress);
}

}  // namespace sdro
