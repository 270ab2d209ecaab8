// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/file_range.h"

#include <bit>
#include <fstream>
#include <system_error>

namespace sdro {

std::optional<std::uintmax_t> catalogue_file_size(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return std::nullopt;
  return size;
}

std::optional<std::string> read_file_range(const std::filesystem::path& path, std::uintmax_t offset,
                                           std::size_t length) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(static_cast<std::streamoff>(offset));
  if (!in) return std::nullopt;
  std::string bytes(length, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(length));
  if (static_cast<std::size_t>(in.gcount()) != length) return std::nullopt;
  return bytes;
}

void patch_i32(std::string& image, std::size_t offset, std::int32_t value) {
  if (offset + 4 > image.size()) return;
  const auto u = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) image[offset + i] = static_cast<char>((u >> (8 * i)) & 0xFFu);
}

void patch_f32(std::string& image, std::size_t offset, float value) {
  patch_i32(image, offset, static_cast<std::int32_t>(std::bit_cast<std::uint32_t>(value)));
}

void patch_u8(std::string& image, std::size_t offset, std::uint8_t value) {
  if (offset < image.size()) image[offset] = static_cast<char>(value);
}

}  // namespace sdro
