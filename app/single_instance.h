// One running program per user: a lock file in the user's runtime folder.
// The lock belongs to the process, so a crashed program leaves no lock that
// counts (a stale lock is taken over).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace sdro {

class tsingle_instance {
 public:
  /// Tries to take the lock `name` in the runtime folder (or `folder` when given).
  explicit tsingle_instance(const QString& name = QStringLiteral("Kyr5_Eindeutiger_Name"),
                            const QString& folder = {});
  ~tsingle_instance();
  tsingle_instance(const tsingle_instance&) = delete;
  tsingle_instance& operator=(const tsingle_instance&) = delete;
  /// False when another running process holds the lock.
  bool first() const { return first_; }

 private:
  std::unique_ptr<QLockFile> lock_;
  bool first_ = false;
};

}  // namespace sdro
