// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/config_file.h"

#include <gtest/gtest.h>

#include "app/state/tests/test_folder.h"
#include "astro/file_io.h"
#include "astro/language.h"

namespace sdro {
namespace {

using sdro::testing::fresh_folder;

std::string valid_file() { return config_file_bytes(encode_record(default_konfiguration())); }

TEST(ConfigFile, HeaderIsTheLengthPrefixedIdentification) {
  const std::string f = valid_file();
  ASSERT_EQ(f.size(), kConfigFileSize);
  EXPECT_EQ(f[0], 26);
  EXPECT_EQ(f.substr(1, 26), "Sdro 3.0003 32Bitcnf-Datei");
  EXPECT_EQ(f.substr(27, 6), std::string(6, '\0'));
}

TEST(ConfigFile, ForeignOrShortFilesAreRejectedWithTheMessage) {
  const auto dir = fresh_folder();
  struct tcase {
    const char* what;
    std::string bytes;
  };
  std::string one_char = valid_file();
  one_char[5] = 'X';
  std::string length = valid_file();
  length[0] = 25;
  const tcase cases[] = {
      {"one character differs", one_char},
      {"length byte differs", length},
      {"shorter than header and record", valid_file().substr(0, kConfigFileSize - 1)},
      {"header only", valid_file().substr(0, kHeaderSize)},
      {"empty", ""},
      {"a text file", "[Settings]\nLanguage=1\n"},
  };
  for (const auto& c : cases) {
    const auto path = dir / "bad.kcf";
    ASSERT_TRUE(write_file_atomically(path, c.bytes));
    tscripted_messages messages;
    tkonfiguration current;
    current.kartenart = 204;
    const tconfig_load r = read_config_file(path, current, messages);
    EXPECT_EQ(r.status, tconfig_read::foreign) << c.what;
    ASSERT_EQ(messages.records().size(), 1u) << c.what;
    EXPECT_EQ(messages.records()[0].icon, tmessage_icon::error);
    EXPECT_TRUE(messages.contains("Release 000105")) << c.what;
  }
}

TEST(ConfigFile, InsignificantHeaderBytesAndTrailingBytesAreAccepted) {
  const auto dir = fresh_folder();
  std::string f = valid_file();
  for (std::size_t i = 29; i < 33; ++i) f[i] = 'Z';
  ASSERT_TRUE(write_file_atomically(dir / "a.kcf", f + "trailing"));
  tscripted_messages messages;
  const tconfig_load r = read_config_file(dir / "a.kcf", default_konfiguration(), messages);
  EXPECT_EQ(r.status, tconfig_read::ok);
  EXPECT_TRUE(messages.records().empty());
}

TEST(ConfigFile, MissingFileFailsSilently) {
  tscripted_messages messages;
  const tconfig_load r = read_config_file(fresh_folder() / "none.kcf", default_konfiguration(), messages);
  EXPECT_EQ(r.status, tconfig_read::missing);
  EXPECT_TRUE(messages.records().empty());
}

TEST(ConfigFile, DamagedFieldIsNamedInTheMessage) {
  const auto dir = fresh_folder();
  std::string f = valid_file();
  f[kHeaderSize + 5212] = 42;  // gradnetzkoerper
  ASSERT_TRUE(write_file_atomically(dir / "d.kcf", f));
  tscripted_messages messages;
  LanguageScope english_texts(english);
  const tconfig_load r = read_config_file(dir / "d.kcf", default_konfiguration(), messages);
  EXPECT_EQ(r.status, tconfig_read::damaged);
  EXPECT_TRUE(messages.contains("\"gradnetzkoerper\" is out of range"));
  EXPECT_TRUE(messages.contains("42"));
}

TEST(ConfigFile, WriteReplacesWholeFileOrReportsTheName) {
  const auto dir = fresh_folder();
  const auto path = dir / "sdro.kcf";
  ASSERT_TRUE(write_file_atomically(path, std::string(20000, 'q')));
  tscripted_messages messages;
  const std::string record = encode_record(default_konfiguration());
  ASSERT_TRUE(write_config_file(path, record, messages));
  EXPECT_EQ(*read_whole_file(path), config_file_bytes(record));

  LanguageScope german_texts(german);
  EXPECT_FALSE(write_config_file(dir / "no" / "such" / "x.kcf", record, messages));
  EXPECT_TRUE(messages.contains("x.kcf ist kein gültiger Dateiname"));
}

TEST(ConfigFile, CaptionAndUndoList) {
  EXPECT_EQ(window_caption(""), "Sidaro 3.0");
  EXPECT_EQ(window_caption("/a/sdro.kcf"), "Sidaro 3.0 [/a/sdro.kcf]");
  EXPECT_EQ(tconfig().record(), std::string(kRecordSize, '\0'));

  tundo_list undo;
  for (int i = 0; i < 5; ++i) {
    auto c = std::make_unique<tconfig>();
    c->set_dateiname(std::to_string(i));
    undo.add_keeping(std::move(c), 2);
  }
  ASSERT_EQ(undo.count(), 2u);
  EXPECT_EQ(undo.at(0).dateiname(), "3");
  EXPECT_EQ(undo.last().dateiname(), "4");
  undo.remove(7);
  undo.remove(0);
  EXPECT_EQ(undo.count(), 1u);
}

}  // namespace
}  // namespace sdro
