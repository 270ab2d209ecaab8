// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace sdro {

tsingle_instance::tsingle_instance(const QString& name, const QString& folder) {
  QString dir = folder;
  if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  QDir().mkpath(dir);
  lock_ = std::make_unique<QLockFile>(QDir(dir).filePath(name + QStringLiteral(".lock")));
  lock_->setStaleLockTime(0);  // only a lock of a living process counts
  first_ = lock_->tryLock(0);
}

tsingle_instance::~tsingle_instance() = default;

}  // namespace sdro
