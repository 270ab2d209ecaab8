// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

namespace sdro {
namespace {

std::atomic<unsigned> g_temp_counter{0};

std::filesystem::path temporary_beside(const std::filesystem::path& path) {
  std::filesystem::path t = path;
  t += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(g_temp_counter++);
  return t;
}

bool write_all(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::optional<std::string> read_whole_file(const std::filesystem::path& path, std::size_t max_bytes) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size > max_bytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string data(static_cast<std::size_t>(size), '\0');
  in.read(data.data(), static_cast<std::streamsize>(size));
  if (static_cast<std::uintmax_t>(in.gcount()) != size) return std::nullopt;
  return data;
}

bool write_file_atomically(const std::filesystem::path& path, std::string_view data) {
  const std::filesystem::path tmp = temporary_beside(path);
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = write_all(fd, data) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = std::rename(tmp.c_str(), path.c_str()) == 0;
  if (!ok) {
    std::error_code ec;
    std::filesystem::remove(tmp, ec);
    return false;
  }
  // Make the rename itself durable.
  const std::filesystem::path dir = path.has_parent_path() ? path.parent_path() : ".";
  const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

bool folder_is_writable(const std::filesystem::path& folder) {
  const std::filesystem::path probe = temporary_beside(folder / ".sdro-write-probe");
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  ::close(fd);
  std::error_code ec;
  std::filesystem::remove(probe, ec);
  return true;
}

}  // namespace sdro
