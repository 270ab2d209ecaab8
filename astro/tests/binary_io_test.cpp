// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/binary_io.h"

#include <gtest/gtest.h>

namespace sdro {
namespace {

TEST(BinaryIo, LittleEndianRoundTrip) {
  tbytewriter w;
  w.u8(0xAB);
  w.i16(-2);
  w.i32(-123456789);
  w.u64(0x0102030405060708ULL);
  w.f32(1.5f);
  w.f64(-2.25);
  w.short_string("Kassel", 10);
  w.fixed_string("Sirius", 8);
  const std::string bytes = w.data();
  ASSERT_EQ(bytes.size(), 1u + 2 + 4 + 8 + 4 + 8 + 11 + 8);
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFE);  // low byte first
  EXPECT_EQ(bytes[7], '\x08');

  tbytereader r(bytes);
  EXPECT_EQ(r.u8(), 0xAB);
  EXPECT_EQ(r.i16(), -2);
  EXPECT_EQ(r.i32(), -123456789);
  EXPECT_EQ(r.u64(), 0x0102030405060708ULL);
  EXPECT_EQ(r.f32(), 1.5f);
  EXPECT_EQ(r.f64(), -2.25);
  EXPECT_EQ(r.short_string(10), "Kassel");
  EXPECT_EQ(r.fixed_string(8), "Sirius");
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(r.remaining(), 0u);
}

TEST(BinaryIo, DamagedFieldsAreClampedAndOverrunsReported) {
  // A length byte of 200 in a field of 5: clamped to the field.
  const std::string bad = std::string("\xC8", 1) + "ABCDE";
  tbytereader r(bad);
  EXPECT_EQ(r.short_string(5), "ABCDE");
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(r.i32(), 0);  // past the end
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.u8(), 0);   // stays failed

  tbytereader full("XYZW");
  EXPECT_EQ(full.fixed_string(4), "XYZW");  // no NUL inside the field
  tbytewriter w;
  w.fixed_string("toolongtext", 4);
  EXPECT_EQ(w.data(), std::string("too\0", 4));  // always NUL-terminated
}

}  // namespace
}  // namespace sdro
