// Reading whole files and writing them atomically.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sdro {

/// Reads a whole file. Returns nothing when it cannot be opened or read, or
/// when it is larger than `max_bytes` (a guard against foreign files).
std::optional<std::string> read_whole_file(const std::filesystem::path& path,
                                           std::size_t max_bytes = std::size_t(1) << 31);

/// Writes `data` to a temporary file beside `path`, flushes it to the disk and
/// renames it over `path`, so the old file stays whole until the new one is
/// complete. On failure the temporary is removed, `path` is untouched and the
/// result is false.
bool write_file_atomically(const std::filesystem::path& path, std::string_view data);

/// True when a file can be created in this folder (tries and removes one).
bool folder_is_writable(const std::filesystem::path& folder);

}  // namespace sdro
