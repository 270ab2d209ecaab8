// Reading parts of a catalogue file, and patching fields of a file image
// before it is written back.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace sdro {

/// Size of a regular file in bytes; nothing when it is missing or no file.
std::optional<std::uintmax_t> catalogue_file_size(const std::filesystem::path& path);

/// `length` bytes from byte `offset` of a file; nothing when the file cannot
/// be opened or is shorter.
std::optional<std::string> read_file_range(const std::filesystem::path& path, std::uintmax_t offset,
                                           std::size_t length);

/// Overwrites little-endian fields of a file image in place; offsets outside
/// the image are ignored.
void patch_f32(std::string& image, std::size_t offset, float value);
void patch_i32(std::string& image, std::size_t offset, std::int32_t value);
void patch_u8(std::string& image, std::size_t offset, std::uint8_t value);

}  // namespace sdro
