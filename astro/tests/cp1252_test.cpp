// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/cp1252.h"

#include <gtest/gtest.h>

namespace sdro {
namespace {

TEST(Cp1252, RoundTripOfGermanAndSpecialCharacters) {
  const std::string utf8 = "Größe Ä ö ü ß € „x“ – ®";
  const std::string bytes = utf8_to_cp1252(utf8);
  EXPECT_EQ(bytes, "Gr\xF6\xDF" "e \xC4 \xF6 \xFC \xDF \x80 \x84x\x93 \x96 \xAE");
  EXPECT_EQ(cp1252_to_utf8(bytes), utf8);
}

TEST(Cp1252, UnmappableAndMalformedInput) {
  EXPECT_EQ(utf8_to_cp1252("α"), "?");
  EXPECT_EQ(utf8_to_cp1252("a\xFF" "b"), "a?b");           // invalid UTF-8
  EXPECT_EQ(utf8_to_cp1252("\xC3"), "?");                  // truncated sequence
  EXPECT_EQ(cp1252_to_utf8("\x81"), "\xEF\xBF\xBD");      // unassigned byte
  EXPECT_FALSE(is_valid_utf8("\xC0\x80"));                 // overlong NUL
  EXPECT_FALSE(is_valid_utf8("\xED\xA0\x80"));             // surrogate
  EXPECT_EQ(text_to_utf8("K\xF6ln"), "Köln");              // Windows-1252 fallback
  EXPECT_EQ(text_to_utf8("Köln"), "Köln");
}

TEST(Cp1252, CharacterCountsAndPrefixes) {
  EXPECT_EQ(utf8_length("Größe"), 5u);
  EXPECT_EQ(utf8_prefix("Größe", 3), "Grö");
  EXPECT_EQ(utf8_prefix("ab", 5), "ab");
}

}  // namespace
}  // namespace sdro
