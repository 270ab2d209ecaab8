// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <QSysInfo>

#include <fstream>

#include "app/state/tests/test_folder.h"

namespace sdro {
namespace {

TEST(SingleInstance, SecondHolderIsRefusedAndALeftOverLockIsTakenOver) {
  const auto dir = sdro::testing::fresh_folder();
  const QString folder = QString::fromStdString(dir.string());
  {
    const tsingle_instance first(QStringLiteral("test"), folder);
    EXPECT_TRUE(first.first());
    const tsingle_instance second(QStringLiteral("test"), folder);
    EXPECT_FALSE(second.first());
  }
  EXPECT_TRUE(tsingle_instance(QStringLiteral("test"), folder).first()) << "released at the end";

  // The lock of a process that died without releasing it.
  std::ofstream(dir / "crashed.lock") << "2147483000\nsdro\n" << QSysInfo::machineHostName().toStdString() << "\n";
  EXPECT_TRUE(tsingle_instance(QStringLiteral("crashed"), folder).first());
}

}  // namespace
}  // namespace sdro
