// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace sdro {
namespace {

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("sdro_file_io_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all);
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

TEST_F(FileIo, AtomicWriteReplacesWholeFileAndLeavesNoTemporary) {
  const fs::path f = dir_ / "a.dat";
  ASSERT_TRUE(write_file_atomically(f, std::string("one\0two", 7)));
  ASSERT_TRUE(write_file_atomically(f, "second"));
  EXPECT_EQ(read_whole_file(f).value(), "second");
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_)) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(FileIo, FailedRenameLeavesTargetAndNoTemporary) {
  // A folder in the way of the target: the rename fails after the data went out.
  const fs::path target = dir_ / "sub";
  fs::create_directories(target / "inner");
  EXPECT_FALSE(write_file_atomically(target, "data"));
  EXPECT_TRUE(fs::is_directory(target / "inner"));
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_)) ++entries;
  EXPECT_EQ(entries, 1);
  EXPECT_FALSE(write_file_atomically(dir_ / "no" / "such" / "folder.dat", "x"));
}

TEST_F(FileIo, ReadOnlyFolderKeepsTheOldFile) {
  const fs::path f = dir_ / "keep.dat";
  ASSERT_TRUE(write_file_atomically(f, "old"));
  if (::geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(folder_is_writable(dir_));
  EXPECT_FALSE(write_file_atomically(f, "new"));
  EXPECT_EQ(read_whole_file(f).value(), "old");
}

TEST_F(FileIo, ReadGuards) {
  EXPECT_FALSE(read_whole_file(dir_ / "missing").has_value());
  EXPECT_FALSE(read_whole_file(dir_).has_value());  // a folder
  ASSERT_TRUE(write_file_atomically(dir_ / "big", std::string(100, 'x')));
  EXPECT_FALSE(read_whole_file(dir_ / "big", 99).has_value());
  EXPECT_TRUE(folder_is_writable(dir_));
}

}  // namespace
}  // namespace sdro
