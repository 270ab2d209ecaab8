// Little-endian fields of binary files, read and written explicitly.
//
// A reader never reads past its buffer: a read beyond the end returns zero
// and clears ok(), so a caller checks ok() once after reading a record and
// rejects the record before applying anything.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sdro {

class tbytereader {
 public:
  explicit tbytereader(std::string_view bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }
  std::size_t position() const { return pos_; }
  std::size_t size() const { return bytes_.size(); }
  std::size_t remaining() const { return pos_ <= bytes_.size() ? bytes_.size() - pos_ : 0; }
  /// Moves to an absolute offset; beyond the end clears ok().
  void seek(std::size_t offset);
  void skip(std::size_t n) { seek(pos_ + n); }

  std::uint8_t u8();
  std::int8_t i8() { return static_cast<std::int8_t>(u8()); }
  std::uint16_t u16();
  std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
  std::uint32_t u32();
  std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
  std::uint64_t u64();
  std::int64_t i64() { return static_cast<std::int64_t>(u64()); }
  float f32();
  double f64();
  /// Raw bytes.
  std::string_view bytes(std::size_t n);
  /// A length-prefixed string in a field of 1 + capacity bytes: the length
  /// byte is clamped to the capacity. Returns the raw (file-encoded) bytes.
  std::string short_string(std::size_t capacity);
  /// A NUL-terminated string in a field of `field` bytes; the text ends at the
  /// first NUL or at the end of the field. Returns the raw bytes.
  std::string fixed_string(std::size_t field);

 private:
  bool take(std::size_t n, const char*& p);
  std::string_view bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

class tbytewriter {
 public:
  const std::string& data() const { return data_; }
  std::string take() { return std::move(data_); }
  std::size_t size() const { return data_.size(); }

  void u8(std::uint8_t v) { data_ += static_cast<char>(v); }
  void i8(std::int8_t v) { u8(static_cast<std::uint8_t>(v)); }
  void u16(std::uint16_t v);
  void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
  void u32(std::uint32_t v);
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  void u64(std::uint64_t v);
  void i64(std::int64_t v) { u64(static_cast<std::uint64_t>(v)); }
  void f32(float v);
  void f64(double v);
  void bytes(std::string_view b) { data_.append(b); }
  void zeros(std::size_t n) { data_.append(n, '\0'); }
  /// Length byte plus `capacity` bytes; longer text is cut, the rest is zero.
  void short_string(std::string_view raw, std::size_t capacity);
  /// `field` bytes holding the text and at least one NUL.
  void fixed_string(std::string_view raw, std::size_t field);
  /// Overwrites already written bytes at an offset (for sizes known later).
  void patch_u32(std::size_t offset, std::uint32_t v);

 private:
  std::string data_;
};

}  // namespace sdro
