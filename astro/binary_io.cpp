// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/binary_io.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace sdro {

void tbytereader::seek(std::size_t offset) {
  if (offset > bytes_.size()) {
    ok_ = false;
    pos_ = bytes_.size();
    return;
  }
  pos_ = offset;
}

bool tbytereader::take(std::size_t n, const char*& p) {
  if (!ok_ || n > remaining()) {
    ok_ = false;
    pos_ = bytes_.size();
    return false;
  }
  p = bytes_.data() + pos_;
  pos_ += n;
  return true;
}

std::uint8_t tbytereader::u8() {
  const char* p = nullptr;
  return take(1, p) ? static_cast<std::uint8_t>(p[0]) : 0;
}

std::uint16_t tbytereader::u16() {
  const char* p = nullptr;
  if (!take(2, p)) return 0;
  return static_cast<std::uint16_t>(static_cast<unsigned char>(p[0]) |
                                    (static_cast<unsigned char>(p[1]) << 8));
}

std::uint32_t tbytereader::u32() {
  const char* p = nullptr;
  if (!take(4, p)) return 0;
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return v;
}

std::uint64_t tbytereader::u64() {
  const char* p = nullptr;
  if (!take(8, p)) return 0;
  std::uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return v;
}

float tbytereader::f32() { return std::bit_cast<float>(u32()); }
double tbytereader::f64() { return std::bit_cast<double>(u64()); }

std::string_view tbytereader::bytes(std::size_t n) {
  const char* p = nullptr;
  return take(n, p) ? std::string_view(p, n) : std::string_view();
}

std::string tbytereader::short_string(std::size_t capacity) {
  const std::size_t len = std::min<std::size_t>(u8(), capacity);
  const std::string_view field = bytes(capacity);
  return std::string(field.substr(0, std::min(len, field.size())));
}

std::string tbytereader::fixed_string(std::size_t field) {
  const std::string_view f = bytes(field);
  const std::size_t nul = f.find('\0');
  return std::string(f.substr(0, nul == std::string_view::npos ? f.size() : nul));
}

void tbytewriter::u16(std::uint16_t v) {
  data_ += static_cast<char>(v & 0xFF);
  data_ += static_cast<char>(v >> 8);
}

void tbytewriter::u32(std::uint32_t v) {
  for (int i = 0; i < 4; ++i) data_ += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void tbytewriter::u64(std::uint64_t v) {
  for (int i = 0; i < 8; ++i) data_ += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void tbytewriter::f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }
void tbytewriter::f64(double v) { u64(std::bit_cast<std::uint64_t>(v)); }

void tbytewriter::short_string(std::string_view raw, std::size_t capacity) {
  const std::size_t len = std::min(raw.size(), std::min<std::size_t>(capacity, 255));
  u8(static_cast<std::uint8_t>(len));
  data_.append(raw.substr(0, len));
  zeros(capacity - len);
}

void tbytewriter::fixed_string(std::string_view raw, std::size_t field) {
  if (field == 0) return;
  const std::size_t len = std::min(raw.size(), field - 1);
  data_.append(raw.substr(0, len));
  zeros(field - len);
}

void tbytewriter::patch_u32(std::size_t offset, std::uint32_t v) {
  if (offset + 4 > data_.size()) return;
  for (int i = 0; i < 4; ++i) data_[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace sdro
