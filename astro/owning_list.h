// A list of named entries that owns one attached object per entry.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sdro {

/// Holds element records (and track points) by designation. Clearing or
/// destroying the list frees every attached object; entries keep their order.
template <class T>
class tbahndaten_stringlist {
 public:
  tbahndaten_stringlist() = default;
  tbahndaten_stringlist(const tbahndaten_stringlist&) = delete;
  tbahndaten_stringlist& operator=(const tbahndaten_stringlist&) = delete;
  tbahndaten_stringlist(tbahndaten_stringlist&&) noexcept = default;
  tbahndaten_stringlist& operator=(tbahndaten_stringlist&&) noexcept = default;

  /// Appends an entry; returns its index.
  std::size_t add(std::string name, std::unique_ptr<T> object) {
    entries_.emplace_back(std::move(name), std::move(object));
    return entries_.size() - 1;
  }
  std::size_t count() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  const std::string& name(std::size_t i) const { return entries_.at(i).first; }
  T* object(std::size_t i) const { return entries_.at(i).second.get(); }
  /// Index of the first entry with this name, or −1.
  long index_of(std::string_view name) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (entries_[i].first == name) return static_cast<long>(i);
    }
    return -1;
  }
  /// Removes entry i and frees its object.
  void erase(std::size_t i) {
    if (i < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
  }
  /// Frees every attached object and empties the list.
  void clear() { entries_.clear(); }

  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

 private:
  std::vector<std::pair<std::string, std::unique_ptr<T>>> entries_;
};

}  // namespace sdro
