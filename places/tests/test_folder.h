// A fresh folder under the system's temporary directory for one test, removed afterwards.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace sdro::test {

class tfolder {
 public:
  tfolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("sdro_places_" + std::string(info->test_suite_name()) + "_" + info->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~tfolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  tfolder(const tfolder&) = delete;
  tfolder& operator=(const tfolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  /// Writes a file of the folder byte for byte and returns its path.
  std::filesystem::path write(std::string_view name, std::string_view bytes) const {
    const auto p = path_ / name;
    std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace sdro::test
