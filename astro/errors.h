// Exceptions shared by the file readers.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace sdro {

/// Raised while orbital elements are read from the text of a Minor Planet
/// Electronic Circular when an expected label is missing. The message is
/// built in the current language when the exception is created.
class EmpecFileError : public std::runtime_error {
 public:
  EmpecFileError();
  explicit EmpecFileError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace sdro
