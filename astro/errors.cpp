// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/errors.h"

#include "astro/language.h"

namespace sdro {

EmpecFileError::EmpecFileError()
    : std::runtime_error(std::string(tr("Das MPE-Zirkular hat ein unbekanntes oder ungültiges Format.",
                                        "MPE-Cirkular has an unknown or invalid Format."))) {}

}  // namespace sdro
