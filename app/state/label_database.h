// Opening the user label database named by `labeldateiname`, at start-up and
// on every apply of a configuration. The label list itself (its file format,
// its entries) belongs to the catalogue; it plugs in through tlabel_store.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "app/state/messages.h"

namespace sdro {

/// What the label list offers to the shell.
class tlabel_store {
 public:
  enum class topen { ok, missing, unreadable };
  virtual ~tlabel_store() = default;
  /// Makes `path` the list's file and loads it; on any failure the list is empty.
  virtual topen open(const std::filesystem::path& path) = 0;
  /// Writes an empty database to `path` (atomically); false on failure.
  virtual bool create_empty(const std::filesystem::path& path) = 0;
};

/// Where the database is opened: the two places word their message differently.
enum class tlabel_context { startup, apply };

/// Opens the database. A missing file is created empty and reported. A file
/// that exists but cannot be read is never overwritten: it is kept as it is,
/// the list stays empty, and a message says so. Failures to create are
/// swallowed (the list stays empty).
void open_label_database(tlabel_store& store, const std::filesystem::path& path,
                         tlabel_context context, tmessage_service& messages);

}  // namespace sdro
