// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tip_list.h"

#include "astro/cp1252.h"
#include "astro/file_io.h"

namespace sdro {

void ttip_list::load(const std::filesystem::path& path) {
  lines_.clear();
  loaded_ = true;
  const auto bytes = read_whole_file(path, 4u << 20);
  if (!bytes) return;
  const std::string text = text_to_utf8(*bytes);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines_.push_back(std::move(line));
    start = end + 1;
  }
}

std::optional<std::string> ttip_list::next(const std::function<std::size_t(std::size_t)>& random) {
  if (lines_.empty()) return std::nullopt;
  std::size_t i = 0;
  if (lines_.size() > 1) i = random(lines_.size() - 1) % (lines_.size() - 1);
  std::string tip = std::move(lines_[i]);
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
  return tip;
}

}  // namespace sdro
